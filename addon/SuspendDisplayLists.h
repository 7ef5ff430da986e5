// Switches the host's display lists off while it lives and gives the style
// value "INTERFACE" "USEDISPLAYLISTS" back the value it had when opened.
//
//   {
//       AddOnLock lock;
//       SuspendDisplayLists noDisplayLists;
//       ...  // frames drawn one after another
//   }
//
// The caller holds the add-on lock for the whole scope.
#ifndef KFA_ADDON_SUSPEND_DISPLAY_LISTS_H
#define KFA_ADDON_SUSPEND_DISPLAY_LISTS_H

#include "StyleValue.h"

class SuspendDisplayLists {
public:
    SuspendDisplayLists();
    ~SuspendDisplayLists();
    SuspendDisplayLists(const SuspendDisplayLists&) = delete;
    SuspendDisplayLists& operator=(const SuspendDisplayLists&) = delete;

private:
    // False when the host does not report the value.
    bool saved_ = false;
    StyleValue style_;
};

#endif
