// An ordered list of strings; names a style value path.
#ifndef ZOR_STRING_LIST_H
#define ZOR_STRING_LIST_H

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string> strings) : strings_(strings) {}

    void append(const std::string& string) { strings_.push_back(string); }
    void append(const StringList& other)
    {
        strings_.insert(strings_.end(), other.strings_.begin(), other.strings_.end());
    }
    std::size_t count() const { return strings_.size(); }
    // Precondition: index < count().
    const std::string& get(std::size_t index) const { return strings_[index]; }
    const std::vector<std::string>& strings() const { return strings_; }

private:
    std::vector<std::string> strings_;
};

#endif
