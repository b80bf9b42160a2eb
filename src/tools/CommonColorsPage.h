#pragma once

#include "tools/ColorGridPage.h"

// The "&Common" page: sixteen fixed colours in a column. Any button but the
// right one going down on a cell makes it the working colour.
class CommonColorsPage : public ColorGridPage {
    Q_OBJECT

public:
    explicit CommonColorsPage(ToolHost *host, QWidget *parent = nullptr);

    // Fills the column and makes row 0 current. Runs once, on construction.
    void FillCommonColors();
};
