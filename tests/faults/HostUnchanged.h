// What the add-on must leave as it found it, however a task ends: taken when
// constructed, compared by unchanged().
//
//   HostUnchanged before;
//   before.keepFolder(folder);
//   ...  // a task that fails
//   EXPECT_TRUE(before.unchanged());
#ifndef KFA_TESTS_FAULTS_HOST_UNCHANGED_H
#define KFA_TESTS_FAULTS_HOST_UNCHANGED_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "zorsim/Host.h"

class HostUnchanged {
public:
    HostUnchanged()
    {
        for (const char* path : {"GLOBALTHREED LIGHTSOURCE INTENSITY", "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT",
                                 "THREEDAXIS FRAMEAXIS SHOW", "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR",
                                 "INTERFACE USEDISPLAYLISTS"})
            styles_.emplace(path, zorsim::host().styles.value(path));
    }

    // Every file of `folder` must keep its content, and none may be added.
    void keepFolder(const std::filesystem::path& folder)
    {
        folder_ = folder;
        files_ = filesOf(folder);
    }

    ::testing::AssertionResult unchanged() const
    {
        zorsim::Host& host = zorsim::host();
        std::ostringstream changes;
        for (const auto& [path, value] : styles_)
            if (host.styles.value(path) != value)
                changes << path << " is " << zorsim::styleDataText(host.styles.value(path)) << ", was "
                        << zorsim::styleDataText(value) << "; ";
        if (!host.lock.isBalanced())
            changes << "lock unbalanced; ";
        if (!host.drawing.isDrawing() || host.drawing.unmatchedOns() != 0)
            changes << "drawing not restored; ";
        if (!host.memory.nothingOut() || host.memory.faults() != 0)
            changes << "host memory leaked or misused; ";
        if (host.status.isShown() || host.exports.isRecording())
            changes << "progress line or movie left running; ";
        if (!folder_.empty() && filesOf(folder_) != files_)
            changes << "files in " << folder_ << " changed; ";
        if (changes.str().empty())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << changes.str();
    }

private:
    static std::map<std::string, std::string> filesOf(const std::filesystem::path& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ostringstream content;
            content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            files[entry.path().filename().string()] = content.str();
        }
        return files;
    }

    std::map<std::string, zorsim::StyleData> styles_;
    std::filesystem::path folder_;
    std::map<std::string, std::string> files_;
};

#endif
