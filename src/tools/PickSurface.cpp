#include "tools/PickSurface.h"

#include "tools/SurfaceGestures.h"
#include "widgets/QtColors.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

PickSurface::PickSurface(QWidget *parent) : QWidget(parent), m_gestures(new SurfaceGestures(this))
{
    setCursor(Qt::CrossCursor);
}

void PickSurface::setImage(const QImage *image)
{
    m_image = image;
    update();
}

void PickSurface::setPointer(const SurfacePointer &pointer)
{
    if (pointer == m_pointer)
        return;
    // Only the old and new circles need repainting.
    if (m_pointer.visible)
        update(pointerRect(m_pointer).toAlignedRect());
    m_pointer = pointer;
    if (m_pointer.visible)
        update(pointerRect(m_pointer).toAlignedRect());
}

void PickSurface::setPointerDiameter(int diameter)
{
    m_pointerDiameter = std::max(diameter, 3);
    update();
}

// The circle's box, one pixel larger all round for the pen and smoothing.
QRectF PickSurface::pointerRect(const SurfacePointer &pointer) const
{
    const qreal radius = m_pointerDiameter / 2.0;
    const QPointF centre = QPointF(pointer.centre) + QPointF(0.5, 0.5);
    return QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))
        .adjusted(-1, -1, 1, 1);
}

void PickSurface::paintEvent(QPaintEvent *)
{
    emit aboutToPaint();
    QPainter painter(this);
    if (m_image && !m_image->isNull())
        painter.drawImage(QPointF(0, 0), *m_image);
    if (!m_pointer.visible)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(m_pointer.outline), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(pointerRect(m_pointer).adjusted(1.5, 1.5, -1.5, -1.5));
}

void PickSurface::mousePressEvent(QMouseEvent *event)
{
    m_gestures->mouseEvent(event, event->position().toPoint());
}

void PickSurface::mouseMoveEvent(QMouseEvent *event)
{
    m_gestures->mouseEvent(event, event->position().toPoint());
}

void PickSurface::mouseReleaseEvent(QMouseEvent *event)
{
    m_gestures->mouseEvent(event, event->position().toPoint());
}

void PickSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_gestures->mouseEvent(event, event->position().toPoint());
}
