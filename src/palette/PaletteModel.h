#pragma once

#include "palette/PaletteAdjustment.h"
#include "palette/UndoHistory.h"
#include "palette/cCell.h"

#include <QObject>
#include <QString>

#include <cstddef>

// The document behind one palette window: 16 colour cells in 4 rows by 4
// columns, the grid's current cell, an unbounded undo/redo history, and the
// palette file it was saved to or loaded from.
//
// A cell's stored colour is a ColorValue or kEmptyCell (-1); its shown colour
// is the stored one, white for an empty cell. Every change of a cell, undo
// and redo included, changes both, so what the user sees is what is saved,
// exported and cloned. A palette file may hold values above 0xFFFFFF: they
// are stored as they are (saving gives the file back byte for byte) and
// shown as their low 24 bits.
//
// The model never talks to the user: operations that would beep or show a
// message report it in their result and the window does the rest.
class PaletteModel : public QObject {
    Q_OBJECT

public:
    struct FileResult {
        bool ok = false;
        QString error; // the reason to show the user; empty when there is nothing to say
        explicit operator bool() const { return ok; }
    };

    // What a click on a cell does to the active colour.
    struct ClickOutcome {
        bool setsActiveColor = false; // false for an empty cell: nothing happens
        ColorValue color = kBlack; // the new active colour
        bool announce = false; // tell the main window (differs from the last click's)
    };

    enum class KeyResult {
        Ignored, // not a palette key, or the current cell is empty
        Handled,
        Refused, // undo or redo with nothing to undo or redo: the window beeps
    };
    Q_ENUM(KeyResult)

    explicit PaletteModel(QObject *parent = nullptr);

    static QString defaultCaption() { return QStringLiteral("Tintwright Palette"); }

    // Empties the cells and the history and makes (0, 0) current. Dirty,
    // FileName, the caption and the free-cell cursor are left alone.
    void Init();
    // Empties every cell; Dirty, FileName and the history are left alone.
    void Reset();
    void ResetColors();

    void SetNextCell(ColorValue inColor);
    void SetFreeCellColor(ColorValue inColor);
    // The first empty cell in row-major order; on a full palette the next cell
    // of a cursor that runs row-major from (0, 0) and wraps after (3, 3). The
    // cursor lives as long as the model.
    cCell GetFreeCell();

    // Makes (inRow, inCol) the current cell.
    void SelectCell(int inRow, int inCol);
    // The one full write path of a cell: rows and columns above 3 count as 3;
    // a negative colour empties the cell. Records an undo snapshot first,
    // makes the cell current and sets Dirty. Negative rows or columns are
    // ignored.
    void SetCellColorRC(int inRow, int inCol, ColorValue inColor);
    // The same, for a point in grid coordinates and the size of one cell in
    // the same units.
    void SetCellColorXY(float x, float y, int cellWidth, int cellHeight, ColorValue inColor);
    // The cell under a point in grid coordinates, clamped to the grid.
    static cCell cellAt(float x, float y, int cellWidth, int cellHeight);

    // Stored colour; kEmptyCell for an empty cell or a position off the grid.
    ColorValue GetColor(int inRow, int inCol) const;
    // The colour the cell shows, 0..0xFFFFFF: the stored one's low 24 bits,
    // white when empty.
    ColorValue shownColor(int row, int col) const;
    const PaletteColors &colors() const { return m_colors; }

    // The one current cell: the one the grid frames, the readouts describe,
    // and new colours and the keys go to. iRow/iCol are its row and column.
    cCell currentCell() const { return m_current; }
    // Positions off the grid are ignored.
    void setCurrentCell(int row, int col);

    // Steps every non-empty cell that is not at its limit, each through
    // SetCellColorRC (one undo step per changed cell). Keys: "S+", "S-",
    // "V+", "V-"; anything else changes nothing. Leaves (3, 3) current.
    void AdjustPalette(const QString &inCode);
    // Rewrites the current cell stepped by "lighten", "darken", "saturate" or
    // "desaturate" (any other word rewrites it unchanged) through
    // SetCellColorRC. An empty cell stays as it is; a black one only sets Dirty.
    void AdjustCell(const QString &inFunction);
    // The palette window's keys: with Ctrl held, character 26 (Ctrl+Z) undoes
    // and 24 (Ctrl+X) redoes; without it, lower-case d, q, s, w adjust a
    // non-empty current cell.
    KeyResult handleKey(char16_t character, bool ctrlHeld);

    // Undo and redo one snapshot; false (nothing changes) when there is none.
    // Both leave (3, 3) current and set Dirty: the palette no longer matches
    // its file.
    bool RollBack();
    bool RollForward();
    // Records the palette as it is now; leaves (3, 3) current.
    void SaveUndoInfo();
    std::size_t undoEntryCount() const { return m_history.undoEntryCount(); }
    std::size_t redoEntryCount() const { return m_history.redoEntryCount(); }

    // Writes every non-empty cell of `inPalette` into the same cell here.
    // Dirty afterwards says whether anything was copied; FileName and the
    // caption stay.
    void Clone(const PaletteModel &inPalette);

    // Writes the 16 stored colours over the first 64 bytes of `inFile`,
    // keeping any bytes the file held beyond them. A path of blanks does
    // nothing. On failure the file, FileName, the caption and Dirty stay.
    FileResult Save(const QString &inFile);
    // Reads FileName into the cells it holds, one undo step per colour; the
    // other cells stay as they are. Clears Dirty on success.
    FileResult Load();

    // A click on a cell: it becomes current.
    ClickOutcome clickCell(int row, int col);
    // A colour dropped on a cell: written and Dirty. True when it should be
    // announced (it differs from the colour the last drop announced).
    bool dropColor(int row, int col, ColorValue color);
    // A right-click: the cell becomes current; its stored colour, white when
    // empty.
    ColorValue contextColor(int row, int col);
    // The active colour changed while this palette is the active one.
    void applyActiveColor(ColorValue color);

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName);
    bool Dirty() const { return m_dirty; }
    void setDirty(bool dirty);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    int16_t iRow() const { return m_current.row; }
    int16_t iCol() const { return m_current.col; }
    int16_t iRows() const { return kPaletteRows; }
    int16_t iCols() const { return kPaletteCols; }

signals:
    void cellChanged(int row, int col);
    // Any or all cells changed.
    void cellsReset();
    void currentCellChanged(int row, int col);
    // The readouts should show `shownColor` (after every cell write).
    void selectionChanged(ColorValue shownColor);
    void captionChanged(const QString &caption);

private:
    void adjustCurrentCell(PaletteAdjustment::Kind kind);
    void restore(const PaletteColors &colors);
    void takeFileName(const QString &path);
    bool fillFromFile(QString *error);

    PaletteColors m_colors {};
    UndoHistory m_history;
    cCell m_current;
    cCell m_freeCursor; // used only while the palette is full
    ColorValue m_lastClickColor = kBlack; // last colour a click announced
    ColorValue m_lastDropColor = kBlack; // last colour a drop announced
    QString m_fileName;
    QString m_caption = defaultCaption();
    bool m_dirty = false;
};
