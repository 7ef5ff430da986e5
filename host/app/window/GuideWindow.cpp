#include "window/GuideWindow.h"

#include <QFile>

namespace zorhost {

GuideWindow::GuideWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName("guide");
    setWindowFlag(Qt::Window);
    setWindowTitle("zorhost user's guide");
    setOpenExternalLinks(true);
    resize(760, 820);
}

bool GuideWindow::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    setMarkdown(QString::fromUtf8(file.readAll()));
    return true;
}

}  // namespace zorhost
