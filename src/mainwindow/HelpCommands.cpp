#include "mainwindow/HelpCommands.h"

#include "app/PlatformServices.h"
#include "app/VendorSite.h"
#include "help/UpdateCheck.h"
#include "help/frm_About.h"
#include "mainwindow/frm_MDIMain.h"

#include <QAction>

HelpCommands::HelpCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    const MainMenus &menus = m_main->menus();
    const struct {
        QAction *item;
        void (HelpCommands::*command)();
    } commands[] = {
        { menus.mnuSupportWebSite, &HelpCommands::mnuSupportWebSite_Click },
        { menus.mnuCheckForUpdates, &HelpCommands::mnuCheckForUpdates_Click },
        { menus.mnuHepAbout, &HelpCommands::mnuHepAbout_Click },
    };
    for (const auto &command : commands) {
        connect(command.item, &QAction::triggered, this, command.command);
        command.item->setEnabled(true);
    }
}

void HelpCommands::mnuSupportWebSite_Click()
{
    PlatformServices::get().openUrl(VendorSite::url(QStringLiteral("/support/")));
}

void HelpCommands::mnuCheckForUpdates_Click()
{
    UpdateCheck::CheckForUpdates(m_main);
}

void HelpCommands::mnuHepAbout_Click()
{
    frm_About::ShowModal(m_main);
}
