// Selection models: read and set the selection of the host list control of
// a list view, and tell their observers what is selected.
//
// The selection is never stored here: it always comes from, and goes to,
// the host control. Positions count from 0; the host's count from 1.
// Positions out of range are dropped silently.
#ifndef KFA_GUI_LIST_SELECTION_MODEL_H
#define KFA_GUI_LIST_SELECTION_MODEL_H

#include <set>
#include <vector>

class ListViewInterface;

class ListSelectionModelObserverInterface {
public:
    virtual ~ListSelectionModelObserverInterface() = default;
    virtual void selectionChanged(std::vector<int> selectedItems) = 0;
};

class ListSelectionModelInterface {
public:
    // Observers are not owned.
    virtual void addObserver(ListSelectionModelObserverInterface* observer) = 0;
    virtual void removeObserver(ListSelectionModelObserverInterface* observer) = 0;
    // Tells every observer the current selection.
    virtual void notifyObservers() = 0;
    // The selected positions, ascending.
    virtual std::vector<int> getSelectedItems() const = 0;
    // Makes exactly these positions (those in range) selected.
    virtual void setSelectedItems(const std::vector<int>& items) = 0;
    // The one selected position, or -1 when none or several are selected.
    virtual int getSelectedItem() const = 0;
    virtual ~ListSelectionModelInterface() = default;
};

class ListSelectionModelAbstract : public virtual ListSelectionModelInterface {
public:
    // `owner` (not owned) owns this model and names the host control.
    explicit ListSelectionModelAbstract(ListViewInterface* owner) : view(owner) {}
    ListSelectionModelAbstract(const ListSelectionModelAbstract&) = delete;
    ListSelectionModelAbstract& operator=(const ListSelectionModelAbstract&) = delete;

    void addObserver(ListSelectionModelObserverInterface* observer) override;
    void removeObserver(ListSelectionModelObserverInterface* observer) override;
    void notifyObservers() override;
    std::vector<int> getSelectedItems() const override;
    int getSelectedItem() const override;

protected:
    int controlId() const;
    // The positions of `items` that the control holds, in their given order.
    std::vector<int> inRange(const std::vector<int>& items) const;

private:
    std::set<ListSelectionModelObserverInterface*> observers;
    ListViewInterface* view;
};

class ListMultiSelectionModel : public virtual ListSelectionModelAbstract {
public:
    explicit ListMultiSelectionModel(ListViewInterface* owner) : ListSelectionModelAbstract(owner) {}
    ~ListMultiSelectionModel() override;
    void setSelectedItems(const std::vector<int>& items) override;
};

#endif
