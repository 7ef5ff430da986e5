// Every host API call, in the order the add-on made it: the function's name
// and, where it matters, its arguments ("ZorUtilViewRotate3D 5 10").
//
// The log is for tests and off in a fresh host, since it grows with every
// call (zorhost and the benchmarks keep it off). Reading a log that is off
// throws std::logic_error, so that a test cannot pass by reading nothing.
#ifndef ZORSIM_CALL_LOG_H
#define ZORSIM_CALL_LOG_H

#include <set>
#include <string>
#include <vector>

namespace zorsim {

class CallLog {
public:
    void setOn(bool on) { on_ = on; }
    bool isOn() const { return on_; }
    void record(std::string call)
    {
        if (on_)
            calls_.push_back(std::move(call));
    }
    const std::vector<std::string>& all() const;
    // The calls whose text starts with `prefix`, in order.
    std::vector<std::string> matching(const std::string& prefix) const;
    int count(const std::string& prefix) const;
    void clear() { calls_.clear(); }

    // Fault injection: calls of the function `name` fail as if the host
    // could not serve them; they return their failure value and leave
    // their outputs untouched.
    void failCalls(const std::string& name) { failing_.insert(name); }
    // True when `call` ("name arg ...") is to fail.
    bool fails(const std::string& call) const;

private:
    void requireOn() const;

    bool on_ = false;
    std::vector<std::string> calls_;
    std::set<std::string> failing_;
};

// True while a host API call runs on this thread, callbacks it makes into
// the add-on included: memory allocated now is the host's.
bool isInsideHostCall();

// Marks a host API call for isInsideHostCall while it lives.
class HostCallScope {
public:
    HostCallScope();
    ~HostCallScope();
    HostCallScope(const HostCallScope&) = delete;
    HostCallScope& operator=(const HostCallScope&) = delete;
};

}  // namespace zorsim

#endif
