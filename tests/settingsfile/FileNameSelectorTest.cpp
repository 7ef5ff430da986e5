#include "settingsfile/FileNameSelector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorUtil.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

// The fixture's teardown checks that every name the dialog handed out was
// freed exactly once.
class FileNameSelectorTest : public HostFixture {
protected:
    FileNameSelector selector{"animation", "keyframe", "Key Frame Animation"};
    TempFolder folder;
};

TEST_F(FileNameSelectorTest, ExtensionRules)
{
    const struct {
        std::string name;
        std::string extension;
        std::string replaced;
    } cases[] = {
        {"anim", "", "anim.keyframe"},
        {"anim.txt", "txt", "anim.keyframe"},
        {"anim.tar.gz", "gz", "anim.tar.keyframe"},
        {"/data/run.2/anim", "", "/data/run.2/anim.keyframe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.extension, FileNameSelector::extensionOf(c.name)) << c.name;
        std::string name = c.name;
        FileNameSelector::replaceExtension(name, "keyframe");
        EXPECT_EQ(c.replaced, name);
    }
}

TEST_F(FileNameSelectorTest, NameAndExtensionFollowEachOtherAndACancelChangesNothing)
{
    host().fileDialog.answerCancel();
    EXPECT_FALSE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_FALSE(selector.isConfirmed());
    EXPECT_EQ("animation.keyframe", selector.getFileName());
    const zorsim::FileDialogRequest& request = host().fileDialog.requests().at(0);
    EXPECT_EQ("Key Frame Animation|animation.keyframe|*.keyframe",
              request.fileTypeName + "|" + request.proposedName + "|" + request.filter);
    EXPECT_TRUE(messageBoxTexts().empty());

    selector.setFileName("/movies/take.avi");
    EXPECT_EQ("avi", selector.getExtension()) << "a name's own extension becomes the default";
    selector.setExtension("mp4");
    EXPECT_EQ("/movies/take.mp4", selector.getFileName());
    selector.setFileName("/movies/plain");
    EXPECT_EQ("/movies/plain.mp4", selector.getFileName());
    EXPECT_EQ("mp4", selector.getExtension());
    EXPECT_FALSE(selector.isConfirmed());
}

// Overwriting is asked about only when saving, by the name completed with
// the extension; another extension is questioned when opening too.
TEST_F(FileNameSelectorTest, TheUserIsAskedAboutOverwritingAndAboutAnotherExtension)
{
    const std::string existing = folder.path("old.keyframe");
    writeFile(existing, "#!KeyFrame 1");
    host().fileDialog.answerWith(folder.path("old"));
    host().messages.answerQuestion(false);
    EXPECT_FALSE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_FALSE(selector.isConfirmed());
    EXPECT_EQ("animation.keyframe", selector.getFileName());
    host().fileDialog.answerWith(existing);
    host().messages.answerQuestion(true);
    EXPECT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_EQ(existing, selector.getFileName());
    host().fileDialog.answerWith(existing);
    EXPECT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));

    const std::string chosen = folder.path("walk.KEYFRAME");
    host().fileDialog.answerWith(chosen);
    host().messages.answerQuestion(false);
    ASSERT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));
    EXPECT_EQ(folder.path("walk.keyframe"), selector.getFileName()) << "No restores the default extension";
    host().fileDialog.answerWith(folder.path("walk.txt"));
    host().messages.answerQuestion(true);
    ASSERT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));
    EXPECT_EQ(folder.path("walk.txt"), selector.getFileName()) << "Yes keeps the chosen extension";

    const std::vector<std::string> asked = messageBoxTexts();
    ASSERT_EQ(4U, asked.size()) << "opening never asks about overwriting";
    EXPECT_EQ("The file: " + existing + " exists.\nAre you sure you want to overwrite it?", asked[0]);
    EXPECT_EQ("You have specified an extension other than the default file extension\nAre you sure you want to save "
              "the file as " +
                  chosen + "\nClick \"No\" to restore the default file extension.",
              asked[2]);
    EXPECT_EQ(0, host().messages.unansweredQuestions());
}
