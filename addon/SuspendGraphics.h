// Holds the add-on lock and keeps the host from drawing while it lives.
//
//   {
//       SuspendGraphics noDrawing;
//       ...  // many host changes, drawn once afterwards
//   }
//
// Opens with a lock start, then drawing off; closes with drawing on, then the
// lock finish. Scopes nest; each one is closed once, in reverse order.
#ifndef KFA_ADDON_SUSPEND_GRAPHICS_H
#define KFA_ADDON_SUSPEND_GRAPHICS_H

class SuspendGraphics {
public:
    SuspendGraphics();
    virtual ~SuspendGraphics();
    SuspendGraphics(const SuspendGraphics&) = delete;
    SuspendGraphics& operator=(const SuspendGraphics&) = delete;
};

#endif
