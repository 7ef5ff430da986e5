// The host's export settings as the export options dialog shows them: read
// from the host when the dialog opens, and on confirm set in the host one by
// one and recorded as "$!EXPORTSETUP" macro commands.
//
//   ExportSettings& settings = ExportSettings::get();
//   settings.attachControls(controls);   // each launch of the dialog
//   settings.readHostSettings();         // its init callback
//   settings.applyAllSettings();         // its OK, after the file name
//
// The one object is built on first use and lives until the add-on is
// unloaded; its validators keep the entered width, speed and factor between
// openings of the dialog.
#ifndef KFA_EXPORT_EXPORT_SETTINGS_H
#define KFA_EXPORT_EXPORT_SETTINGS_H

#include <functional>
#include <string>
#include <utility>

#include "export/Enumerations.h"
#include "gui/OptionMenuStaticManager.h"
#include "gui/TextFieldValidator.h"
#include "settingsfile/FileNameSelector.h"

// The host controls of the export options dialog that the settings read
// and fill.
struct ExportSettingsControls_s {
    int widthField = ZOR_NO_CONTROL;
    int speedField = ZOR_NO_CONTROL;
    int supersampleField = ZOR_NO_CONTROL;
    int aviCompressionMenu = ZOR_NO_CONTROL;
    int regionMenu = ZOR_NO_CONTROL;
    int imageTypeMenu = ZOR_NO_CONTROL;
    int formatMenu = ZOR_NO_CONTROL;
    int antialiasingToggle = ZOR_NO_CONTROL;
    // Radio boxes: 1 "&Use Width of Image on Screen", 2 "&Enter Width:".
    int widthChoice = ZOR_NO_CONTROL;
    // Radio boxes: 1 "Optimize for &Speed", 2 "Optimize for &File Size".
    int optimisationChoice = ZOR_NO_CONTROL;
};

struct ImageDimensions_s {
    int width;
    int height;
};

template <typename T>
class ProcessWide;

class ExportSettings {
public:
    using Action = std::function<void()>;

    static ExportSettings& get();

    ExportSettings(const ExportSettings&) = delete;
    ExportSettings& operator=(const ExportSettings&) = delete;

    // Attaches the validators to their fields (each shows its value) and the
    // option menu managers to their menus (each fills its menu).
    void attachControls(const ExportSettingsControls_s& controls);
    // What applyAllSettings runs last.
    void setOnConfirm(Action action) { onConfirm_ = std::move(action); }

    // Puts the host's format, speed, antialiasing, supersample factor, AVI
    // compression, Flash image type and Flash compression into the
    // controls; a value the host does not give keeps its default.
    void readHostSettings();

    // The movie's size in pixels for the chosen region and width choice.
    // Takes the host lock.
    ImageDimensions_s imageDimensions() const;

    // Sets and records every setting in the host (format and its own
    // options, region, image width, speed, antialiasing and factor, file
    // name), then runs the on-confirm action.
    void applyAllSettings();

    ExportFormat_e selectedFormat() const { return formats_.getSelectedItem(); }
    bool isEnteredWidthChosen() const;
    bool isAntialiasingOn() const;
    FileNameSelector& movieFile() { return movieFile_; }
    TextFieldValidator<int>& imageWidth() { return imageWidth_; }
    TextFieldValidator<double>& animationSpeed() { return animationSpeed_; }
    TextFieldValidator<short>& supersampleFactor() { return supersampleFactor_; }

    // Set one export keyword in the host and, while the host records a
    // macro, record "$!EXPORTSETUP <keyword> = <value>". Each takes the
    // host lock.
    static void setKeyword(const char* keyword, ExportFormat_e value);
    static void setKeyword(const char* keyword, ExportRegion_e value);
    static void setKeyword(const char* keyword, AVICompression_e value);
    static void setKeyword(const char* keyword, FlashImageType_e value);
    static void setKeyword(const char* keyword, FlashCompressionType_e value);
    static void setKeyword(const char* keyword, int value);
    static void setKeyword(const char* keyword, bool value);
    static void setKeyword(const char* keyword, double value);
    // The text's address travels in the integer argument; it is recorded
    // in double quotes, with its quotes and backslashes escaped.
    static void setKeyword(const char* keyword, const std::string& value);

private:
    friend class ProcessWide<ExportSettings>;
    ExportSettings();

    static void setAndRecord(const char* keyword, double doubleValue, ZorArbParam intValue,
                             const std::string& recordedValue);
    ImageDimensions_s measuredDimensions() const;

    TextFieldValidator<int> imageWidth_;
    TextFieldValidator<double> animationSpeed_;
    TextFieldValidator<short> supersampleFactor_;
    FileNameSelector movieFile_;
    Action onConfirm_;
    OptionMenuStaticManager<ExportFormat_e> formats_;
    OptionMenuStaticManager<ExportRegion_e> regions_;
    OptionMenuStaticManager<AVICompression_e> aviCompressions_;
    OptionMenuStaticManager<FlashImageType_e> flashImageTypes_;
    ExportSettingsControls_s controls_;
};

#endif
