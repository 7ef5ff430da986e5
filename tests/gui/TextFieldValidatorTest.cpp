#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "gui/TextFieldValidator.h"
#include "support/HostFixture.h"

namespace {

class TextFieldValidatorTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ZorUtilLockStart(1);
        const int dialog =
            ZorGUIDialogCreateModal(ZOR_MAIN_WINDOW, 100, 100, "Fields", nullptr, nullptr, nullptr, nullptr, nullptr);
        field = ZorGUITextFieldAdd(dialog, 0, 0, 10, 10, nullptr);
    }
    void TearDown() override
    {
        ZorUtilLockFinish(1);
        HostFixture::TearDown();
    }

    std::string shown() const { return host().widgets.control(field).text; }
    static const std::vector<std::string>& errors() { return host().messages.errors(); }

    int field = ZOR_NO_CONTROL;
};

TEST_F(TextFieldValidatorTest, ReadsTheLeadingNumberAndRefusesWhatIsOutOfRange)
{
    const std::string widthMessage = "Invalid input. Input must be a number between 4 and 32766.";
    const struct {
        const char* typed;
        bool accepted;
        int kept;
    } cases[] = {
        {"640", true, 640},    {"  512", true, 512},   {"12abc", true, 12},  {"45.7", true, 45},
        {"4", true, 4},        {"32766", true, 32766}, {"3", false, 32766},  {"32767", false, 32766},
        {"abc", false, 32766}, {"", false, 32766},     {"-5", false, 32766}, {"99999999999", false, 32766},
    };
    TextFieldValidator<int> width(4, 32766, 300, ZOR_NO_CONTROL);
    width.attachTextField(field);
    EXPECT_EQ("300", shown());
    std::size_t messages = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(c.accepted, width.validate(c.typed)) << c.typed;
        EXPECT_EQ(c.kept, width.getValue()) << c.typed;
        EXPECT_EQ(std::to_string(c.kept), shown()) << c.typed;
        if (!c.accepted) {
            ASSERT_EQ(++messages, errors().size()) << c.typed;
            EXPECT_EQ(widthMessage, errors().back()) << c.typed;
        }
    }
    EXPECT_EQ(messages, errors().size());
}

TEST_F(TextFieldValidatorTest, ShortAndDoubleFieldsReadTheirOwnType)
{
    TextFieldValidator<short> factor(2, 16, 3, field);
    EXPECT_EQ("3", shown());
    EXPECT_FALSE(factor.validate("40000"));
    EXPECT_EQ("Invalid input. Input must be a number between 2 and 16.", errors().back());
    EXPECT_EQ(3, factor.getValue());
    EXPECT_TRUE(factor.validate("16"));

    TextFieldValidator<double> speed(0.001, 200, 30, field);
    EXPECT_EQ("30", shown());
    EXPECT_TRUE(speed.validate("1e-3"));
    EXPECT_DOUBLE_EQ(0.001, speed.getValue());
    EXPECT_EQ("0.001", shown());
    EXPECT_TRUE(speed.validate("29.97 fps"));
    EXPECT_EQ("29.97", shown());
    EXPECT_FALSE(speed.validate("0"));
    EXPECT_EQ("Invalid input. Input must be a number between 0.001 and 200.", errors().back());
    EXPECT_FALSE(speed.validate("1e999"));
    EXPECT_EQ("29.97", shown());
    EXPECT_EQ(3u, errors().size());
}

TEST_F(TextFieldValidatorTest, MessageNamesExactlyTheBoundsThatWereSet)
{
    TextFieldValidator<int> unbounded(0, field);
    EXPECT_TRUE(unbounded.validate(std::to_string(INT_MIN)));
    EXPECT_TRUE(unbounded.validate(std::to_string(INT_MAX)));
    EXPECT_FALSE(unbounded.validate("none"));
    EXPECT_EQ("Invalid input. Input must be a number.", errors().back());

    TextFieldValidator<int> cycles(0, ZOR_NO_CONTROL);
    cycles.setLowerBound(1);
    EXPECT_EQ(1, cycles.getValue());
    EXPECT_FALSE(cycles.validate("0"));
    EXPECT_EQ("Invalid input. Input must be a number greater than or equal to 1.", errors().back());

    TextFieldValidator<int> atMost(20, ZOR_NO_CONTROL);
    atMost.setUpperBound(10);
    EXPECT_EQ(10, atMost.getValue());
    EXPECT_FALSE(atMost.validate("11"));
    EXPECT_EQ("Invalid input. Input must be a number less than or equal to 10.", errors().back());
    EXPECT_TRUE(atMost.validate(std::to_string(INT_MIN)));
}

}  // namespace
