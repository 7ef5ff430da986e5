// The main dialog up on a 3D frame with a transient data set and every effect switched on, ready to animate
// on screen or into a movie; each fault test breaks one thing and checks afterwards that the host's invariants
// hold, no progress line or movie is left running, and the files of the case's folder are as they were.
#ifndef KFA_TESTS_FAULTS_FAULT_FIXTURE_H
#define KFA_TESTS_FAULTS_FAULT_FIXTURE_H

#include <map>
#include <string>

#include "gui/DialogMainFixture.h"

class FaultFixture : public DialogMainFixture {
protected:
    void SetUp() override
    {
        DialogMainFixture::SetUp();
        host().dataSet.addZone(1, 0.0);
        host().dataSet.addZone(1, 2.0);
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", true);
        host().styles.setValue("GLOBALTHREED LIGHTSOURCE INTENSITY", 60.0);
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING TIMEANCHOR", 0.25);
        keepHostStyles();
        openDialog();
        for (const char* entry :
             {"Animate &Time Concurrently", "Animate &Streamtraces Concurrently", "Fade &In", "Fade &Out"})
            pick("&Options", entry);
    }

    // Three key frames, `frameCount` frames apart.
    void appendKeyFrames(int frameCount)
    {
        appendView(10.0, 0.0);
        appendView(40.0, 1.0);
        appendView(80.0, 2.0);
        select({0, 1, 2});
        typeInto(frameCountField(), std::to_string(frameCount));
    }

    static void animateOnScreen() { press(dialog_main::AnimateAll); }

    // Writes `content` into the case's file `name`; returns its full name.
    std::string olderFile(const std::string& name, const std::string& content) const
    {
        writeFile(file(name), content);
        return file(name);
    }

    using Files = std::map<std::string, std::string>;

    // The name and content of every file in the case's folder.
    Files filesInFolder() const
    {
        Files files;
        for (const std::string& name : scratch.entries())
            files[name] = readFile(file(name));
        return files;
    }

    ::testing::AssertionResult hostRestored() const
    {
        if (host().status.isShown() || host().exports.isRecording())
            return ::testing::AssertionFailure() << "progress line or movie left running";
        return hostInvariantsHold();
    }
};

#endif
