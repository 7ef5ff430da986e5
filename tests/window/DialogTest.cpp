// The add-on's dialogs as a person uses them in the window, on Qt's
// offscreen platform, with real mouse and key events only: the road from
// the Tools menu through key frames, animations on screen and to a movie
// file, settings files and help, and the layout of each dialog.
#include <gmock/gmock.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <filesystem>
#include <set>

#include "support/FfmpegProbe.h"
#include "window/DialogLayer.h"
#include "window/TaskStatus.h"
#include "window/ViewWidget.h"
#include "window/WindowFixture.h"

using ::testing::HasSubstr;

namespace {

const char* const mainTitle = "Key Frame Animation";

QString withoutMnemonic(QString text)
{
    return text.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

}  // namespace

class DialogTest : public WindowFixture {
protected:
    zorhost::DialogWindow& dialogTitled(const std::string& title)
    {
        const std::vector<int> ids = host().widgets.dialogsTitled(title);
        zorhost::DialogWindow* dialog = ids.empty() ? nullptr : window().dialogs().windowOf(ids.front());
        if (dialog == nullptr)
            throw std::runtime_error("no window for the dialog " + title);
        return *dialog;
    }

    // The widget of the control of `dialog` showing `text`.
    template <typename Widget = QWidget>
    Widget& control(zorhost::DialogWindow& dialog, const std::string& text)
    {
        const int id = host().widgets.controlWithText(dialog.dialogId(), text);
        auto* widget = dialog.findChild<Widget*>("control" + QString::number(id));
        if (widget == nullptr)
            throw std::runtime_error("no widget for the control " + text);
        return *widget;
    }

    // The n-th control of `kind` in `dialog`.
    template <typename Widget>
    Widget& controlOf(zorhost::DialogWindow& dialog, zorsim::ControlKind kind, std::size_t n = 0)
    {
        const int id = host().widgets.controlsOf(dialog.dialogId(), kind).at(n);
        return *dialog.findChild<Widget*>("control" + QString::number(id));
    }

    zorhost::DialogWindow& openMainDialog()
    {
        pick('T', 'K');
        zorhost::DialogWindow& dialog = dialogTitled(mainTitle);
        focus(dialog);
        return dialog;
    }

    static void focus(QWidget& dialog)
    {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    }

    QListWidget& keyFrameList(zorhost::DialogWindow& dialog)
    {
        return controlOf<QListWidget>(dialog, zorsim::ControlKind::List);
    }

    static void clickLine(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualItemRect(list.item(row)).center());
    }

    // Types `text` over a field's content, then presses `key` (Enter or Tab).
    static void typeInto(QWidget& field, const QString& text, Qt::Key key = Qt::Key_Return)
    {
        auto* edit = qobject_cast<QLineEdit*>(&field);
        ASSERT_NE(nullptr, edit);
        focus(*edit->window());
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, key);
    }

    // Opens the dialog's menu whose mnemonic is `menu` with Alt and that
    // letter, then picks the entry by its mnemonic.
    static void pickInDialog(QWidget& dialog, char menu, char entry)
    {
        focus(dialog);
        QTest::keyClick(&dialog, static_cast<Qt::Key>(menu), Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(nullptr, popup) << "Alt+" << menu << " opened no menu";
        QTest::keyClick(popup, static_cast<Qt::Key>(entry));
    }

    // Presses the button whose mnemonic is `key` with Alt and that letter; a
    // button pressed so shows itself down for a moment before it acts.
    static void pressMnemonic(QWidget& dialog, Qt::Key key, const std::function<bool()>& done)
    {
        focus(dialog);
        QTest::keyClick(&dialog, key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor(done));
    }

    // Turns the view a little and presses Append.
    void turnAndAppend(zorhost::DialogWindow& dialog, int pixels)
    {
        drag(Qt::LeftButton, {pixels, pixels / 3});
        QTest::mouseClick(&control(dialog, "&Append     "), Qt::LeftButton);
    }

    static QStringList lines(const QListWidget& list)
    {
        QStringList shown;
        for (int row = 0; row < list.count(); ++row)
            shown << list.item(row)->text();
        return shown;
    }

    // The view's pictures, one for each redraw while `run` runs.
    std::vector<QImage> picturesWhile(const std::function<void()>& run)
    {
        std::vector<QImage> pictures;
        auto shown = std::move(host().drawing.onRedraw);
        host().drawing.onRedraw = [&](bool full) {
            shown(full);
            pictures.push_back(window().view().picture().copy());
        };
        run();
        host().drawing.onRedraw = std::move(shown);
        return pictures;
    }

    // The guide's heading at the cursor, after Help.
    std::string guideHeading() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* guide = qobject_cast<QTextBrowser*>(widget); guide != nullptr && guide->isVisible())
                return guide->textCursor().block().text().toStdString();
        return "";
    }
};

TEST_F(DialogTest, BuildsKeyFramesAnimatesThemAndStopsALongAnimation)
{
    zorhost::DialogWindow& dialog = openMainDialog();
    EXPECT_EQ(mainTitle, dialog.windowTitle().toStdString());
    QListWidget& list = keyFrameList(dialog);
    QWidget& animateAll = control(dialog, "A&nimate\nAll");
    EXPECT_FALSE(animateAll.isEnabled());

    turnAndAppend(dialog, 60);
    drag(Qt::LeftButton, {-90, -30});
    pressMnemonic(dialog, Qt::Key_A, [&list] { return list.count() == 2; });
    ASSERT_EQ(2, list.count());
    EXPECT_THAT(list.item(0)->text().toStdString(), HasSubstr("View 1"));
    EXPECT_TRUE(animateAll.isEnabled());
    EXPECT_TRUE(list.selectedItems().isEmpty());

    QWidget& name = controlOf<QLineEdit>(dialog, zorsim::ControlKind::TextField, 0);
    QWidget& frames = controlOf<QLineEdit>(dialog, zorsim::ControlKind::TextField, 1);
    QWidget& animateSelected = control(dialog, "  Animate \n&Selected");
    QWidget& apply = control(dialog, "A&pply        ");
    EXPECT_FALSE(name.isEnabled());
    clickLine(list, 0);
    ASSERT_TRUE(name.isEnabled());
    typeInto(name, "Start");
    typeInto(frames, "12", Qt::Key_Tab);
    EXPECT_NE(&frames, QApplication::focusWidget()) << "Tab moves on to the next control";
    EXPECT_THAT(list.item(0)->text().toStdString(), HasSubstr("Start"));
    EXPECT_EQ("12", qobject_cast<QLineEdit*>(&frames)->text().toStdString());

    // Two selected: one name cannot stand for both, a range can be played.
    clickLine(list, 1, Qt::ControlModifier);
    EXPECT_EQ(2, list.selectedItems().size());
    EXPECT_FALSE(name.isEnabled());
    EXPECT_FALSE(apply.isEnabled());
    EXPECT_TRUE(frames.isEnabled());
    EXPECT_TRUE(animateSelected.isEnabled());
    clickLine(list, 1);
    EXPECT_FALSE(animateSelected.isEnabled());
    EXPECT_TRUE(apply.isEnabled());

    // On screen the view changes with every frame and ends on the last key
    // frame; the dialog has the keyboard again afterwards.
    const std::vector<QImage> pictures = picturesWhile([&] { QTest::mouseClick(&animateAll, Qt::LeftButton); });
    EXPECT_GE(pictures.size(), 12u);
    std::set<std::size_t> distinct;
    for (const QImage& picture : pictures)
        distinct.insert(qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
    EXPECT_GE(distinct.size(), 10u);
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    EXPECT_EQ(&animateAll, dialog.focusWidget());

    // A long one, stopped from the status bar.
    clickLine(list, 0);
    typeInto(frames, "5000");
    auto* stop = window().taskStatus().findChild<QPushButton*>("stopButton");
    whenReady([] { return host().status.isShown() && host().status.checks() > 3; },
              [&] {
                  EXPECT_FALSE(dialog.isEnabled());
                  QTest::mouseClick(stop, Qt::LeftButton);
              });
    std::string shown;
    answerMessageBox(QMessageBox::Ok, &shown);
    QTest::mouseClick(&animateAll, Qt::LeftButton);
    EXPECT_THAT(shown, HasSubstr("Animation canceled."));
    EXPECT_LT(host().status.checks(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    EXPECT_EQ(&animateAll, dialog.focusWidget());

    // A refused frame count is put back, and the field keeps the keyboard.
    answerMessageBox(QMessageBox::Ok, &shown);
    typeInto(frames, "0");
    EXPECT_EQ("5000", qobject_cast<QLineEdit*>(&frames)->text().toStdString());
    EXPECT_EQ(&frames, dialog.focusWidget());

    // Help: the add-on's page is its section of the user's guide.
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Help),
                      Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"zorvan/key_frame_animation.html"}, host().messages.helpPages());
    EXPECT_EQ("Key frame animation", guideHeading());
}

TEST_F(DialogTest, AnimatesToAMovieFileSavesOpensAndClosesForA2DFrame)
{
    zorhost::DialogWindow& dialog = openMainDialog();
    QListWidget& list = keyFrameList(dialog);
    turnAndAppend(dialog, 40);
    turnAndAppend(dialog, 40);
    clickLine(list, 0);
    typeInto(controlOf<QLineEdit>(dialog, zorsim::ControlKind::TextField, 1), "8");

    auto& destination = controlOf<QComboBox>(dialog, zorsim::ControlKind::OptionMenu);
    destination.setFocus();
    QTest::keyClick(&destination, Qt::Key_Down);
    EXPECT_EQ("To File", destination.currentText().toStdString());
    QTest::mouseClick(&control(dialog, "A&nimate\nAll"), Qt::LeftButton);

    // Export Options: MPEG-4, 320 pixels wide, 12 frames a second; Enter
    // is OK, then the movie's file dialog.
    zorhost::DialogWindow& options = dialogTitled("Export Options");
    ASSERT_TRUE(options.isVisible());
    EXPECT_EQ(&options, QApplication::activeModalWidget());
    auto& format = controlOf<QComboBox>(options, zorsim::ControlKind::OptionMenu, 3);
    format.setFocus();
    for (int tries = 0; tries < format.count() && format.currentText() != "MPEG-4"; ++tries)
        QTest::keyClick(&format, format.currentIndex() < format.findText("MPEG-4") ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ("MPEG-4", format.currentText().toStdString());
    QTest::mouseClick(controlOf<QWidget>(options, zorsim::ControlKind::RadioBox, 0).findChildren<QRadioButton*>().at(1),
                      Qt::LeftButton, {}, QPoint(8, 8));
    typeInto(controlOf<QLineEdit>(options, zorsim::ControlKind::TextField, 0), "320", Qt::Key_Tab);
    typeInto(controlOf<QLineEdit>(options, zorsim::ControlKind::TextField, 2), "12", Qt::Key_Tab);
    QStringList filters;
    answerFileDialog(file("road.mp4"), [&filters](QFileDialog& files) { filters = files.nameFilters(); });
    QTest::keyClick(&options, Qt::Key_Return);
    EXPECT_FALSE(options.isVisible());
    EXPECT_THAT(filters.join(";").toStdString(), HasSubstr("*.mp4"));
    const MovieProbe movie = probeMovie(file("road.mp4"));
    EXPECT_THAT(movie.size, ::testing::StartsWith("320x"));
    EXPECT_EQ("12/1", movie.frameRate);
    EXPECT_EQ(9, movie.frames);
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));

    // Save As, Clear, Open: the same lines again.
    const QStringList saved = lines(list);
    answerFileDialog(file("road.keyframe"));
    pickInDialog(dialog, 'F', 'A');
    ASSERT_TRUE(std::filesystem::exists(file("road.keyframe")));
    QTest::mouseClick(&control(dialog, "&Clear         "), Qt::LeftButton);
    EXPECT_EQ(QStringList{"No Key Frames established."}, lines(list));
    whenReady([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
              [this] {
                  auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                  files->selectFile(QString::fromStdString(file("road.keyframe")));
                  QTest::keyClick(files, Qt::Key_Return);
              });
    pickInDialog(dialog, 'F', 'O');
    EXPECT_EQ(saved, lines(list));

    // A 2D frame: the add-on drops its dialog.
    EXPECT_TRUE(window().playMacroFile(writeFile("flat.mcr", "$!FRAMESETUP PLOTTYPE = CARTESIAN2D\n")));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(host().widgets.refusedCalls().empty());
}

TEST_F(DialogTest, EveryControlLiesInItsDialogWithoutOverlapAndItsTextFits)
{
    zorhost::DialogWindow& main = openMainDialog();
    turnAndAppend(main, 30);
    turnAndAppend(main, 30);
    pickInDialog(main, 'O', 'A');
    zorhost::DialogWindow& timeOptions = dialogTitled("Time Animation Options");
    QTest::keyClick(&timeOptions, Qt::Key_Escape);
    auto& destination = controlOf<QComboBox>(main, zorsim::ControlKind::OptionMenu);
    destination.setFocus();
    QTest::keyClick(&destination, Qt::Key_Down);
    QTest::mouseClick(&control(main, "A&nimate\nAll"), Qt::LeftButton);
    zorhost::DialogWindow& exportOptions = dialogTitled("Export Options");

    for (zorhost::DialogWindow* dialog : {&main, &timeOptions, &exportOptions}) {
        const std::string title = dialog->windowTitle().toStdString();
        const QRect area = dialog->controlArea()->rect();
        std::vector<QWidget*> controls;
        for (QWidget* widget : dialog->controlArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (widget->objectName().startsWith("control"))
                controls.push_back(widget);
        ASSERT_GE(controls.size(), 4u) << title;
        for (QWidget* widget : controls) {
            const QString name = widget->objectName();
            EXPECT_TRUE(area.contains(widget->geometry())) << title << ": " << name.toStdString();
            const QFontMetrics metrics(widget->font());
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = withoutMnemonic(button->text());
            for (const QString& line : text.split('\n'))
                EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), widget->width())
                    << title << ": " << line.toStdString();
            EXPECT_LE(metrics.height() * text.count('\n'), widget->height()) << title << ": " << text.toStdString();
            // Frames surround other controls; nothing else overlaps.
            if (qobject_cast<QGroupBox*>(widget) != nullptr)
                continue;
            for (QWidget* other : controls) {
                if (other < widget && qobject_cast<QGroupBox*>(other) == nullptr) {
                    EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                        << title << ": " << name.toStdString() << " and " << other->objectName().toStdString();
                }
            }
        }
    }
    QTest::mouseClick(exportOptions.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Cancel),
                      Qt::LeftButton);
    EXPECT_FALSE(exportOptions.isVisible());
}
