#include "previews/VectorCanvas.h"

#include "previews/VectorImageModel.h"
#include "widgets/ColorDrag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

VectorCanvas::VectorCanvas(const VectorImageModel &model, QWidget *parent)
    : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("pCanvas"));
    setAccessibleName(QStringLiteral("Picture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

QSize VectorCanvas::sizeHint() const
{
    return m_model.canvasSize();
}

void VectorCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect canvas(QPoint(0, 0), m_model.canvasSize());
    // Around the picture when the window is larger than the canvas.
    const QRegion outside = QRegion(event->rect()).subtracted(canvas);
    for (const QRect &rect : outside)
        painter.fillRect(rect, palette().color(QPalette::Window));
    painter.setClipRect(event->rect() & canvas);
    painter.drawImage(canvas, m_model.picture());
}

void VectorCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit contextMenuRequested(event->position(), event->globalPosition().toPoint());
}

void VectorCanvas::dragEnterEvent(QDragEnterEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void VectorCanvas::dragMoveEvent(QDragMoveEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void VectorCanvas::dropEvent(QDropEvent *event)
{
    const std::optional<ColorValue> color = ColorDrag::colorFromMime(event->mimeData());
    if (!color) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit colorDropped(*color, event->position());
}
