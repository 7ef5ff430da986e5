// The identifier the host gave the add-on at registration; every lock start
// and finish passes it. Zero until registration.
#ifndef KFA_ADDON_ADDON_ID_H
#define KFA_ADDON_ADDON_ID_H

#include "ZorTypes.h"

extern ZorAddOnId AddOnId;

#endif
