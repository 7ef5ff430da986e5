#include "window/DialogBridge.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

#include "ZorTypes.h"
#include "window/FileDialog.h"
#include "window/WindowMemory.h"
#include "zorsim/Host.h"

namespace zorhost {

const char* const hostTitle = "zorhost";

namespace {

QString nameFilter(const zorsim::FileDialogRequest& request)
{
    const QString filter = QString::fromStdString(request.filter);
    const QString type = QString::fromStdString(request.fileTypeName);
    const QString typed = filter.isEmpty() ? QString() : (type.isEmpty() ? filter : type + " (" + filter + ")");
    return typed.isEmpty() ? "All files (*)" : typed + ";;All files (*)";
}

// Where the dialog opens: the folder of the last file of this kind, else
// that of the name the add-on proposes, else the folder zorhost runs in.
QString startFolder(const QString& kind, const QFileInfo& proposed)
{
    const QString remembered = windowMemory::folder(kind);
    if (QFileInfo(remembered).isDir())
        return remembered;
    return proposed.isAbsolute() ? proposed.absolutePath() : QDir::currentPath();
}

}  // namespace

DialogBridge::DialogBridge(zorsim::Host& host, QWidget& window) : host_(host), window_(window)
{
    host_.fileDialog.onRun = [this](const zorsim::FileDialogRequest& request) { return chooseFile(request); };
    host_.messages.onMessage = [this](const std::string& text, int kind) { show(text, kind); };
    host_.messages.askQuestion = [this](const std::string& question) { return ask(question); };
    host_.exports.onStartFailed = [this](const std::string& reason) { heldBack_ = reason; };
}

DialogBridge::~DialogBridge()
{
    host_.fileDialog.onRun = nullptr;
    host_.messages.onMessage = nullptr;
    host_.messages.askQuestion = nullptr;
    host_.exports.onStartFailed = nullptr;
}

std::optional<std::string> DialogBridge::chooseFile(const zorsim::FileDialogRequest& request)
{
    const bool saving = request.option == ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE;
    const QString type = QString::fromStdString(request.fileTypeName);
    const QString kind = type.isEmpty() ? "File" : type;
    FileDialog dialog(&window_, (saving ? "Save " : "Open ") + kind + (type.isEmpty() ? "" : " File"), saving);
    dialog.setNameFilter(nameFilter(request));
    const QFileInfo proposed(QString::fromStdString(request.proposedName));
    dialog.setDirectory(startFolder(kind, proposed));
    if (!request.proposedName.empty())
        dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    windowMemory::setFolder(kind, QFileInfo(dialog.chosen()).absolutePath());
    return dialog.chosen().toStdString();
}

void DialogBridge::show(const std::string& text, int kind)
{
    if (kind == ZOR_MESSAGE_QUESTION)
        return;
    const QMessageBox::Icon icon = kind == ZOR_MESSAGE_ERROR     ? QMessageBox::Critical
                                   : kind == ZOR_MESSAGE_WARNING ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
    QMessageBox box(icon, hostTitle, QString::fromStdString(text), QMessageBox::Ok, &window_);
    if (icon != QMessageBox::Information && !heldBack_.empty())
        box.setInformativeText(QString::fromStdString("The host's reason: " + std::exchange(heldBack_, {})));
    box.exec();
}

void DialogBridge::showHeldBack()
{
    if (!heldBack_.empty())
        warn("Cannot start the movie: " + std::exchange(heldBack_, {}));
}

bool DialogBridge::ask(const std::string& question)
{
    return QMessageBox::question(&window_, hostTitle, QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DialogBridge::warn(const std::string& text)
{
    QMessageBox::warning(&window_, hostTitle, QString::fromStdString(text));
}

}  // namespace zorhost
