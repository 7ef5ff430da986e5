// The add-on's dialogs as a person uses them in the window, with real mouse
// and key events only: from the Tools menu through key frames, animations on
// screen and to a movie file, settings files, help and each dialog's layout.
#include <gmock/gmock.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <set>

#include "support/FfmpegProbe.h"
#include "window/TaskStatus.h"
#include "window/ViewWidget.h"
#include "window/WindowFixture.h"

using ::testing::HasSubstr;
using zorsim::ControlKind;

namespace {

QStringList lines(const QListWidget& list)
{
    QStringList shown;
    for (int row = 0; row < list.count(); ++row)
        shown << list.item(row)->text();
    return shown;
}

// Where the keyboard is in `dialog` once the dialog has it again; null if it does not.
QWidget* keyboardBackIn(QWidget& dialog)
{
    return QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }) ? dialog.focusWidget()
                                                                                          : nullptr;
}

int widestPicture(const QTextBrowser& guide)
{
    int widest = 0;
    for (QTextBlock block = guide.document()->begin(); block.isValid(); block = block.next())
        for (auto part = block.begin(); !part.atEnd(); ++part)
            widest = std::max(widest, static_cast<int>(part.fragment().charFormat().toImageFormat().width()));
    return widest;
}

// Two edges line up, or are clearly apart.
bool onColumns(int edge, int other)
{
    return edge == other || std::abs(edge - other) > zorhost::ColumnGrid::tolerance;
}

// Every control lies in the dialog, without overlapping another but the
// frames that surround them, and its text fits it. Edges a few pixels apart
// are meant to line up, and do; a Help button has the desktop's help icon or none.
void expectLaidOut(const zorhost::DialogWindow& dialog)
{
    SCOPED_TRACE(dialog.windowTitle().toStdString());
    const QList<QWidget*> controls =
        dialog.controlArea()->findChildren<QWidget*>(QRegularExpression("^control"), Qt::FindDirectChildrenOnly);
    ASSERT_GE(controls.size(), 4);
    for (QWidget* widget : controls) {
        const std::string name = widget->objectName().toStdString();
        EXPECT_TRUE(dialog.controlArea()->rect().contains(widget->geometry())) << name;
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label != nullptr    ? label->text()
                             : button != nullptr ? button->text().replace("&&", "\x01").remove('&').replace('\x01', '&')
                                                 : QString();
        for (const QString& line : text.split('\n'))
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(line.trimmed()), widget->width()) << line.toStdString();
        EXPECT_LE(widget->fontMetrics().height() * text.count('\n'), widget->height()) << name;
        for (QWidget* other : controls) {
            EXPECT_TRUE(other <= widget || qobject_cast<QGroupBox*>(widget) != nullptr ||
                        qobject_cast<QGroupBox*>(other) != nullptr || !widget->geometry().intersects(other->geometry()))
                << name << " and " << other->objectName().toStdString();
            const bool sizedByText = label != nullptr || qobject_cast<QLabel*>(other) != nullptr;
            EXPECT_TRUE(onColumns(widget->x(), other->x()) &&
                        (sizedByText || onColumns(widget->geometry().right(), other->geometry().right())))
                << name << " and " << other->objectName().toStdString();
        }
    }
    if (QPushButton* help = dialog.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Help)) {
        EXPECT_TRUE(help->icon().isNull() || help->icon().name() == "help-contents");
    }
}

}  // namespace

class DialogTest : public WindowFixture {};

TEST_F(DialogTest, BuildsKeyFramesAnimatesThemOnScreenAndToAMovieAndKeepsThemInAFile)
{
    pick('T', 'K');
    zorhost::DialogWindow& dialog = dialogTitled("Key Frame Animation");
    focus(dialog);
    QListWidget& list = controlOf<QListWidget>(dialog, ControlKind::List);
    QWidget& animateAll = control(dialog, "A&nimate\nAll");

    // Append by the button, then by its mnemonic (a button pressed so shows
    // itself down for a moment before it acts).
    drag(Qt::LeftButton, {60, 20});
    const QImage first = window().view().picture().copy();
    QTest::mouseClick(&control(dialog, "&Append     "), Qt::LeftButton);
    drag(Qt::LeftButton, {-90, -30});
    focus(dialog);
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&list] { return list.count() == 2; }));

    auto& name = controlOf<QLineEdit>(dialog, ControlKind::TextField, 0);
    auto& frames = controlOf<QLineEdit>(dialog, ControlKind::TextField, 1);
    EXPECT_FALSE(name.isEnabled());
    clickLine(list, 0);
    ASSERT_TRUE(name.isEnabled());
    // Apply shows the key frame at once, in one picture.
    const int drawn = window().view().picturesDrawn();
    QTest::mouseClick(&control(dialog, "A&pply        "), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(first, window().view().picture());
    EXPECT_EQ(drawn + 1, window().view().picturesDrawn());
    typeInto(name, "Start");
    typeInto(frames, "12", Qt::Key_Tab);
    EXPECT_NE(&frames, QApplication::focusWidget()) << "Tab moves on to the next control";
    EXPECT_THAT(list.item(0)->text().toStdString(), HasSubstr("Start"));
    clickLine(list, 1, Qt::ControlModifier);
    EXPECT_EQ(2, list.selectedItems().size());

    // On screen the view changes with every frame; the dialog has the
    // keyboard again afterwards.
    std::set<std::size_t> pictures;
    auto shown = std::move(host().drawing.onRedraw);
    host().drawing.onRedraw = [&](bool full) {
        shown(full);
        const QImage& picture = window().view().picture();
        pictures.insert(qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
    };
    QTest::mouseClick(&animateAll, Qt::LeftButton);
    host().drawing.onRedraw = std::move(shown);
    EXPECT_GE(pictures.size(), 10u);
    EXPECT_EQ(&animateAll, keyboardBackIn(dialog));

    // A long one, stopped from the status bar while the dialog waits.
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
    EXPECT_EQ(&animateAll, keyboardBackIn(dialog));

    // A refused frame count is put back, and the field keeps the keyboard.
    answerMessageBox(QMessageBox::Ok);
    typeInto(frames, "0");
    EXPECT_EQ("5000", frames.text().toStdString());
    EXPECT_EQ(&frames, dialog.focusWidget());
    typeInto(frames, "8");

    // Help: the add-on's page is its section of the user's guide; the Help
    // menu shows the guide from its start, and what is loaded.
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Help),
                      Qt::LeftButton);
    auto* guide = window().findChild<QTextBrowser*>("guide");
    ASSERT_NE(nullptr, guide);
    EXPECT_EQ("Key frame animation", guide->textCursor().block().text().toStdString());
    pick('H', 'U');
    EXPECT_THAT(guide->toPlainText().toStdString(), HasSubstr("zorhost user's guide"));
    // Narrowed, the guide narrows its pictures; Esc closes it.
    guide->resize(300, 400);
    EXPECT_GT(widestPicture(*guide), 100);
    EXPECT_LE(widestPicture(*guide), guide->viewport()->width());
    QTest::keyClick(guide, Qt::Key_Escape);
    EXPECT_FALSE(guide->isVisible());
    std::string about;
    answerMessageBox(QMessageBox::Ok, &about);
    pick('H', 'A');
    EXPECT_THAT(about, HasSubstr("Key Frame Animation V13.1.0.15185"));

    // To File in the destination menu, by the keyboard.
    pick('O', 'A', &dialog);
    zorhost::DialogWindow& timeOptions = dialogTitled("Time Animation Options");
    QTest::keyClick(&timeOptions, Qt::Key_Escape);
    pick('O', 'A', &dialog);
    QTest::mouseClick(timeOptions.findChild<QDialogButtonBox*>("dialogButtons")->button(QDialogButtonBox::Cancel),
                      Qt::LeftButton);
    auto& destination = controlOf<QComboBox>(dialog, ControlKind::OptionMenu);
    destination.setFocus();
    QTest::keyClick(&destination, Qt::Key_Down);
    window().resize(720, 530);
    QTest::qWait(50);
    QTest::mouseClick(&animateAll, Qt::LeftButton);

    // Export Options: MPEG-4, 320 pixels wide, 12 frames a second; Enter
    // is OK, then the movie's file dialog.
    zorhost::DialogWindow& options = dialogTitled("Export Options");
    EXPECT_EQ(&options, QApplication::activeModalWidget());
    for (const zorhost::DialogWindow* laidOut : {&dialog, &timeOptions, &options})
        expectLaidOut(*laidOut);
    // The width of the image on screen is the view's, as resized.
    const QSize view = window().view().size();
    EXPECT_EQ(QString("Dimensions: %1 x %2").arg(view.width()).arg(view.height()),
              controlOf<QLabel>(options, ControlKind::Label, 4).text());
    auto& format = controlOf<QComboBox>(options, ControlKind::OptionMenu, 3);
    format.setFocus();
    QTest::keyClicks(&format, "MPEG-4");
    ASSERT_EQ("MPEG-4", format.currentText().toStdString());
    QTest::mouseClick(controlOf<QWidget>(options, ControlKind::RadioBox, 0).findChildren<QRadioButton*>().at(1),
                      Qt::LeftButton, {}, QPoint(8, 8));
    typeInto(controlOf<QLineEdit>(options, ControlKind::TextField, 0), "320", Qt::Key_Tab);
    typeInto(controlOf<QLineEdit>(options, ControlKind::TextField, 2), "12", Qt::Key_Tab);
    QStringList filters;
    const auto filtersSeen = [&filters](QFileDialog& files) { filters = files.nameFilters(); };
    // A start the host refuses brings one box: the add-on's message, and the host's reason beneath.
    host().exports.refuseStarts(true);
    std::string refused;
    answerFileDialog("road.mp4", filtersSeen);
    answerMessageBox(QMessageBox::Ok, &refused);
    QTest::keyClick(&options, Qt::Key_Return);
    EXPECT_EQ("Unable to start animation export.\nThe host's reason: the host refuses to start movies", refused);
    host().exports.refuseStarts(false);
    focus(dialog);
    QTest::mouseClick(&animateAll, Qt::LeftButton);
    answerFileDialog("road.mp4");
    QTest::keyClick(&options, Qt::Key_Return);
    EXPECT_THAT(filters.join(";").toStdString(), HasSubstr("*.mp4"));
    const MovieProbe movie = probeMovie(file("road.mp4"));
    EXPECT_THAT(movie.size, ::testing::StartsWith("320x"));
    EXPECT_EQ("12/1", movie.frameRate);
    EXPECT_EQ(9, movie.frames);
    EXPECT_THAT(window().taskStatus().findChild<QLabel*>("statusText")->text().toStdString(),
                HasSubstr("Wrote the movie " + file("road.mp4") + ": 9 frames of 320 x "));
    EXPECT_NE(nullptr, keyboardBackIn(dialog));

    // Save As offers the add-on's file type; another extension brings its question,
    // whose No puts its own back. Clear and Open bring the same lines again.
    const QStringList saved = lines(list);
    answerFileDialog("road.txt", filtersSeen);
    answerMessageBox(QMessageBox::No);
    pick('F', 'A', &dialog);
    EXPECT_THAT(filters.join(";").toStdString(), HasSubstr("Key Frame Animation (*.keyframe)"));
    EXPECT_EQ((std::vector<std::string>{"road.keyframe", "road.mp4"}), folder_.entries());
    QTest::mouseClick(&control(dialog, "&Clear         "), Qt::LeftButton);
    EXPECT_NE(saved, lines(list));
    // Typing the name into this Open dialog brings up its completer, which keeps the Enter.
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
}
