#include "tools/FavoritesPage.h"

#include "app/Twips.h"
#include "tools/FavoriteSlot.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"

namespace {

// Slot geometry in twips: 735 x 495, one every 540 twips from the top 90.
constexpr QSize SlotTwips(735, 495);
constexpr int FirstTopTwips = 90;
constexpr int PitchTwips = 540;

} // namespace

FavoritesPage::FavoritesPage(ToolHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("FavoritesPage"));
    for (int i = 0; i < SlotCount; ++i) {
        auto *slot = new FavoriteSlot(this);
        slot->setObjectName(QStringLiteral("pctFavorite%1").arg(i));
        slot->setAccessibleName(QStringLiteral("Favorite slot %1").arg(i + 1));
        connect(slot, &FavoriteSlot::doubleClicked, this,
            [slot] { ToolPageActions::makeWorkingColor(slot->color()); });
        connect(slot, &FavoriteSlot::rightReleased, this, [this, slot](const QPoint &globalPos) {
            ColorContextMenu::Request request;
            request.color = slot->color();
            request.disableCellItems = true;
            request.favoriteSlot = true;
            m_host->showColorContextMenu(request, globalPos);
        });
        m_slots[i] = slot;
    }
    layoutSlots();
}

void FavoritesPage::AddToFavourite(int index, ColorValue color)
{
    if (index >= 0 && index < SlotCount)
        m_slots[index]->setColor(color);
}

ColorValue FavoritesPage::slotColor(int index) const
{
    return m_slots.at(index)->color();
}

void FavoritesPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutSlots();
}

void FavoritesPage::layoutSlots()
{
    // One column, centred on the page like the harmonies.
    const QSize size(twipsToPixels(SlotTwips.width(), this), twipsToPixels(SlotTwips.height(), this));
    const int left = (width() - size.width()) / 2;
    for (int i = 0; i < SlotCount; ++i)
        m_slots[i]->setGeometry(
            QRect(QPoint(left, twipsToPixels(FirstTopTwips + i * PitchTwips, this)), size));
}
