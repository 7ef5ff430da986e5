// A list view keeps one host list control in step with a list model.
//
// It writes the display string of every item into the control, shows the
// model's empty-list text in an insensitive control while the model is
// empty, and keeps the user's selection across rebuilds. Appends at the
// end, removals and content changes update only the lines concerned; a
// reset, an insertion before the end and the first items of an empty list
// rebuild the control.
//
// Life: unbound (control id ZOR_NO_CONTROL) -> bound (setControlId) ->
// detached while its control is gone (detachFromModel: no changes heard,
// no rebuilds) -> bound again (reattachToModel rebuilds, so that edits made
// meanwhile are shown).
#ifndef KFA_GUI_LIST_VIEW_H
#define KFA_GUI_LIST_VIEW_H

#include <memory>

#include "gui/ListModelInterface.h"
#include "gui/ListSelectionModel.h"

class ListViewInterface {
public:
    // Observe `model`, which the caller keeps owning; not null.
    virtual void setModel(ListModelGenericInterface* model) = 0;
    virtual ListSelectionModelInterface* getSelectionModel() const = 0;
    virtual int getControlId() const = 0;
    virtual void setControlId(int controlId) = 0;
    virtual void detachFromModel() = 0;
    virtual void reattachToModel() = 0;
    virtual ~ListViewInterface() = default;
};

class ListView : public virtual ListModelObserverInterface, public virtual ListViewInterface {
public:
    // The view of a multi-selection host list; unbound without `controlId`.
    ListView();
    explicit ListView(int controlId);
    ~ListView() override;
    ListView(const ListView&) = delete;
    ListView& operator=(const ListView&) = delete;

    void setModel(ListModelGenericInterface* model) override;
    ListSelectionModelInterface* getSelectionModel() const override { return selectionModel.get(); }
    int getControlId() const override { return controlId; }
    void setControlId(int id) override;
    void detachFromModel() override;
    void reattachToModel() override;

    void modelChanged(const ListModelChange_s& change) override;

private:
    void releaseModel();
    void rebuild();
    void showEmptyState();
    void itemsInserted(const std::vector<unsigned>& indices);
    void itemsRemoved(const std::vector<unsigned>& indices);
    void itemsChanged(const std::vector<unsigned>& indices);

    int controlId;
    ListModelGenericInterface* model = nullptr;
    bool detached = false;
    std::unique_ptr<ListSelectionModelInterface> selectionModel;
};

#endif
