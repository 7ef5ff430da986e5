#include "zorsim/Host.h"

namespace zorsim {

namespace {

// Never destroyed: add-on objects that call the host from their destructors
// may outlive every other static of the process.
Host*& theHost()
{
    static Host* instance = nullptr;
    return instance;
}

}  // namespace

Host::Host()
{
    styles.mount("THREEDVIEW", &view);
}

void Host::setLogging(bool on)
{
    calls.setOn(on);
    status.setPercentLog(on);
}

Host& host()
{
    if (theHost() == nullptr)
        theHost() = new Host();
    return *theHost();
}

void resetHost()
{
    delete theHost();
    theHost() = nullptr;
    host();
}

}  // namespace zorsim
