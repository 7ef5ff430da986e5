#include "zorsim/ExportValues.h"

#include <stdexcept>

namespace zorsim {

bool isAnimationFormat(int format)
{
    switch (static_cast<ExportFormat>(format)) {
    case ExportFormat::RasterMetafile:
    case ExportFormat::AVI:
    case ExportFormat::Flash:
    case ExportFormat::FLV:
    case ExportFormat::MPEG4:
    case ExportFormat::WMV:
        return true;
    default:
        return false;
    }
}

ExportValues::ExportValues()
    : values_{
          {"EXPORTFORMAT", static_cast<int>(ExportFormat::PNG)},
          {"EXPORTREGION", 0},
          {"AVICOMPRESSION", 0},
          {"FLASHIMAGETYPE", 0},
          {"FLASHCOMPRESSIONTYPE", 0},
          {"ANIMATIONSPEED", 30.0},
          {"IMAGEWIDTH", 800},
          {"USESUPERSAMPLEANTIALIASING", false},
          {"SUPERSAMPLEFACTOR", 3},
          {"EXPORTFNAME", std::string()},
      }
{
}

bool ExportValues::set(const std::string& keyword, const StyleData& value)
{
    auto found = values_.find(keyword);
    if (found == values_.end())
        return false;
    StyleData converted;
    if (!convertStyleData(found->second, value, converted))
        return false;
    found->second = converted;
    return true;
}

bool ExportValues::get(const std::string& keyword, StyleData& value) const
{
    auto found = values_.find(keyword);
    if (found == values_.end())
        return false;
    StyleData converted;
    if (!convertStyleData(value, found->second, converted))
        return false;
    value = converted;
    return true;
}

const StyleData& ExportValues::value(const std::string& keyword) const
{
    auto found = values_.find(keyword);
    if (found == values_.end())
        throw std::out_of_range("unknown export keyword " + keyword);
    return found->second;
}

int ExportValues::format() const
{
    return std::get<int>(value("EXPORTFORMAT"));
}

std::string ExportValues::fileName() const
{
    return std::get<std::string>(value("EXPORTFNAME"));
}

}  // namespace zorsim
