#include "macro/PrintableText.h"

namespace zorhost {

std::string printable(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7F)
            shown += std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
        else
            shown += c;
    }
    return shown;
}

}  // namespace zorhost
