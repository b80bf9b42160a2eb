#include "tools/ShadesPage.h"

#include "core/ProcessState.h"
#include "tools/ColorGrids.h"
#include "widgets/ColorGrid.h"

namespace {
// Rows shown above the current row after a refill.
constexpr int RowsAboveCurrent = 5;
} // namespace

ShadesPage::ShadesPage(ToolHost *host, QWidget *parent)
    : ColorGridPage(host, QStringLiteral("flxGridShades"), ColorGrids::ShadeRows, 1,
        SelectGesture::DoubleClick, parent)
{
    useSingleColumnLayout();
}

void ShadesPage::FillShades()
{
    ColorGrid *shades = grid();
    const int row = shades->currentRow();
    const ColorGrids::Shades colors = ColorGrids::shades(ProcessState::ActiveColor);
    shades->setUpdatesEnabled(false);
    shades->setGridSize(ColorGrids::ShadeRows, 1);
    for (int i = 0; i < ColorGrids::ShadeRows; ++i)
        shades->setCellColor(i, 0, colors[i]);
    shades->setUpdatesEnabled(true);
    if (row < 0)
        return;
    shades->setCurrentCell(row, 0);
    if (row > RowsAboveCurrent) {
        shades->scrollTo(
            shades->model()->index(row - RowsAboveCurrent, 0), QAbstractItemView::PositionAtTop);
    }
}
