#include "window/DialogWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "window/WindowMemory.h"
#include "zorsim/WidgetModel.h"

namespace zorhost {

using zorsim::ControlKind;

namespace {

const ControlKind allKinds[] = {
    ControlKind::List,       ControlKind::Button,        ControlKind::Label,  ControlKind::Frame,
    ControlKind::TextField,  ControlKind::SpinTextField, ControlKind::Toggle, ControlKind::RadioBox,
    ControlKind::OptionMenu, ControlKind::MenuBar,       ControlKind::Menu,   ControlKind::MenuItem,
    ControlKind::MenuToggle, ControlKind::MenuSeparator,
};

// The dialog's controls in the order the add-on made them (ids count up).
std::vector<int> controlsIn(const zorsim::WidgetModel& widgets, int dialogId)
{
    std::vector<int> ids;
    for (ControlKind kind : allKinds) {
        const std::vector<int> ofKind = widgets.controlsOf(dialogId, kind);
        ids.insert(ids.end(), ofKind.begin(), ofKind.end());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool isMenuPart(ControlKind kind)
{
    return kind == ControlKind::MenuBar || kind == ControlKind::Menu || kind == ControlKind::MenuItem ||
           kind == ControlKind::MenuToggle || kind == ControlKind::MenuSeparator;
}

}  // namespace

int dialogUnitsToPixels(int units)
{
    return static_cast<int>(std::lround(units * pixelsPerDialogUnit));
}

DialogWindow::DialogWindow(zorsim::WidgetModel& widgets, int dialogId, UserActor act, QWidget* parent)
    : QDialog(parent), widgets_(widgets), dialogId_(dialogId), act_(std::move(act)), area_(new QWidget(this))
{
    const zorsim::Dialog& dialog = widgets_.dialog(dialogId_);
    setObjectName("hostDialog" + QString::number(dialogId_));
    setWindowTitle(QString::fromStdString(dialog.title));
    setModal(dialog.modal);
    area_->setObjectName("controlArea");
    area_->setFixedSize(dialogUnitsToPixels(dialog.width), dialogUnitsToPixels(dialog.height));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(area_);
    addButtons();
    const std::vector<int> controlIds = controlsIn(widgets_, dialogId_);
    for (int controlId : controlIds)
        addToColumns(widgets_.control(controlId));
    for (int controlId : controlIds)
        followControl(controlId);
}

DialogWindow::~DialogWindow()
{
    if (isVisible())
        windowMemory::savePlace(*this, placeKey());
}

void DialogWindow::addButtons()
{
    const zorsim::DialogCallbacks& callbacks = widgets_.dialog(dialogId_).callbacks;
    QDialogButtonBox::StandardButtons shown;
    if (callbacks.ok != nullptr)
        shown |= QDialogButtonBox::Ok;
    if (callbacks.apply != nullptr)
        shown |= QDialogButtonBox::Apply;
    if (callbacks.cancel != nullptr)
        shown |= QDialogButtonBox::Cancel;
    if (callbacks.help != nullptr)
        shown |= QDialogButtonBox::Help;
    if (shown == QDialogButtonBox::NoButton)
        return;
    buttons_ = new QDialogButtonBox(shown, this);
    buttons_->setObjectName("dialogButtons");
    buttons_->setContentsMargins(8, 4, 8, 8);
    // Enter is OK and nothing else, even when another button had the focus.
    for (QAbstractButton* button : buttons_->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    if (QPushButton* ok = buttons_->button(QDialogButtonBox::Ok))
        ok->setDefault(true);
    // The style's own help icon is a stranger's on some desktops: the
    // desktop theme's, or none.
    if (QPushButton* help = buttons_->button(QDialogButtonBox::Help))
        help->setIcon(QIcon::fromTheme("help-contents"));
    connect(buttons_, &QDialogButtonBox::clicked, this, &DialogWindow::press);
    layout()->addWidget(buttons_);
}

void DialogWindow::press(QAbstractButton* button)
{
    switch (buttons_->standardButton(button)) {
    case QDialogButtonBox::Ok:
        act_([this] { widgets_.pressOk(dialogId_); });
        break;
    case QDialogButtonBox::Apply:
        act_([this] { widgets_.pressApply(dialogId_); });
        break;
    case QDialogButtonBox::Cancel:
        act_([this] { widgets_.pressCancel(dialogId_); });
        break;
    case QDialogButtonBox::Help:
        act_([this] { widgets_.pressHelp(dialogId_); });
        break;
    default:
        break;
    }
}

void DialogWindow::follow()
{
    const bool up = widgets_.dialog(dialogId_).up;
    if (up && !isVisible()) {
        placeFirstTime();
        show();
    } else if (!up && isVisible())
        hide();
}

void DialogWindow::followControl(int controlId)
{
    const zorsim::Control& control = widgets_.control(controlId);
    if (isMenuPart(control.kind)) {
        if (menuBar_ == nullptr) {
            menuBar_ = std::make_unique<DialogMenuBar>(
                widgets_, widgets_.controlsOf(dialogId_, ControlKind::MenuBar).front(), act_, this);
            layout()->setMenuBar(menuBar_->bar());
        }
        menuBar_->follow(controlId);
        return;
    }
    std::unique_ptr<ControlWidget>& widget = controls_[controlId];
    if (widget == nullptr)
        widget = makeControlWidget(widgets_, controlId, act_, area_, columns_);
    widget->follow();
}

void DialogWindow::addToColumns(const zorsim::Control& control)
{
    if (isMenuPart(control.kind))
        return;
    const int left = dialogUnitsToPixels(control.x);
    columns_.addLeft(left);
    // A label's width is its text's.
    if (control.kind != ControlKind::Label)
        columns_.addRight(left + dialogUnitsToPixels(control.width));
}

QString DialogWindow::placeKey() const
{
    return "dialog/" + windowTitle();
}

void DialogWindow::placeFirstTime()
{
    if (std::exchange(placed_, true))
        return;
    if (!windowMemory::restorePlace(*this, placeKey()) && !isModal())
        placeBesideMainWindow();
}

// Right of the main window, else left of it, at its top; when neither side
// has room, at the screen's right edge, where it hides the least of the view.
void DialogWindow::placeBesideMainWindow()
{
    const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (main == nullptr || main->screen() == nullptr)
        return;
    const QRect beside = main->frameGeometry();
    const QRect screen = main->screen()->availableGeometry();
    // Framed as the main window is.
    const QSize size = sizeHint() + main->frameGeometry().size() - main->size();
    const int gap = 8;
    // Before its first show the dialog's frame is unknown, and X11 window
    // managers put the frame's title above the place given: the main
    // window's inside top lines the title bars up.
    const int top = main->geometry().top();
    if (beside.right() + gap + size.width() <= screen.right() + 1)
        move(beside.right() + 1 + gap, top);
    else if (beside.left() - gap - size.width() >= screen.left())
        move(beside.left() - gap - size.width(), top);
    else
        move(std::max(screen.left(), screen.right() + 1 - size.width()), top);
}

void DialogWindow::hideEvent(QHideEvent* event)
{
    windowMemory::savePlace(*this, placeKey());
    QDialog::hideEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The model decides: the dialog goes when its callback drops it.
    event->ignore();
    const zorsim::Dialog& dialog = widgets_.dialog(dialogId_);
    if (dialog.modal && dialog.callbacks.cancel == nullptr)
        return;
    act_([this, modal = dialog.modal] {
        if (modal)
            widgets_.pressCancel(dialogId_);
        else
            widgets_.closeDialog(dialogId_);
    });
}

void DialogWindow::reject()
{
    close();
}

bool DialogWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && parentWidget() != nullptr)
        return QCoreApplication::sendEvent(parentWidget(), event);
    return QDialog::event(event);
}

}  // namespace zorhost
