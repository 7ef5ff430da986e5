#include "window/ControlWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "window/DialogWindow.h"

namespace zorhost {

namespace {

using zorsim::Control;
using zorsim::ControlKind;
using zorsim::WidgetModel;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

QStringList itemTexts(const Control& control)
{
    QStringList items;
    for (const std::string& item : control.items)
        items << text(item);
    return items;
}

// A list whose selection only the model changes: clicks and the arrow keys
// are handed on as the user's clicks, the model's selection is shown.
class ClickList : public QListWidget {
public:
    using Click = std::function<void(int position, Qt::KeyboardModifiers modifiers)>;

    ClickList(QWidget* parent, Click click) : QListWidget(parent), click_(std::move(click)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        setFocus(Qt::MouseFocusReason);
        const QListWidgetItem* item = itemAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && item != nullptr)
            click_(row(item) + 1, event->modifiers());
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = event->key() == Qt::Key_Down ? 1 : (event->key() == Qt::Key_Up ? -1 : 0);
        const int position = currentRow() + 1 + step;
        if (step == 0 || position < 1 || position > count()) {
            QWidget::keyPressEvent(event);
            return;
        }
        click_(position, event->modifiers() & Qt::ShiftModifier);
    }

private:
    Click click_;
};

class ListWidget : public ControlWidget {
public:
    ListWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        list_ = new ClickList(parent,
                              [this](int position, Qt::KeyboardModifiers modifiers) { click(position, modifiers); });
        adopt(list_);
    }

private:
    void click(int position, Qt::KeyboardModifiers modifiers)
    {
        userDoes([position, modifiers](WidgetModel& model, int id) {
            if (modifiers & Qt::ShiftModifier)
                model.shiftClickListItem(id, position);
            else if (modifiers & Qt::ControlModifier)
                model.ctrlClickListItem(id, position);
            else
                model.clickListItem(id, position);
        });
    }

    void showState(const Control& control) override
    {
        const QSignalBlocker blocker(list_);
        list_->setSelectionMode(control.multiSelection ? QAbstractItemView::ExtendedSelection
                                                       : QAbstractItemView::SingleSelection);
        const QStringList items = itemTexts(control);
        if (list_->count() != items.size())
            list_->clear();
        for (int row = 0; row < items.size(); ++row) {
            if (row == list_->count())
                list_->addItem(items[row]);
            else if (list_->item(row)->text() != items[row])
                list_->item(row)->setText(items[row]);
        }
        list_->clearSelection();
        for (int position : control.selection)
            list_->item(position - 1)->setSelected(true);
        if (control.anchor >= 1 && control.anchor <= list_->count())
            list_->setCurrentRow(control.anchor - 1, QItemSelectionModel::NoUpdate);
    }

    QListWidget* list_;
};

class ButtonWidget : public ControlWidget {
public:
    ButtonWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        button_ = new QPushButton(parent);
        // Enter in the add-on's fields belongs to the fields.
        button_->setAutoDefault(false);
        QObject::connect(button_, &QPushButton::clicked,
                         [this] { userDoes([](WidgetModel& model, int button) { model.pressButton(button); }); });
        adopt(button_);
    }

private:
    void showState(const Control& control) override { button_->setText(text(control.text)); }

    QPushButton* button_;
};

class LabelWidget : public ControlWidget {
public:
    LabelWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        label_ = new QLabel(parent);
        label_->setTextFormat(Qt::PlainText);
        adopt(label_);
    }

private:
    void showState(const Control& control) override { label_->setText(text(control.text)); }
    void place(const Control& control) override
    {
        label_->move(left(control), dialogUnitsToPixels(control.y));
        label_->adjustSize();
    }

    QLabel* label_;
};

class FrameWidget : public ControlWidget {
public:
    FrameWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        frame_ = new QGroupBox(parent);
        // A frame surrounds controls; it stays behind them.
        frame_->lower();
        adopt(frame_);
    }

private:
    void showState(const Control& control) override { frame_->setTitle(text(control.text)); }

    QGroupBox* frame_;
};

// A line edit that hands its text to the model when the person presses
// Enter or leaves it after typing.
class FieldEdit : public QLineEdit {
public:
    using Step = std::function<void(int direction)>;

    FieldEdit(QWidget* parent, Step step) : QLineEdit(parent), step_(std::move(step)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (step_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            step_(event->key() == Qt::Key_Up ? 1 : -1);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    Step step_;
};

class TextFieldWidget : public ControlWidget {
public:
    TextFieldWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent, bool spins)
        : ControlWidget(widgets, id, act)
    {
        FieldEdit::Step step;
        if (spins)
            step = [this](int direction) { spin(direction); };
        edit_ = new FieldEdit(nullptr, step);
        QObject::connect(edit_, &QLineEdit::editingFinished, [this] { handOver(); });
        if (!spins) {
            edit_->setParent(parent);
            adopt(edit_);
            return;
        }
        auto* box = new QWidget(parent);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        row->addWidget(edit_, 1);
        auto* arrows = new QVBoxLayout;
        arrows->setSpacing(0);
        arrows->addWidget(arrow(box, Qt::UpArrow, 1));
        arrows->addWidget(arrow(box, Qt::DownArrow, -1));
        row->addLayout(arrows);
        box->setFocusProxy(edit_);
        adopt(box);
    }

private:
    QToolButton* arrow(QWidget* box, Qt::ArrowType type, int direction)
    {
        auto* button = new QToolButton(box);
        button->setObjectName(direction > 0 ? "spinUp" : "spinDown");
        button->setArrowType(type);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        QObject::connect(button, &QToolButton::clicked, [this, direction] { spin(direction); });
        return button;
    }

    void handOver()
    {
        if (!edit_->isModified())
            return;
        edit_->setModified(false);
        const std::string typed = edit_->text().toStdString();
        userDoes([typed](WidgetModel& model, int field) { model.typeText(field, typed); });
    }

    void spin(int direction)
    {
        userDoes([direction](WidgetModel& model, int field) {
            if (direction > 0)
                model.spinUp(field);
            else
                model.spinDown(field);
        });
    }

    void showState(const Control& control) override
    {
        if (edit_->text() != text(control.text))
            edit_->setText(text(control.text));
        edit_->setModified(false);
    }

    FieldEdit* edit_;
};

class ToggleWidget : public ControlWidget {
public:
    ToggleWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        box_ = new QCheckBox(parent);
        QObject::connect(box_, &QCheckBox::clicked,
                         [this] { userDoes([](WidgetModel& model, int toggle) { model.clickToggle(toggle); }); });
        adopt(box_);
    }

private:
    void showState(const Control& control) override
    {
        box_->setText(text(control.text));
        box_->setChecked(control.on);
    }

    QCheckBox* box_;
};

class RadioBoxWidget : public ControlWidget {
public:
    RadioBoxWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        // The items fill the box's place, one under the other.
        box_ = new QWidget(parent);
        auto* column = new QVBoxLayout(box_);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        group_ = new QButtonGroup(box_);
        QObject::connect(group_, &QButtonGroup::idClicked, [this](int position) {
            userDoes([position](WidgetModel& model, int radioBox) { model.choose(radioBox, position); });
        });
        adopt(box_);
    }

private:
    void showState(const Control& control) override
    {
        const QStringList items = itemTexts(control);
        if (group_->buttons().size() != items.size()) {
            for (QAbstractButton* button : group_->buttons())
                delete button;
            for (int position = 1; position <= items.size(); ++position) {
                auto* button = new QRadioButton(box_);
                box_->layout()->addWidget(button);
                group_->addButton(button, position);
            }
        }
        for (int position = 1; position <= items.size(); ++position) {
            group_->button(position)->setText(items[position - 1]);
            group_->button(position)->setChecked(position == control.chosen);
        }
    }

    QWidget* box_;
    QButtonGroup* group_;
};

class OptionMenuWidget : public ControlWidget {
public:
    OptionMenuWidget(WidgetModel& widgets, int id, UserActor act, QWidget* parent) : ControlWidget(widgets, id, act)
    {
        combo_ = new QComboBox(parent);
        QObject::connect(combo_, &QComboBox::activated, [this](int index) {
            userDoes([index](WidgetModel& model, int menu) { model.choose(menu, index + 1); });
        });
        adopt(combo_);
    }

private:
    void showState(const Control& control) override
    {
        const QSignalBlocker blocker(combo_);
        const QStringList items = itemTexts(control);
        QStringList shown;
        for (int index = 0; index < combo_->count(); ++index)
            shown << combo_->itemText(index);
        if (shown != items) {
            combo_->clear();
            combo_->addItems(items);
        }
        combo_->setCurrentIndex(control.chosen - 1);
    }

    QComboBox* combo_;
};

}  // namespace

ControlWidget::ControlWidget(WidgetModel& widgets, int controlId, UserActor act)
    : widgets_(widgets), controlId_(controlId), act_(std::move(act))
{
}

void ControlWidget::adopt(QWidget* widget)
{
    widget_ = widget;
    widget_->setObjectName("control" + QString::number(controlId_));
}

void ControlWidget::follow()
{
    const Control& shown = control();
    showState(shown);
    place(shown);
    widget_->setEnabled(shown.sensitive);
    widget_->setToolTip(text(shown.toolTip));
    widget_->show();
}

int ControlWidget::left(const Control& control) const
{
    const int x = dialogUnitsToPixels(control.x);
    return columns_ != nullptr ? columns_->left(x) : x;
}

void ControlWidget::place(const Control& control)
{
    const int x = left(control);
    const int right = dialogUnitsToPixels(control.x) + dialogUnitsToPixels(control.width);
    widget_->setGeometry(x, dialogUnitsToPixels(control.y), (columns_ != nullptr ? columns_->right(right) : right) - x,
                         dialogUnitsToPixels(control.height));
}

void ControlWidget::userDoes(const std::function<void(WidgetModel&, int)>& action)
{
    act_([this, &action] { action(widgets_, controlId_); });
    follow();
}

namespace {

std::unique_ptr<ControlWidget> makeOfKind(WidgetModel& widgets, int controlId, UserActor act, QWidget* parent)
{
    switch (widgets.control(controlId).kind) {
    case ControlKind::List:
        return std::make_unique<ListWidget>(widgets, controlId, act, parent);
    case ControlKind::Button:
        return std::make_unique<ButtonWidget>(widgets, controlId, act, parent);
    case ControlKind::Label:
        return std::make_unique<LabelWidget>(widgets, controlId, act, parent);
    case ControlKind::Frame:
        return std::make_unique<FrameWidget>(widgets, controlId, act, parent);
    case ControlKind::TextField:
        return std::make_unique<TextFieldWidget>(widgets, controlId, act, parent, false);
    case ControlKind::SpinTextField:
        return std::make_unique<TextFieldWidget>(widgets, controlId, act, parent, true);
    case ControlKind::Toggle:
        return std::make_unique<ToggleWidget>(widgets, controlId, act, parent);
    case ControlKind::RadioBox:
        return std::make_unique<RadioBoxWidget>(widgets, controlId, act, parent);
    case ControlKind::OptionMenu:
        return std::make_unique<OptionMenuWidget>(widgets, controlId, act, parent);
    default:
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<ControlWidget> makeControlWidget(WidgetModel& widgets, int controlId, UserActor act, QWidget* parent,
                                                 const ColumnGrid& columns)
{
    std::unique_ptr<ControlWidget> made = makeOfKind(widgets, controlId, std::move(act), parent);
    if (made != nullptr)
        made->alignTo(columns);
    return made;
}

}  // namespace zorhost
