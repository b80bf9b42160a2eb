#include "tools/CommonColorsPage.h"

#include "tools/ColorGrids.h"
#include "widgets/ColorGrid.h"

CommonColorsPage::CommonColorsPage(ToolHost *host, QWidget *parent)
    : ColorGridPage(
        host, QStringLiteral("flxCommon"), ColorGrids::CommonRows, 1, SelectGesture::Press, parent)
{
    useSingleColumnLayout();
    FillCommonColors();
}

void CommonColorsPage::FillCommonColors()
{
    ColorGrid *common = grid();
    common->setUpdatesEnabled(false);
    common->setGridSize(ColorGrids::CommonRows, 1);
    for (int row = 0; row < ColorGrids::CommonRows; ++row)
        common->setCellColor(row, 0, ColorGrids::CommonColors[row]);
    common->setUpdatesEnabled(true);
    common->setCurrentCell(0, 0);
}
