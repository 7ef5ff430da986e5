// The modal "Export Options" dialog that the main dialog shows before it
// animates to a file: movie format and its own options, region and width of
// the image, speed and antialiasing. OK asks for the movie file name, then
// sets and records every export setting in the host and runs the action the
// main dialog handed over; Cancel changes nothing.
//
//   ExportOptionsDialog::launch(mainDialogId, [] { animateToFile(); });
//
// Launching starts the add-on lock; it stays held while the dialog is up
// and is finished when OK (with a file name) or Cancel drops the dialog.
// The host controls are created at the first launch and reused.
#ifndef KFA_EXPORT_DIALOG_EXPORT_OPTIONS_H
#define KFA_EXPORT_DIALOG_EXPORT_OPTIONS_H

#include "export/ExportSettings.h"

class ExportOptionsDialog {
public:
    static void launch(int parentDialog, ExportSettings::Action onConfirm);
};

#endif
