#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/ColorContextMenu.h"

class QPoint;
class frmPalette;

// What the colour tool pages ask of the window that hosts them. The main
// window implements it; the pages never reach further than this.
class ToolHost {
public:
    virtual ~ToolHost() = default;

    // The shared colour context menu, whose add commands some pages serve.
    virtual ColorContextMenu *colorContextMenu() const = 0;
    // Shows that menu as `request` describes and returns when it closes.
    virtual void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos)
        = 0;
    // The active child window when it is a palette, else nullptr.
    virtual frmPalette *activePaletteWindow() const = 0;
    // "&New Palette": a new, shown, numbered palette window.
    virtual frmPalette *mnuFileNew_Click() = 0;
    // A new palette window, not yet shown and not numbered.
    virtual frmPalette *createPaletteWindow() = 0;
    // The colour last sampled under the mouse pointer.
    virtual ColorValue HoverColor() const = 0;
};
