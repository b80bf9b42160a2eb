#include "tools/FavoriteSlot.h"

#include "widgets/ColorAccessible.h"
#include "widgets/ColorDrag.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

FavoriteSlot::FavoriteSlot(QWidget *parent) : ColorSwatch(parent, kControlFaceColor)
{
    setAcceptDrops(true);
    // Assistive tools hear the colour on the screen, also for the face colour.
    const auto reportShown = [this] {
        const QColor shown = shownColor();
        ColorAccessible::setColor(this, MakeColorValue(shown.red(), shown.green(), shown.blue()));
    };
    reportShown();
    connect(this, &ColorSwatch::colorChanged, this, reportShown);
}

QColor FavoriteSlot::shownColor() const
{
    if (color() == kControlFaceColor)
        return palette().color(QPalette::Window);
    return ColorSwatch::shownColor();
}

void FavoriteSlot::dragEnterEvent(QDragEnterEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData()))
        event->acceptProposedAction();
}

void FavoriteSlot::dragMoveEvent(QDragMoveEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData()))
        event->acceptProposedAction();
}

void FavoriteSlot::dropEvent(QDropEvent *event)
{
    const std::optional<ColorValue> color = ColorDrag::colorFromMime(event->mimeData());
    if (!color)
        return;
    // A negative tag leaves the slot as it was; an unknown source makes it black.
    if (*color >= 0)
        setColor(*color);
    event->acceptProposedAction();
}

void FavoriteSlot::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit rightReleased(event->globalPosition().toPoint());
    ColorSwatch::mouseReleaseEvent(event);
}
