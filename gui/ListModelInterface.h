// The faces of a list model: what changed (ListModelChange_s), the
// item-type-free face a list view uses (ListModelGenericInterface), the
// observer that hears changes, and the typed face (ListModelInterface<T>).
//
// Positions count from 0. A model tells its observers after every edit that
// changes what a list shows.
#ifndef KFA_GUI_LIST_MODEL_INTERFACE_H
#define KFA_GUI_LIST_MODEL_INTERFACE_H

#include <string>
#include <vector>

enum ListModelChangeType_e {
    Inserted = 0,  // the items now at `indices` are new
    Removed = 1,  // the items that were at `indices` are gone
    Changed = 2,  // the items at `indices` have new content
    Reset = 3,  // anything may have changed; `indices` is empty
};

struct ListModelChange_s {
    ListModelChangeType_e type;
    // Ascending as the model built them.
    std::vector<unsigned> indices;
};

class ListModelObserverInterface {
public:
    virtual ~ListModelObserverInterface() = default;
    // Must not edit the model it observes: the model is delivering.
    virtual void modelChanged(const ListModelChange_s& change) = 0;
};

class ListModelGenericInterface {
public:
    // Observers are not owned; each is added once however often it is given.
    virtual void addObserver(ListModelObserverInterface* observer) = 0;
    virtual void removeObserver(ListModelObserverInterface* observer) = 0;
    virtual unsigned getCount() const = 0;
    // The position that means "not in the model".
    virtual unsigned getInvalidIndex() const = 0;
    virtual std::string getDisplayString(unsigned index) const = 0;
    // The one line a view shows while the model is empty.
    virtual std::string getEmptyListText() const = 0;
    virtual ~ListModelGenericInterface() = default;
};

template <typename T>
class ListModelInterface : public virtual ListModelGenericInterface {
public:
    virtual const T& getItem(unsigned index) const = 0;
    virtual void setItem(unsigned index, const T& item) = 0;
    // The first position holding an item equal to `item`, or getInvalidIndex().
    virtual unsigned getIndexOf(const T& item) const = 0;
    // Insert before position `index`; an index of at most getCount() + 1.
    virtual void insertItem(unsigned index, const T& item) = 0;
    virtual void insertItems(unsigned index, const std::vector<T>& items) = 0;
    virtual void removeItem(unsigned index) = 0;
    virtual void removeItems(unsigned index, unsigned count) = 0;
};

#endif
