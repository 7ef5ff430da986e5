// Ties a host option menu to a fixed table of (display name, value) rows:
// fills the menu with the display names and reads and sets the menu's
// choice by value. The host counts menu positions from 1, the model from 0.
//
//   OptionMenuStaticManager<ExportFormat_e> formats(ExportFormatDisplayTable.data(),
//                                                   ExportFormatDisplayTable.size());
//   formats.attachOptionMenu(menuId);            // "AVI", "Flash (FLV)", ...
//   formats.setSelectedItem(ExportFormat_MPEG4);  // position 4
//
// Nothing here locks the host: the caller holds the add-on lock.
#ifndef KFA_GUI_OPTION_MENU_STATIC_MANAGER_H
#define KFA_GUI_OPTION_MENU_STATIC_MANAGER_H

#include <cstddef>
#include <stdexcept>
#include <string>

#include "ZorGUI.h"
#include "gui/ListModelPreMapped.h"

template <typename T>
class OptionMenuStaticManager {
public:
    OptionMenuStaticManager(const DisplayRow_s<T>* firstRow, std::size_t rowCount) : model_(firstRow, rowCount) {}
    virtual ~OptionMenuStaticManager() = default;

    // Takes the menu and fills it with the display names, in table order.
    // No item is chosen explicitly: the host's choice after filling stands.
    void attachOptionMenu(int controlId)
    {
        optionMenuId_ = controlId;
        ZorGUIOptionMenuDeleteAllItems(optionMenuId_);
        for (unsigned index = 0; index < model_.getCount(); ++index)
            ZorGUIOptionMenuAppendItem(optionMenuId_, model_.getDisplayString(index).c_str());
    }

    // The value of the chosen item; std::out_of_range with "invalid
    // vector<T> subscript" when the host reports no choice.
    const T& getSelectedItem() const
    {
        const int position = ZorGUIOptionMenuGet(optionMenuId_);
        return model_.getItem(static_cast<unsigned>(position - 1));
    }

    // Chooses the item of `value`; false, and the menu unchanged, when the
    // table has no such value.
    bool setSelectedItem(const T& value)
    {
        const unsigned index = model_.getIndexOf(value);
        if (index == model_.getInvalidIndex())
            return false;
        ZorGUIOptionMenuSet(optionMenuId_, static_cast<int>(index) + 1);
        return true;
    }

    // The display name of `value`; std::out_of_range when the table has none.
    std::string getDisplayString(const T& value) const
    {
        const unsigned index = model_.getIndexOf(value);
        if (index == model_.getInvalidIndex())
            throw std::out_of_range(
                "Error in OptionMenuStaticManager::getDisplayString:\nThe requested item does not exist in the model.");
        return model_.getDisplayString(index);
    }

private:
    ListModelPreMapped<T> model_;
    int optionMenuId_ = ZOR_NO_CONTROL;
};

#endif
