#include "window/FileDialog.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStyle>
#include <QTemporaryFile>

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <cerrno>
#include <cstring>

namespace zorhost {

namespace {

// Icons and type names from the names alone. Qt's own provider reads a
// file's first bytes to tell its type, which blocks the window for good on
// a pipe or on /proc/kmsg.
class NameOnlyIcons : public QFileIconProvider {
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override
    {
        return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    }

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return "Folder";
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }
};

// The kernel's own files: reading some of them waits for the kernel.
bool isSystemFile(const QByteArray& name)
{
    struct statfs system {};
    return ::statfs(name.constData(), &system) == 0 &&
           (system.f_type == PROC_SUPER_MAGIC || system.f_type == SYSFS_MAGIC);
}

// Why no file can be made in `folder`: a file is written beside its target
// and renamed, so the folder must take a new one.
QString folderRefusal(const QString& folder)
{
    if (isSystemFile(QFile::encodeName(folder)))
        return "No file can be saved in " + folder + ", a folder of the system. Choose another folder.";
    QTemporaryFile probe(folder + "/.zorhost-XXXXXX");
    if (probe.open())
        return {};
    return "No file can be saved in the folder " + folder + ": " + probe.errorString() + ". Choose another folder.";
}

}  // namespace

FileDialog::FileDialog(QWidget* parent, const QString& title, bool saving)
    : QFileDialog(parent, title), saving_(saving), icons_(std::make_unique<NameOnlyIcons>())
{
    setObjectName("hostFileDialog");
    setIconProvider(icons_.get());
    setOption(QFileDialog::DontUseNativeDialog);
    // The add-ons ask about an existing file themselves.
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt's dialog selects in its list what the name being typed names, read
    // as a list of quoted names, and a selection writes the names selected
    // back into the field: "my "q" movie.avi" became another file's name.
    // The field keeps what is typed.
    if (auto* edit = findChild<QLineEdit*>("fileNameEdit"))
        disconnect(edit, SIGNAL(textChanged(QString)), this, SLOT(_q_autoCompleteFileName(QString)));
}

FileDialog::~FileDialog() = default;

QString FileDialog::refusal(const QString& path, bool saving)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        const int error = errno;
        if (error == ENOENT && saving)
            return folderRefusal(QFileInfo(path).absolutePath());
        return "Cannot use " + path + ": " + QString::fromLocal8Bit(std::strerror(error)) + ".";
    }
    if (!S_ISREG(status.st_mode))
        return path + " is no plain file (it is a folder, a device, a pipe or a socket). Choose a file.";
    if (isSystemFile(name))
        return path + " is one of the system's files in /proc or /sys. Choose a file of your own.";
    return saving ? folderRefusal(QFileInfo(path).absolutePath()) : QString();
}

QString FileDialog::typedPath() const
{
    const auto* edit = findChild<QLineEdit*>("fileNameEdit");
    QString typed = edit != nullptr ? edit->text() : selectedFiles().value(0);
    if (typed.isEmpty())
        return {};
    if (typed == "~" || typed.startsWith("~/"))
        typed.replace(0, 1, QDir::homePath());
    return QDir::cleanPath(directory().absoluteFilePath(typed));
}

void FileDialog::accept()
{
    const QString path = typedPath();
    // A folder is entered, as the desktop's dialog does.
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        QFileDialog::accept();
        return;
    }
    const QString why = refusal(path, saving_);
    if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    chosen_ = path;
    QDialog::accept();
}

}  // namespace zorhost
