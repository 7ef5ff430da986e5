// The host's export settings ("EXPORTSETUP" ...), by keyword, and the host
// values of its export formats.
#ifndef ZORSIM_EXPORT_VALUES_H
#define ZORSIM_EXPORT_VALUES_H

#include <map>
#include <string>

#include "zorsim/StyleModel.h"

namespace zorsim {

// Host values of the export formats; the movie formats are the animation
// formats, every other value exports single images.
enum class ExportFormat : int {
    RasterMetafile = 0,
    AVI = 14,
    PNG = 15,
    JPEG = 16,
    Flash = 17,
    FLV = 20,
    MPEG4 = 21,
    WMV = 22,
};

bool isAnimationFormat(int format);

// Every export keyword the host knows, each with its typed current value.
class ExportValues {
public:
    // The defaults of a fresh host: PNG, 30 frames a second, no file name.
    ExportValues();

    // False (nothing changed) for an unknown keyword or a value of the
    // wrong type; an int converts where a double is held.
    bool set(const std::string& keyword, const StyleData& value);
    // False (value unchanged) for an unknown keyword or a wrong type.
    bool get(const std::string& keyword, StyleData& value) const;
    bool knows(const std::string& keyword) const { return values_.count(keyword) != 0; }

    int format() const;
    std::string fileName() const;
    // The held value; throws std::out_of_range for an unknown keyword.
    const StyleData& value(const std::string& keyword) const;

private:
    std::map<std::string, StyleData> values_;
};

}  // namespace zorsim

#endif
