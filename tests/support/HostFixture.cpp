#include "support/HostFixture.h"

#include <algorithm>
#include <sstream>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnEntry.h"
#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/ProcessWide.h"

namespace {

const char* const KeptStylePaths[] = {"GLOBALTHREED LIGHTSOURCE INTENSITY", "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT",
                                      "THREEDAXIS FRAMEAXIS SHOW", "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR",
                                      "INTERFACE USEDISPLAYLISTS"};

void listFirst(std::ostringstream& broken, const char* what, const std::vector<std::string>& calls)
{
    if (!calls.empty())
        broken << calls.size() << " " << what << " calls, the first " << calls.front() << "; ";
}

}  // namespace

void HostFixture::SetUp()
{
    freshHost();
    InitZorAddOn113();
    host().calls.clear();
}

void HostFixture::TearDown()
{
    for (; locksHeld_ > 0; --locksHeld_)
        ZorUtilLockFinish(AddOnId);
    EXPECT_TRUE(hostInvariantsHold());
    discardProcessWideObjects();
}

void HostFixture::chooseItem(int id, const std::string& text)
{
    const std::vector<std::string>& items = control(id).items;
    // An item not there is one past the end, which the user cannot choose.
    widgets().choose(id, 1 + static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin()));
}

std::vector<std::string> HostFixture::messageBoxTexts()
{
    std::vector<std::string> texts;
    for (const zorsim::MessageBox& box : host().messages.messageBoxes())
        texts.push_back(box.text);
    return texts;
}

int HostFixture::scratchDialog()
{
    AddOnLock lock;
    const int dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 1000, 1000, "Scratch", nullptr, nullptr, nullptr);
    ZorGUIDialogLaunch(dialog);
    return dialog;
}

void HostFixture::holdLock()
{
    ZorUtilLockStart(AddOnId);
    ++locksHeld_;
}

void HostFixture::freshHost()
{
    discardProcessWideObjects();
    zorsim::resetHost();
    host().setLogging(logging_ == HostLogging::On);
    keepHostStyles();
}

void HostFixture::keepHostStyles()
{
    for (const char* path : KeptStylePaths)
        keptStyles_[path] = host().styles.value(path);
}

::testing::AssertionResult HostFixture::hostInvariantsHold() const
{
    std::ostringstream broken;
    if (!misuseAllowed_) {
        listFirst(broken, "refused", host().widgets.refusedCalls());
        listFirst(broken, "unlocked", host().widgets.unlockedCalls());
    }
    const zorsim::HandedOutMemory& memory = host().memory;
    if (!memory.nothingOut() || (memory.faults() != 0 && !misuseAllowed_))
        broken << memory.stringsOut() << " strings, " << memory.arraysOut() << " arrays and " << memory.setsOut()
               << " sets not freed, " << memory.faults() << " misuses; ";
    if (!host().lock.isBalanced())
        broken << "lock unbalanced; ";
    if (!host().drawing.isDrawing() || host().drawing.unmatchedOns() != 0)
        broken << "drawing not restored; ";
    for (const auto& [path, value] : keptStyles_)
        if (host().styles.value(path) != value)
            broken << path << " is " << zorsim::styleDataText(host().styles.value(path)) << ", was "
                   << zorsim::styleDataText(value) << "; ";
    if (broken.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << broken.str();
}
