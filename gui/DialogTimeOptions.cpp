#include "gui/DialogTimeOptions.h"

#include <exception>
#include <limits>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/ProcessWide.h"

namespace {

// The host's callbacks carry no object; they reach the one dialog. What a
// callback throws is shown to the user and goes no further.
template <typename Body>
void guardedCallback(Body&& body)
{
    try {
        body(DialogTimeOptions::get());
    } catch (const std::exception& error) {
        AddOnLock lock;
        ZorUtilDialogErrMsg(error.what());
    }
}

void onInit()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.init(); });
}

void onOk()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.ok(); });
}

void onCancel()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.cancel(); });
}

void onHelp()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.help(); });
}

void onOperationChanged(const int* position)
{
    guardedCallback([position](DialogTimeOptions& dialog) { dialog.operationChanged(*position); });
}

int onCyclesEntered(const char* text)
{
    int accepted = 1;
    guardedCallback([text, &accepted](DialogTimeOptions& dialog) { accepted = dialog.cyclesEntered(text); });
    return accepted;
}

void onCyclesUp()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.cyclesUp(); });
}

void onCyclesDown()
{
    guardedCallback([](DialogTimeOptions& dialog) { dialog.cyclesDown(); });
}

}  // namespace

DialogTimeOptions& DialogTimeOptions::get()
{
    return ProcessWide<DialogTimeOptions>::get();
}

DialogTimeOptions::DialogTimeOptions()
    : numCyclesValidator_(0, ZOR_NO_CONTROL),
      operationByPosition_{{1, Forward}, {2, Loop}, {3, Bounce}, {4, AsCaptured}}
{
    numCyclesValidator_.setLowerBound(1);
}

void DialogTimeOptions::launch(AnimationSettings_s& settings, CloseAction onClose)
{
    editedSettings_ = &settings;
    onClose_ = std::move(onClose);
    ZorUtilLockStart(AddOnId);
    if (dialog_ == ZOR_NO_CONTROL)
        createControls();
    ZorGUIDialogLaunch(dialog_);
}

void DialogTimeOptions::createControls()
{
    dialog_ = ZorGUIDialogCreateModal(ZOR_MAIN_WINDOW, 5357, 878, "Time Animation Options", onInit, onOk, nullptr,
                                      onCancel, onHelp);
    ZorGUIFrameAdd(dialog_, 214, 80, 4959, 732, "Animation Operation");
    operationBox_ = ZorGUIRadioBoxAdd(dialog_, 585, 167, 2011, 570, "&Forward", "&Loop", "&Bounce", "&As Captured",
                                      nullptr, onOperationChanged);
    cyclesLabel_ = ZorGUILabelAdd(dialog_, 2889, 161, "Num Cycles:");
    cyclesField_ = ZorGUISpinTextFieldAdd(dialog_, 2929, 335, 1327, 141, onCyclesEntered, onCyclesUp, onCyclesDown);
}

void DialogTimeOptions::updateSensitivity(TimeAnimationOperation_e operation)
{
    const bool counted = operation == Loop || operation == Bounce;
    ZorGUISetSensitivity(cyclesLabel_, counted);
    ZorGUISetSensitivity(cyclesField_, counted);
}

TimeAnimationOperation_e DialogTimeOptions::operationAt(int position) const
{
    const auto found = operationByPosition_.find(position);
    return found == operationByPosition_.end() ? Forward : found->second;
}

void DialogTimeOptions::init()
{
    AddOnLock lock;
    if (editedSettings_ == nullptr)
        return;
    numCyclesValidator_.attachTextField(cyclesField_);
    const TimeAnimationOperation_e operation = editedSettings_->timeAnimationOperation;
    for (const auto& [position, mapped] : operationByPosition_)
        if (mapped == operation)
            ZorGUIRadioBoxSetToggle(operationBox_, position);
    numCyclesValidator_.setValue(editedSettings_->numCycles);
    updateSensitivity(operation);
}

void DialogTimeOptions::ok()
{
    AddOnLock lock;
    if (editedSettings_ == nullptr)
        return;
    editedSettings_->timeAnimationOperation = operationAt(ZorGUIRadioBoxGetToggle(operationBox_));
    editedSettings_->numCycles = numCyclesValidator_.getValue();
    editedSettings_->animateTime = true;
    drop(true);
}

void DialogTimeOptions::cancel()
{
    AddOnLock lock;
    if (editedSettings_ != nullptr)
        drop(false);
}

void DialogTimeOptions::drop(bool accepted)
{
    editedSettings_ = nullptr;
    ZorUtilLockFinish(AddOnId);
    ZorGUIDialogDrop(dialog_);
    if (onClose_)
        onClose_(accepted);
}

void DialogTimeOptions::help()
{
    AddOnLock lock;
    ZorUtilHelp("zorvan/time_animation_options.html", false, 0);
}

void DialogTimeOptions::operationChanged(int position)
{
    AddOnLock lock;
    updateSensitivity(operationAt(position));
}

int DialogTimeOptions::cyclesEntered(const char* text)
{
    AddOnLock lock;
    return numCyclesValidator_.validate(text) ? 1 : 0;
}

// The arrows step by one within the range; at the largest int the up arrow
// stays there instead of overflowing.
void DialogTimeOptions::cyclesUp()
{
    AddOnLock lock;
    const int cycles = numCyclesValidator_.getValue();
    if (cycles < std::numeric_limits<int>::max())
        numCyclesValidator_.setValue(cycles + 1);
}

void DialogTimeOptions::cyclesDown()
{
    AddOnLock lock;
    numCyclesValidator_.setValue(numCyclesValidator_.getValue() - 1);
}
