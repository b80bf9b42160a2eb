#include "widgets/ColorGrid.h"
#include "widgets/QtColors.h"

#include "widgets/ColorDrag.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kColorRole = Qt::UserRole + 1;

// Paints a cell as its colour only: no selection tint, no text, and a frame
// in the colour's contrast colour around the current cell when asked to.
class ColorCellDelegate : public QStyledItemDelegate {
public:
    explicit ColorCellDelegate(ColorGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) { }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        const ColorValue color = index.data(kColorRole).isValid()
            ? ColorValue(index.data(kColorRole).toInt())
            : kWhite;
        painter->fillRect(option.rect, toQColor(color));
        if (m_grid->showCurrentCell() && m_grid->currentIndex() == index) {
            painter->save();
            painter->setPen(QPen(toQColor(GetContrastColor(color)), 2, Qt::DotLine));
            painter->drawRect(QRectF(option.rect).adjusted(2, 2, -2, -2));
            painter->restore();
        }
    }

private:
    ColorGrid *m_grid;
};

} // namespace

ColorGrid::ColorGrid(int rows, int columns, QWidget *parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ColorCellDelegate(this));
    setGridSize(rows, columns);
}

QTableWidgetItem *ColorGrid::ensureItem(int row, int column)
{
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setData(kColorRole, int(kWhite));
        setItem(row, column, cell);
    }
    return cell;
}

void ColorGrid::setGridSize(int rows, int columns)
{
    setRowCount(rows);
    setColumnCount(columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            ensureItem(row, column);
    }
}

ColorValue ColorGrid::cellColor(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? ColorValue(cell->data(kColorRole).toInt()) : kWhite;
}

void ColorGrid::setCellColor(int row, int column, ColorValue color)
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return;
    ensureItem(row, column)->setData(kColorRole, int(color));
}

ColorValue ColorGrid::currentColor() const
{
    return currentRow() < 0 ? kWhite : cellColor(currentRow(), currentColumn());
}

void ColorGrid::setCellSize(int width, int height)
{
    horizontalHeader()->setDefaultSectionSize(width);
    verticalHeader()->setDefaultSectionSize(height);
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, width);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, height);
}

QPoint ColorGrid::cellAtClamped(const QPoint &viewportPos) const
{
    int row = rowAt(viewportPos.y());
    int column = columnAt(viewportPos.x());
    if (row < 0)
        row = viewportPos.y() < 0 ? 0 : rowCount() - 1;
    if (column < 0)
        column = viewportPos.x() < 0 ? 0 : columnCount() - 1;
    return { column, row };
}

void ColorGrid::setShowCurrentCell(bool show)
{
    m_showCurrentCell = show;
    viewport()->update();
}

void ColorGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint cell = cellAtClamped(pos);
    setCurrentCell(cell.y(), cell.x());
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        m_pressPos = pos;
    }
    emit cellPressed(cell.y(), cell.x(), event->button(), event->globalPosition().toPoint());
}

void ColorGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_leftDown || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_leftDown = false;
    const ColorValue color = currentColor();
    ColorDrag::start(this, { ColorDrag::SourceKind::Grid, color, QString() }, color);
}

void ColorGrid::mouseReleaseEvent(QMouseEvent *event)
{
    m_leftDown = false;
    const QPoint cell = cellAtClamped(event->position().toPoint());
    emit cellReleased(cell.y(), cell.x(), event->button(), event->globalPosition().toPoint());
}

void ColorGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = cellAtClamped(event->position().toPoint());
    setCurrentCell(cell.y(), cell.x());
    emit cellDoubleClickedColor(cell.y(), cell.x(), currentColor());
}
