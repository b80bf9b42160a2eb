#pragma once

#include "core/mod_ColorConversion.h"

#include <QTableWidget>

// A grid of coloured cells without headers or text: the shades, web-safe,
// common-colour, matching and palette grids. Each cell shows one ColorValue
// as its background; the current cell is the one a drag carries and a drop
// target reads. Dragging with the left button held carries the grid itself.
class ColorGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit ColorGrid(int rows, int columns, QWidget *parent = nullptr);

    // Resizes the grid, keeping cells that still exist; new cells are white.
    void setGridSize(int rows, int columns);

    ColorValue cellColor(int row, int column) const;
    void setCellColor(int row, int column, ColorValue color);
    // The shown colour of the current cell (white when there is none).
    ColorValue currentColor() const;

    // Every row and column the same size, in logical pixels.
    void setCellSize(int width, int height);

    // The cell at a point in viewport coordinates, clamped to the grid.
    QPoint cellAtClamped(const QPoint &viewportPos) const;

    // Whether a thin frame marks the current cell (palette grids do).
    void setShowCurrentCell(bool show);
    bool showCurrentCell() const { return m_showCurrentCell; }

    // Whether a left drag carries the current cell's colour (default on).

signals:
    // A mouse button went down over a cell; the cell is already current.
    void cellPressed(int row, int column, Qt::MouseButton button, const QPoint &globalPos);
    void cellReleased(int row, int column, Qt::MouseButton button, const QPoint &globalPos);
    void cellDoubleClickedColor(int row, int column, ColorValue color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QTableWidgetItem *ensureItem(int row, int column);

    QPoint m_pressPos;
    bool m_leftDown = false;
    bool m_showCurrentCell = false;
};
