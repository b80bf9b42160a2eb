#include "tools/ToolPageActions.h"

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"

namespace ToolPageActions {

void makeWorkingColor(frm_MDIMain *main, ColorValue color)
{
    ProcessState::ActiveColor = color;
    // Before the main window has loaded it holds no bus reference yet; the
    // shared instance is the same object it will subscribe to.
    cls_MsgServer *bus = main->cMsgs ? main->cMsgs : cls_MsgServer::instance();
    bus->Notify(kActiveColorChanged);
}

void showContextMenu(
    frm_MDIMain *main, ColorValue color, const QPoint &globalPos, ColorContextMenu::AddItem addItem)
{
    ColorContextMenu::Request request;
    request.color = color;
    request.addItem = addItem;
    request.disableCellItems = true;
    main->showColorContextMenu(request, globalPos);
}

} // namespace ToolPageActions
