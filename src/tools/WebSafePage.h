#pragma once

#include "tools/ColorGridPage.h"

// The "&Web Safe Palette" page: the 216 web-safe colours in 6 rows by 36
// columns, filling the page. A double-click makes a cell the working colour.
class WebSafePage : public ColorGridPage {
    Q_OBJECT

public:
    explicit WebSafePage(ToolHost *host, QWidget *parent = nullptr);

    // Fills the grid. Runs once, on construction.
    void FillWebSafe();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitCellsToPage();
};
