// The add-on's process-wide objects (the main dialog, the time and export
// options dialogs, the export settings): one object of each type, built on
// first use and kept until the add-on is unloaded.
//
//   DialogMain& DialogMain::get() { return ProcessWide<DialogMain>::get(); }
//
// A type with a private constructor befriends ProcessWide<itself>.
// discardProcessWideObjects destroys every object built so far, newest
// first, and the next use of each builds it anew, as after loading. Only a
// host that starts over with the add-on loaded afresh calls it (a test's
// fresh host), while the host the objects were made in is still there,
// because their destructors talk to it.
#ifndef KFA_ADDON_PROCESS_WIDE_H
#define KFA_ADDON_PROCESS_WIDE_H

#include <memory>

void discardProcessWideObjects();

// Registers the discard function of an object just built.
void keepProcessWideObject(void (*discard)());

template <typename T>
class ProcessWide {
public:
    static T& get()
    {
        std::unique_ptr<T>& object = slot();
        if (!object)
            object = build();
        return *object;
    }

private:
    // The first object is built in the slot's own initialisation, as a
    // function-local object would be: what its constructor builds on first
    // use (the idle managers' table) is then destroyed after it at exit.
    static std::unique_ptr<T>& slot()
    {
        static std::unique_ptr<T> object = build();
        return object;
    }

    static std::unique_ptr<T> build()
    {
        std::unique_ptr<T> object(new T());
        keepProcessWideObject(&discard);
        return object;
    }

    static void discard() { slot().reset(); }
};

#endif
