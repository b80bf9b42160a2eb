#pragma once

#include "palette/PaletteModel.h"
#include "palette/mod_Export.h"
#include "widgets/MdiChild.h"

#include <QWidget>
#include <array>

class ColorGrid;
struct ColorTexts;
class QLineEdit;
class QToolBar;
class PaletteHost;

// A palette document: a thin window over a PaletteModel. It shows the 4 x 4
// grid and the three readouts, turns clicks, keys, drops and toolbar buttons
// into model operations, and reports what the model cannot (beeps, message
// boxes, the save prompt on closing).
class frmPalette : public QWidget, public MdiChild {
    Q_OBJECT

public:
    // `host` may be null: a palette on its own, as tests build it.
    explicit frmPalette(PaletteHost *host, QWidget *parent = nullptr);
    ~frmPalette() override;

    PaletteModel &model() { return m_model; }
    const PaletteModel &model() const { return m_model; }

    // The operations other windows call, under their usual names.
    void Init();
    void Reset();
    void SetNextCell(ColorValue inColor);
    void SetFreeCellColor(ColorValue inColor);
    void SelectCell(int inRow, int inCol);
    void SetCellColorRC(int inRow, int inCol, ColorValue inColor);
    ColorValue GetColor(int inRow, int inCol) const;
    void AdjustPalette(const QString &inCode);
    void AdjustCell(const QString &inFunction);
    void RollBack();
    void RollForward();
    void SaveUndoInfo();
    void Clone(frmPalette *inPalette);
    // Writes the palette; on failure shows why and returns false.
    bool Save(const QString &inFile);
    // Reads FileName; on failure shows why and returns false.
    bool Load();
    // Asks for a file and writes the palette's colours into it in the format
    // of `Dest`: "AI", "Act" or "xml", and the HTML page for any other text.
    // A cancelled dialog does nothing; an empty palette is refused except
    // for the colour table; a failure is shown and leaves an existing file
    // as it was. The palette and Dirty never change.
    void ExportTo(const QString &Dest);
    void ExportTo(mod_Export::Format format);

    QString FileName() const { return m_model.FileName(); }
    void setFileName(const QString &fileName) { m_model.setFileName(fileName); }
    bool Dirty() const { return m_model.Dirty(); }
    void setDirty(bool dirty) { m_model.setDirty(dirty); }

    // The toolbar's "Copy": a new window with this palette's colours.
    frmPalette *ClonePalette();
    // The toolbar's "Reset": asks, then empties every cell.
    void PromptForErase();

    bool Form_QueryUnload() override;
    void agreeToClose() override { m_closeAgreed = true; }

    ColorGrid *grid() const { return m_flxGrid; }
    QToolBar *toolBar() const { return m_tbrPalette; }
    QString readout(int box) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildToolBar();
    void watchChildren(bool watch);
    void connectModel();
    void ResetGrid();
    void showCell(int row, int col);
    void SelectionChanged(ColorValue color);
    void showReadouts(const ColorTexts &texts);
    void cMsgServer_Notification(const QString &sMsg);
    void flxGrid_Pressed(int row, int col, Qt::MouseButton button);
    void flxGrid_MouseUp(int row, int col, Qt::MouseButton button, const QPoint &globalPos);
    bool flxGrid_DragDrop(QDropEvent *event);
    bool keyPressed(QKeyEvent *event);
    void tbrPalette_ButtonClick(const QString &key);
    void layoutGrid();

    PaletteHost *m_host;
    PaletteModel m_model;
    ColorGrid *m_flxGrid;
    std::array<QLineEdit *, 3> m_txtPanel {};
    QToolBar *m_tbrPalette = nullptr;
    bool m_closeAgreed = false;
};
