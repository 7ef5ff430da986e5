#include "window/DialogBridge.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ZorTypes.h"
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

}  // namespace

DialogBridge::DialogBridge(zorsim::Host& host, QWidget& window) : host_(host), window_(window)
{
    host_.fileDialog.onRun = [this](const zorsim::FileDialogRequest& request) { return chooseFile(request); };
    host_.messages.onMessage = [this](const std::string& text, int kind) { show(text, kind); };
    host_.messages.askQuestion = [this](const std::string& question) { return ask(question); };
    host_.exports.onStartFailed = [this](const std::string& reason) { warn("Cannot start the movie: " + reason); };
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
    QFileDialog dialog(&window_, (saving ? "Save " : "Open ") + (type.isEmpty() ? "File" : type + " File"));
    dialog.setObjectName("hostFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(nameFilter(request));
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void DialogBridge::show(const std::string& text, int kind)
{
    const QString message = QString::fromStdString(text);
    switch (kind) {
    case ZOR_MESSAGE_QUESTION:
        break;
    case ZOR_MESSAGE_ERROR:
        QMessageBox::critical(&window_, hostTitle, message);
        break;
    case ZOR_MESSAGE_WARNING:
        QMessageBox::warning(&window_, hostTitle, message);
        break;
    default:
        QMessageBox::information(&window_, hostTitle, message);
        break;
    }
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
