#pragma once

#include "core/mod_ColorConversion.h"

#include <QWidget>

class ColorGrid;
class ToolHost;

// A tool page holding one colour grid with the gestures the colour grids
// share: a chosen gesture makes a cell the working colour, the right button
// going down opens the colour context menu for the cell under the pointer,
// and a left drag carries the current cell's colour (the grid does that).
class ColorGridPage : public QWidget {
    Q_OBJECT

public:
    // What makes a cell the working colour.
    enum class SelectGesture {
        DoubleClick, // a left double-click
        Press, // any button but the right one going down
    };

    ColorGridPage(ToolHost *host, const QString &gridName, int rows, int columns,
        SelectGesture gesture, QWidget *parent = nullptr);

    ColorGrid *grid() const { return m_grid; }

protected:
    // A single column of 32 x 32 pixel cells with a vertical scroll bar,
    // centred across the page and as tall as the page.
    void useSingleColumnLayout();

private:
    void cellPressed(int row, int column, Qt::MouseButton button, const QPoint &globalPos);

    ToolHost *m_host;
    ColorGrid *m_grid;
    SelectGesture m_gesture;
};
