#include "widgets/ColorSwatch.h"

#include "widgets/ColorAccessible.h"
#include "widgets/ColorDrag.h"
#include "widgets/QtColors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

ColorSwatch::ColorSwatch(QWidget *parent, ColorValue color) : QWidget(parent), m_color(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    ColorAccessible::setColor(this, color);
}

QColor ColorSwatch::shownColor() const
{
    return toQColor(m_color);
}

void ColorSwatch::setColor(ColorValue color)
{
    if (color == m_color)
        return;
    m_color = color;
    ColorAccessible::setColor(this, color);
    update();
    emit colorChanged(color);
}

QSize ColorSwatch::sizeHint() const
{
    return { 19, 19 };
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), shownColor());
    // A hairline keeps white and very light swatches visible on light pages.
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        m_dragged = false;
        m_pressPos = event->position().toPoint();
    }
    emit pressed(event->button(), event->globalPosition().toPoint());
}

void ColorSwatch::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_leftDown || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_dragged = true;
    m_leftDown = false;
    m_tag = QString::number(m_color);
    ColorDrag::start(this, { ColorDrag::SourceKind::Swatch, m_color, m_tag }, m_color);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && m_leftDown && !m_dragged
        && rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click)
        emit clicked();
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
