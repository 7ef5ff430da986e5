// A host with a 3D frame and the user's hands on the main dialog: open it through the add-on's menu option, press
// its buttons, pick its menus, type into its fields and select key frames, then let the host go idle; act() runs
// a user's action and returns what came of it.
//
//   class MyTest : public DialogMainFixture {};
//   TEST_F(MyTest, Something) { openDialog(); appendView(10.0); press(Append); ... }
#ifndef KFA_TESTS_GUI_DIALOG_MAIN_FIXTURE_H
#define KFA_TESTS_GUI_DIALOG_MAIN_FIXTURE_H

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ZorGUI.h"
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
    // What came of one action: only what it added.
    struct Outcome {
        std::vector<std::string> errors, messageBoxes, recorded;
        std::vector<double> drawnPsi;  // of every frame drawn on screen
    };

    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static void openDialog()
    {
        host().registry.pickOption(dialog_main::MenuOption);
        idle();
    }
    static void idle() { host().idle.runIdle(); }

    // Runs `action`, lets the host go idle and tells what happened meanwhile;
    // a redraw hook the case set is still called.
    Outcome act(const std::function<void()>& action)
    {
        const Outcome before{errors(), messageBoxTexts(), host().macro.lines(), {}};
        std::vector<double> drawnPsi;
        const std::function<void(bool)> outer = host().drawing.onRedraw;
        host().drawing.onRedraw = [&drawnPsi, &outer](bool full) {
            drawnPsi.push_back(host().view.current().psi);
            if (outer)
                outer(full);
        };
        action();
        idle();
        host().drawing.onRedraw = outer;
        return {added(before.errors, errors()), added(before.messageBoxes, messageBoxTexts()),
                added(before.recorded, host().macro.lines()), drawnPsi};
    }

    // Animate All into the AVI movie `movie` through the export options; a
    // movie that exists is written over.
    Outcome animateToFile(const std::string& movie)
    {
        chooseDestination(2);
        return act([&] {
            // The export options dialog is modal: it holds the lock while it is up.
            widgets().pressButton(control(dialog_main::AnimateAll));
            const int exportDialog = widgets().dialogsTitled("Export Options").at(0);
            chooseItem(widgets().controlWithText(exportDialog, "AVI"), "AVI");
            host().fileDialog.answerWith(movie);
            if (std::filesystem::exists(movie))
                host().messages.answerQuestion(true);
            widgets().pressOk(exportDialog);
        });
    }

    static int dialog() { return widgets().dialogsTitled(dialog_main::Title).at(0); }
    static bool isDialogUp() { return widgets().dialog(dialog()).up; }
    using HostFixture::control;
    static int control(const std::string& text) { return widgets().controlWithText(dialog(), text); }
    static bool isSensitive(const std::string& text) { return control(control(text)).sensitive; }
    static void press(const std::string& label)
    {
        widgets().pressButton(control(label));
        idle();
    }

    static int list() { return controlsOf(dialog(), zorsim::ControlKind::List).at(0); }
    static std::vector<std::string> lines() { return control(list()).items; }
    static int viewNameField() { return controlsOf(dialog(), zorsim::ControlKind::TextField).at(0); }
    static int frameCountField() { return controlsOf(dialog(), zorsim::ControlKind::TextField).at(1); }

    // The user clicks the first position (from 0) and control-clicks the others.
    static void select(const std::vector<int>& positions)
    {
        for (std::size_t index = 0; index < positions.size(); ++index)
            index == 0 ? widgets().clickListItem(list(), positions[index] + 1)
                       : widgets().ctrlClickListItem(list(), positions[index] + 1);
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
        widgets().pickMenuEntry(menuEntry(menu, entry));
        idle();
    }
    static bool isToggleOn(const std::string& entry) { return control(menuEntry("&Options", entry)).on; }

    // The destination menu's item shown, or "" when none is chosen.
    static std::string destinationShown()
    {
        const zorsim::Control& menu = control(control("On Screen"));
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
    static void appendView(double psi, double solutionTime = 0.0)
    {
        setView(psi, solutionTime);
        press(dialog_main::Append);
    }

    // The case's own file `name`, removed with its folder after the case.
    std::string file(const std::string& name) const { return scratch.path(name); }

    TempFolder scratch;

private:
    static int menuEntry(const std::string& menu, const std::string& entry)
    {
        const int menuBar = controlsOf(dialog(), zorsim::ControlKind::MenuBar).at(0);
        return widgets().menuEntry(widgets().menuEntry(menuBar, menu), entry);
    }
    static std::vector<std::string> added(const std::vector<std::string>& before, const std::vector<std::string>& now)
    {
        return {now.begin() + static_cast<std::ptrdiff_t>(before.size()), now.end()};
    }
};

#endif
