// The observer bookkeeping and change delivery shared by every list model.
//
// A concrete model holds the items, implements getItem, getCount and
// getDisplayString, overrides the edits it allows, and after each edit calls
// notifyChange (or notifyReset after replacing everything). Changes made
// while no observer is attached are dropped: a view that attaches rebuilds
// from the model. A reset that no observer could hear ends when the next
// observer is added, for the same reason, so every change made while an
// observer is attached reaches it.
#ifndef KFA_GUI_LIST_MODEL_ABSTRACT_H
#define KFA_GUI_LIST_MODEL_ABSTRACT_H

#include <set>
#include <string>
#include <vector>

#include "gui/ListModelInterface.h"

template <typename T>
class ListModelAbstract : public ListModelInterface<T> {
public:
    void addObserver(ListModelObserverInterface* observer) override
    {
        observers.insert(observer);
        // The observer rebuilds from the model; a reset nobody heard is void.
        resetPending = false;
        pendingChanges.clear();
    }

    void removeObserver(ListModelObserverInterface* observer) override { observers.erase(observer); }

    unsigned getInvalidIndex() const override { return this->getCount() + 1; }
    std::string getEmptyListText() const override { return "No items available."; }

    unsigned getIndexOf(const T& item) const override
    {
        for (unsigned index = 0; index < this->getCount(); ++index)
            if (this->getItem(index) == item)
                return index;
        return getInvalidIndex();
    }

    // Read-only models need no editing code.
    void setItem(unsigned, const T&) override {}
    void insertItem(unsigned, const T&) override {}
    void insertItems(unsigned, const std::vector<T>&) override {}
    void removeItem(unsigned) override {}
    void removeItems(unsigned, unsigned) override {}

protected:
    void notifyChange(const ListModelChange_s& change)
    {
        if (resetPending || observers.empty())
            return;
        pendingChanges.push_back(change);
        dispatch();
    }

    void notifyReset()
    {
        resetPending = true;
        pendingChanges.clear();
        pendingChanges.push_back(ListModelChange_s{Reset, {}});
        if (!observers.empty())
            dispatch();
    }

private:
    // Delivers every queued change to every observer, observer by observer.
    // Works on copies, and skips an observer removed meanwhile, so that an
    // observer that breaks the no-edit rule cannot corrupt the walk.
    void dispatch()
    {
        const std::set<ListModelObserverInterface*> receivers = observers;
        const std::vector<ListModelChange_s> changes = pendingChanges;
        for (ListModelObserverInterface* observer : receivers)
            for (const ListModelChange_s& change : changes)
                if (observers.count(observer) != 0)
                    observer->modelChanged(change);
        pendingChanges.clear();
        resetPending = false;
    }

    std::set<ListModelObserverInterface*> observers;
    bool resetPending = false;
    std::vector<ListModelChange_s> pendingChanges;
};

#endif
