#include "addon/AddOnEntry.h"

#include <exception>

#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/AddOnNames.h"
#include "gui/DialogMain.h"
#include "macro/MacroCommandCallback.h"

namespace {

constexpr int hostInterfaceVersion = 110;
constexpr const char* versionText = "V13.1.0.15185(13.1.0.15185) Mar 30 2011";
constexpr const char* companyText = "Zorvan, Inc.";
constexpr int toolsMenu = 10;
constexpr const char* menuOptionLabel = "&Key Frame Animation...";
constexpr int appendAtEnd = -1;

void addMenuOption()
{
    const ZorMenu menu = ZorUtilMenuGetStandard(toolsMenu);
    if (menu == 0)
        return;
    const ZorMenuOption option = ZorUtilMenuInsertOption(menu, appendAtEnd, menuOptionLabel, menuOptionCallback, 0);
    if (option != 0)
        ZorUtilMenuRegisterSensitivityCallback(option, menuOptionSensitivity, 0);
}

}  // namespace

extern "C" void InitZorAddOn113(void)
{
    ZorUtilLockOn();
    AddOnId = ZorUtilAddOnRegister(hostInterfaceVersion, AddOnName, versionText, companyText);
    addMenuOption();
    ZorUtilMacroAddCommandCallback(AddOnName, macroCommandCallback);
    ZorUtilLockOff();
}

bool menuOptionSensitivity(ZorArbParam /*clientData*/)
{
    AddOnLock lock;
    return ZorUtilFrameGetCount() > 0 && ZorUtilFrameGetPlotType() == ZOR_PLOT_CARTESIAN3D;
}

// The dialog is built at the first call and reused; it is modeless, so the
// launch returns while the dialog stays up.
void menuOptionCallback(ZorArbParam /*clientData*/)
{
    AddOnLock lock;
    try {
        DialogMain::get().launch();
    } catch (const std::exception& error) {
        ZorUtilDialogErrMsg(error.what());
    } catch (...) {
    }
}
