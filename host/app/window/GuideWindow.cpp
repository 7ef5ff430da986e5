#include "window/GuideWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorhost {

GuideWindow::GuideWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName("guide");
    setWindowFlag(Qt::Window);
    setWindowTitle("zorhost user's guide");
    setOpenExternalLinks(true);
    resize(760, 820);
}

QString GuideWindow::guidePath()
{
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(ZORHOST_INSTALLED_GUIDE);
    return QFileInfo::exists(installed) ? QDir::cleanPath(installed) : QString(ZORHOST_SOURCE_GUIDE);
}

bool GuideWindow::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // The guide's pictures sit beside it.
    setSearchPaths({QFileInfo(path).absolutePath()});
    setMarkdown(QString::fromUtf8(file.readAll()));
    return true;
}

}  // namespace zorhost
