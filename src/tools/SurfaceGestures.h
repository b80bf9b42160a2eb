#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// Turns the mouse events of a colour surface into the gestures every colour
// surface answers: a left click, a left double-click, the right button going
// down, and a drag once the pointer moves far enough with the left button
// held. Positions are in the surface's logical pixels.
class SurfaceGestures : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Feeds one mouse event that happened at `pos` on the surface.
    void mouseEvent(QMouseEvent *event, QPoint pos);

signals:
    void clicked(QPoint pos);
    void doubleClicked(QPoint pos);
    void rightPressed(QPoint pos, QPoint globalPos);
    void dragRequested(QPoint pos);

private:
    QPoint m_pressPos;
    bool m_leftDown = false;
};
