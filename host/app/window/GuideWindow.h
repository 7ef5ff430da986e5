// Help > User's Guide: the user's guide in a window of its own beside the
// main window, no larger than the screen, closed by Esc. Its pictures are
// scaled down to the window's width. An add-on's help page
// ("zorvan/export_options.html") is the guide's section of that name
// ("Export options"), shown at the top.
#ifndef ZORHOST_GUIDE_WINDOW_H
#define ZORHOST_GUIDE_WINDOW_H

#include <QTextBrowser>

namespace zorhost {

class GuideWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit GuideWindow(QWidget* parent);

    // The installed guide, relative to the program's folder, when it is
    // there; otherwise the guide of the sources zorhost was built from.
    static QString guidePath();

    // Reads the guide at `path`; false when it cannot be read.
    bool load(const QString& path);

    // The section heading of a help page: its file name without folder and
    // extension, underscores as blanks.
    static QString helpTopic(const QString& helpPage);
    // Scrolls to the heading `topic` (in any case); false when the guide
    // has none.
    bool showTopic(const QString& topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Each picture as wide as it is, or as the window where that is less.
    void fitPictures();
};

}  // namespace zorhost

#endif
