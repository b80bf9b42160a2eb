#pragma once

#include "widgets/ColorDrag.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <memory>

// Ends a drag of `source` over `target` at `pos` with a drop, as a drag
// from another colour view does.
inline void dropOn(QWidget *target, const ColorDrag::Source &source, QPointF pos = { 2, 2 })
{
    const std::unique_ptr<QMimeData> mime(ColorDrag::createMimeData(source));
    QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(pos, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// A colour box being dragged: it carries its decimal tag.
inline ColorDrag::Source swatch(ColorValue color)
{
    return { ColorDrag::SourceKind::Swatch, color, QString::number(color) };
}

inline ColorDrag::Source textLabel(ColorValue color)
{
    return { ColorDrag::SourceKind::Label, color, QString() };
}
