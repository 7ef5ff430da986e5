#include "gui/TextFieldValidator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ZorGUI.h"
#include "support/HostFixture.h"

namespace {

class TextFieldValidatorTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        holdLock();
        field = ZorGUITextFieldAdd(scratchDialog(), 0, 0, 10, 10, nullptr);
    }
    std::string shown() const { return control(field).text; }
    int field = ZOR_NO_CONTROL;
};

TEST_F(TextFieldValidatorTest, ReadsTheLeadingNumberAndRefusesWhatIsOutOfRange)
{
    const struct {
        const char* typed;
        bool accepted;
        int kept;
    } cases[] = {
        {"  51", true, 51}, {"12abc", true, 12}, {"45.7", true, 45},  {"5", true, 5},   {"500", true, 500},
        {"4", false, 500},  {"501", false, 500}, {"abc", false, 500}, {"", false, 500}, {"99999999999", false, 500},
    };
    TextFieldValidator<int> number(5, 500, 50, ZOR_NO_CONTROL);
    number.attachTextField(field);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::size_t errorsBefore = errors().size();
        EXPECT_EQ(c.accepted, number.validate(c.typed));
        EXPECT_EQ(c.kept, number.getValue());
        EXPECT_EQ(std::to_string(c.kept), shown());
        EXPECT_EQ(errorsBefore + (c.accepted ? 0u : 1u), errors().size());
    }
    EXPECT_THAT(errors(), ::testing::Each(std::string("Invalid input. Input must be a number between 5 and 500.")));
}

TEST_F(TextFieldValidatorTest, EachTypeReadsItsOwnNumbersAndTheMessageNamesOnlyTheBoundsThatWereSet)
{
    TextFieldValidator<short> small(3, 12, 4, field);
    EXPECT_FALSE(small.validate("40000"));
    EXPECT_TRUE(small.validate("12"));

    TextFieldValidator<double> rate(0.01, 100, 30, field);
    EXPECT_TRUE(rate.validate("1e-2"));
    EXPECT_EQ("0.01", shown());
    EXPECT_TRUE(rate.validate("29.97 fps"));
    EXPECT_EQ("29.97", shown());
    EXPECT_FALSE(rate.validate("0"));
    EXPECT_FALSE(rate.validate("1e999"));
    EXPECT_EQ("29.97", shown());

    TextFieldValidator<int> unbounded(0, field);
    EXPECT_TRUE(unbounded.validate(std::to_string(INT_MIN)) && unbounded.validate(std::to_string(INT_MAX)));
    EXPECT_FALSE(unbounded.validate("none"));
    EXPECT_EQ("Invalid input. Input must be a number.", lastError());
    TextFieldValidator<int> atLeast(-9, ZOR_NO_CONTROL);
    atLeast.setLowerBound(-2);
    EXPECT_EQ(-2, atLeast.getValue());
    EXPECT_FALSE(atLeast.validate("-3"));
    EXPECT_EQ("Invalid input. Input must be a number greater than or equal to -2.", lastError());
}

}  // namespace
