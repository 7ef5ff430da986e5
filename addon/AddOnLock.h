// Holds the host lock for the add-on while it lives.
//
//   {
//       AddOnLock lock;
//       ...  // host calls
//   }
//
// Locks nest; each AddOnLock starts once and finishes once.
#ifndef KFA_ADDON_ADDON_LOCK_H
#define KFA_ADDON_ADDON_LOCK_H

class AddOnLock {
public:
    AddOnLock();
    ~AddOnLock();
    AddOnLock(const AddOnLock&) = delete;
    AddOnLock& operator=(const AddOnLock&) = delete;
};

#endif
