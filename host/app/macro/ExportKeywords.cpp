#include "macro/ExportKeywords.h"

namespace zorhost {

const std::map<std::string, ExportKeyword>& exportKeywords()
{
    using Kind = ExportValueKind;
    static const std::map<std::string, ExportKeyword> keywords{
        {"EXPORTFORMAT",
         {Kind::Enumeration,
          {{"RASTERMETAFILE", 0}, {"AVI", 14}, {"PNG", 15}, {"JPEG", 16}, {"FLASH", 17},
           {"FLV", 20}, {"MPEG4", 21}, {"WMV", 22}}}},
        {"EXPORTREGION", {Kind::Enumeration, {{"CURRENTFRAME", 0}, {"ALLFRAMES", 1}, {"WORKAREA", 2}}}},
        {"AVICOMPRESSION",
         {Kind::Enumeration,
          {{"COLORPRESERVING", 0}, {"LINEPRESERVING", 1}, {"LOSSLESSUNCOMPRESSED", 2}}}},
        {"FLASHIMAGETYPE", {Kind::Enumeration, {{"LOSSLESS", 0}, {"JPEG", 1}, {"256COLOR", 2}}}},
        {"FLASHCOMPRESSIONTYPE", {Kind::Enumeration, {{"BESTSPEED", 0}, {"SMALLESTSIZE", 1}}}},
        {"ANIMATIONSPEED", {Kind::Double, {}}},
        {"IMAGEWIDTH", {Kind::Integer, {}}},
        {"USESUPERSAMPLEANTIALIASING", {Kind::Boolean, {}}},
        {"SUPERSAMPLEFACTOR", {Kind::Integer, {}}},
        {"EXPORTFNAME", {Kind::Text, {}}},
    };
    return keywords;
}

}  // namespace zorhost
