#include "window/GuideWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace zorhost {

GuideWindow::GuideWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName("guide");
    setWindowFlag(Qt::Window);
    setWindowTitle("zorhost user's guide");
    setOpenExternalLinks(true);
    const QRect screen = (parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    // At the screen's top right, with room for the desktop's frame around it.
    resize(std::min(760, screen.width() * 9 / 10), std::min(820, screen.height() * 9 / 10));
    move(screen.right() + 1 - width() - screen.width() / 40, screen.top());
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
    fitPictures();
    return true;
}

void GuideWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

void GuideWindow::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    fitPictures();
}

void GuideWindow::fitPictures()
{
    const int room = viewport()->width() - 2 * static_cast<int>(document()->documentMargin());
    const QDir folder(searchPaths().value(0));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextFragment fragment = part.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid())
                continue;
            // The picture file's own size, read from its header.
            const QSize size = QImageReader(folder.filePath(picture.name())).size();
            if (size.isEmpty())
                continue;
            const int width = std::min(size.width(), std::max(room, 1));
            if (static_cast<int>(picture.width()) == width)
                continue;
            picture.setWidth(width);
            picture.setHeight(size.height() * width / size.width());
            QTextCursor cursor(document());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
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
