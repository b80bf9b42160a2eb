#include "tools/MatchingPalettePage.h"

#include "app/Twips.h"
#include "core/ProcessState.h"
#include "palette/frmPalette.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "widgets/AppIcons.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorSwatch.h"

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace {

// Positions on the page in twips. The matching row starts a little right of
// the prime swatch's right edge (735) so the two never overlap.
const QRect PrimeSwatchRect(105, 150, 630, 705);
const QRect MatchingGridRect(795, 315, 3750, 495);
const QRect AddAllRect(3720, 30, 315, 285);
const QRect CopyRect(4140, 30, 315, 285);
constexpr int ValueBoxLeft = 4815;
constexpr int SliderLeft = 5295;
constexpr std::array<int, 3> RowTops = { 60, 390, 735 };
const QSize ValueBoxSize(435, 285);
const QSize SliderSize(2745, 270);

constexpr int MatchingColumns = MatchingPaletteModel::ColumnCount;

} // namespace

MatchingPalettePage::MatchingPalettePage(ToolHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_pctPrimeSwatch(new ColorSwatch(this, kBlack)),
      m_flxGrid(new ColorGrid(1, MatchingColumns, this)), m_cmdAddAll(new QToolButton(this)),
      m_cmdCopy(new QToolButton(this))
{
    setObjectName(QStringLiteral("MatchingPalettePage"));
    buildControls();
    placeControls();
    connectControls();
    SyncMatchSliders();
}

void MatchingPalettePage::buildControls()
{
    m_pctPrimeSwatch->setObjectName(QStringLiteral("pctPrimeSwatch"));
    m_flxGrid->setObjectName(QStringLiteral("flxGridMatchingPalette"));
    m_flxGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flxGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_cmdAddAll->setObjectName(QStringLiteral("cmdAddAll"));
    m_cmdAddAll->setToolTip(QStringLiteral("Add all  to new palette"));
    m_cmdAddAll->setIcon(AppIcons::icon(AppIcons::Kind::AddToNewPalette));
    m_cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    m_cmdCopy->setToolTip(QStringLiteral("Add all  to current palette"));
    m_cmdCopy->setIcon(AppIcons::icon(AppIcons::Kind::AddToCurrentPalette));
    for (QToolButton *button : { m_cmdAddAll, m_cmdCopy })
        button->setAutoRaise(true);

    QFont valueFont = font();
    valueFont.setPointSizeF(std::min(valueFont.pointSizeF(), 8.0));
    for (int k = 1; k <= 3; ++k) {
        auto *value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("txtMatchingPaletteRGB%1").arg(k));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignCenter);
        value->setFont(valueFont);
        value->setTextMargins(0, 0, 0, 0);
        m_txtValue[k - 1] = value;

        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("sldPrime%1").arg(k));
        slider->setRange(0, 255);
        m_sldPrime[k - 1] = slider;
    }
}

void MatchingPalettePage::placeControls()
{
    const auto pixels = [this](const QRect &twips) {
        return QRect(twipsToPixels(twips.x(), this), twipsToPixels(twips.y(), this),
            twipsToPixels(twips.width(), this), twipsToPixels(twips.height(), this));
    };
    m_pctPrimeSwatch->setGeometry(pixels(PrimeSwatchRect));
    m_cmdAddAll->setGeometry(pixels(AddAllRect));
    m_cmdCopy->setGeometry(pixels(CopyRect));
    const QRect gridRect = pixels(MatchingGridRect);
    m_flxGrid->setGeometry(gridRect);
    // Eight equal columns and one row filling the grid's inside.
    const int inside = 2 * m_flxGrid->frameWidth();
    m_flxGrid->setCellSize(
        (gridRect.width() - inside) / MatchingColumns, gridRect.height() - inside);
    for (int k = 0; k < 3; ++k) {
        m_txtValue[k]->setGeometry(pixels(QRect(QPoint(ValueBoxLeft, RowTops[k]), ValueBoxSize)));
        m_sldPrime[k]->setGeometry(pixels(QRect(QPoint(SliderLeft, RowTops[k]), SliderSize)));
    }
}

void MatchingPalettePage::connectControls()
{
    for (int k = 1; k <= 3; ++k) {
        connect(m_sldPrime[k - 1], &QSlider::valueChanged, this, [this, k] { sldPrime_Change(k); });
    }
    connect(m_cmdAddAll, &QToolButton::clicked, this, &MatchingPalettePage::cmdAddAll_Click);
    connect(m_cmdCopy, &QToolButton::clicked, this, &MatchingPalettePage::cmdCopy_Click);
    connect(m_flxGrid, &ColorGrid::cellDoubleClickedColor, this,
        [this](int, int, ColorValue color) { ToolPageActions::makeWorkingColor(color); });
    connect(m_flxGrid, &ColorGrid::cellReleased, this,
        [this](int, int, Qt::MouseButton button, const QPoint &globalPos) {
            gridReleased(button, globalPos);
        });
}

void MatchingPalettePage::sldPrime_Change(int k)
{
    showPrimeColor();
    showSliderValue(k);
    BuildMatchingPalette();
}

void MatchingPalettePage::showPrimeColor()
{
    m_pctPrimeSwatch->setColor(
        MakeColorValue(m_sldPrime[0]->value(), m_sldPrime[1]->value(), m_sldPrime[2]->value()));
}

void MatchingPalettePage::showSliderValue(int k)
{
    m_txtValue[k - 1]->setText(QString::number(m_sldPrime[k - 1]->value()));
}

void MatchingPalettePage::SyncMatchSliders()
{
    const RGBColor rgb = ColorToRGB(ProcessState::ActiveColor);
    const std::array<int, 3> components = { rgb.R, rgb.G, rgb.B };
    {
        // Each code-set value counts as a move of its slider. Running the
        // three steps once, after all three are set, ends in the same state
        // without building palettes from half-set primes in between.
        const QSignalBlocker red(m_sldPrime[0]), green(m_sldPrime[1]), blue(m_sldPrime[2]);
        for (int k = 0; k < 3; ++k)
            m_sldPrime[k]->setValue(components[k]);
    }
    for (int k = 1; k <= 3; ++k)
        showSliderValue(k);
    showPrimeColor();
    BuildMatchingPalette();
}

void MatchingPalettePage::BuildMatchingPalette()
{
    m_model.setPrime(m_sldPrime[0]->value(), m_sldPrime[1]->value(), m_sldPrime[2]->value());
    m_flxGrid->setUpdatesEnabled(false);
    m_flxGrid->setGridSize(1, MatchingColumns);
    for (int column = 0; column < MatchingColumns; ++column)
        m_flxGrid->setCellColor(0, column, m_model.color(column));
    // The eighth cell is the last one stored, and stays current.
    m_flxGrid->setCurrentCell(0, MatchingColumns - 1);
    m_flxGrid->setUpdatesEnabled(true);
}

void MatchingPalettePage::gridReleased(Qt::MouseButton button, const QPoint &globalPos)
{
    if (button != Qt::RightButton)
        return;
    // The grid's own pixel at the release point: over a grid line that is the
    // line's colour, not a cell's. Rendered from the grid rather than read
    // from the screen, so windows on top of it do not matter.
    const QPoint local = m_flxGrid->mapFromGlobal(globalPos);
    const QPoint inside(std::clamp(local.x(), 0, m_flxGrid->width() - 1),
        std::clamp(local.y(), 0, m_flxGrid->height() - 1));
    const QRgb pixel = m_flxGrid->grab(QRect(inside, QSize(1, 1))).toImage().pixel(0, 0);
    ToolPageActions::showContextMenu(
        m_host, MakeColorValue(qRed(pixel), qGreen(pixel), qBlue(pixel)), globalPos);
}

void MatchingPalettePage::cmdAddAll_Click()
{
    // Not File > New: only that command numbers palettes.
    frmPalette *palette = m_host->createPaletteWindow();
    addMatchingColors(palette, 0);
    palette->parentWidget()->show();
    palette->setDirty(true);
}

void MatchingPalettePage::cmdCopy_Click()
{
    frmPalette *palette = m_host->activePaletteWindow();
    if (!palette)
        return;
    palette->SaveUndoInfo();
    // Being the active child, the palette is already shown.
    addMatchingColors(palette, 2);
    palette->setDirty(true);
}

// Visits the palette's cells row by row from `firstRow` on, counting them
// from 0; each cell counted below the number of matching colours hands the
// matching colour of that column to the palette's first free cell.
void MatchingPalettePage::addMatchingColors(frmPalette *palette, int firstRow)
{
    const PaletteModel &cells = palette->model();
    int count = 0;
    for (int row = firstRow; row < cells.iRows(); ++row) {
        for (int col = 0; col < cells.iCols(); ++col, ++count) {
            if (count >= MatchingColumns)
                return;
            m_flxGrid->setCurrentCell(0, count);
            palette->SetFreeCellColor(m_flxGrid->currentColor());
        }
    }
}
