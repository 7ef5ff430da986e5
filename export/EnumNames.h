// The fixed name tables of the enumerations, each kept here only:
//  - macro names of the add-on's own enumerations, as two-way maps;
//  - display names, the rows of the option menus in menu order;
//  - host keywords of the export enumerations (value to keyword only);
//  - the default file extension of each movie format.
#ifndef KFA_EXPORT_ENUM_NAMES_H
#define KFA_EXPORT_ENUM_NAMES_H

#include <array>
#include <istream>

#include "export/EnumNameMap.h"
#include "export/Enumerations.h"

// The name map of an enumeration, built on the first call and kept until the
// add-on is unloaded. Defined for the enumerations declared below.
template <typename E>
const EnumNameMap<E>& enumNameMap();
template <>
const EnumNameMap<Command_e>& enumNameMap<Command_e>();
template <>
const EnumNameMap<Parameter_e>& enumNameMap<Parameter_e>();
template <>
const EnumNameMap<Destination_e>& enumNameMap<Destination_e>();

// Reads one blank-delimited word and takes it as a destination's macro name,
// letters in any case. A word that names no destination sets the stream's
// fail state and leaves `destination` as it was.
std::istream& operator>>(std::istream& in, Destination_e& destination);

// One option menu row.
template <typename T>
struct DisplayRow_s {
    const char* displayName;
    T value;
};

extern const std::array<DisplayRow_s<Destination_e>, 2> DestinationDisplayTable;
extern const std::array<DisplayRow_s<ExportFormat_e>, 6> ExportFormatDisplayTable;
extern const std::array<DisplayRow_s<ExportRegion_e>, 3> ExportRegionDisplayTable;
extern const std::array<DisplayRow_s<AVICompression_e>, 3> AVICompressionDisplayTable;
extern const std::array<DisplayRow_s<FlashImageType_e>, 3> FlashImageTypeDisplayTable;

// A host value and a fixed text that belongs to it.
template <typename T>
struct ValueText_s {
    T value;
    const char* text;
};

// The words written after EXPORTFORMAT, EXPORTREGION, AVICOMPRESSION,
// FLASHIMAGETYPE and FLASHCOMPRESSIONTYPE in the host's export settings.
extern const std::array<ValueText_s<ExportFormat_e>, 6> ExportFormatKeywordTable;
extern const std::array<ValueText_s<ExportRegion_e>, 3> ExportRegionKeywordTable;
extern const std::array<ValueText_s<AVICompression_e>, 3> AVICompressionKeywordTable;
extern const std::array<ValueText_s<FlashImageType_e>, 3> FlashImageTypeKeywordTable;
extern const std::array<ValueText_s<FlashCompressionType_e>, 2> FlashCompressionTypeKeywordTable;

// The host keyword of a value; std::out_of_range with "Enumeration out of
// range." for a value the table does not hold.
const char* hostKeyword(ExportFormat_e value);
const char* hostKeyword(ExportRegion_e value);
const char* hostKeyword(AVICompression_e value);
const char* hostKeyword(FlashImageType_e value);
const char* hostKeyword(FlashCompressionType_e value);

// Default file extensions, without the dot, of the movie formats.
extern const std::array<ValueText_s<ExportFormat_e>, 6> ExportFormatExtensionTable;

// The default extension of a movie format; fails as hostKeyword does.
const char* movieExtension(ExportFormat_e format);

// True for exactly the six movie formats above. Takes the host's plain
// value, as read from the export settings; 0 (Raster Metafile) is one.
bool isAnimationFormat(int hostFormatValue);

#endif
