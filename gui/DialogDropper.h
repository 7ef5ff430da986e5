// Closes a dialog that the host's state no longer allows: when there is no
// frame, or the current frame is not a 3D Cartesian plot. The host tells of
// state changes inside its own notification, where a dialog must not be
// dropped; the dropper therefore only queues a job for the host's next idle
// time, which checks the state again and then closes the dialog.
//
//   DialogDropper<DialogMain> dropper(this);
//   dropper.startListening();   // from the dialog's init callback
//
// `Dialog` offers isUp() and close() (its close callback). The dropper stops
// listening when it drops the dialog; the dialog's next init starts it again.
#ifndef KFA_GUI_DIALOG_DROPPER_H
#define KFA_GUI_DIALOG_DROPPER_H

#include <boost/bind/bind.hpp>

#include "addon/AddOnEntry.h"
#include "addon/AddOnLock.h"
#include "addon/OnIdleManager.h"
#include "addon/StateChangeListener.h"

template <typename Dialog>
class DialogDropper {
public:
    explicit DialogDropper(Dialog* dialog)
        : dialog_(dialog),
          listener_(boost::bind(&DialogDropper::stateChanged, this, boost::placeholders::_1, boost::placeholders::_2))
    {
    }
    DialogDropper(const DialogDropper&) = delete;
    DialogDropper& operator=(const DialogDropper&) = delete;

    void startListening()
    {
        AddOnLock lock;
        listener_.startListening();
    }

    // Called by the listener for every host state change.
    void stateChanged(const StateChangeEventInterface& /*event*/, StateChangeNotifierInterface& /*notifier*/)
    {
        if (!hostAllowsDialog())
            idleManager_.add(boost::bind(&DialogDropper::dropIfStillNotAllowed, this));
    }

private:
    // The test of the add-on's menu option: a current 3D Cartesian frame.
    static bool hostAllowsDialog() { return menuOptionSensitivity(0); }

    // A frame may have come back between the notice and the idle time.
    void dropIfStillNotAllowed()
    {
        if (hostAllowsDialog())
            return;
        if (dialog_->isUp())
            dialog_->close();
        AddOnLock lock;
        listener_.stopListening();
    }

    Dialog* dialog_;
    StateChangeListener listener_;
    OnIdleManager idleManager_;
};

#endif
