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
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <filesystem>
#include <set>

#include "support/FfmpegProbe.h"
#include "window/TaskStatus.h"
#include "window/ViewWidget.h"
#include "window/WindowFixture.h"

using ::testing::HasSubstr;
using zorsim::ControlKind;

namespace {

const char* const mainTitle = "Key Frame Animation";

QString withoutMnemonic(QString text)
{
    return text.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

QStringList lines(const QListWidget& list)
{
    QStringList shown;
    for (int row = 0; row < list.count(); ++row)
        shown << list.item(row)->text();
    return shown;
}

// Holds once `dialog` has the keyboard again.
bool regainsFocus(QWidget& dialog)
{
    return QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; });
}

}  // namespace

class DialogTest : public WindowFixture {
protected:
    zorhost::DialogWindow& openMainDialog()
    {
        pick('T', 'K');
        zorhost::DialogWindow& dialog = dialogTitled(mainTitle);
        focus(dialog);
        return dialog;
    }

    // Turns the view a little and presses Append.
    void turnAndAppend(zorhost::DialogWindow& dialog, int pixels)
    {
        drag(Qt::LeftButton, {pixels, pixels / 3});
        QTest::mouseClick(&control(dialog, "&Append     "), Qt::LeftButton);
    }

    // Picks To File in the main dialog's destination menu by the keyboard.
    void chooseToFile(zorhost::DialogWindow& dialog)
    {
        auto& destination = controlOf<QComboBox>(dialog, ControlKind::OptionMenu);
        destination.setFocus();
        QTest::keyClick(&destination, Qt::Key_Down);
        EXPECT_EQ("To File", destination.currentText().toStdString());
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
};

TEST_F(DialogTest, BuildsKeyFramesAnimatesThemAndStopsALongAnimation)
{
    zorhost::DialogWindow& dialog = openMainDialog();
    EXPECT_EQ(mainTitle, dialog.windowTitle().toStdString());
    QListWidget& list = controlOf<QListWidget>(dialog, ControlKind::List);
    QWidget& animateAll = control(dialog, "A&nimate\nAll");
    EXPECT_FALSE(animateAll.isEnabled());

    // Append by the button, then by its mnemonic (a button pressed so shows
    // itself down for a moment before it acts).
    turnAndAppend(dialog, 60);
    drag(Qt::LeftButton, {-90, -30});
    focus(dialog);
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&list] { return list.count() == 2; }));
    EXPECT_THAT(list.item(0)->text().toStdString(), HasSubstr("View 1"));
    EXPECT_TRUE(animateAll.isEnabled());
    EXPECT_TRUE(list.selectedItems().isEmpty());

    QWidget& name = controlOf<QLineEdit>(dialog, ControlKind::TextField, 0);
    auto& frames = controlOf<QLineEdit>(dialog, ControlKind::TextField, 1);
    EXPECT_FALSE(name.isEnabled());
    clickLine(list, 0);
    ASSERT_TRUE(name.isEnabled());
    typeInto(name, "Start");
    typeInto(frames, "12", Qt::Key_Tab);
    EXPECT_NE(&frames, QApplication::focusWidget()) << "Tab moves on to the next control";
    EXPECT_THAT(list.item(0)->text().toStdString(), HasSubstr("Start"));
    EXPECT_EQ("12", frames.text().toStdString());

    // Two selected: one name cannot stand for both, a range can be played.
    clickLine(list, 1, Qt::ControlModifier);
    EXPECT_EQ(2, list.selectedItems().size());
    EXPECT_FALSE(name.isEnabled());
    EXPECT_TRUE(control(dialog, "  Animate \n&Selected").isEnabled());

    // On screen the view changes with every frame and ends on the last key
    // frame; the dialog has the keyboard again afterwards.
    const std::vector<QImage> pictures = picturesWhile([&] { QTest::mouseClick(&animateAll, Qt::LeftButton); });
    EXPECT_GE(pictures.size(), 12u);
    std::set<std::size_t> distinct;
    for (const QImage& picture : pictures)
        distinct.insert(qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
    EXPECT_GE(distinct.size(), 10u);
    EXPECT_TRUE(regainsFocus(dialog));
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
    answerMessageBox(QMessageBox::Ok);
    QTest::mouseClick(&animateAll, Qt::LeftButton);
    EXPECT_LT(host().status.checks(), 1000);
    EXPECT_TRUE(regainsFocus(dialog));
    EXPECT_EQ(&animateAll, dialog.focusWidget());

    // A refused frame count is put back, and the field keeps the keyboard.
    answerMessageBox(QMessageBox::Ok);
    typeInto(frames, "0");
    EXPECT_EQ("5000", frames.text().toStdString());
    EXPECT_EQ(&frames, dialog.focusWidget());

    // Help: the add-on's page is its section of the user's guide.
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Help),
                      Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"zorvan/key_frame_animation.html"}, host().messages.helpPages());
    auto* guide = window().findChild<QTextBrowser*>("guide");
    ASSERT_NE(nullptr, guide);
    EXPECT_EQ("Key frame animation", guide->textCursor().block().text().toStdString());
}

TEST_F(DialogTest, AnimatesToAMovieFileSavesOpensAndClosesForA2DFrame)
{
    zorhost::DialogWindow& dialog = openMainDialog();
    QListWidget& list = controlOf<QListWidget>(dialog, ControlKind::List);
    turnAndAppend(dialog, 40);
    turnAndAppend(dialog, 40);
    clickLine(list, 0);
    typeInto(controlOf<QLineEdit>(dialog, ControlKind::TextField, 1), "8");
    chooseToFile(dialog);
    QTest::mouseClick(&control(dialog, "A&nimate\nAll"), Qt::LeftButton);

    // Export Options: MPEG-4, 320 pixels wide, 12 frames a second; Enter
    // is OK, then the movie's file dialog.
    zorhost::DialogWindow& options = dialogTitled("Export Options");
    EXPECT_EQ(&options, QApplication::activeModalWidget());
    auto& format = controlOf<QComboBox>(options, ControlKind::OptionMenu, 3);
    format.setFocus();
    for (int tries = 0; tries < format.count() && format.currentText() != "MPEG-4"; ++tries)
        QTest::keyClick(&format, format.currentIndex() < format.findText("MPEG-4") ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ("MPEG-4", format.currentText().toStdString());
    QTest::mouseClick(controlOf<QWidget>(options, ControlKind::RadioBox, 0).findChildren<QRadioButton*>().at(1),
                      Qt::LeftButton, {}, QPoint(8, 8));
    typeInto(controlOf<QLineEdit>(options, ControlKind::TextField, 0), "320", Qt::Key_Tab);
    typeInto(controlOf<QLineEdit>(options, ControlKind::TextField, 2), "12", Qt::Key_Tab);
    QStringList filters;
    answerFileDialog(file("road.mp4"), [&filters](QFileDialog& files) { filters = files.nameFilters(); });
    QTest::keyClick(&options, Qt::Key_Return);
    EXPECT_FALSE(options.isVisible());
    EXPECT_THAT(filters.join(";").toStdString(), HasSubstr("*.mp4"));
    const MovieProbe movie = probeMovie(file("road.mp4"));
    EXPECT_THAT(movie.size, ::testing::StartsWith("320x"));
    EXPECT_EQ("12/1", movie.frameRate);
    EXPECT_EQ(9, movie.frames);
    EXPECT_TRUE(regainsFocus(dialog));

    // Save As asks for a file of the add-on's type; a name with another
    // extension brings the add-on's question, and No puts its own back.
    // Then Clear and Open: the same lines again.
    const QStringList saved = lines(list);
    answerFileDialog(file("road.txt"), [&filters](QFileDialog& files) { filters = files.nameFilters(); });
    std::string question;
    answerMessageBox(QMessageBox::No, &question);
    pick('F', 'A', &dialog);
    EXPECT_EQ(QStringList({"Key Frame Animation (*.keyframe)", "All files (*)"}), filters);
    EXPECT_THAT(question, HasSubstr("an extension other than the default"));
    ASSERT_TRUE(std::filesystem::exists(file("road.keyframe")));
    EXPECT_FALSE(std::filesystem::exists(file("road.txt")));
    QTest::mouseClick(&control(dialog, "&Clear         "), Qt::LeftButton);
    EXPECT_EQ(QStringList{"No Key Frames established."}, lines(list));
    whenReady([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
              [this] {
                  auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                  files->selectFile(QString::fromStdString(file("road.keyframe")));
                  QTest::keyClick(files, Qt::Key_Return);
              });
    pick('F', 'O', &dialog);
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
    pick('O', 'A', &main);
    zorhost::DialogWindow& timeOptions = dialogTitled("Time Animation Options");
    QTest::keyClick(&timeOptions, Qt::Key_Escape);
    chooseToFile(main);
    QTest::mouseClick(&control(main, "A&nimate\nAll"), Qt::LeftButton);
    zorhost::DialogWindow& exportOptions = dialogTitled("Export Options");

    for (zorhost::DialogWindow* dialog : {&main, &timeOptions, &exportOptions}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        const QRect area = dialog->controlArea()->rect();
        std::vector<QWidget*> controls;
        for (QWidget* widget : dialog->controlArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (widget->objectName().startsWith("control"))
                controls.push_back(widget);
        ASSERT_GE(controls.size(), 4u);
        for (QWidget* widget : controls) {
            const std::string name = widget->objectName().toStdString();
            EXPECT_TRUE(area.contains(widget->geometry())) << name;
            const QFontMetrics metrics(widget->font());
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = withoutMnemonic(button->text());
            for (const QString& line : text.split('\n'))
                EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), widget->width()) << line.toStdString();
            EXPECT_LE(metrics.height() * text.count('\n'), widget->height()) << text.toStdString();
            // Frames surround other controls; nothing else overlaps.
            if (qobject_cast<QGroupBox*>(widget) != nullptr)
                continue;
            for (QWidget* other : controls) {
                if (other < widget && qobject_cast<QGroupBox*>(other) == nullptr) {
                    EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
    }
    QTest::mouseClick(exportOptions.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Cancel),
                      Qt::LeftButton);
    EXPECT_FALSE(exportOptions.isVisible());
}
