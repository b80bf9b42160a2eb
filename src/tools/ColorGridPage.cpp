#include "tools/ColorGridPage.h"

#include "tools/ToolPageActions.h"
#include "widgets/ColorGrid.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace {
// Cell edge of the single-column grids, in logical pixels.
constexpr int SingleColumnCell = 32;
} // namespace

ColorGridPage::ColorGridPage(ToolHost *host, const QString &gridName, int rows, int columns,
    SelectGesture gesture, QWidget *parent)
    : QWidget(parent), m_host(host), m_grid(new ColorGrid(rows, columns, this)), m_gesture(gesture)
{
    m_grid->setObjectName(gridName);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    connect(m_grid, &ColorGrid::cellPressed, this, &ColorGridPage::cellPressed);
    if (gesture == SelectGesture::DoubleClick) {
        connect(m_grid, &ColorGrid::cellDoubleClickedColor, this,
            [this](int, int, ColorValue color) { ToolPageActions::makeWorkingColor(color); });
    }
}

void ColorGridPage::cellPressed(
    int row, int column, Qt::MouseButton button, const QPoint &globalPos)
{
    // The colour under the pointer is the colour of the cell under it: the
    // grid paints nothing else there, and asking the grid also works where
    // the screen cannot be read.
    const ColorValue color = m_grid->cellColor(row, column);
    if (button == Qt::RightButton)
        ToolPageActions::showContextMenu(m_host, color, globalPos);
    else if (m_gesture == SelectGesture::Press)
        ToolPageActions::makeWorkingColor(color);
}

void ColorGridPage::useSingleColumnLayout()
{
    m_grid->setCellSize(SingleColumnCell, SingleColumnCell);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setFixedWidth(SingleColumnCell + 2 * m_grid->frameWidth()
        + m_grid->verticalScrollBar()->sizeHint().width());
    layout()->setAlignment(m_grid, Qt::AlignHCenter);
}
