// Help > User's Guide: the user's guide in a window of its own beside the
// main window.
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
};

}  // namespace zorhost

#endif
