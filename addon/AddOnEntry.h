// The add-on's entry point and its menu option.
#ifndef KFA_ADDON_ADDON_ENTRY_H
#define KFA_ADDON_ADDON_ENTRY_H

#include "ZorTypes.h"

#define KFA_EXPORT __attribute__((visibility("default")))

// Called once by the host after loading the add-on: registers it, adds its
// menu option and its macro command callback.
extern "C" KFA_EXPORT void InitZorAddOn113(void);

// The menu option's callback: launches the main dialog.
void menuOptionCallback(ZorArbParam clientData);

// The option is available while the current frame is a 3D Cartesian plot.
bool menuOptionSensitivity(ZorArbParam clientData);

#endif
