#include "tools/WebSafePage.h"

#include "tools/ColorGrids.h"
#include "widgets/ColorGrid.h"

#include <QHeaderView>

WebSafePage::WebSafePage(ToolHost *host, QWidget *parent)
    : ColorGridPage(host, QStringLiteral("flxGridWebSafe"), ColorGrids::WebSafeRows,
        ColorGrids::WebSafeColumns, SelectGesture::DoubleClick, parent)
{
    grid()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillWebSafe();
}

void WebSafePage::FillWebSafe()
{
    ColorGrid *webSafe = grid();
    webSafe->setUpdatesEnabled(false);
    webSafe->setGridSize(ColorGrids::WebSafeRows, ColorGrids::WebSafeColumns);
    for (int row = 0; row < ColorGrids::WebSafeRows; ++row) {
        for (int column = 0; column < ColorGrids::WebSafeColumns; ++column)
            webSafe->setCellColor(row, column, ColorGrids::webSafeColor(row, column));
    }
    webSafe->setUpdatesEnabled(true);
}

void WebSafePage::resizeEvent(QResizeEvent *event)
{
    ColorGridPage::resizeEvent(event);
    fitCellsToPage();
}

// Cells of whole pixels that together fill the grid's inside exactly: the
// first columns (rows) are one pixel wider when the width (height) does not
// divide evenly. On the usual page that is about 15 x 11 pixels a cell.
void WebSafePage::fitCellsToPage()
{
    ColorGrid *webSafe = grid();
    const int frame = 2 * webSafe->frameWidth();
    const int width = std::max(webSafe->width() - frame, ColorGrids::WebSafeColumns);
    const int height = std::max(webSafe->height() - frame, ColorGrids::WebSafeRows);
    for (int column = 0; column < ColorGrids::WebSafeColumns; ++column) {
        const int extra = column < width % ColorGrids::WebSafeColumns ? 1 : 0;
        webSafe->setColumnWidth(column, width / ColorGrids::WebSafeColumns + extra);
    }
    for (int row = 0; row < ColorGrids::WebSafeRows; ++row) {
        const int extra = row < height % ColorGrids::WebSafeRows ? 1 : 0;
        webSafe->setRowHeight(row, height / ColorGrids::WebSafeRows + extra);
    }
}
