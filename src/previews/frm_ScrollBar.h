#pragma once

#include "previews/PreviewWindow.h"
#include "previews/ScrollBarModel.h"

#include <QImage>
#include <array>

class ColorTarget;
class QToolBar;

// "Scroll Bar Preview": seven labelled colour boxes that take dropped
// colours, the scroll bar drawn in those colours beside them, and the
// matching style-sheet code put on the clipboard. A thin window over a
// ScrollBarModel; its colours live only as long as the window (or in a
// workspace).
class frm_ScrollBar : public PreviewWindow {
    Q_OBJECT

public:
    explicit frm_ScrollBar(PreviewHost *host, QWidget *parent = nullptr);

    ScrollBarModel &model() { return m_model; }

    // Opening: the Reset colours and the stored placement.
    void Form_Load();

    // What the workspace uses. GetColor and SetColour refuse an index
    // outside 0..6; SetColour records no undo step and draws nothing, so
    // the caller ends with pctBoard_Paint, which draws the scroll bar and
    // every colour box again.
    ColorValue GetColor(int index) const { return m_model.GetColor(index); }
    bool SetColour(int index, ColorValue color) { return m_model.SetColour(index, color); }
    void pctBoard_Paint();

    // The toolbar's commands. GenCode puts the code on the clipboard and
    // says so; Undo and Redo beep when there is nothing to take.
    void GenCode();
    void Reset();
    void Undo();
    void Redo();

    ColorTarget *colorBox(int index) const { return m_pctColorBox.at(index); }
    QWidget *board() const { return m_pctBoard; }
    // The board as last drawn, at one pixel per 15 twips.
    const QImage &boardImage() const { return m_boardImage; }
    QToolBar *toolBar() const { return m_tbrScrollBar; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolBar();
    void buildBoard();
    ColorValue windowBackground() const;
    void tbrScrollBar_ButtonClick(const QString &key);

    ScrollBarModel m_model;
    QToolBar *m_tbrScrollBar = nullptr;
    QWidget *m_pctBoard = nullptr;
    std::array<ColorTarget *, ScrollBarModel::kColors> m_pctColorBox {};
    QImage m_boardImage;
};
