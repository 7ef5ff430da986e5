// The modal "Time Animation Options" dialog: how solution time is animated
// with the views (forward, loop, bounce or as captured) and how many cycles
// a loop or bounce makes. OK writes both into the settings it was given and
// switches time animation on; Cancel writes nothing.
//
//   DialogTimeOptions::get().launch(settings, [this](bool accepted) { ... });
//
// Launching starts the add-on lock; it stays held exactly while the dialog
// is up. The host controls are created at the first launch and reused.
#ifndef KFA_GUI_DIALOG_TIME_OPTIONS_H
#define KFA_GUI_DIALOG_TIME_OPTIONS_H

#include <boost/function.hpp>
#include <map>

#include "animation/AnimationSettings.h"
#include "gui/TextFieldValidator.h"

template <typename T>
class ProcessWide;

class DialogTimeOptions {
public:
    // Hears true after OK, false after Cancel.
    using CloseAction = boost::function<void(bool accepted)>;

    static DialogTimeOptions& get();

    DialogTimeOptions(const DialogTimeOptions&) = delete;
    DialogTimeOptions& operator=(const DialogTimeOptions&) = delete;

    // `settings` must outlive the dialog's time up.
    void launch(AnimationSettings_s& settings, CloseAction onClose);

    // Host callbacks, reached through plain functions.
    void init();
    void ok();
    void cancel();
    void help();
    void operationChanged(int position);
    int cyclesEntered(const char* text);
    void cyclesUp();
    void cyclesDown();

private:
    friend class ProcessWide<DialogTimeOptions>;
    DialogTimeOptions();

    void createControls();
    // The cycles label and field are sensitive for Loop and Bounce only.
    void updateSensitivity(TimeAnimationOperation_e operation);
    TimeAnimationOperation_e operationAt(int position) const;
    // Clears the settings, finishes the lock that launch started and drops
    // the dialog; then tells the close action.
    void drop(bool accepted);

    TextFieldValidator<int> numCyclesValidator_;
    AnimationSettings_s* editedSettings_ = nullptr;
    std::map<int, TimeAnimationOperation_e> operationByPosition_;
    CloseAction onClose_;
    int dialog_ = ZOR_NO_CONTROL;
    int operationBox_ = ZOR_NO_CONTROL;
    int cyclesLabel_ = ZOR_NO_CONTROL;
    int cyclesField_ = ZOR_NO_CONTROL;
};

#endif
