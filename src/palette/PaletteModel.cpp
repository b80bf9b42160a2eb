#include "palette/PaletteModel.h"

#include "app/PathOperations.h"
#include "app/SafeFileWriter.h"
#include "palette/PaletteFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr cCell kLastCell { kPaletteRows - 1, kPaletteCols - 1 };

bool onGrid(int row, int col)
{
    return row >= 0 && row < kPaletteRows && col >= 0 && col < kPaletteCols;
}

int slotOf(int row, int col)
{
    return row * kPaletteCols + col;
}

// Refuses what is there but is not a plain file: reading a FIFO or a device
// could block or never end.
QString notARegularFile(const QFileInfo &info)
{
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? QStringLiteral("Is a directory") : QStringLiteral("Not a regular file");
}

// What an existing file holds beyond the palette, so that saving keeps it.
bool readTail(const QString &path, QByteArray *tail, QString *error)
{
    const QFileInfo info(path);
    *error = notARegularFile(info);
    if (!error->isEmpty())
        return false;
    if (!info.exists() || info.size() <= PaletteFile::kFileSize)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(PaletteFile::kFileSize)) {
        *error = file.errorString();
        return false;
    }
    *tail = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

PaletteModel::PaletteModel(QObject *parent) : QObject(parent)
{
    Init();
}

void PaletteModel::Init()
{
    m_history.clear();
    Reset();
    setCurrentCell(0, 0);
}

void PaletteModel::Reset()
{
    ResetColors();
}

void PaletteModel::ResetColors()
{
    m_colors.fill(kEmptyCell);
    emit cellsReset();
}

void PaletteModel::SetNextCell(ColorValue inColor)
{
    SetFreeCellColor(inColor);
}

void PaletteModel::SetFreeCellColor(ColorValue inColor)
{
    const cCell cell = GetFreeCell();
    SetCellColorRC(cell.row, cell.col, inColor);
}

cCell PaletteModel::GetFreeCell()
{
    const auto empty = std::find(m_colors.begin(), m_colors.end(), kEmptyCell);
    if (empty != m_colors.end()) {
        const auto slot = static_cast<int>(empty - m_colors.begin());
        return cCell { static_cast<int16_t>(slot / kPaletteCols),
            static_cast<int16_t>(slot % kPaletteCols) };
    }
    if (m_freeCursor.col >= kPaletteCols) {
        m_freeCursor.col = 0;
        ++m_freeCursor.row;
    }
    if (m_freeCursor.row >= kPaletteRows)
        m_freeCursor = cCell {};
    const cCell answer = m_freeCursor;
    ++m_freeCursor.col;
    return answer;
}

void PaletteModel::SelectCell(int inRow, int inCol)
{
    setCurrentCell(inRow, inCol);
}

void PaletteModel::SetCellColorRC(int inRow, int inCol, ColorValue inColor)
{
    if (inRow < 0 || inCol < 0)
        return;
    const int row = std::min(inRow, kPaletteRows - 1);
    const int col = std::min(inCol, kPaletteCols - 1);
    m_history.record(m_colors);
    m_colors[slotOf(row, col)] = inColor < 0 ? kEmptyCell : inColor;
    emit cellChanged(row, col);
    setCurrentCell(row, col);
    setDirty(true);
    emit selectionChanged(shownColor(row, col));
}

void PaletteModel::SetCellColorXY(
    float x, float y, int cellWidth, int cellHeight, ColorValue inColor)
{
    const cCell cell = cellAt(x, y, cellWidth, cellHeight);
    SetCellColorRC(cell.row, cell.col, inColor);
}

cCell PaletteModel::cellAt(float x, float y, int cellWidth, int cellHeight)
{
    // Coordinates round half to even before the integer division.
    const auto index = [](float coordinate, int size, int count) {
        const long rounded = std::lrint(coordinate);
        const long cell = size > 0 ? rounded / size : 0;
        return static_cast<int16_t>(std::clamp<long>(cell, 0, count - 1));
    };
    return cCell { index(y, cellHeight, kPaletteRows), index(x, cellWidth, kPaletteCols) };
}

ColorValue PaletteModel::GetColor(int inRow, int inCol) const
{
    return onGrid(inRow, inCol) ? m_colors[slotOf(inRow, inCol)] : kEmptyCell;
}

ColorValue PaletteModel::shownColor(int row, int col) const
{
    const ColorValue stored = GetColor(row, col);
    return stored == kEmptyCell ? kWhite : (stored & kWhite);
}

void PaletteModel::setCurrentCell(int row, int col)
{
    if (!onGrid(row, col) || (row == m_current.row && col == m_current.col))
        return;
    m_current = cCell { static_cast<int16_t>(row), static_cast<int16_t>(col) };
    emit currentCellChanged(row, col);
}

void PaletteModel::AdjustPalette(const QString &inCode)
{
    const auto kind = PaletteAdjustment::fromToolbarKey(inCode);
    if (kind == PaletteAdjustment::Kind::None)
        return;
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int col = 0; col < kPaletteCols; ++col) {
            if (GetColor(row, col) == kEmptyCell)
                continue;
            if (const auto color = PaletteAdjustment::adjusted(shownColor(row, col), kind))
                SetCellColorRC(row, col, *color);
        }
    }
    setCurrentCell(kLastCell.row, kLastCell.col);
}

void PaletteModel::AdjustCell(const QString &inFunction)
{
    adjustCurrentCell(PaletteAdjustment::fromWord(inFunction));
}

void PaletteModel::adjustCurrentCell(PaletteAdjustment::Kind kind)
{
    if (GetColor(m_current.row, m_current.col) == kEmptyCell)
        return;
    const ColorValue color = shownColor(m_current.row, m_current.col);
    if (color != kBlack)
        SetCellColorRC(m_current.row, m_current.col, PaletteAdjustment::rewritten(color, kind));
    setDirty(true);
}

PaletteModel::KeyResult PaletteModel::handleKey(char16_t character, bool ctrlHeld)
{
    constexpr char16_t kCtrlZ = 26;
    constexpr char16_t kCtrlX = 24;
    if (ctrlHeld) {
        if (character == kCtrlZ)
            return RollBack() ? KeyResult::Handled : KeyResult::Refused;
        if (character == kCtrlX)
            return RollForward() ? KeyResult::Handled : KeyResult::Refused;
        return KeyResult::Ignored;
    }
    const auto kind = PaletteAdjustment::fromKey(character);
    if (kind == PaletteAdjustment::Kind::None
        || GetColor(m_current.row, m_current.col) == kEmptyCell)
        return KeyResult::Ignored;
    adjustCurrentCell(kind);
    return KeyResult::Handled;
}

bool PaletteModel::RollBack()
{
    if (!m_history.canUndo())
        return false;
    restore(m_history.undo(m_colors));
    return true;
}

bool PaletteModel::RollForward()
{
    if (!m_history.canRedo())
        return false;
    restore(m_history.redo(m_colors));
    return true;
}

void PaletteModel::restore(const PaletteColors &colors)
{
    m_colors = colors;
    emit cellsReset();
    setCurrentCell(kLastCell.row, kLastCell.col);
    setDirty(true);
}

void PaletteModel::SaveUndoInfo()
{
    m_history.record(m_colors);
    setCurrentCell(kLastCell.row, kLastCell.col);
}

void PaletteModel::Clone(const PaletteModel &inPalette)
{
    // Copy first: `inPalette` may be this model.
    const PaletteColors source = inPalette.colors();
    bool copied = false;
    for (int slot = 0; slot < kPaletteCells; ++slot) {
        if (source[slot] == kEmptyCell)
            continue;
        SetCellColorRC(slot / kPaletteCols, slot % kPaletteCols, source[slot]);
        copied = true;
    }
    setDirty(copied);
}

PaletteModel::FileResult PaletteModel::Save(const QString &inFile)
{
    if (inFile.trimmed().isEmpty())
        return {};
    QByteArray data = PaletteFile::encode(m_colors);
    QByteArray tail;
    QString error;
    if (!readTail(inFile, &tail, &error))
        return FileResult { false, error };
    data += tail;
    if (const auto written = SafeFileWriter::write(inFile, data); !written)
        return FileResult { false, written.error };
    takeFileName(inFile);
    setDirty(false);
    return FileResult { true, {} };
}

PaletteModel::FileResult PaletteModel::Load()
{
    if (m_fileName.isEmpty())
        return {};
    QString error;
    if (!fillFromFile(&error))
        return FileResult { false, error };
    setCurrentCell(kLastCell.row, kLastCell.col);
    takeFileName(m_fileName);
    setDirty(false);
    return FileResult { true, {} };
}

bool PaletteModel::fillFromFile(QString *error)
{
    *error = notARegularFile(QFileInfo(m_fileName));
    if (!error->isEmpty())
        return false;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.isSequential()) {
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    const auto values = PaletteFile::read(file);
    if (!values) {
        *error = file.errorString();
        return false;
    }
    for (int slot = 0; slot < kPaletteCells; ++slot) {
        if (const auto color = (*values)[slot])
            SetCellColorRC(slot / kPaletteCols, slot % kPaletteCols, *color);
    }
    return true;
}

void PaletteModel::takeFileName(const QString &path)
{
    setFileName(path);
    setCaption(GetFileBaseName(path) + u'.' + GetFileExtension(path));
}

PaletteModel::ClickOutcome PaletteModel::clickCell(int row, int col)
{
    if (!onGrid(row, col))
        return {};
    setCurrentCell(row, col);
    if (GetColor(row, col) == kEmptyCell)
        return {};
    const ColorValue color = shownColor(row, col);
    const bool announce = color != m_lastClickColor;
    if (announce)
        m_lastClickColor = color;
    return ClickOutcome { true, color, announce };
}

bool PaletteModel::dropColor(int row, int col, ColorValue color)
{
    SetCellColorRC(row, col, color);
    setDirty(true);
    if (color == m_lastDropColor)
        return false;
    m_lastDropColor = color;
    return true;
}

ColorValue PaletteModel::contextColor(int row, int col)
{
    setCurrentCell(row, col);
    return shownColor(row, col);
}

void PaletteModel::applyActiveColor(ColorValue color)
{
    SetCellColorRC(m_current.row, m_current.col, color);
}

void PaletteModel::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
}

void PaletteModel::setDirty(bool dirty)
{
    if (dirty == m_dirty)
        return;
    m_dirty = dirty;
}

void PaletteModel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}
