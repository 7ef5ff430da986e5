// A list model over a fixed table of (display name, value) rows, copied in
// table order at construction and never changed afterwards; the model of an
// option menu. Its editing operations do nothing.
//
//   ListModelPreMapped<ExportFormat_e> formats(ExportFormatDisplayTable.data(),
//                                              ExportFormatDisplayTable.size());
//   formats.getDisplayString(0);   // "AVI"
#ifndef KFA_GUI_LIST_MODEL_PRE_MAPPED_H
#define KFA_GUI_LIST_MODEL_PRE_MAPPED_H

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "export/EnumNames.h"
#include "gui/ListModelAbstract.h"

template <typename T>
class ListModelPreMapped : public ListModelAbstract<T> {
public:
    ListModelPreMapped(const DisplayRow_s<T>* firstRow, std::size_t rowCount)
    {
        for (std::size_t row = 0; row < rowCount; ++row)
            items_.emplace_back(firstRow[row].displayName, firstRow[row].value);
    }

    ~ListModelPreMapped() override = default;

    // Throws std::out_of_range for an index at or past the row count.
    const T& getItem(unsigned index) const override { return row(index).second; }

    unsigned getIndexOf(const T& item) const override
    {
        for (unsigned index = 0; index < getCount(); ++index)
            if (items_[index].second == item)
                return index;
        return this->getInvalidIndex();
    }

    unsigned getCount() const override { return static_cast<unsigned>(items_.size()); }

    // Throws as getItem does.
    std::string getDisplayString(unsigned index) const override { return row(index).first; }

private:
    const std::pair<std::string, T>& row(unsigned index) const
    {
        if (index >= items_.size())
            throw std::out_of_range("invalid vector<T> subscript");
        return items_[index];
    }

    std::vector<std::pair<std::string, T>> items_;
};

#endif
