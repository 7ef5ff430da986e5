// The host model's control face.
//
// zorsim::host() is the one host of the process; resetHost() replaces it by
// a fresh one (a test fixture calls it in SetUp). Each member models one
// family of the host API; tests and zorhost set state through them and read
// what the add-on did. Every C function of the host API works on host().
#ifndef ZORSIM_HOST_H
#define ZORSIM_HOST_H

#include "zorsim/CallLog.h"
#include "zorsim/DataSetModel.h"
#include "zorsim/DrawingModel.h"
#include "zorsim/ExportModel.h"
#include "zorsim/FileDialogModel.h"
#include "zorsim/FrameModel.h"
#include "zorsim/HandedOutMemory.h"
#include "zorsim/IdleQueue.h"
#include "zorsim/LockModel.h"
#include "zorsim/MacroModel.h"
#include "zorsim/MessageModel.h"
#include "zorsim/Registry.h"
#include "zorsim/StateChangeHub.h"
#include "zorsim/StatusModel.h"
#include "zorsim/StyleModel.h"
#include "zorsim/ViewModel.h"
#include "zorsim/WidgetModel.h"

namespace zorsim {

class Host {
public:
    Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The logs that grow with every call: the call log and the percents of
    // the status line. Off in a fresh host; a test that reads them turns
    // them on.
    void setLogging(bool on);

    CallLog calls;
    LockModel lock;
    Registry registry;
    IdleQueue idle;
    DrawingModel drawing;
    StyleModel styles{drawing};
    FrameModel frames{drawing};
    StatusModel status;
    StateChangeHub stateChanges;
    MacroModel macro;
    MessageModel messages;
    FileDialogModel fileDialog;
    HandedOutMemory memory;
    // After styles: it serves the "EXPORTSETUP" style values.
    ExportModel exports{styles};
    ViewModel view{frames, drawing};
    DataSetModel dataSet{frames, memory, drawing};
    WidgetModel widgets{lock};
};

Host& host();
void resetHost();

}  // namespace zorsim

#endif
