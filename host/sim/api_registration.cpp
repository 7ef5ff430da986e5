// Registration: add-ons, menu options, macro command and idle callbacks.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

ZorAddOnId ZorUtilAddOnRegister(int interfaceVersion, const char* name, const char* versionText, const char* company)
{
    return guarded(callText("ZorUtilAddOnRegister", interfaceVersion, textOrEmpty(name)), ZorAddOnId(0), [&] {
        return host().registry.registerAddOn(interfaceVersion, textOrEmpty(name), textOrEmpty(versionText),
                                             textOrEmpty(company));
    });
}

ZorMenu ZorUtilMenuGetStandard(int standardMenu)
{
    return guarded(callText("ZorUtilMenuGetStandard", standardMenu), ZorMenu(0),
                   [&] { return host().registry.standardMenu(standardMenu); });
}

ZorMenuOption ZorUtilMenuInsertOption(ZorMenu menu, int position, const char* label, ZorMenuCallback callback,
                                      ZorArbParam clientData)
{
    return guarded(callText("ZorUtilMenuInsertOption", menu, position, textOrEmpty(label)), ZorMenuOption(0), [&] {
        return host().registry.insertOption(menu, position, textOrEmpty(label), callback, clientData);
    });
}

bool ZorUtilMenuRegisterSensitivityCallback(ZorMenuOption option, ZorMenuSensitivityCallback callback,
                                            ZorArbParam clientData)
{
    return guarded(callText("ZorUtilMenuRegisterSensitivityCallback", option), false,
                   [&] { return host().registry.setSensitivityCallback(option, callback, clientData); });
}

bool ZorUtilMacroAddCommandCallback(const char* addOnName, ZorMacroCommandCallback callback)
{
    return guarded(callText("ZorUtilMacroAddCommandCallback", textOrEmpty(addOnName)), false, [&] {
        if (addOnName == nullptr || callback == nullptr)
            return false;
        host().registry.addMacroCallback(addOnName, callback);
        return true;
    });
}

void ZorUtilOnIdleQueueAddCallback(ZorOnIdleCallback callback, ZorArbParam clientData)
{
    guardedVoid("ZorUtilOnIdleQueueAddCallback", [&] {
        if (callback != nullptr)
            host().idle.add(callback, clientData);
    });
}
