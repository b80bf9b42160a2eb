#include "tools/ToolPageActions.h"

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "tools/ToolHost.h"
#include "widgets/ColorDrag.h"

namespace ToolPageActions {

void makeWorkingColor(ColorValue color)
{
    ProcessState::ActiveColor = color;
    cls_MsgServer::instance()->Notify(kActiveColorChanged);
}

void showContextMenu(
    ToolHost *host, ColorValue color, const QPoint &globalPos, ColorContextMenu::AddItem addItem)
{
    ColorContextMenu::Request request;
    request.color = color;
    request.addItem = addItem;
    request.disableCellItems = true;
    host->showColorContextMenu(request, globalPos);
}

void startDrag(QWidget *surface, ColorValue color)
{
    ColorDrag::start(
        surface, { ColorDrag::SourceKind::Swatch, color, QString::number(color) }, color);
}

} // namespace ToolPageActions
