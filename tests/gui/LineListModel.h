// A list model of plain text lines for the list framework's tests: every
// edit announces what the key frame list would announce for it.
#ifndef KFA_TESTS_GUI_LINE_LIST_MODEL_H
#define KFA_TESTS_GUI_LINE_LIST_MODEL_H

#include <numeric>
#include <string>
#include <vector>

#include "gui/ListModelAbstract.h"

class LineListModel : public ListModelAbstract<std::string> {
public:
    explicit LineListModel(std::vector<std::string> initial) : lines(std::move(initial)) {}

    unsigned getCount() const override { return static_cast<unsigned>(lines.size()); }
    std::string getDisplayString(unsigned index) const override { return lines.at(index); }
    const std::string& getItem(unsigned index) const override { return lines.at(index); }

    void insertItems(unsigned index, const std::vector<std::string>& items) override
    {
        lines.insert(lines.begin() + index, items.begin(), items.end());
        notifyChange(ListModelChange_s{Inserted, positions(index, items.size())});
    }
    void removeItems(unsigned index, unsigned count) override
    {
        lines.erase(lines.begin() + index, lines.begin() + index + count);
        notifyChange(ListModelChange_s{Removed, positions(index, count)});
    }
    void setItem(unsigned index, const std::string& line) override
    {
        lines.at(index) = line;
        notifyChange(ListModelChange_s{Changed, {index}});
    }
    void replaceAll(std::vector<std::string> replacement)
    {
        lines = std::move(replacement);
        notifyReset();
    }

    std::vector<std::string> lines;

private:
    static std::vector<unsigned> positions(unsigned first, std::size_t count)
    {
        std::vector<unsigned> all(count);
        std::iota(all.begin(), all.end(), first);
        return all;
    }
};

#endif
