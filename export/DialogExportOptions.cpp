// The export options dialog.
//
//  - control ids and creation
//  - sensitivity and the dimensions label
//  - host callbacks (each catches what it throws: no exception reaches the host)
//  - launch
#include "export/DialogExportOptions.h"

#include <boost/format.hpp>
#include <exception>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/ProcessWide.h"
#include "export/EnumNames.h"

namespace {

// ---- Control ids and creation ------------------------------------------------------

// The host ids of the dialog and its controls, kept from the first launch
// on and reused by every later one.
struct ExportOptionsControls {
    int dialog = ZOR_NO_CONTROL;
    int regionLabel = ZOR_NO_CONTROL;
    int regionMenu = ZOR_NO_CONTROL;
    int widthChoice = ZOR_NO_CONTROL;
    int widthField = ZOR_NO_CONTROL;
    int antialiasingToggle = ZOR_NO_CONTROL;
    int supersampleField = ZOR_NO_CONTROL;
    int supersampleLabel = ZOR_NO_CONTROL;
    int speedLabel = ZOR_NO_CONTROL;
    int speedField = ZOR_NO_CONTROL;
    int imageTypeLabel = ZOR_NO_CONTROL;
    int imageTypeMenu = ZOR_NO_CONTROL;
    int optimisationChoice = ZOR_NO_CONTROL;
    int dimensionsLabel = ZOR_NO_CONTROL;
    int aviCompressionLabel = ZOR_NO_CONTROL;
    int aviCompressionMenu = ZOR_NO_CONTROL;
    int formatLabel = ZOR_NO_CONTROL;
    int formatMenu = ZOR_NO_CONTROL;

    void create(int parentDialog);
    // The controls that the export settings read and fill.
    ExportSettingsControls_s settingsControls() const;
};

ExportOptionsControls& ids()
{
    return ProcessWide<ExportOptionsControls>::get();
}

void onInit();
void onOk();
void onCancel();
void onHelp();
void onRegionChanged(const int* position);
void onWidthChoiceChanged(const int* position);
int onWidthEntered(const char* text);
void onAntialiasingChanged(const int* isOn);
int onSupersampleEntered(const char* text);
int onSpeedEntered(const char* text);
void onFormatChanged(const int* position);

void ExportOptionsControls::create(int parentDialog)
{
    dialog =
        ZorGUIDialogCreateModal(parentDialog, 5844, 2503, "Export Options", onInit, onOk, nullptr, onCancel, onHelp);
    regionLabel = ZorGUILabelAdd(dialog, 292, 322, "Region:");
    regionMenu = ZorGUIOptionMenuAdd(dialog, 1464, 282, 4120, 141, " ", onRegionChanged);
    widthChoice = ZorGUIRadioBoxAdd(dialog, 331, 523, 5233, 295, "&Use Width of Image on Screen",
                                    "&Enter Width:", nullptr, nullptr, nullptr, onWidthChoiceChanged);
    widthField = ZorGUITextFieldAdd(dialog, 820, 846, 937, 141, onWidthEntered);
    antialiasingToggle = ZorGUIToggleAdd(dialog, 292, 1336, 2128, 114, "&Antialiasing", onAntialiasingChanged);
    supersampleField = ZorGUITextFieldAdd(dialog, 4002, 1457, 1581, 141, onSupersampleEntered);
    supersampleLabel = ZorGUILabelAdd(dialog, 644, 1477, "Supersample Factor (2-16):");
    speedLabel = ZorGUILabelAdd(dialog, 292, 1148, "Animation Speed (frames/sec):");
    speedField = ZorGUITextFieldAdd(dialog, 4002, 1135, 1581, 141, onSpeedEntered);
    imageTypeLabel = ZorGUILabelAdd(dialog, 253, 1948, "Image Type:");
    imageTypeMenu = ZorGUIOptionMenuAdd(dialog, 2421, 1907, 3182, 141, " ", nullptr);
    optimisationChoice = ZorGUIRadioBoxAdd(dialog, 253, 2129, 5330, 295, "Optimize for &Speed",
                                           "Optimize for &File Size", nullptr, nullptr, nullptr, nullptr);
    dimensionsLabel = ZorGUILabelAdd(dialog, 2401, 879, "Dimensions: 0 x 0");
    aviCompressionLabel = ZorGUILabelAdd(dialog, 253, 1733, "AVI Compression:");
    aviCompressionMenu = ZorGUIOptionMenuAdd(dialog, 2421, 1692, 3182, 141, " ", nullptr);
    formatLabel = ZorGUILabelAdd(dialog, 292, 114, "Format:");
    formatMenu = ZorGUIOptionMenuAdd(dialog, 1464, 67, 4120, 141, " ", onFormatChanged);
}

ExportSettingsControls_s ExportOptionsControls::settingsControls() const
{
    ExportSettingsControls_s controls;
    controls.widthField = widthField;
    controls.speedField = speedField;
    controls.supersampleField = supersampleField;
    controls.aviCompressionMenu = aviCompressionMenu;
    controls.regionMenu = regionMenu;
    controls.imageTypeMenu = imageTypeMenu;
    controls.formatMenu = formatMenu;
    controls.antialiasingToggle = antialiasingToggle;
    controls.widthChoice = widthChoice;
    controls.optimisationChoice = optimisationChoice;
    return controls;
}

// ---- Sensitivity and the dimensions label -------------------------------------------------

void updateSensitivity()
{
    const ExportOptionsControls& controls = ids();
    ExportSettings& settings = ExportSettings::get();
    const ExportFormat_e format = settings.selectedFormat();
    const bool isAvi = format == ExportFormat_AVI;
    const bool isFlash = format == ExportFormat_Flash;
    ZorGUISetSensitivity(controls.aviCompressionLabel, isAvi);
    ZorGUISetSensitivity(controls.aviCompressionMenu, isAvi);
    ZorGUISetSensitivity(controls.imageTypeLabel, isFlash);
    ZorGUISetSensitivity(controls.imageTypeMenu, isFlash);
    ZorGUISetSensitivity(controls.optimisationChoice, isFlash);
    ZorGUISetSensitivity(controls.widthField, settings.isEnteredWidthChosen());
    const bool hasSpeed = format != ExportFormat_RasterMetafile;
    ZorGUISetSensitivity(controls.speedField, hasSpeed);
    ZorGUISetSensitivity(controls.speedLabel, hasSpeed);
    const bool antialiasing = settings.isAntialiasingOn();
    ZorGUISetSensitivity(controls.supersampleLabel, antialiasing);
    ZorGUISetSensitivity(controls.supersampleField, antialiasing);
}

void updateDimensionsLabel()
{
    const ImageDimensions_s dimensions = ExportSettings::get().imageDimensions();
    const std::string text = (boost::format("Dimensions: %1% x %2%") % dimensions.width % dimensions.height).str();
    ZorGUILabelSetText(ids().dimensionsLabel, text.c_str());
}

// ---- Host callbacks ------------------------------------------------------------------

// Runs `body` under the add-on lock; what it throws is shown to the user.
template <typename Body>
void underLock(Body&& body)
{
    AddOnLock lock;
    try {
        body();
    } catch (const std::exception& error) {
        ZorUtilDialogErrMsg(error.what());
    }
}

// Finishes the lock that launch started.
void dropDialog()
{
    ZorGUIDialogDrop(ids().dialog);
    ZorUtilLockFinish(AddOnId);
}

void onInit()
{
    underLock([] {
        ExportSettings::get().readHostSettings();
        updateSensitivity();
        updateDimensionsLabel();
    });
}

void onOk()
{
    underLock([] {
        ExportSettings& settings = ExportSettings::get();
        settings.movieFile().setExtension(movieExtension(settings.selectedFormat()));
        if (!settings.movieFile().selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE))
            return;
        dropDialog();
        settings.applyAllSettings();
    });
}

void onCancel()
{
    underLock(dropDialog);
}

void onHelp()
{
    underLock([] { ZorUtilHelp("zorvan/export_options.html", false, 0); });
}

void onRegionChanged(const int*)
{
    underLock(updateDimensionsLabel);
}

void onWidthChoiceChanged(const int*)
{
    underLock([] {
        updateSensitivity();
        updateDimensionsLabel();
    });
}

// The text fields accept every edit: a refused number is put back into the
// field by its validator.
int onWidthEntered(const char* text)
{
    underLock([text] {
        ExportSettings::get().imageWidth().validate(text);
        updateDimensionsLabel();
    });
    return 1;
}

void onAntialiasingChanged(const int*)
{
    underLock(updateSensitivity);
}

int onSupersampleEntered(const char* text)
{
    underLock([text] { ExportSettings::get().supersampleFactor().validate(text); });
    return 1;
}

int onSpeedEntered(const char* text)
{
    underLock([text] { ExportSettings::get().animationSpeed().validate(text); });
    return 1;
}

void onFormatChanged(const int*)
{
    underLock(updateSensitivity);
}

}  // namespace

// ---- Launch --------------------------------------------------------------------------

void ExportOptionsDialog::launch(int parentDialog, ExportSettings::Action onConfirm)
{
    ZorUtilLockStart(AddOnId);
    if (ids().dialog == ZOR_NO_CONTROL)
        ids().create(parentDialog);
    ExportSettings& settings = ExportSettings::get();
    settings.setOnConfirm(std::move(onConfirm));
    settings.attachControls(ids().settingsControls());
    ZorGUIDialogLaunch(ids().dialog);
}
