// Named arguments that qualify how a style value is set.
#ifndef ZOR_ARG_LIST_H
#define ZOR_ARG_LIST_H

#include <map>
#include <string>

// Argument names understood by StyleValue::set.
#define SV_OBJECTSET "OBJECTSET"  // objects the value applies to; absent: the current ones
#define SV_OFFSET1 "OFFSET1"  // first index into a value array; -1: none
#define SV_OFFSET2 "OFFSET2"  // second index into a value array; -1: none
#define SV_ASSIGNOP "ASSIGNOP"  // how to assign; see AssignOp_e

// Assignment operators; PlainAssign replaces the value.
enum AssignOp_e { AssignOp_Equals = 0, AssignOp_PlusEquals = 1, AssignOp_PlainAssign = 255 };

class ArgList {
public:
    ArgList& appendInt(const std::string& name, long value)
    {
        ints_[name] = value;
        return *this;
    }
    bool has(const std::string& name) const { return ints_.count(name) != 0; }
    // The value of `name`, or `fallback` when it is absent.
    long getInt(const std::string& name, long fallback) const
    {
        auto found = ints_.find(name);
        return found == ints_.end() ? fallback : found->second;
    }

private:
    std::map<std::string, long> ints_;
};

#endif
