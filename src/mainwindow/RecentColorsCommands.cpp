#include "mainwindow/RecentColorsCommands.h"

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/ucRecent.h"

#include <QBoxLayout>

RecentColorsCommands::RecentColorsCommands(frm_MDIMain *main, QBoxLayout *column)
    : QObject(main), m_main(main), m_pRecent(new ucRecent)
{
    m_pRecent->setObjectName(QStringLiteral("pRecent"));
    column->addWidget(m_pRecent, 1);
    connect(m_pRecent, &ucRecent::LeftDblClick, this, &RecentColorsCommands::pRecent_LeftDblClick);
    connect(m_pRecent, &ucRecent::RightClick, this, &RecentColorsCommands::pRecent_RightClick);
}

void RecentColorsCommands::AddToRecentColors(ColorValue color, const QString &webColor)
{
    if (color >= 0 && m_main->activePaletteWindow())
        m_pRecent->Add(color, webColor);
}

void RecentColorsCommands::pRecent_LeftDblClick(ColorValue color)
{
    if (!m_main->activePaletteWindow())
        return;
    ProcessState::ActiveColor = color;
    m_main->cMsgs->Notify(kActiveColorChanged);
}

void RecentColorsCommands::pRecent_RightClick(ColorValue color, const QPoint &globalPos)
{
    if (!m_main->activePaletteWindow())
        return;
    ColorContextMenu::Request request;
    request.color = color;
    request.disableCellItems = true;
    m_main->showColorContextMenu(request, globalPos);
}
