#include "tools/SurfaceGestures.h"

#include <QApplication>
#include <QMouseEvent>

void SurfaceGestures::mouseEvent(QMouseEvent *event, QPoint pos)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            m_leftDown = true;
            m_pressPos = pos;
        } else if (event->button() == Qt::RightButton) {
            emit rightPressed(pos, event->globalPosition().toPoint());
        }
        break;
    case QEvent::MouseMove:
        if (!m_leftDown || !(event->buttons() & Qt::LeftButton))
            break;
        if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
            break;
        m_leftDown = false;
        emit dragRequested(pos);
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton && m_leftDown) {
            m_leftDown = false;
            emit clicked(m_pressPos);
        }
        break;
    case QEvent::MouseButtonDblClick:
        // The press of a double-click: the click before it has already run.
        if (event->button() == Qt::LeftButton)
            emit doubleClicked(pos);
        break;
    default:
        break;
    }
}
