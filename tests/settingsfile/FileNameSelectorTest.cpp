#include "settingsfile/FileNameSelector.h"

#include <gtest/gtest.h>

#include <string>

#include "ZorUtil.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

const char* const OtherExtensionQuestion = "You have specified an extension other than the default file extension\n"
                                           "Are you sure you want to save the file as ";

}  // namespace

class FileNameSelectorTest : public HostFixture {
protected:
    // Every name the dialog handed out must have been freed exactly once.
    void TearDown() override
    {
        EXPECT_TRUE(host().memory.nothingOut()) << "a host string was not freed";
        EXPECT_EQ(0, host().memory.faults()) << "a host string was freed twice or was not the host's";
        HostFixture::TearDown();
    }

    const std::vector<zorsim::MessageBox>& questions() const { return host().messages.messageBoxes(); }

    FileNameSelector selector{"animation", "keyframe", "Key Frame Animation"};
    TempFolder folder;
};

TEST_F(FileNameSelectorTest, ExtensionRules)
{
    struct Case {
        std::string name;
        std::string extension;
        std::string replaced;
    };
    const Case cases[] = {
        {"anim", "", "anim.keyframe"},
        {"anim.txt", "txt", "anim.keyframe"},
        {"anim.tar.gz", "gz", "anim.tar.keyframe"},
        {"/data/run.2/anim", "", "/data/run.2/anim.keyframe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.extension, FileNameSelector::extensionOf(c.name)) << c.name;
        std::string name = c.name;
        FileNameSelector::replaceExtension(name, "keyframe");
        EXPECT_EQ(c.replaced, name);
    }
}

TEST_F(FileNameSelectorTest, NameAndExtensionFollowEachOther)
{
    EXPECT_EQ("animation.keyframe", selector.getFileName());
    EXPECT_FALSE(selector.isConfirmed());

    selector.setFileName("/movies/take.avi");
    EXPECT_EQ("avi", selector.getExtension()) << "a name's own extension becomes the default";
    selector.setExtension("mp4");
    EXPECT_EQ("/movies/take.mp4", selector.getFileName());
    selector.setFileName("/movies/plain");
    EXPECT_EQ("/movies/plain.mp4", selector.getFileName());
    EXPECT_EQ("mp4", selector.getExtension());
    EXPECT_FALSE(selector.isConfirmed());
}

TEST_F(FileNameSelectorTest, CancelChangesNothingAndPassesTheDialogItsSettings)
{
    host().fileDialog.answerCancel();
    EXPECT_FALSE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_FALSE(selector.isConfirmed());
    EXPECT_EQ("animation.keyframe", selector.getFileName());

    ASSERT_EQ(1U, host().fileDialog.requests().size());
    const zorsim::FileDialogRequest& request = host().fileDialog.requests().front();
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, request.option);
    EXPECT_EQ("Key Frame Animation", request.fileTypeName);
    EXPECT_EQ("animation.keyframe", request.proposedName);
    EXPECT_EQ("*.keyframe", request.filter);
    EXPECT_TRUE(questions().empty());
}

TEST_F(FileNameSelectorTest, AnotherExtensionIsQuestionedWhenOpeningToo)
{
    const std::string chosen = folder.path("walk.KEYFRAME");
    host().fileDialog.answerWith(chosen);
    host().messages.answerQuestion(false);
    ASSERT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));
    EXPECT_EQ(folder.path("walk.keyframe"), selector.getFileName()) << "No restores the default extension";

    ASSERT_EQ(1U, questions().size());
    EXPECT_EQ(ZOR_MESSAGE_QUESTION, questions()[0].kind);
    EXPECT_EQ(OtherExtensionQuestion + chosen + "\nClick \"No\" to restore the default file extension.",
              questions()[0].text);

    host().fileDialog.answerWith(folder.path("walk.txt"));
    host().messages.answerQuestion(true);
    ASSERT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));
    EXPECT_EQ(folder.path("walk.txt"), selector.getFileName()) << "Yes keeps the chosen extension";
}

TEST_F(FileNameSelectorTest, OverwritingAnExistingFileIsAskedOnlyWhenSavingByItsCompletedName)
{
    const std::string existing = folder.path("old.keyframe");
    writeFile(existing, "#!KeyFrame 1");

    host().fileDialog.answerWith(folder.path("old"));
    host().messages.answerQuestion(false);
    EXPECT_FALSE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_FALSE(selector.isConfirmed());
    EXPECT_EQ("animation.keyframe", selector.getFileName());
    ASSERT_EQ(1U, questions().size());
    EXPECT_EQ(ZOR_MESSAGE_QUESTION, questions()[0].kind);
    EXPECT_EQ("The file: " + existing + " exists.\nAre you sure you want to overwrite it?", questions()[0].text);

    host().fileDialog.answerWith(existing);
    host().messages.answerQuestion(true);
    EXPECT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE));
    EXPECT_EQ(existing, selector.getFileName());

    host().fileDialog.answerWith(existing);
    EXPECT_TRUE(selector.selectFileName(ZOR_FILE_DIALOG_OPEN));
    EXPECT_EQ(2U, questions().size()) << "opening never asks about overwriting";
    EXPECT_EQ(0, host().messages.unansweredQuestions());
}
