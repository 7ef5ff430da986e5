#include "export/EnumNames.h"

#include <algorithm>
#include <stdexcept>
#include <string>

template <>
const EnumNameMap<Command_e>& enumNameMap<Command_e>()
{
    static const EnumNameMap<Command_e> names{{OpenSettingsFile, "OpenSettingsFile"}, {Animate, "Animate"}};
    return names;
}

template <>
const EnumNameMap<Parameter_e>& enumNameMap<Parameter_e>()
{
    static const EnumNameMap<Parameter_e> names{{FileName, "FileName"}, {AnimationDestination, "AnimationDestination"}};
    return names;
}

template <>
const EnumNameMap<Destination_e>& enumNameMap<Destination_e>()
{
    static const EnumNameMap<Destination_e> names{{OnScreen, "OnScreen"}, {ToFile, "ToFile"}};
    return names;
}

std::istream& operator>>(std::istream& in, Destination_e& destination)
{
    std::string word;
    if (!(in >> word))
        return in;
    try {
        destination = enumNameMap<Destination_e>().toEnum(word);
    } catch (const std::out_of_range&) {
        in.setstate(std::ios::failbit);
    }
    return in;
}

const std::array<DisplayRow_s<Destination_e>, 2> DestinationDisplayTable{{
    {"On Screen", OnScreen},
    {"To File", ToFile},
}};

const std::array<DisplayRow_s<ExportFormat_e>, 6> ExportFormatDisplayTable{{
    {"AVI", ExportFormat_AVI},
    {"Flash (FLV)", ExportFormat_FLV},
    {"Flash (SWF)", ExportFormat_Flash},
    {"MPEG-4", ExportFormat_MPEG4},
    {"Raster Metafile", ExportFormat_RasterMetafile},
    {"WMV", ExportFormat_WMV},
}};

const std::array<DisplayRow_s<ExportRegion_e>, 3> ExportRegionDisplayTable{{
    {"Active Frame", ExportRegion_CurrentFrame},
    {"All Frames", ExportRegion_AllFrames},
    {"Work Area", ExportRegion_WorkArea},
}};

const std::array<DisplayRow_s<AVICompression_e>, 3> AVICompressionDisplayTable{{
    {"Color Preserving", AVICompression_ColorPreserving},
    {"Line Preserving", AVICompression_LinePreserving},
    {"Lossless Uncompressed", AVICompression_LosslessUncompressed},
}};

const std::array<DisplayRow_s<FlashImageType_e>, 3> FlashImageTypeDisplayTable{{
    {"True Color", FlashImageType_Lossless},
    {"JPEG", FlashImageType_JPEG},
    {"256 Colors", FlashImageType_256Color},
}};

const std::array<ValueText_s<ExportFormat_e>, 6> ExportFormatKeywordTable{{
    {ExportFormat_AVI, "AVI"},
    {ExportFormat_FLV, "FLV"},
    {ExportFormat_Flash, "FLASH"},
    {ExportFormat_MPEG4, "MPEG4"},
    {ExportFormat_RasterMetafile, "RASTERMETAFILE"},
    {ExportFormat_WMV, "WMV"},
}};

const std::array<ValueText_s<ExportRegion_e>, 3> ExportRegionKeywordTable{{
    {ExportRegion_CurrentFrame, "CURRENTFRAME"},
    {ExportRegion_AllFrames, "ALLFRAMES"},
    {ExportRegion_WorkArea, "WORKAREA"},
}};

const std::array<ValueText_s<AVICompression_e>, 3> AVICompressionKeywordTable{{
    {AVICompression_ColorPreserving, "COLORPRESERVING"},
    {AVICompression_LinePreserving, "LINEPRESERVING"},
    {AVICompression_LosslessUncompressed, "LOSSLESSUNCOMPRESSED"},
}};

const std::array<ValueText_s<FlashImageType_e>, 3> FlashImageTypeKeywordTable{{
    {FlashImageType_Lossless, "LOSSLESS"},
    {FlashImageType_JPEG, "JPEG"},
    {FlashImageType_256Color, "256COLOR"},
}};

const std::array<ValueText_s<FlashCompressionType_e>, 2> FlashCompressionTypeKeywordTable{{
    {FlashCompressionType_BestSpeed, "BESTSPEED"},
    {FlashCompressionType_SmallestSize, "SMALLESTSIZE"},
}};

const std::array<ValueText_s<ExportFormat_e>, 6> ExportFormatExtensionTable{{
    {ExportFormat_AVI, "avi"},
    {ExportFormat_FLV, "flv"},
    {ExportFormat_Flash, "swf"},
    {ExportFormat_MPEG4, "mp4"},
    {ExportFormat_RasterMetafile, "rm"},
    {ExportFormat_WMV, "wmv"},
}};

namespace {

template <typename T, std::size_t N>
const char* textOf(const std::array<ValueText_s<T>, N>& table, T value)
{
    const auto found =
        std::find_if(table.begin(), table.end(), [value](const ValueText_s<T>& row) { return row.value == value; });
    if (found == table.end())
        throw std::out_of_range("Enumeration out of range.");
    return found->text;
}

}  // namespace

const char* hostKeyword(ExportFormat_e value)
{
    return textOf(ExportFormatKeywordTable, value);
}

const char* hostKeyword(ExportRegion_e value)
{
    return textOf(ExportRegionKeywordTable, value);
}

const char* hostKeyword(AVICompression_e value)
{
    return textOf(AVICompressionKeywordTable, value);
}

const char* hostKeyword(FlashImageType_e value)
{
    return textOf(FlashImageTypeKeywordTable, value);
}

const char* hostKeyword(FlashCompressionType_e value)
{
    return textOf(FlashCompressionTypeKeywordTable, value);
}

const char* movieExtension(ExportFormat_e format)
{
    return textOf(ExportFormatExtensionTable, format);
}

bool isAnimationFormat(int hostFormatValue)
{
    const auto isValue = [hostFormatValue](const ValueText_s<ExportFormat_e>& row) {
        return row.value == hostFormatValue;
    };
    return std::any_of(ExportFormatKeywordTable.begin(), ExportFormatKeywordTable.end(), isValue);
}
