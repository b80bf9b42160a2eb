#include "picker/PickerScreenCover.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

PickerScreenCover::PickerScreenCover(
    const PlatformServices::ScreenShot &shot, int screenIndex, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::NoDropShadowWindowHint),
      m_shot(shot), m_screenIndex(screenIndex)
{
    setObjectName(QStringLiteral("pctScreen%1").arg(screenIndex));
    setWindowTitle(QStringLiteral("Eyedropper Tool"));
    setAccessibleName(QStringLiteral("Frozen screen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

void PickerScreenCover::cover()
{
    // The shots come in the order of the application's screens; the index
    // also tells apart screens that share their rectangle (separate X
    // screens). The native window goes to its screen before it is shown, so
    // that it takes that screen's device pixel ratio from the start.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *screen
        = m_screenIndex < screens.size() && screens[m_screenIndex]->geometry() == m_shot.geometry
        ? screens[m_screenIndex]
        : QGuiApplication::screenAt(m_shot.geometry.center());
    if (screen) {
        create();
        windowHandle()->setScreen(screen);
    }
    setGeometry(m_shot.geometry);
    showFullScreen();
}

void PickerScreenCover::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // The image's device pixel ratio is the screen's: one image pixel falls
    // on each device pixel. Beyond the picture the window is black.
    painter.drawImage(QPointF(0, 0), m_shot.image);
    const QRect picture(QPoint(0, 0), m_shot.image.deviceIndependentSize().toSize());
    for (const QRect &rect : event->region().subtracted(picture))
        painter.fillRect(rect, Qt::black);
}

void PickerScreenCover::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(this, event->position());
}

void PickerScreenCover::mousePressEvent(QMouseEvent *event)
{
    emit buttonPressed(this, event->position(), event->button(), event->globalPosition().toPoint());
}

void PickerScreenCover::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key());
}

bool PickerScreenCover::focusNextPrevChild(bool)
{
    // Tab is a key like any other here; the picker decides about it.
    return false;
}
