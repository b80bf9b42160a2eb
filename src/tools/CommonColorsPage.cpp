#include "tools/CommonColorsPage.h"

#include "mainwindow/ColorGrid.h"
#include "tools/ColorGrids.h"

CommonColorsPage::CommonColorsPage(frm_MDIMain *main, QWidget *parent)
    : ColorGridPage(
        main, QStringLiteral("flxCommon"), ColorGrids::CommonRows, 1, SelectGesture::Press, parent)
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
