#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/ColorContextMenu.h"

class QPoint;
class QString;
class frmPalette;
struct ColorTexts;

// What a palette window asks of the window that hosts it. The main window
// implements it; a palette never reaches further than this.
class PaletteHost {
public:
    virtual ~PaletteHost() = default;

    // Shows a palette's readout texts in the host's own status boxes too.
    virtual void setStatusTexts(const ColorTexts &texts) = 0;
    // Refreshes the host's views derived from the active colour without the
    // bus, so that the palette does not write the colour back into itself.
    virtual void DoSyncDesktop(const QString &sMsg) = 0;
    // Offers a colour dropped onto a palette to the recent colours.
    virtual void AddToRecentColors(ColorValue color, const QString &webColor) = 0;
    // Shows the one shared colour context menu and returns when it closes.
    virtual void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos)
        = 0;
    // True while `palette` is the host's active child window.
    virtual bool isActivePalette(const frmPalette *palette) const = 0;
    // A new palette window in the host's document area, not yet shown and
    // not numbered.
    virtual frmPalette *createPaletteWindow() = 0;
    // "&Save Palette" on the active palette.
    virtual void mnuFileSave_Click() = 0;
};
