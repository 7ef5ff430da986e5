// Helpers for the C trampolines of the host API: log the call, run the
// model's code, and keep every exception on this side of the C boundary.
#ifndef ZORSIM_API_GUARD_H
#define ZORSIM_API_GUARD_H

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>

#include "zorsim/Host.h"

namespace zorsim {

// "name arg1 arg2 ..." with numbers in default notation.
template <typename... Args>
std::string callText(const char* name, const Args&... args)
{
    std::ostringstream text;
    text << name;
    ((text << ' ' << args), ...);
    return text.str();
}

// Records `call`, runs `body` and returns its result; returns `fallback`
// when the model throws or a test made the call fail.
template <typename Result, typename Body>
Result guarded(const std::string& call, Result fallback, Body&& body)
{
    const HostCallScope inside;
    try {
        host().calls.record(call);
        if (host().calls.fails(call))
            return fallback;
        return body();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "host model: %s failed: %s\n", call.c_str(), error.what());
    } catch (...) {
        std::fprintf(stderr, "host model: %s failed\n", call.c_str());
    }
    return fallback;
}

template <typename Body>
void guardedVoid(const std::string& call, Body&& body)
{
    guarded(call, 0, [&] {
        body();
        return 0;
    });
}

inline std::string textOrEmpty(const char* text)
{
    return text == nullptr ? std::string() : std::string(text);
}

}  // namespace zorsim

#endif
