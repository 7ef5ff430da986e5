// The words the host's "$!EXPORTSETUP" command takes: for each export
// keyword, what its value is, for an enumeration the host value of each
// word, and for a number the range the export can use.
#ifndef ZORHOST_EXPORT_KEYWORDS_H
#define ZORHOST_EXPORT_KEYWORDS_H

#include <map>
#include <optional>
#include <string>

namespace zorhost {

enum class ExportValueKind { Enumeration, Double, Integer, Boolean, Text };

// The numbers a value may be: from `low` (or above it, when it is not
// included) to `high`.
struct ValueRange {
    double low;
    bool lowIncluded;
    double high;
};

struct ExportKeyword {
    ExportValueKind kind;
    // Word to host value, for an enumeration.
    std::map<std::string, int> words;
    // For a number: what the export can use.
    std::optional<ValueRange> range = std::nullopt;
};

// Every keyword "$!EXPORTSETUP" knows, by its upper-case name.
const std::map<std::string, ExportKeyword>& exportKeywords();

}  // namespace zorhost

#endif
