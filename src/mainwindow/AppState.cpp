#include "mainwindow/AppState.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/TextNumbers.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "palette/ucRecent.h"
#include "tools/FavoritesPage.h"
#include "widgets/ColorDrag.h"

namespace {

constexpr int kPaletteSide = 4; // the remembered palette is 4 x 4 cells

QString favoriteKey(int slot)
{
    return QLatin1String(SettingsKeys::FavoriteSlotPrefix) + QString::number(slot);
}

QString paletteKey(int row, int col)
{
    return QLatin1String(SettingsKeys::PaletteCellPrefix) + QString::number(row)
        + QLatin1String(SettingsKeys::PaletteCellSeparator) + QString::number(col);
}

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

AppState::AppState(frm_MDIMain *main, ucRecent *recent, FavoritesPage *favorites)
    : QObject(main), m_main(main), m_recent(recent), m_favorites(favorites)
{
}

void AppState::SaveAppState()
{
    SaveSetting(SettingsKeys::RememberState, latin1(SettingsKeys::RememberStateYes));
    m_recent->SaveRecent();
    QList<std::pair<QString, QString>> slotEntries;
    for (int i = 0; i < FavoritesPage::SlotCount; ++i)
        slotEntries.append({ favoriteKey(i), QString::number(m_favorites->slotColor(i)) });
    SaveSettings(latin1(SettingsKeys::FavoritesSection), slotEntries);
    auto *palette = qobject_cast<frmPalette *>(m_main->ActivePalette.data());
    if (!palette)
        return;
    QList<std::pair<QString, QString>> cells;
    for (int row = 0; row < kPaletteSide; ++row) {
        for (int col = 0; col < kPaletteSide; ++col)
            cells.append({ paletteKey(row, col), QString::number(palette->GetColor(row, col)) });
    }
    SaveSettings(latin1(SettingsKeys::PaletteSection), cells);
}

void AppState::LoadAppState()
{
    if (GetSetting(SettingsKeys::RememberState) != latin1(SettingsKeys::RememberStateYes))
        return;
    m_recent->LoadRecent();
    QStringList slotKeys;
    for (int i = 0; i < FavoritesPage::SlotCount; ++i)
        slotKeys.append(favoriteKey(i));
    const QStringList slotEntries = GetSettings(latin1(SettingsKeys::FavoritesSection), slotKeys,
        QString::number(m_main->backgroundColor()));
    // Each slot takes the number its text starts with, as a dragged tag is read.
    for (int i = 0; i < FavoritesPage::SlotCount; ++i)
        m_favorites->AddToFavourite(i, ColorDrag::colorFromTag(slotEntries.at(i)));

    frmPalette *palette = m_main->activePaletteWindow();
    if (!palette)
        return;
    QStringList cellKeys;
    for (int row = 0; row < kPaletteSide; ++row) {
        for (int col = 0; col < kPaletteSide; ++col)
            cellKeys.append(paletteKey(row, col));
    }
    const QString empty = latin1(SettingsKeys::PaletteCellDefault);
    const QStringList cells = GetSettings(latin1(SettingsKeys::PaletteSection), cellKeys, empty);
    for (int index = 0; index < cells.size(); ++index) {
        const ColorValue color = TextNumbers::toInt(cells.at(index)).value_or(empty.toInt());
        if (color >= 0)
            palette->SetCellColorRC(index / kPaletteSide, index % kPaletteSide, color);
    }
}
