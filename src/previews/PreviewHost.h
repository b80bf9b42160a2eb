#pragma once

#include "widgets/ColorContextMenu.h"

class QPoint;

// What a preview window asks of the window that hosts it. The main window's
// preview commands implement it; a preview never reaches further.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    // Shows the one shared colour context menu for a colour of a preview
    // and returns when it closes.
    virtual void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos)
        = 0;
};
