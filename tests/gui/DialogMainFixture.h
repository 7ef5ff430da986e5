// A host with a 3D frame, and the user's hands on the main dialog: open it
// through the add-on's menu option, press its buttons, pick its menus, type
// into its fields and select key frames, then let the host go idle.
//
//   class MyTest : public DialogMainFixture {};
//   TEST_F(MyTest, Something) { openDialog(); appendView(10.0); press(Append); ... }
//
// The host fixture checks the host's invariants after every case.
#ifndef KFA_TESTS_GUI_DIALOG_MAIN_FIXTURE_H
#define KFA_TESTS_GUI_DIALOG_MAIN_FIXTURE_H

#include <filesystem>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace dialog_main {

const char* const MenuOption = "&Key Frame Animation...";
const char* const Title = "Key Frame Animation";
const char* const Append = "&Append     ";
const char* const Insert = "&Insert         ";
const char* const Update = "&Update      ";
const char* const Apply = "A&pply        ";
const char* const Delete = "&Delete       ";
const char* const Clear = "&Clear         ";
const char* const AnimateAll = "A&nimate\nAll";
const char* const AnimateSelected = "  Animate \n&Selected";

}  // namespace dialog_main

class DialogMainFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static zorsim::WidgetModel& widgets() { return host().widgets; }

    void openDialog()
    {
        host().registry.pickOption(dialog_main::MenuOption);
        idle();
    }

    static void idle() { host().idle.runIdle(); }

    static int dialog() { return widgets().dialogsTitled(dialog_main::Title).at(0); }
    static bool isDialogUp() { return widgets().dialog(dialog()).up; }
    static int control(const std::string& text) { return widgets().controlWithText(dialog(), text); }
    static bool isSensitive(const std::string& text) { return widgets().control(control(text)).sensitive; }

    // Presses the button and lets the host go idle.
    static void press(const std::string& label)
    {
        widgets().pressButton(control(label));
        idle();
    }

    static int list() { return widgets().controlsOf(dialog(), zorsim::ControlKind::List).at(0); }
    static std::vector<std::string> lines() { return widgets().control(list()).items; }
    static int viewNameField() { return widgets().controlsOf(dialog(), zorsim::ControlKind::TextField).at(0); }
    static int frameCountField() { return widgets().controlsOf(dialog(), zorsim::ControlKind::TextField).at(1); }
    static std::string fieldText(int field) { return widgets().control(field).text; }

    // The user selects these positions (from 0), as with control-clicks.
    static void select(const std::vector<int>& positions)
    {
        std::vector<int> hostPositions;
        for (const int position : positions)
            hostPositions.push_back(position + 1);
        ZorUtilLockStart(AddOnId);
        widgets().listSelectMany(list(), hostPositions);
        ZorUtilLockFinish(AddOnId);
        const int clicked = hostPositions.empty() ? 0 : hostPositions.back();
        widgets().control(list()).intCallback(&clicked);
        idle();
    }

    static int typeInto(int field, const std::string& text)
    {
        const int accepted = widgets().typeText(field, text);
        idle();
        return accepted;
    }

    // Picks "&File" / "&Open Animation File..." and the like.
    static void pick(const std::string& menu, const std::string& entry)
    {
        const int menuBar = widgets().controlsOf(dialog(), zorsim::ControlKind::MenuBar).at(0);
        widgets().pickMenuEntry(widgets().menuEntry(widgets().menuEntry(menuBar, menu), entry));
        idle();
    }

    static bool isToggleOn(const std::string& entry)
    {
        const int menuBar = widgets().controlsOf(dialog(), zorsim::ControlKind::MenuBar).at(0);
        return widgets().control(widgets().menuEntry(widgets().menuEntry(menuBar, "&Options"), entry)).on;
    }

    static std::string destinationShown()
    {
        const zorsim::Control& menu = widgets().control(control("On Screen"));
        return menu.chosen == 0 ? "" : menu.items.at(static_cast<std::size_t>(menu.chosen - 1));
    }

    static void chooseDestination(int position)
    {
        widgets().choose(control("On Screen"), position);
        idle();
    }

    // Turns the view so that its psi angle tells the key frames apart, and
    // sets the current solution time.
    static void setView(double psi, double solutionTime = 0.0)
    {
        host().view.current().psi = psi;
        host().dataSet.setSolutionTime(solutionTime);
    }

    // Appends a key frame of the view with this psi angle.
    static void appendView(double psi, double solutionTime = 0.0)
    {
        setView(psi, solutionTime);
        press(dialog_main::Append);
    }

    std::string file(const std::string& name) const { return (folder / name).string(); }

    TempFolder scratch;
    // The case's own folder, removed with what it holds after the case.
    const std::filesystem::path folder{scratch.root()};
};

#endif
