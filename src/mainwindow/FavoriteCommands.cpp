#include "mainwindow/FavoriteCommands.h"

#include "mainwindow/frm_MDIMain.h"
#include "widgets/ColorContextMenu.h"

FavoriteCommands::FavoriteCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    ColorContextMenu *menu = m_main->colorContextMenu();
    for (qsizetype k = 0; k < menu->mnuFavSlot.size(); ++k) {
        connect(menu->mnuFavSlot[k], &QAction::triggered, this,
            [this, k] { mnuFavSlot_Click(int(k)); });
    }
    menu->mnuAddToFavs->menuAction()->setEnabled(true);
}

void FavoriteCommands::mnuFavSlot_Click(int index)
{
    m_main->AddToFavourite(index, m_main->ContextColor);
    m_main->colorContextMenu()->mnuFavSlot[index]->setText(
        QStringLiteral("Slot %1 *").arg(index + 1));
}
