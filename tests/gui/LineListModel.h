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
    LineListModel() = default;
    explicit LineListModel(std::vector<std::string> initial) : lines(std::move(initial)) {}

    unsigned getCount() const override { return static_cast<unsigned>(lines.size()); }
    std::string getDisplayString(unsigned index) const override { return lines.at(index); }
    const std::string& getItem(unsigned index) const override { return lines.at(index); }
    void onFirstObserverAdded() override { ++firstObserverHooks; }
    void onLastObserverRemoved() override { ++lastObserverHooks; }

    void insertItems(unsigned index, const std::vector<std::string>& items) override
    {
        lines.insert(lines.begin() + index, items.begin(), items.end());
        std::vector<unsigned> positions(items.size());
        std::iota(positions.begin(), positions.end(), index);
        notifyChange(ListModelChange_s{Inserted, positions});
    }
    void removeItems(unsigned index, unsigned count) override
    {
        lines.erase(lines.begin() + index, lines.begin() + index + count);
        std::vector<unsigned> positions(count);
        std::iota(positions.begin(), positions.end(), index);
        notifyChange(ListModelChange_s{Removed, positions});
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
    void announce(const ListModelChange_s& change) { notifyChange(change); }

    std::vector<std::string> lines;
    int firstObserverHooks = 0;
    int lastObserverHooks = 0;
};

#endif
