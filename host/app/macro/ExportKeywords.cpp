#include "macro/ExportKeywords.h"

namespace zorhost {

const std::map<std::string, ExportKeyword>& exportKeywords()
{
    using Kind = ExportValueKind;
    static const std::map<std::string, ExportKeyword> keywords{
        {"EXPORTFORMAT",
         {Kind::Enumeration,
          {{"RASTERMETAFILE", 0},
           {"AVI", 14},
           {"PNG", 15},
           {"JPEG", 16},
           {"FLASH", 17},
           {"FLV", 20},
           {"MPEG4", 21},
           {"WMV", 22}}}},
        {"EXPORTREGION", {Kind::Enumeration, {{"CURRENTFRAME", 0}, {"ALLFRAMES", 1}, {"WORKAREA", 2}}}},
        {"AVICOMPRESSION",
         {Kind::Enumeration, {{"COLORPRESERVING", 0}, {"LINEPRESERVING", 1}, {"LOSSLESSUNCOMPRESSED", 2}}}},
        {"FLASHIMAGETYPE", {Kind::Enumeration, {{"LOSSLESS", 0}, {"JPEG", 1}, {"256COLOR", 2}}}},
        {"FLASHCOMPRESSIONTYPE", {Kind::Enumeration, {{"BESTSPEED", 0}, {"SMALLESTSIZE", 1}}}},
        // Movies that count time in milliseconds (FLV, WMV) hold at most
        // 1000 frames a second.
        {"ANIMATIONSPEED", {Kind::Double, {}, ValueRange{0.0, false, 1000.0}}},
        // The picture's width is at most what the renderer's buffer holds.
        {"IMAGEWIDTH", {Kind::Integer, {}, ValueRange{4.0, true, 16384.0}}},
        {"USESUPERSAMPLEANTIALIASING", {Kind::Boolean, {}}},
        {"SUPERSAMPLEFACTOR", {Kind::Integer, {}, ValueRange{1.0, true, 16.0}}},
        {"EXPORTFNAME", {Kind::Text, {}}},
    };
    return keywords;
}

}  // namespace zorhost
