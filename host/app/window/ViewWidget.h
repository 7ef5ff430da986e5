// The 3D view of the main window: the host's current frame drawn by the
// same renderer as movies and contact sheets, at the widget's size, and the
// mouse on it. Left drag turns the view, middle or right drag moves it, the
// wheel zooms (see ViewNavigator).
//
// The picture is drawn anew at each host redraw and at each repaint of a
// change the host says waits (drawNow, so that an animation shows every
// frame while it plays) and when the widget's size changes; other paints
// show the last picture.
#ifndef ZORHOST_VIEW_WIDGET_H
#define ZORHOST_VIEW_WIDGET_H

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

#include "player/FrameDataStore.h"
#include "render/Renderer.h"
#include "window/ViewNavigator.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class ViewWidget : public QWidget {
    Q_OBJECT

public:
    ViewWidget(zorsim::Host& host, const FrameDataStore& frameData, QWidget* parent = nullptr);
    ~ViewWidget() override;

    // Draws the host's current frame and shows it before returning; the
    // host's changes are shown then.
    void drawNow();
    // How many pictures were drawn.
    int picturesDrawn() const { return picturesDrawn_; }
    // While false (a task runs), the mouse and the wheel do nothing.
    void setInteractive(bool interactive) { interactive_ = interactive; }
    ViewNavigator& navigator() { return navigator_; }
    // The last picture shown.
    const QImage& picture() const { return picture_; }

    // Told after each change the user made to the view.
    std::function<void()> onUserChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void render();
    // The drag goes on to `at`: the view turns or moves by the step.
    void dragTo(const QPoint& at);
    void userChanged();

    zorsim::Host& host_;
    const FrameDataStore& frameData_;
    ViewNavigator navigator_;
    std::unique_ptr<Renderer> renderer_;
    // Why nothing can be drawn; empty while drawing works.
    QString renderProblem_;
    Image image_;
    QImage picture_;
    bool interactive_ = true;
    int picturesDrawn_ = 0;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint dragFrom_;
};

}  // namespace zorhost

#endif
