// Help > User's Guide: the guide (docs/zorhost.md of the sources) in a
// window of its own beside the main window.
#ifndef ZORHOST_GUIDE_WINDOW_H
#define ZORHOST_GUIDE_WINDOW_H

#include <QTextBrowser>

namespace zorhost {

class GuideWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit GuideWindow(QWidget* parent);

    // Reads the guide at `path`; false when it cannot be read.
    bool load(const QString& path);
};

}  // namespace zorhost

#endif
