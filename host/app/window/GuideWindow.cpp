#include "window/GuideWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>

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
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(ZORHOST_INSTALLED_GUIDE);
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

QString GuideWindow::helpTopic(const QString& helpPage)
{
    return QFileInfo(helpPage).completeBaseName().replace('_', ' ');
}

bool GuideWindow::showTopic(const QString& topic)
{
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().compare(topic, Qt::CaseInsensitive) != 0)
            continue;
        QTextCursor cursor(block);
        setTextCursor(cursor);
        verticalScrollBar()->setValue(static_cast<int>(document()->documentLayout()->blockBoundingRect(block).top()));
        return true;
    }
    return false;
}

}  // namespace zorhost
