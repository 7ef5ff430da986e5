// A two-way map between the values of an enumeration and their names.
//
//   const EnumNameMap<Destination_e> names{{OnScreen, "OnScreen"}, {ToFile, "ToFile"}};
//   names.toString(ToFile);   // "ToFile"
//   names.toEnum("tofile");   // ToFile
//
// Names are found without regard to the letter case of ASCII letters; blanks
// are not trimmed. Both lookups raise std::out_of_range with
// "Enumeration out of range." for a value or name the table does not hold;
// findEnum answers false instead, for callers to whom a miss is ordinary.
#ifndef KFA_EXPORT_ENUM_NAME_MAP_H
#define KFA_EXPORT_ENUM_NAME_MAP_H

#include <algorithm>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

// Orders names by their characters with ASCII capitals lowered. Done here
// rather than by tolower, which asks the locale for every character and
// would lower other letters in some locales.
struct CaseBlindLess {
    bool operator()(const std::string& left, const std::string& right) const
    {
        return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                            [](char a, char b) { return lowered(a) < lowered(b); });
    }

private:
    static unsigned char lowered(char c)
    {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
    }
};

template <typename E>
class EnumNameMap {
public:
    using Entry = std::pair<E, std::string>;

    // Takes the table in order; a value given twice keeps its first name.
    EnumNameMap(std::initializer_list<Entry> table)
    {
        for (const Entry& entry : table)
            forward_.insert(entry);
        rebuildInverse();
    }

    const std::string& toString(E value) const
    {
        const auto found = forward_.find(value);
        if (found == forward_.end())
            throw std::out_of_range(outOfRangeText);
        return found->second;
    }

    E toEnum(const std::string& name) const
    {
        E value{};
        if (!findEnum(name, value))
            throw std::out_of_range(outOfRangeText);
        return value;
    }

    // Sets `value` to the value named `name`; false (and `value` unchanged)
    // when the table has no such name.
    bool findEnum(const std::string& name, E& value) const
    {
        const auto found = inverse_.find(name);
        if (found == inverse_.end())
            return false;
        value = found->second;
        return true;
    }

private:
    static constexpr const char* outOfRangeText = "Enumeration out of range.";

    // The inverse is derived from the forward map only, so that both
    // directions always agree; of names equal but for letter case the one
    // of the lowest value wins.
    void rebuildInverse()
    {
        inverse_.clear();
        for (const auto& [value, name] : forward_)
            inverse_.emplace(name, value);
    }

    std::map<E, std::string> forward_;
    std::map<std::string, E, CaseBlindLess> inverse_;
};

#endif
