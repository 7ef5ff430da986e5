#include "export/ExportSettings.h"

#include <algorithm>
#include <boost/format.hpp>
#include <climits>
#include <cstdint>
#include <sstream>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/FramePopper.h"
#include "addon/ProcessWide.h"
#include "export/EnumNames.h"

namespace {

// Where a frame lies, in frame units.
struct FrameBox_s {
    double left;
    double top;
    double right;
    double bottom;
};

FrameBox_s currentFrameBox()
{
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    ZorUtilFrameGetPosAndSize(&x, &y, &width, &height);
    return FrameBox_s{x, y, x + width, y + height};
}

// The box that spans every frame, visited without changing their order.
FrameBox_s allFramesBox()
{
    std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(false);
    FrameBox_s span = currentFrameBox();
    while (popper->next()) {
        const FrameBox_s box = currentFrameBox();
        span.left = std::min(span.left, box.left);
        span.top = std::min(span.top, box.top);
        span.right = std::max(span.right, box.right);
        span.bottom = std::max(span.bottom, box.bottom);
    }
    return span;
}

// Frame units to whole screen pixels, truncated toward zero.
ImageDimensions_s inPixels(const FrameBox_s& box)
{
    const double width = ZorUtilConvertXDimension(ZOR_COORDS_FRAME, ZOR_COORDS_SCREEN, box.right - box.left);
    const double height = ZorUtilConvertYDimension(ZOR_COORDS_FRAME, ZOR_COORDS_SCREEN, box.bottom - box.top);
    return ImageDimensions_s{static_cast<int>(width), static_cast<int>(height)};
}

// The text as the host's macro language reads it back: a double quote and a
// backslash are written as \" and \\.
std::string escapedForMacro(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string inStreamNotation(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

// Reads one value below "EXPORTSETUP"; a failed get keeps `preset`.
template <typename V>
V hostValue(const StyleValue& exportSetup, const char* keyword, V preset)
{
    V value = preset;
    if (!StyleValue::returnCodeOk(exportSetup.get(value, StringList{keyword})))
        value = preset;
    return value;
}

}  // namespace

ExportSettings& ExportSettings::get()
{
    return ProcessWide<ExportSettings>::get();
}

ExportSettings::ExportSettings()
    : imageWidth_(4, 32766, 300, ZOR_NO_CONTROL),
      animationSpeed_(0.001, 200.0, 30.0, ZOR_NO_CONTROL),
      supersampleFactor_(2, 16, 3, ZOR_NO_CONTROL),
      movieFile_("export", "avi", "Movie"),
      formats_(ExportFormatDisplayTable.data(), ExportFormatDisplayTable.size()),
      regions_(ExportRegionDisplayTable.data(), ExportRegionDisplayTable.size()),
      aviCompressions_(AVICompressionDisplayTable.data(), AVICompressionDisplayTable.size()),
      flashImageTypes_(FlashImageTypeDisplayTable.data(), FlashImageTypeDisplayTable.size())
{
}

void ExportSettings::attachControls(const ExportSettingsControls_s& controls)
{
    controls_ = controls;
    imageWidth_.attachTextField(controls.widthField);
    animationSpeed_.attachTextField(controls.speedField);
    supersampleFactor_.attachTextField(controls.supersampleField);
    aviCompressions_.attachOptionMenu(controls.aviCompressionMenu);
    regions_.attachOptionMenu(controls.regionMenu);
    flashImageTypes_.attachOptionMenu(controls.imageTypeMenu);
    formats_.attachOptionMenu(controls.formatMenu);
}

void ExportSettings::readHostSettings()
{
    const StyleValue exportSetup(StringList{"EXPORTSETUP"});
    formats_.setSelectedItem(
        static_cast<ExportFormat_e>(hostValue(exportSetup, "EXPORTFORMAT", static_cast<int>(ExportFormat_AVI))));
    animationSpeed_.setValue(hostValue(exportSetup, "ANIMATIONSPEED", 30.0));
    ZorGUIToggleSet(controls_.antialiasingToggle, hostValue(exportSetup, "USESUPERSAMPLEANTIALIASING", false));
    // Narrowed to a short only after clamping, so a large host value cannot
    // wrap around into the range.
    const int factor = std::clamp(hostValue(exportSetup, "SUPERSAMPLEFACTOR", 3), SHRT_MIN, SHRT_MAX);
    supersampleFactor_.setValue(static_cast<short>(factor));
    aviCompressions_.setSelectedItem(static_cast<AVICompression_e>(hostValue(exportSetup, "AVICOMPRESSION", 0)));
    flashImageTypes_.setSelectedItem(static_cast<FlashImageType_e>(hostValue(exportSetup, "FLASHIMAGETYPE", 0)));
    ZorGUIRadioBoxSetToggle(controls_.optimisationChoice,
                            hostValue(exportSetup, "FLASHCOMPRESSIONTYPE", 0) == 0 ? 1 : 2);
}

bool ExportSettings::isEnteredWidthChosen() const
{
    return ZorGUIRadioBoxGetToggle(controls_.widthChoice) == 2;
}

bool ExportSettings::isAntialiasingOn() const
{
    return ZorGUIToggleGet(controls_.antialiasingToggle);
}

ImageDimensions_s ExportSettings::measuredDimensions() const
{
    switch (regions_.getSelectedItem()) {
    case ExportRegion_CurrentFrame:
        return inPixels(currentFrameBox());
    case ExportRegion_AllFrames:
        return inPixels(allFramesBox());
    case ExportRegion_WorkArea:
        break;
    }
    ImageDimensions_s workArea{0, 0};
    ZorUtilWorkAreaGetDimensions(&workArea.width, &workArea.height);
    return workArea;
}

ImageDimensions_s ExportSettings::imageDimensions() const
{
    AddOnLock lock;
    ImageDimensions_s dimensions = measuredDimensions();
    if (!isEnteredWidthChosen())
        return dimensions;
    const int enteredWidth = imageWidth_.getValue();
    // Scaled to keep the aspect ratio; a measured width of 0 gives no ratio,
    // so the measured height stands then. Wide arithmetic: the product of
    // two ints need not fit an int.
    if (dimensions.width != 0) {
        const std::int64_t scaled = static_cast<std::int64_t>(dimensions.height) * enteredWidth / dimensions.width;
        dimensions.height = static_cast<int>(std::clamp<std::int64_t>(scaled, INT_MIN, INT_MAX));
    }
    dimensions.width = enteredWidth;
    return dimensions;
}

void ExportSettings::applyAllSettings()
{
    const ExportFormat_e format = formats_.getSelectedItem();
    setKeyword("EXPORTFORMAT", format);
    if (format == ExportFormat_AVI) {
        setKeyword("AVICOMPRESSION", aviCompressions_.getSelectedItem());
    } else if (format == ExportFormat_Flash) {
        setKeyword("FLASHIMAGETYPE", flashImageTypes_.getSelectedItem());
        setKeyword("FLASHCOMPRESSIONTYPE", ZorGUIRadioBoxGetToggle(controls_.optimisationChoice) == 1
                                               ? FlashCompressionType_BestSpeed
                                               : FlashCompressionType_SmallestSize);
    }
    setKeyword("EXPORTREGION", regions_.getSelectedItem());
    setKeyword("IMAGEWIDTH", imageDimensions().width);
    setKeyword("ANIMATIONSPEED", animationSpeed_.getValue());
    const bool antialiasing = isAntialiasingOn();
    setKeyword("USESUPERSAMPLEANTIALIASING", antialiasing);
    if (antialiasing)
        setKeyword("SUPERSAMPLEFACTOR", static_cast<int>(supersampleFactor_.getValue()));
    setKeyword("EXPORTFNAME", movieFile_.getFileName());
    if (onConfirm_)
        onConfirm_();
}

void ExportSettings::setAndRecord(const char* keyword, double doubleValue, ZorArbParam intValue,
                                  const std::string& recordedValue)
{
    AddOnLock lock;
    ZorUtilExportSetup(keyword, nullptr, doubleValue, intValue);
    if (ZorUtilMacroIsRecordingActive()) {
        const std::string command = std::string("$!EXPORTSETUP ") + keyword + " = " + recordedValue;
        AddOnLock recordLock;
        ZorUtilMacroRecordRawCommand(command.c_str());
    }
}

void ExportSettings::setKeyword(const char* keyword, ExportFormat_e value)
{
    setAndRecord(keyword, 0.0, value, hostKeyword(value));
}

void ExportSettings::setKeyword(const char* keyword, ExportRegion_e value)
{
    setAndRecord(keyword, 0.0, value, hostKeyword(value));
}

void ExportSettings::setKeyword(const char* keyword, AVICompression_e value)
{
    setAndRecord(keyword, 0.0, value, hostKeyword(value));
}

void ExportSettings::setKeyword(const char* keyword, FlashImageType_e value)
{
    setAndRecord(keyword, 0.0, value, hostKeyword(value));
}

void ExportSettings::setKeyword(const char* keyword, FlashCompressionType_e value)
{
    setAndRecord(keyword, 0.0, value, hostKeyword(value));
}

void ExportSettings::setKeyword(const char* keyword, int value)
{
    setAndRecord(keyword, 0.0, value, std::to_string(value));
}

void ExportSettings::setKeyword(const char* keyword, bool value)
{
    setAndRecord(keyword, 0.0, value ? 1 : 0, value ? "true" : "false");
}

void ExportSettings::setKeyword(const char* keyword, double value)
{
    setAndRecord(keyword, value, 0, inStreamNotation(value));
}

void ExportSettings::setKeyword(const char* keyword, const std::string& value)
{
    setAndRecord(keyword, 0.0, reinterpret_cast<ZorArbParam>(value.c_str()),
                 (boost::format("\"%1%\"") % escapedForMacro(value)).str());
}
