#include "window/DialogLayer.h"

#include <algorithm>

namespace zorhost {

DialogLayer::DialogLayer(zorsim::WidgetModel& widgets, QWidget& window, Actor act)
    : widgets_(widgets), window_(window), act_(std::move(act))
{
    widgets_.addObserver(this);
    for (int dialogId : widgets_.dialogsUp())
        widgetChanged(dialogId);
}

DialogLayer::~DialogLayer()
{
    widgets_.removeObserver(this);
}

void DialogLayer::widgetChanged(int id)
{
    // Controls belong to the dialog that holds them; only dialogs have a
    // window of their own, made when the dialog is first up.
    const std::vector<int> up = widgets_.dialogsUp();
    if (windows_.count(id) == 0 && std::find(up.begin(), up.end(), id) == up.end())
        return;
    std::unique_ptr<DialogWindow>& window = windows_[id];
    if (window == nullptr)
        window = std::make_unique<DialogWindow>(widgets_, id, act_, &window_);
    window->follow();
}

DialogWindow* DialogLayer::windowOf(int dialogId) const
{
    auto found = windows_.find(dialogId);
    return found == windows_.end() ? nullptr : found->second.get();
}

void DialogLayer::setInteractive(bool interactive)
{
    for (auto& entry : windows_)
        entry.second->setEnabled(interactive);
}

}  // namespace zorhost
