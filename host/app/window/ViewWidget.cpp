#include "window/ViewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "player/HostScene.h"
#include "zorsim/Host.h"

namespace zorhost {

ViewWidget::ViewWidget(zorsim::Host& host, const FrameDataStore& frameData, QWidget* parent)
    : QWidget(parent), host_(host), frameData_(frameData), navigator_(host, frameData)
{
    setObjectName("view");
    setMinimumSize(160, 120);
    setFocusPolicy(Qt::ClickFocus);
    // The picture covers the whole widget; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    try {
        renderer_ = createGlRenderer();
    } catch (const RenderError& error) {
        renderProblem_ = QString("cannot draw: ") + error.what();
    }
}

ViewWidget::~ViewWidget() = default;

void ViewWidget::drawNow()
{
    render();
    repaint();
}

void ViewWidget::render()
{
    host_.drawing.changesShown();
    if (renderer_ == nullptr)
        return;
    ++picturesDrawn_;
    try {
        image_ = renderer_->render(currentScene(host_, frameData_, width(), height()));
        // Refers to image_'s pixels, which stay until the next picture.
        picture_ = QImage(image_.rgb.data(), image_.width, image_.height, image_.width * 3, QImage::Format_RGB888);
        renderProblem_.clear();
    } catch (const RenderError& error) {
        renderProblem_ = QString("cannot draw: ") + error.what();
    }
}

void ViewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!renderProblem_.isEmpty() || picture_.isNull()) {
        painter.fillRect(rect(), palette().dark());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, renderProblem_);
        return;
    }
    painter.drawImage(0, 0, picture_);
}

void ViewWidget::resizeEvent(QResizeEvent*)
{
    // The host measures its frames on the screen by the view.
    host_.frames.showIn(width(), height());
    render();
}

void ViewWidget::mousePressEvent(QMouseEvent* event)
{
    if (!interactive_ || dragButton_ != Qt::NoButton)
        return;
    dragButton_ = event->button();
    dragFrom_ = event->position().toPoint();
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (interactive_ && dragButton_ != Qt::NoButton)
        dragTo(event->position().toPoint());
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != dragButton_)
        return;
    if (interactive_)
        dragTo(event->position().toPoint());
    dragButton_ = Qt::NoButton;
    navigator_.finishGesture();
    userChanged();
}

void ViewWidget::dragTo(const QPoint& at)
{
    const QPoint step = at - dragFrom_;
    dragFrom_ = at;
    if (dragButton_ == Qt::LeftButton)
        navigator_.turn(step.x(), step.y());
    else
        navigator_.move(step.x(), step.y(), width());
}

void ViewWidget::wheelEvent(QWheelEvent* event)
{
    if (!interactive_)
        return;
    // One step of a common wheel is 120 eighths of a degree.
    navigator_.zoom(event->angleDelta().y() / 120.0);
    userChanged();
}

void ViewWidget::userChanged()
{
    if (onUserChange)
        onUserChange();
}

}  // namespace zorhost
