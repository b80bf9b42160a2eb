#pragma once

#include "core/mod_ColorConversion.h"

#include <QMenu>
#include <QVector>

// The colour context menu shared by every colour view. It only holds the
// items; what they do is the main window's business (they act on its
// ContextColor). Views never build their own: they describe what they need in
// a Request and the main window shows this one menu.
class ColorContextMenu : public QMenu {
    Q_OBJECT

public:
    // Harmony groups whose own "Add ..." item a swatch view shows.
    enum class AddItem { None, Analogous, Complements, SplitComplements, Tetrads, Triads };

    // What a view wants from one showing of the menu.
    struct Request {
        ColorValue color = kBlack; // becomes ContextColor
        AddItem addItem = AddItem::None;
        // Adjust and Modify Hex act on palette cells; swatches and grids
        // disable them while their menu is up.
        bool disableCellItems = false;
        // The screen picker hides them: it has no cell to act on.
        bool hideCellItems = false;
        // A palette cell: shows "Erase Color", hides "Add this Color to Palette".
        bool paletteCell = false;
        // A favourite slot: "&Add to Favorites" is hidden.
        bool favoriteSlot = false;
    };

    static constexpr int kFavoriteSlots = 8;

    explicit ColorContextMenu(QWidget *parent = nullptr);

    // Sets the Hex, Web and RGB copy captions to the values they would copy.
    void PrepareCopyColorMenu(ColorValue color);
    // Puts the three copy captions back to their plain names.
    void resetCopyCaptions();

    // Applies a request's visibility and enabled states; restore() undoes it.
    void configure(const Request &request);
    void restore();

    // Items whose windows are not part of this build stay disabled, also
    // after restore().
    void setHexDialogAvailable(bool available);
    void setAdjustAvailable(bool available);

    QAction *mnuAddToPalette;
    QAction *mnuAddAnalogous;
    QAction *mnuAddCompliments;
    QAction *mnuAddSplitCompliments;
    QAction *mnuAddTetrads;
    QAction *mnuAddTriads;
    QAction *cmSep1;
    QMenu *mnuCopyColor;
    QAction *mnuCopyWebColor;
    QAction *mnuCopyHexColor;
    QAction *mnuCopyRGBColor;
    QAction *mnuCopyHSVColor;
    QAction *mnuCopyCMYColor;
    QMenu *mnuAdjustColor;
    QAction *mnuEditLighten;
    QAction *mnuEditDarken;
    QAction *mnuEditSaturate;
    QAction *mnuEditDesaturate;
    QMenu *mnuAddToFavs;
    QVector<QAction *> mnuFavSlot;
    QAction *mnuModifyHexColor;
    QAction *mnuEraseColor;
    QAction *cmSep2;
    QAction *mnuSetAsBackGround;

    // The "Add ..." item of a harmony group; nullptr for AddItem::None.
    QAction *addItemAction(AddItem item) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_hexDialogAvailable = true;
    bool m_adjustAvailable = true;
};
