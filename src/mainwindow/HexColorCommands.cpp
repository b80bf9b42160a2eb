#include "mainwindow/HexColorCommands.h"

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmColor.h"

HexColorCommands::HexColorCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    QAction *utilities = m_main->menus().mnuUtilModifyHexValue;
    connect(utilities, &QAction::triggered, this, &HexColorCommands::showHexDialog);
    utilities->setEnabled(true);
    ColorContextMenu *menu = m_main->colorContextMenu();
    connect(menu->mnuModifyHexColor, &QAction::triggered, this, &HexColorCommands::showHexDialog);
    menu->setHexDialogAvailable(true);
}

void HexColorCommands::showHexDialog()
{
    frmColor dialog(m_main);
    dialog.setColor(m_main->ContextColor);
    dialog.exec();
    if (!dialog.bApply)
        return;
    ProcessState::ActiveColor = dialog.color();
    m_main->cMsgs->Notify(kActiveColorChanged);
}
