#include "zorsim/CallLog.h"

#include <algorithm>
#include <stdexcept>

namespace zorsim {

namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

thread_local int hostCallDepth = 0;

}  // namespace

const std::vector<std::string>& CallLog::all() const
{
    requireOn();
    return calls_;
}

std::vector<std::string> CallLog::matching(const std::string& prefix) const
{
    requireOn();
    std::vector<std::string> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [&](const std::string& call) { return startsWith(call, prefix); });
    return found;
}

int CallLog::count(const std::string& prefix) const
{
    requireOn();
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const std::string& call) { return startsWith(call, prefix); }));
}

void CallLog::requireOn() const
{
    if (!on_)
        throw std::logic_error("the host's call log is off: a test that reads it switches it on");
}

bool CallLog::fails(const std::string& call) const
{
    return !failing_.empty() && failing_.count(call.substr(0, call.find(' '))) > 0;
}

bool isInsideHostCall()
{
    return hostCallDepth > 0;
}

HostCallScope::HostCallScope()
{
    ++hostCallDepth;
}

HostCallScope::~HostCallScope()
{
    --hostCallDepth;
}

}  // namespace zorsim
