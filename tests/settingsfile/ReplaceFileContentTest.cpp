#include "settingsfile/ReplaceFileContent.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "addon/KeyFrameError.h"
#include "support/Assertions.h"
#include "support/FileSystemFaults.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

const std::string OldContent = "the old animation";
const std::string NewContent(1000, 'n');

fs::perms permissionsOf(const std::string& fileName)
{
    return fs::status(fileName).permissions();
}

}  // namespace

class ReplaceFileContentTest : public ::testing::Test {
protected:
    void SetUp() override { writeFile(oldFile, OldContent); }

    // The old file is as it was and nothing else was left in the folder.
    void expectOldFileUntouched()
    {
        EXPECT_EQ(OldContent, readFile(oldFile));
        EXPECT_EQ(std::vector<std::string>{"old.keyframe"}, folder.entries());
    }

    TempFolder folder;
    const std::string oldFile = folder.path("old.keyframe");
};

TEST_F(ReplaceFileContentTest, ReplacesTheContentKeepingPermissionsAndLinks)
{
    fs::permissions(oldFile, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = folder.path("link.keyframe");
    fs::create_symlink(oldFile, link);

    replaceFileContent(link, NewContent);
    EXPECT_TRUE(fs::is_symlink(link)) << "the link must still point at the file";
    EXPECT_EQ(NewContent, readFile(oldFile));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, permissionsOf(oldFile));
    EXPECT_EQ((std::vector<std::string>{"link.keyframe", "old.keyframe"}), folder.entries());

    replaceFileContent(folder.path("new.keyframe"), "");
    EXPECT_TRUE(fs::exists(folder.path("new.keyframe")));
}

TEST_F(ReplaceFileContentTest, AFolderWhereNoFileCanBeCreatedKeepsTheOldFile)
{
    NoPermissionOverride asUser;
    fs::permissions(folder.path(""), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW_MSG(replaceFileContent(oldFile, NewContent), KeyFrameError, "Unable to open file for writing.");
    EXPECT_THROW_MSG(replaceFileContent(folder.path("new.keyframe"), NewContent), KeyFrameError,
                     "Unable to open file for writing.");
    fs::permissions(folder.path(""), fs::perms::owner_all);
    expectOldFileUntouched();
}

TEST_F(ReplaceFileContentTest, AFolderThatCannotBeSynchronizedIsReportedWithTheFileSaved)
{
    NoPermissionOverride asUser;
    fs::permissions(folder.path(""), fs::perms::owner_write | fs::perms::owner_exec);
    try {
        replaceFileContent(oldFile, NewContent);
        ADD_FAILURE() << "a folder that cannot be opened was synchronized";
    } catch (const KeyFrameError& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("The file was saved"));
        EXPECT_THAT(error.what(), ::testing::HasSubstr("may not survive a crash"));
    }
    fs::permissions(folder.path(""), fs::perms::owner_all);
    EXPECT_EQ(NewContent, readFile(oldFile));
    EXPECT_EQ(std::vector<std::string>{"old.keyframe"}, folder.entries());
}

TEST_F(ReplaceFileContentTest, NamesThatMayNotBeWrittenAreRefused)
{
    NoPermissionOverride asUser;
    fs::permissions(oldFile, fs::perms::owner_read);
    EXPECT_THROW_MSG(replaceFileContent(oldFile, NewContent), KeyFrameError, "Unable to open file for writing.");
    fs::permissions(oldFile, fs::perms::owner_read | fs::perms::owner_write);
    expectOldFileUntouched();

    fs::create_directory(folder.path("folder.keyframe"));
    for (const std::string& name : {folder.path("folder.keyframe"), folder.path("missing/new.keyframe"), std::string()})
        EXPECT_THROW_MSG(replaceFileContent(name, NewContent), KeyFrameError, "Unable to open file for writing.");
    EXPECT_TRUE(fs::is_empty(folder.path("folder.keyframe")));
}
