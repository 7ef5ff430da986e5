// The words the host's "$!EXPORTSETUP" command takes: for each export
// keyword, what its value is and, for an enumeration, the host value of each
// word.
#ifndef ZORHOST_EXPORT_KEYWORDS_H
#define ZORHOST_EXPORT_KEYWORDS_H

#include <map>
#include <string>

namespace zorhost {

enum class ExportValueKind { Enumeration, Double, Integer, Boolean, Text };

struct ExportKeyword {
    ExportValueKind kind;
    // Word to host value, for an enumeration.
    std::map<std::string, int> words;
};

// Every keyword "$!EXPORTSETUP" knows, by its upper-case name.
const std::map<std::string, ExportKeyword>& exportKeywords();

}  // namespace zorhost

#endif
