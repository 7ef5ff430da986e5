// The main dialog.
//
//  - host callbacks: plain functions that reach the one dialog
//  - construction, launch, init and close
//  - controls and the menu bar
//  - deferred control updates
//  - key frame edits (append, insert, update, apply, delete, clear, fields)
//  - options and animation
//  - settings files
#include "gui/DialogMain.h"

#include <boost/bind/bind.hpp>

#include <exception>
#include <limits>
#include <utility>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"
#include "addon/ProcessWide.h"
#include "animation/AnimationDriver.h"
#include "export/DialogExportOptions.h"
#include "export/EnumNames.h"
#include "gui/DialogTimeOptions.h"
#include "keyframes/HostQueries.h"
#include "keyframes/ViewCapture.h"
#include "macro/MacroCommandManager.h"
#include "settingsfile/KeyFrameFile.h"

// ---- Host callbacks ---------------------------------------------------------------------

namespace {

// What a callback throws is shown to the user and goes no further: no
// exception may reach the host.
template <typename Body>
void guarded(Body&& body)
{
    try {
        body(DialogMain::get());
    } catch (const std::exception& error) {
        AddOnLock lock;
        ZorUtilDialogErrMsg(error.what());
    } catch (...) {
    }
}

#define KFA_VOID_CALLBACK(name, member)                                                                                \
    void name()                                                                                                        \
    {                                                                                                                  \
        guarded([](DialogMain& dialog) { dialog.member(); });                                                          \
    }
#define KFA_INT_CALLBACK(name, member)                                                                                 \
    void name(const int* /*value*/)                                                                                    \
    {                                                                                                                  \
        guarded([](DialogMain& dialog) { dialog.member(); });                                                          \
    }

KFA_VOID_CALLBACK(onInit, init)
KFA_VOID_CALLBACK(onClose, close)
KFA_VOID_CALLBACK(onHelp, help)
KFA_VOID_CALLBACK(onAppend, append)
KFA_VOID_CALLBACK(onInsert, insert)
KFA_VOID_CALLBACK(onUpdate, update)
KFA_VOID_CALLBACK(onApply, apply)
KFA_VOID_CALLBACK(onDelete, deleteSelected)
KFA_VOID_CALLBACK(onClear, clear)
KFA_VOID_CALLBACK(onAnimateAll, animateAll)
KFA_VOID_CALLBACK(onAnimateSelected, animateSelected)
KFA_VOID_CALLBACK(onOpen, open)
KFA_VOID_CALLBACK(onSave, save)
KFA_VOID_CALLBACK(onSaveAs, saveAs)
KFA_VOID_CALLBACK(onTimeAnimationOptions, timeAnimationOptions)
KFA_INT_CALLBACK(onListSelection, listSelectionChanged)
KFA_INT_CALLBACK(onDestinationChanged, destinationChanged)
KFA_INT_CALLBACK(onAnimateTimeToggled, toggleAnimateTime)
KFA_INT_CALLBACK(onAnimateStreamtracesToggled, toggleAnimateStreamtraces)
KFA_INT_CALLBACK(onFadeInToggled, toggleFadeIn)
KFA_INT_CALLBACK(onFadeOutToggled, toggleFadeOut)

#undef KFA_VOID_CALLBACK
#undef KFA_INT_CALLBACK

int onViewNameEntered(const char* text)
{
    int accepted = 1;
    guarded([text, &accepted](DialogMain& dialog) { accepted = dialog.viewNameEntered(text == nullptr ? "" : text); });
    return accepted;
}

int onFrameCountEntered(const char* text)
{
    int accepted = 0;
    guarded(
        [text, &accepted](DialogMain& dialog) { accepted = dialog.frameCountEntered(text == nullptr ? "" : text); });
    return accepted;
}

// Each position one more than the one before.
bool isContinuous(const std::vector<int>& positions)
{
    for (std::size_t index = 1; index < positions.size(); ++index)
        if (positions[index] != positions[index - 1] + 1)
            return false;
    return true;
}

// Why `name` cannot be a view's name, or empty when it can. A settings file
// keeps the name between double quotes on a line of its own, so a quote or
// a line break inside it would not read back.
std::string viewNameRefusal(const std::string& name)
{
    if (name.empty())
        return "The view name must be at least one character.";
    if (name.find_first_of("\"\r\n") != std::string::npos)
        return "The view name must not contain double quotation marks or line breaks.";
    return {};
}

void showNotice(const std::string& text)
{
    ZorUtilDialogMessageBox(text.c_str(), ZOR_MESSAGE_NOTICE);
}

}  // namespace

// ---- Construction, launch, init and close ---------------------------------------------------

DialogMain& DialogMain::get()
{
    return ProcessWide<DialogMain>::get();
}

DialogMain::DialogMain()
    : frameCountValidator_(1, std::numeric_limits<int>::max(), 30, ZOR_NO_CONTROL),
      fileNameSelector_("animation", "keyframe", "Key Frame Animation"),
      dialogDropper_(this),
      destinationMenu_(DestinationDisplayTable.data(), DestinationDisplayTable.size())
{
    keyFrameView_.setModel(&keyFrameModel_);
}

DialogMain::~DialogMain() = default;

void DialogMain::launch()
{
    AddOnLock lock;
    if (dialog_ == ZOR_NO_CONTROL)
        createControls();
    buildMenuBar();
    ZorGUIDialogLaunch(dialog_);
}

bool DialogMain::isUp() const
{
    if (dialog_ == ZOR_NO_CONTROL)
        return false;
    AddOnLock lock;
    return ZorGUIDialogIsUp(dialog_);
}

void DialogMain::init()
{
    AddOnLock lock;
    destinationMenu_.attachOptionMenu(destinationOptionMenu_);
    frameCountValidator_.attachTextField(frameCountField_);
    keyFrameView_.setControlId(keyFrameList_);
    keyFrameView_.getSelectionModel()->addObserver(this);
    keyFrameView_.reattachToModel();
    syncOptionToggles();
    updateControls();
    dialogDropper_.startListening();
}

void DialogMain::close()
{
    AddOnLock lock;
    ZorGUIDialogDrop(dialog_);
    keyFrameView_.getSelectionModel()->removeObserver(this);
    keyFrameView_.detachFromModel();
}

void DialogMain::help()
{
    AddOnLock lock;
    ZorUtilHelp("zorvan/key_frame_animation.html", false, 0);
}

// ---- Controls and the menu bar -------------------------------------------------------------

void DialogMain::createControls()
{
    dialog_ = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 4870, 2620, "Key Frame Animation", onInit, onClose, onHelp);
    appendButton_ = ZorGUIButtonAdd(dialog_, 3163, 60, 1444, 141, "&Append     ", onAppend);
    ZorGUISetToolTip(appendButton_, "Append the current Zorvan view as a key frame to the end of the list");
    destinationOptionMenu_ = ZorGUIOptionMenuAdd(dialog_, 1855, 1974, 2714, 141, " ", onDestinationChanged);
    destinationLabel_ = ZorGUILabelAdd(dialog_, 214, 2015, "Destination:");
    animateAllButton_ = ZorGUIButtonAdd(dialog_, 527, 2297, 1210, 235, "A&nimate\nAll", onAnimateAll);
    ZorGUISetToolTip(animateAllButton_, "Animate through the list of all key frames");
    clearButton_ = ZorGUIButtonAdd(dialog_, 3163, 1336, 1405, 141, "&Clear         ", onClear);
    ZorGUISetToolTip(clearButton_, "Delete all key frame views from the list");
    applyButton_ = ZorGUIButtonAdd(dialog_, 3163, 785, 1425, 141, "A&pply        ", onApply);
    ZorGUISetToolTip(applyButton_, "Apply the selected key frame as the view in Zorvan");
    keyFrameList_ = ZorGUIListAdd(dialog_, 214, 67, 2733, 1417, true, onListSelection);
    deleteButton_ = ZorGUIButtonAdd(dialog_, 3163, 1141, 1405, 141, "&Delete       ", onDelete);
    ZorGUISetToolTip(deleteButton_, "Delete the selected key frame");
    animateSelectedButton_ =
        ZorGUIButtonAdd(dialog_, 2889, 2297, 1230, 235, "  Animate \n&Selected", onAnimateSelected);
    ZorGUISetToolTip(animateSelectedButton_, "Animate between the selected and next key frames");
    updateButton_ = ZorGUIButtonAdd(dialog_, 3163, 577, 1444, 141, "&Update      ", onUpdate);
    ZorGUISetToolTip(updateButton_, "Update the selected key frame with the current view in Zorvan");
    viewNameLabel_ = ZorGUILabelAdd(dialog_, 214, 1598, "View Name:");
    viewNameField_ = ZorGUITextFieldAdd(dialog_, 1855, 1558, 2694, 141, onViewNameEntered);
    ZorGUISetToolTip(viewNameField_, "Enter the name of the selected view");
    frameCountLabel_ = ZorGUILabelAdd(dialog_, 195, 1806, "Frame Count:");
    frameCountField_ = ZorGUITextFieldAdd(dialog_, 1855, 1766, 2694, 141, onFrameCountEntered);
    ZorGUISetToolTip(frameCountField_, "Enter the number of frames between the selected and next key frame views");
    insertButton_ = ZorGUIButtonAdd(dialog_, 3163, 261, 1464, 141, "&Insert         ", onInsert);
    ZorGUISetToolTip(insertButton_,
                     "Add the current Zorvan view as a key frame below the selected item(s) in the list");
}

void DialogMain::buildMenuBar()
{
    if (menuBarBuilt_ || dialog_ == ZOR_NO_CONTROL)
        return;
    menuBarBuilt_ = true;
    const int menuBar = ZorGUIMenuBarAdd(dialog_);
    const int fileMenu = ZorGUIMenuAdd(menuBar, "&File");
    ZorGUIMenuAddItem(fileMenu, "&Open Animation File...", "Open a saved key frame animation file.", onOpen);
    ZorGUIMenuAddSeparator(fileMenu);
    ZorGUIMenuAddItem(fileMenu, "&Save Animation File", "Save the key frame animation state to a file.", onSave);
    ZorGUIMenuAddItem(fileMenu, "Save Animation File &As...", "Save the key frame animation state to a file.",
                      onSaveAs);
    const int optionsMenu = ZorGUIMenuAdd(menuBar, "&Options");
    animateTimeToggle_ =
        ZorGUIMenuAddToggle(optionsMenu, "Animate &Time Concurrently",
                            "Enable this option to animate time during the key frame animation.", onAnimateTimeToggled);
    ZorGUIMenuAddItem(optionsMenu, "Time &Animation Options...", nullptr, onTimeAnimationOptions);
    ZorGUIMenuAddSeparator(optionsMenu);
    animateStreamtracesToggle_ =
        ZorGUIMenuAddToggle(optionsMenu, "Animate &Streamtraces Concurrently",
                            "Enable this option to animate streamtrace markers during the key frame animation.",
                            onAnimateStreamtracesToggled);
    ZorGUIMenuAddSeparator(optionsMenu);
    fadeInToggle_ = ZorGUIMenuAddToggle(optionsMenu, "Fade &In", nullptr, onFadeInToggled);
    fadeOutToggle_ = ZorGUIMenuAddToggle(optionsMenu, "Fade &Out", nullptr, onFadeOutToggled);
}

// The menu toggles show the settings; before the first launch there is no
// menu yet, and the next init shows them.
void DialogMain::syncOptionToggles()
{
    if (dialog_ == ZOR_NO_CONTROL)
        return;
    AddOnLock lock;
    buildMenuBar();
    ZorGUIMenuSetToggle(animateStreamtracesToggle_, settings_.animateStreamtraces);
    ZorGUIMenuSetToggle(animateTimeToggle_, settings_.animateTime);
    ZorGUIMenuSetToggle(fadeInToggle_, settings_.fadeIn);
    ZorGUIMenuSetToggle(fadeOutToggle_, settings_.fadeOut);
}

// ---- Deferred control updates ------------------------------------------------------------

void DialogMain::selectionChanged(std::vector<int> /*selectedItems*/)
{
    queueUpdateControls();
}

void DialogMain::listSelectionChanged()
{
    AddOnLock lock;
    keyFrameView_.getSelectionModel()->notifyObservers();
}

void DialogMain::queueUpdateControls()
{
    if (isUp())
        idleManager_.add(boost::bind(&DialogMain::updateControls, this));
}

std::vector<int> DialogMain::selection() const
{
    AddOnLock lock;
    return keyFrameView_.getSelectionModel()->getSelectedItems();
}

int DialogMain::selectedItem() const
{
    AddOnLock lock;
    return keyFrameView_.getSelectionModel()->getSelectedItem();
}

void DialogMain::updateControls()
{
    AddOnLock lock;
    const std::vector<int> selected = selection();
    fillFields(selected);
    setSelectionSensitivities(selected);
    const unsigned count = keyFrameModel_.getCount();
    ZorGUISetSensitivity(clearButton_, count != 0);
    ZorGUISetSensitivity(animateAllButton_, count >= 2);
    destinationMenu_.setSelectedItem(settings_.destination);
}

void DialogMain::fillFields(const std::vector<int>& selected)
{
    if (selected.empty())
        return;
    const unsigned first = static_cast<unsigned>(selected.front());
    ZorGUITextFieldSetString(viewNameField_, keyFrameModel_.getName(first).c_str());
    const uint32_t frameCount = keyFrameModel_.getFrameCount(first);
    for (const int position : selected)
        if (keyFrameModel_.getFrameCount(static_cast<unsigned>(position)) != frameCount) {
            ZorGUITextFieldSetString(frameCountField_, "");
            return;
        }
    frameCountValidator_.setValue(static_cast<int>(frameCount));
}

void DialogMain::setSelectionSensitivities(const std::vector<int>& selected)
{
    const bool any = keyFrameModel_.getCount() != 0 && !selected.empty();
    const bool one = any && selected.size() == 1;
    for (const int control : {applyButton_, updateButton_, viewNameField_, viewNameLabel_})
        ZorGUISetSensitivity(control, one);
    for (const int control : {deleteButton_, insertButton_, frameCountLabel_, frameCountField_})
        ZorGUISetSensitivity(control, any);
    ZorGUISetSensitivity(animateSelectedButton_, any && selected.size() >= 2);
}

// ---- Key frame edits --------------------------------------------------------------------

void DialogMain::append()
{
    addKeyFrame(keyFrameModel_.getInvalidIndex());
}

void DialogMain::insert()
{
    const std::vector<int> selected = selection();
    addKeyFrame(selected.empty() ? keyFrameModel_.getInvalidIndex() : static_cast<unsigned>(selected.front()));
}

// Named "View <count + 1>" wherever it goes, with the frame count of the
// last key frame (30 for the first).
void DialogMain::addKeyFrame(unsigned position)
{
    AddOnLock lock;
    const ThreeDView_s view = captureCurrentView();
    const unsigned count = keyFrameModel_.getCount();
    const uint32_t frameCount = count == 0 ? 30 : keyFrameModel_.getFrameCount(count - 1);
    const KeyFrame_s keyFrame(view, "View " + std::to_string(keyFrameModel_.getInvalidIndex()), frameCount,
                              ZorUtilSolutionTimeGetCurrent());
    keyFrameModel_.insertItem(position, keyFrame);
    queueUpdateControls();
}

void DialogMain::update()
{
    AddOnLock lock;
    const int selected = selectedItem();
    if (selected == -1)
        return;
    keyFrameModel_.updateView(static_cast<unsigned>(selected), captureCurrentView());
}

void DialogMain::apply()
{
    const int selected = selectedItem();
    if (selected == -1)
        return;
    const KeyFrame_s& keyFrame = keyFrameModel_.getItem(static_cast<unsigned>(selected));
    applyView(keyFrame.view);
    AddOnLock lock;
    ZorUtilSolutionTimeSetCurrent(keyFrame.solutionTime);
}

void DialogMain::deleteSelected()
{
    const std::vector<int> selected = selection();
    if (selected.empty())
        return;
    if (isContinuous(selected)) {
        keyFrameModel_.removeItems(static_cast<unsigned>(selected.front()),
                                   static_cast<unsigned>(selected.back() - selected.front() + 1));
    } else {
        for (auto position = selected.rbegin(); position != selected.rend(); ++position)
            keyFrameModel_.removeItem(static_cast<unsigned>(*position));
    }
    queueUpdateControls();
}

void DialogMain::clear()
{
    keyFrameModel_.removeItems(0, keyFrameModel_.getCount());
    queueUpdateControls();
}

int DialogMain::viewNameEntered(const std::string& text)
{
    AddOnLock lock;
    const int selected = selectedItem();
    if (selected == -1)
        return 1;
    const unsigned position = static_cast<unsigned>(selected);
    const std::string refusal = viewNameRefusal(text);
    if (!refusal.empty()) {
        ZorUtilDialogErrMsg(refusal.c_str());
        ZorGUITextFieldSetString(viewNameField_, keyFrameModel_.getName(position).c_str());
    } else {
        keyFrameModel_.setName(position, text);
    }
    return 1;
}

int DialogMain::frameCountEntered(const std::string& text)
{
    AddOnLock lock;
    if (!frameCountValidator_.validate(text))
        return 0;
    for (const int position : selection())
        keyFrameModel_.setFrameCount(static_cast<unsigned>(position),
                                     static_cast<uint32_t>(frameCountValidator_.getValue()));
    return 1;
}

// ---- Options and animation -------------------------------------------------------------

void DialogMain::destinationChanged()
{
    AddOnLock lock;
    settings_.destination = destinationMenu_.getSelectedItem();
    queueUpdateControls();
}

void DialogMain::flip(bool& flag)
{
    flag = !flag;
    if (isUp())
        syncOptionToggles();
}

void DialogMain::toggleAnimateTime()
{
    flip(settings_.animateTime);
}

void DialogMain::toggleAnimateStreamtraces()
{
    flip(settings_.animateStreamtraces);
}

void DialogMain::toggleFadeIn()
{
    flip(settings_.fadeIn);
}

void DialogMain::toggleFadeOut()
{
    flip(settings_.fadeOut);
}

void DialogMain::timeAnimationOptions()
{
    DialogTimeOptions::get().launch(settings_, [this](bool accepted) {
        if (accepted)
            syncOptionToggles();
    });
}

// The destination menu shows a new destination at the next refresh.
void DialogMain::setSettings(const AnimationSettings_s& settings)
{
    settings_ = settings;
    queueUpdateControls();
    syncOptionToggles();
}

void DialogMain::setKeyFrames(const std::vector<KeyFrame_s>& keyFrames)
{
    keyFrameModel_.setKeyFrames(keyFrames);
    queueUpdateControls();
    syncOptionToggles();
}

// Switches off the concurrent effects that the data cannot support; the
// menu toggles show it at their next sync.
void DialogMain::checkConcurrency()
{
    AddOnLock lock;
    if (settings_.animateTime && !isDataSetTransient()) {
        showNotice("The current data set is not transient.\nConcurrent time animation will be disabled.");
        settings_.animateTime = false;
    }
    if (settings_.animateStreamtraces && !areStreamtraceMarkersOrDashesShown()) {
        showNotice(
            "Neither streamtrace markers nor dashes are enabled.\nConcurrent streamtrace animation will be disabled.");
        settings_.animateStreamtraces = false;
    }
}

void DialogMain::animateAll()
{
    checkConcurrency();
    AddOnLock lock;
    if (destinationMenu_.getSelectedItem() == OnScreen) {
        animate(OnScreen, Record);
        return;
    }
    ExportOptionsDialog::launch(dialog_, [this] { animate(destinationMenu_.getSelectedItem(), Record); });
}

void DialogMain::animate(Destination_e destination, MacroOption_e macroOption)
{
    AddOnLock lock;
    settings_.destination = destination;
    try {
        animateKeyFrames(keyFrameModel_.getKeyFrames(), 0, keyFrameModel_.getCount(), settings_, macroOption);
    } catch (const KeyFrameError& error) {
        ZorUtilDialogErrMsg(error.what());
    }
}

void DialogMain::animateSelected()
{
    AddOnLock lock;
    const std::vector<int> selected = selection();
    if (selected.empty())
        return;
    if (!isContinuous(selected)) {
        ZorUtilDialogErrMsg("Selected items must be a continuous range.");
        return;
    }
    if (destinationMenu_.getSelectedItem() == ToFile) {
        showNotice("\"Animate Selected\" does not support output to file.\nThe destination has been reset to \"" +
                   destinationMenu_.getDisplayString(OnScreen) + "\".");
        settings_.destination = OnScreen;
        queueUpdateControls();
    }
    animateKeyFrames(keyFrameModel_.getKeyFrames(), static_cast<std::size_t>(selected.front()),
                     static_cast<std::size_t>(selected.back() - selected.front()), settings_, DoNotRecord);
}

// ---- Settings files -----------------------------------------------------------------------

void DialogMain::openSettingsFile(const std::string& fileName, ListModelKeyFrame& keyFrames,
                                  AnimationSettings_s& settings)
{
    KeyFrameFile().read(fileName, settings, keyFrames);
    settingsFileRead(fileName);
}

void DialogMain::openSettingsFile(const std::string& fileName, std::vector<KeyFrame_s>& keyFrames,
                                  AnimationSettings_s& settings)
{
    KeyFrameFile().read(fileName, settings, keyFrames);
    settingsFileRead(fileName);
}

void DialogMain::settingsFileRead(const std::string& fileName)
{
    get().fileOpened(fileName);
    macroCommandManager().recordCommand(OpenSettingsFile, {{FileName, fileName}});
}

void DialogMain::fileOpened(const std::string& fileName)
{
    fileNameSelector_.setFileName(fileName);
    queueUpdateControls();
    syncOptionToggles();
}

// A refused file leaves the name unconfirmed, so that Save asks before it
// writes over a file it could not read.
void DialogMain::open()
{
    std::string chosen;
    if (!fileNameSelector_.chooseFileName(ZOR_FILE_DIALOG_OPEN, chosen))
        return;
    openSettingsFile(chosen, keyFrameModel_, settings_);
    fileNameSelector_.confirmFileName(chosen);
}

bool DialogMain::refuseEmptyList() const
{
    if (keyFrameModel_.getCount() != 0)
        return false;
    AddOnLock lock;
    ZorUtilDialogErrMsg(keyFrameModel_.getEmptyListText().c_str());
    return true;
}

void DialogMain::save()
{
    if (refuseEmptyList())
        return;
    if (!fileNameSelector_.isConfirmed())
        fileNameSelector_.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE);
    if (fileNameSelector_.isConfirmed())
        writeSettingsFile();
}

void DialogMain::saveAs()
{
    if (refuseEmptyList())
        return;
    if (fileNameSelector_.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE))
        writeSettingsFile();
}

void DialogMain::writeSettingsFile()
{
    KeyFrameFile().write(fileNameSelector_.getFileName(), settings_, keyFrameModel_);
}
