#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "export/EnumNames.h"
#include "gui/OptionMenuStaticManager.h"
#include "support/HostFixture.h"

namespace {

class OptionMenuStaticManagerTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        ZorUtilLockStart(1);
        const int dialog =
            ZorGUIDialogCreateModal(ZOR_MAIN_WINDOW, 100, 100, "Menus", nullptr, nullptr, nullptr, nullptr, nullptr);
        menu = ZorGUIOptionMenuAdd(dialog, 0, 0, 10, 10, " ", nullptr);
        formats.attachOptionMenu(menu);
    }
    void TearDown() override
    {
        ZorUtilLockFinish(1);
        HostFixture::TearDown();
    }

    const zorsim::Control& shown() const { return host().widgets.control(menu); }

    int menu = ZOR_NO_CONTROL;
    OptionMenuStaticManager<ExportFormat_e> formats{ExportFormatDisplayTable.data(), ExportFormatDisplayTable.size()};
};

TEST_F(OptionMenuStaticManagerTest, FillsTheMenuInTableOrderReplacingWhatItHeld)
{
    EXPECT_EQ((std::vector<std::string>{"AVI", "Flash (FLV)", "Flash (SWF)", "MPEG-4", "Raster Metafile", "WMV"}),
              shown().items);
    formats.attachOptionMenu(menu);
    EXPECT_EQ(6u, shown().items.size());
}

TEST_F(OptionMenuStaticManagerTest, ChoosesAndReadsByValueAtHostPositions)
{
    EXPECT_TRUE(formats.setSelectedItem(ExportFormat_RasterMetafile));
    EXPECT_EQ(5, shown().chosen);
    EXPECT_EQ(ExportFormat_RasterMetafile, formats.getSelectedItem());
    ZorGUIOptionMenuSet(menu, 1);
    EXPECT_EQ(ExportFormat_AVI, formats.getSelectedItem());
    ZorGUIOptionMenuSet(menu, 6);
    EXPECT_EQ(ExportFormat_WMV, formats.getSelectedItem());

    EXPECT_FALSE(formats.setSelectedItem(static_cast<ExportFormat_e>(15)));
    EXPECT_EQ(6, shown().chosen);
    EXPECT_EQ("Flash (SWF)", formats.getDisplayString(ExportFormat_Flash));
    EXPECT_THROW_MSG(formats.getDisplayString(static_cast<ExportFormat_e>(15)), std::out_of_range,
                     "Error in OptionMenuStaticManager::getDisplayString:\n"
                     "The requested item does not exist in the model.");

    ZorGUIOptionMenuDeleteAllItems(menu);
    EXPECT_THROW_MSG(formats.getSelectedItem(), std::out_of_range, "invalid vector<T> subscript");
}

TEST(ListModelPreMappedTest, HoldsItsRowsAndIgnoresEdits)
{
    ListModelPreMapped<FlashImageType_e> types(FlashImageTypeDisplayTable.data(), FlashImageTypeDisplayTable.size());
    types.removeItem(0);
    types.insertItem(0, FlashImageType_JPEG);
    types.setItem(1, FlashImageType_Lossless);
    ASSERT_EQ(3u, types.getCount());
    EXPECT_EQ("True Color", types.getDisplayString(0));
    EXPECT_EQ(FlashImageType_JPEG, types.getItem(1));
    EXPECT_EQ(2u, types.getIndexOf(FlashImageType_256Color));
    EXPECT_EQ(4u, types.getIndexOf(static_cast<FlashImageType_e>(7)));
    EXPECT_EQ(types.getInvalidIndex(), types.getIndexOf(static_cast<FlashImageType_e>(7)));
    EXPECT_THROW_MSG(types.getItem(3), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_THROW_MSG(types.getDisplayString(3), std::out_of_range, "invalid vector<T> subscript");
    EXPECT_EQ("No items available.", types.getEmptyListText());
}

}  // namespace
