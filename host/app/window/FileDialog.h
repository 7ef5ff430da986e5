// The desktop's file dialog for the host's file requests, made safe for
// whatever a person types into it:
// - It never reads a file's content to show it (types and icons come from
//   names alone), so a name under /proc, a device or a pipe cannot block the
//   window.
// - The file chosen is exactly the name typed, relative to the folder shown
//   (Qt's own dialog reads double quotes as a list of names).
// - A name that is not a plain file of the person's (a device, a pipe, a
//   socket, a file of /proc or /sys), a missing file to open, or a folder
//   in which no file can be created for saving is refused with a message
//   saying why, and the dialog stays open.
#ifndef ZORHOST_FILE_DIALOG_H
#define ZORHOST_FILE_DIALOG_H

#include <QFileDialog>

#include <memory>

class QAbstractFileIconProvider;

namespace zorhost {

class FileDialog : public QFileDialog {
    Q_OBJECT

public:
    FileDialog(QWidget* parent, const QString& title, bool saving);
    ~FileDialog() override;

    // The full name accepted; empty until the dialog was accepted.
    const QString& chosen() const { return chosen_; }

    // Why `path` cannot be opened (or saved to), in a sentence; empty when
    // it can. Reads no file's content.
    static QString refusal(const QString& path, bool saving);

protected:
    void accept() override;

private:
    // The name in the file name field as a full name; empty when none.
    QString typedPath() const;

    bool saving_;
    std::unique_ptr<QAbstractFileIconProvider> icons_;
    QString chosen_;
};

}  // namespace zorhost

#endif
