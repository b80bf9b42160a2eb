#pragma once

#include "tools/ColorGridPage.h"

// The "&Shades" page: a column of twenty shades of the working colour, from
// black at the top to 95 % brightness at the bottom. A double-click makes a
// shade the working colour.
class ShadesPage : public ColorGridPage {
    Q_OBJECT

public:
    explicit ShadesPage(ToolHost *host, QWidget *parent = nullptr);

    // Refills the column from ProcessState::ActiveColor. The current row is
    // kept; from row 6 down the column scrolls so that the current row is the
    // sixth visible one.
    void FillShades();
};
