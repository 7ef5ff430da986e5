#include "window/WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "window/SessionSettings.h"
#include "window/ViewWidget.h"

namespace {

// One application for the whole program, on the platform the program is
// built for: offscreen, where the tests need no display, with a screen of
// 1920 x 1200 pixels, or an X server.
void startApplication()
{
    static int argc = 1;
    static char name[] = "WindowTest";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr)
        return;
    std::string platform = KFA_QT_PLATFORM;
    static TempFolder screen;
    if (platform == "offscreen")
        platform += ":configfile=" + writeFile(screen.path("screen.json"),
                                               R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920,
                                                  "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    new QApplication(argc, argv);
}

}  // namespace

void WindowFixture::SetUp()
{
    HostFixture::SetUp();
    zorhost::SessionSettings::moveTo(QString::fromStdString(config_.root()));
    startApplication();
    waiting_ = std::make_unique<QObject>();
    openWindow();
    window_->resize(640, 560);
    window_->start({});
}

void WindowFixture::openWindow()
{
    window_ = std::make_unique<zorhost::MainWindow>(host());
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowFixture::reopenWindow()
{
    window_->close();
    window_.reset();
    openWindow();
}

void WindowFixture::TearDown()
{
    for (const QObject* step : waiting_->children())
        ADD_FAILURE() << "never came: " << step->objectName().toStdString();
    waiting_.reset();
    window_.reset();
    HostFixture::TearDown();
}

void WindowFixture::focus(QWidget& window)
{
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
}

void WindowFixture::pick(char menu, char entry, QWidget* in)
{
    QWidget& target = in != nullptr ? *in : *window_;
    focus(target);
    QTest::keyClick(&target, static_cast<Qt::Key>(menu), Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(nullptr, popup) << "no menu opened for Alt+" << menu;
    QTest::keyClick(popup, static_cast<Qt::Key>(entry));
}

void WindowFixture::drag(Qt::MouseButton button, QPoint step)
{
    QWidget* view = &window_->view();
    const QPoint from = view->rect().center();
    QTest::mousePress(view, button, {}, from);
    QTest::mouseMove(view, from + step / 2);
    QTest::mouseRelease(view, button, {}, from + step);
}

zorhost::DialogWindow& WindowFixture::dialogTitled(const std::string& title)
{
    zorhost::DialogWindow* dialog = window().dialogs().windowOf(host().widgets.dialogsTitled(title).at(0));
    if (dialog == nullptr)
        throw std::runtime_error("no window for the dialog " + title);
    return *dialog;
}

QWidget& WindowFixture::control(zorhost::DialogWindow& dialog, const std::string& text)
{
    const int id = host().widgets.controlWithText(dialog.dialogId(), text);
    auto* widget = dialog.findChild<QWidget*>("control" + QString::number(id));
    if (widget == nullptr)
        throw std::runtime_error("no widget for the control " + text);
    return *widget;
}

void WindowFixture::clickLine(QListWidget& list, int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualItemRect(list.item(row)).center());
}

void WindowFixture::typeInto(QLineEdit& field, const QString& text, Qt::Key key)
{
    focus(*field.window());
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, key);
}

void WindowFixture::whenReady(std::function<bool()> ready, std::function<void()> step, const char* what)
{
    auto* timer = new QTimer(waiting_.get());
    timer->setObjectName(what);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ready, step] {
        if (!ready())
            return;
        timer->stop();
        // No longer waiting, whether or not an event loop comes to delete it.
        timer->setParent(nullptr);
        timer->deleteLater();
        step();
    });
    timer->start();
}

void WindowFixture::answerFileDialog(const std::string& name, std::function<void(QFileDialog&)> seen)
{
    whenReady([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
              [this, name, seen] {
                  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                  // A person acts only on a dialog that is on the screen.
                  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
                  if (seen)
                      seen(*dialog);
                  auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                  ASSERT_NE(nullptr, edit);
                  dialog->setDirectory(QString::fromStdString(folder_.root()));
                  edit->clear();
                  QTest::keyClicks(edit, QString::fromStdString(name));
                  QTest::keyClick(edit, Qt::Key_Return);
              },
              "a file dialog");
}

void WindowFixture::answerMessageBox(QMessageBox::StandardButton button, std::string* text)
{
    whenReady([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
              [button, text] {
                  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
                  if (text != nullptr)
                      *text = (box->text() + "\n" + box->informativeText()).toStdString();
                  if (box->button(button) == nullptr) {
                      ADD_FAILURE() << "unexpected message box: " << box->text().toStdString();
                      box->reject();
                      return;
                  }
                  QTest::mouseClick(static_cast<QWidget*>(box->button(button)), Qt::LeftButton);
              },
              "a message box");
}
