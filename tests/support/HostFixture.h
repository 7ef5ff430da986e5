// A fresh stand-in host for every test, with the add-on loaded afresh, and
// the host's invariants checked after every case.
//
//   class MyTest : public HostFixture {};
//   TEST_F(MyTest, Something) { host().frames.addFrame(); ... }
//
// Every case starts as if the host had just started and loaded the add-on,
// without the add-on's process-wide objects (its dialogs, export settings) of
// the case before, so the cases of a program pass in any order. The teardown
// checks what the add-on must never leave behind: a refused or unlocked
// widget call, a host string, array or set not freed (or freed wrongly), the
// lock unbalanced, drawing left off, and the light, frame axis, time anchor
// and display list values other than the case left them. A case that sets
// those itself calls keepHostStyles() afterwards; one that misuses the host
// on purpose (refused or unlocked calls, second frees) calls allowHostMisuse().
//
// The host's logs of every call and every status line percent stay off
// unless the fixture's constructor passes HostLogging::On.
#ifndef KFA_TESTS_HOST_FIXTURE_H
#define KFA_TESTS_HOST_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/Assertions.h"
#include "zorsim/Host.h"

enum class HostLogging { Off, On };

class HostFixture : public ::testing::Test {
protected:
    explicit HostFixture(HostLogging logging = HostLogging::Off) : logging_(logging) {}

    // Starts over with a fresh host, calls the add-on's entry point, clears
    // the call log and keeps the host's styles.
    void SetUp() override;
    // Checks the invariants, then discards the add-on's process-wide
    // objects while the host they talk to is still there.
    void TearDown() override;

    static zorsim::Host& host() { return zorsim::host(); }
    // A host frame of `plotType` on top, current.
    static void addFrame(int plotType) { host().frames.addFrame(plotType); }
    // Discards the add-on's process-wide objects and replaces the host by a
    // fresh one with the fixture's logging, into which the add-on is not
    // loaded yet; keeps its styles.
    void freshHost();

    // Takes the light, axis, anchor and display list values as they are now
    // as those the add-on must leave.
    void keepHostStyles();
    void allowHostMisuse() { misuseAllowed_ = true; }

    // ---- What the user sees and what the add-on did ----------------------
    static zorsim::WidgetModel& widgets() { return host().widgets; }
    // A control by id; throws std::out_of_range for an unknown one.
    static const zorsim::Control& control(int id) { return host().widgets.control(id); }
    // The controls of `kind` in `dialog`, in the order they were added.
    static std::vector<int> controlsOf(int dialog, zorsim::ControlKind kind)
    {
        return widgets().controlsOf(dialog, kind);
    }
    // The user chooses the item `text` of an option menu or radio box.
    static void chooseItem(int id, const std::string& text);
    static const std::vector<std::string>& errors() { return host().messages.errors(); }
    // The last error shown, or "" when none was.
    static std::string lastError() { return errors().empty() ? std::string() : errors().back(); }
    // The text of every message box shown, in order.
    static std::vector<std::string> messageBoxTexts();
    // The last logged call starting with `prefix`, or ""; needs HostLogging::On.
    static std::string lastCall(const std::string& prefix = "")
    {
        const std::vector<std::string> calls = host().calls.matching(prefix);
        return calls.empty() ? std::string() : calls.back();
    }
    // A launched modeless dialog of the case's own; add controls under an AddOnLock.
    static int scratchDialog();
    // Holds the add-on lock until the case ends, for code whose caller must hold it.
    void holdLock();

    // Success when every invariant holds now; else what is broken.
    ::testing::AssertionResult hostInvariantsHold() const;

private:
    HostLogging logging_;
    std::map<std::string, zorsim::StyleData> keptStyles_;
    bool misuseAllowed_ = false;
    int locksHeld_ = 0;
};

#endif
