#include "window/DialogLayer.h"

#include <QApplication>

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
    const std::vector<int> up = widgets_.dialogsUp();
    const bool isDialog = windows_.count(id) != 0 || std::find(up.begin(), up.end(), id) != up.end();
    if (!isDialog) {
        // A control shows in its dialog's window once the dialog has one;
        // a window made later shows every control the dialog has by then.
        auto asControl = [&]() -> DialogWindow* {
            try {
                return windowOf(widgets_.control(id).parent);
            } catch (const std::out_of_range&) {
                return nullptr;
            }
        };
        if (DialogWindow* window = asControl())
            window->followControl(id);
        return;
    }
    // Only dialogs have a window of their own, made when first up.
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
    if (interactive == interactive_)
        return;
    interactive_ = interactive;
    if (interactive)
        giveInputBack();
    else
        takeInputAway();
}

void DialogLayer::takeInputAway()
{
    // Disabling a window drops its keyboard focus; remember where it was.
    activeBefore_ = QApplication::activeWindow();
    focusBefore_ = activeBefore_ != nullptr ? activeBefore_->focusWidget() : nullptr;
    for (auto& entry : windows_)
        entry.second->setEnabled(false);
}

void DialogLayer::giveInputBack()
{
    for (auto& entry : windows_)
        entry.second->setEnabled(true);
    // A modal dialog that came up takes the input; otherwise a person who
    // was in a dialog gets it back, or the dialog up last when theirs went.
    // From the main window, what its action opened keeps the activation.
    QWidget* target = QApplication::activeModalWidget();
    QWidget* before = activeBefore_.data();
    if (target == nullptr && before != nullptr && before != &window_)
        target = before->isVisible() ? before : lastWindowUp();
    if (target == nullptr)
        return;
    target->raise();
    target->activateWindow();
    QWidget* focus = focusBefore_.data();
    if (focus != nullptr && focus->window() == target && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

DialogWindow* DialogLayer::lastWindowUp() const
{
    const std::vector<int> up = widgets_.dialogsUp();
    for (auto dialogId = up.rbegin(); dialogId != up.rend(); ++dialogId)
        if (DialogWindow* window = windowOf(*dialogId); window != nullptr && window->isVisible())
            return window;
    return nullptr;
}

}  // namespace zorhost
