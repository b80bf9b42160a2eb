#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/ColorContextMenu.h"

#include <QWidget>
#include <array>

class FavoriteSlot;
class ToolHost;

// The "&Favorites" page: eight favourite colour slots in one column, slot 0
// at the top. A slot takes a dropped colour or one chosen from the colour
// context menu's "&Add to Favorites"; double-clicking it makes its colour
// the working colour, dragging it carries the colour elsewhere, and the
// right button opens the colour context menu without the favourites items.
class FavoritesPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = ColorContextMenu::kFavoriteSlots;

    explicit FavoritesPage(ToolHost *host, QWidget *parent = nullptr);

    // Slot `index` takes `color`; an index outside the slots does nothing.
    void AddToFavourite(int index, ColorValue color);
    ColorValue slotColor(int index) const;
    FavoriteSlot *slot(int index) const { return m_slots.at(index); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutSlots();

    ToolHost *m_host;
    std::array<FavoriteSlot *, SlotCount> m_slots {};
};
