// Every host API call, in the order the add-on made it: the function's name
// and, where it matters, its arguments ("ZorUtilViewRotate3D 5 10").
#ifndef ZORSIM_CALL_LOG_H
#define ZORSIM_CALL_LOG_H

#include <string>
#include <vector>

namespace zorsim {

class CallLog {
public:
    void record(std::string call) { calls_.push_back(std::move(call)); }
    const std::vector<std::string>& all() const { return calls_; }
    // The calls whose text starts with `prefix`, in order.
    std::vector<std::string> matching(const std::string& prefix) const;
    int count(const std::string& prefix) const;
    void clear() { calls_.clear(); }

private:
    std::vector<std::string> calls_;
};

}  // namespace zorsim

#endif
