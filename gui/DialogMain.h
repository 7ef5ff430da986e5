// The modeless "Key Frame Animation" dialog: the user builds the list of key
// frames, names them, sets their frame counts, saves and opens settings
// files, chooses the animation options and starts animations.
//
//   DialogMain::get().launch();          // the add-on's menu option
//   DialogMain::get().setKeyFrames(...); // a macro command
//
// There is one dialog object for the life of the add-on, built on first use;
// it owns the key frames and the animation settings, which outlive every
// close of the window. Its host controls are created at the first launch
// and kept. Refreshes of the controls after list edits are deferred to the
// host's next idle time, so a run of edits ends in one refresh.
#ifndef KFA_GUI_DIALOG_MAIN_H
#define KFA_GUI_DIALOG_MAIN_H

#include <string>
#include <vector>

#include "ZorTypes.h"
#include "addon/OnIdleManager.h"
#include "animation/AnimationSettings.h"
#include "gui/DialogDropper.h"
#include "gui/ListSelectionModel.h"
#include "gui/ListView.h"
#include "gui/OptionMenuStaticManager.h"
#include "gui/TextFieldValidator.h"
#include "keyframes/ListModelKeyFrame.h"
#include "settingsfile/FileNameSelector.h"

template <typename T>
class ProcessWide;

class DialogMain : public ListSelectionModelObserverInterface {
public:
    static DialogMain& get();

    ~DialogMain() override;
    DialogMain(const DialogMain&) = delete;
    DialogMain& operator=(const DialogMain&) = delete;

    // Creates the dialog and its controls at the first call, then shows it.
    void launch();
    bool isUp() const;

    // Reads a settings file into `keyFrames` and `settings`, hands the name
    // to the dialog and records the OpenSettingsFile command. A refused file
    // raises KeyFrameError before anything is handed over or recorded.
    static void openSettingsFile(const std::string& fileName, ListModelKeyFrame& keyFrames,
                                 AnimationSettings_s& settings);
    static void openSettingsFile(const std::string& fileName, std::vector<KeyFrame_s>& keyFrames,
                                 AnimationSettings_s& settings);
    void fileOpened(const std::string& fileName);

    const AnimationSettings_s& getSettings() const { return settings_; }
    void setSettings(const AnimationSettings_s& settings);
    const std::vector<KeyFrame_s>& getKeyFrames() const { return keyFrameModel_.getKeyFrames(); }
    void setKeyFrames(const std::vector<KeyFrame_s>& keyFrames);

    // Plays all key frames to `destination`; errors are shown to the user.
    void animate(Destination_e destination, MacroOption_e macroOption);

    void selectionChanged(std::vector<int> selectedItems) override;

    // ---- Host callbacks (reached through plain functions) ------------------
    void init();
    void close();
    void help();
    void listSelectionChanged();
    void append();
    void insert();
    void update();
    void apply();
    void deleteSelected();
    void clear();
    int viewNameEntered(const std::string& text);
    int frameCountEntered(const std::string& text);
    void destinationChanged();
    void animateAll();
    void animateSelected();
    void open();
    void save();
    void saveAs();
    void toggleAnimateTime();
    void toggleAnimateStreamtraces();
    void toggleFadeIn();
    void toggleFadeOut();
    void timeAnimationOptions();

    // Sets the fields and the sensitivities from the selection and the list.
    void updateControls();

private:
    friend class ProcessWide<DialogMain>;
    DialogMain();

    // Hands the name of a settings file that was read to the dialog and
    // records the OpenSettingsFile command.
    static void settingsFileRead(const std::string& fileName);
    void createControls();
    void buildMenuBar();
    void syncOptionToggles();
    void queueUpdateControls();
    void fillFields(const std::vector<int>& selection);
    void setSelectionSensitivities(const std::vector<int>& selection);
    std::vector<int> selection() const;
    int selectedItem() const;
    void addKeyFrame(unsigned position);
    void checkConcurrency();
    void writeSettingsFile();
    bool refuseEmptyList() const;
    void flip(bool& flag);

    ListModelKeyFrame keyFrameModel_;
    ListView keyFrameView_;
    TextFieldValidator<int> frameCountValidator_;
    AnimationSettings_s settings_;
    FileNameSelector fileNameSelector_;
    OnIdleManager idleManager_;
    DialogDropper<DialogMain> dialogDropper_;
    OptionMenuStaticManager<Destination_e> destinationMenu_;

    int dialog_ = ZOR_NO_CONTROL;
    int appendButton_ = ZOR_NO_CONTROL;
    int destinationOptionMenu_ = ZOR_NO_CONTROL;
    int destinationLabel_ = ZOR_NO_CONTROL;
    int animateAllButton_ = ZOR_NO_CONTROL;
    int clearButton_ = ZOR_NO_CONTROL;
    int applyButton_ = ZOR_NO_CONTROL;
    int keyFrameList_ = ZOR_NO_CONTROL;
    int deleteButton_ = ZOR_NO_CONTROL;
    int animateSelectedButton_ = ZOR_NO_CONTROL;
    int updateButton_ = ZOR_NO_CONTROL;
    int viewNameLabel_ = ZOR_NO_CONTROL;
    int viewNameField_ = ZOR_NO_CONTROL;
    int frameCountLabel_ = ZOR_NO_CONTROL;
    int frameCountField_ = ZOR_NO_CONTROL;
    int insertButton_ = ZOR_NO_CONTROL;

    bool menuBarBuilt_ = false;
    int animateTimeToggle_ = ZOR_NO_CONTROL;
    int animateStreamtracesToggle_ = ZOR_NO_CONTROL;
    int fadeInToggle_ = ZOR_NO_CONTROL;
    int fadeOutToggle_ = ZOR_NO_CONTROL;
};

#endif
