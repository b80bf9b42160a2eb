#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/ColorContextMenu.h"

class QPoint;
class QWidget;
class ToolHost;

// The two gestures every colour tool page shares, so that each page only
// decides when they happen.
namespace ToolPageActions {

// Makes `color` the working colour and announces it on the bus; every view,
// the calling page included, then refreshes from it.
void makeWorkingColor(ColorValue color);

// Pops up the shared colour context menu for a tool colour at `globalPos` and
// returns when it has closed. Adjust and Modify Hex are disabled (they act on
// palette cells only); `addItem` shows a harmony group's own add command.
void showContextMenu(ToolHost *host, ColorValue color, const QPoint &globalPos,
    ColorContextMenu::AddItem addItem = ColorContextMenu::AddItem::None);

// Drags `color` from a colour surface, handed over like a swatch's: as the
// decimal text of its tag. Returns when it is dropped or cancelled.
void startDrag(QWidget *surface, ColorValue color);

} // namespace ToolPageActions
