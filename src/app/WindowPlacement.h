#pragma once

#include "app/SettingsKeys.h"

#include <QRect>
#include <QString>

class QWidget;

// Remembered positions and sizes of windows, stored in twips as float text.
//
// The position is the widget's pos(): for a top-level window the top-left
// corner of its frame, for a child (such as a document-area sub-window) its
// place in the parent. The size is the widget's size(): the client area of a
// top-level window, the whole sub-window of a document-area child. Saving and
// restoring use the same measures, so a save followed by a restore leaves a
// window where it was.

// Writes section "WindowPlacements": "Name_" + name = name, and name +
// "_Left", "_Top", "_Width", "_Height" = the window's rectangle in twips.
void SaveWindowPlacement(QWidget *window, const QString &name);

// Applies what SaveWindowPlacement stored, but only when the stored "Name_"
// entry equals name (letter case included). Left and top are always applied
// (an unreadable value keeps the current one); width and height only for a
// resizable window. The result is fitted as fitRestoredRect() says. Returns
// whether the placement was applied; otherwise the window keeps its design
// position and size.
bool RestoreWindowPlacement(QWidget *window, const QString &name, bool resizable);

// A restored window rectangle in pixels, from numbers that may be anything
// (huge, negative, not finite: stored values can be damaged, or come from
// another machine), made safe to apply: the size at least `minimum` and at
// most the area the window lands on, and the position such that the whole
// rectangle, title bar included, lies on that area. The area is the one of
// `areas` that holds the top left corner, else the nearest one. Never
// overflows: the arithmetic is done in doubles within the areas' bounds.
QRect fitRestoredRect(const QRectF &wanted, const QList<QRect> &areas, const QSize &minimum = {});
// Where a window may be restored: the available parts of the screens present
// for a top-level window, its parent's rectangle for a child.
QList<QRect> restoreAreas(const QWidget *window);

// A window rectangle in pixels read from four twips entries, fitted to the
// window's restore areas; a missing or unreadable entry takes its key's
// default. The DPI is that of the window's screen (the primary screen for
// null, which is fitted to the screens present).
QRect GetSettingRect(const RectSettingKeys &keys, const QWidget *window);
// Stores a rectangle in pixels as four twips entries.
void SaveSettingRect(const RectSettingKeys &keys, const QRect &rect, const QWidget *window);
