#pragma once

#include "tools/MatchingPaletteModel.h"

#include <QWidget>
#include <array>

class ColorGrid;
class ColorSwatch;
class QLineEdit;
class QSlider;
class QToolButton;
class ToolHost;
class frmPalette;

// The "&Matching Palette Selector" page: three sliders choose a prime colour,
// shown in a swatch, and a row of eight matching colours is built from it.
// The row can be opened as a new palette or added to the active one.
class MatchingPalettePage : public QWidget {
    Q_OBJECT

public:
    explicit MatchingPalettePage(ToolHost *host, QWidget *parent = nullptr);

    // Sets the sliders to the components of ProcessState::ActiveColor and
    // rebuilds the matching colours. Setting a slider from here counts as a
    // move of that slider, so all three value boxes show the new values.
    void SyncMatchSliders();
    // Recomputes the eight matching colours from the sliders.
    void BuildMatchingPalette();

    // "Add all  to new palette": a new palette starting with the eight colours.
    void cmdAddAll_Click();
    // "Add all  to current palette": the eight colours into the active
    // palette's free cells, as one undo step; nothing without an active palette.
    void cmdCopy_Click();

    const MatchingPaletteModel &model() const { return m_model; }
    ColorGrid *grid() const { return m_flxGrid; }
    QSlider *slider(int k) const { return m_sldPrime.at(k - 1); }

private:
    void buildControls();
    void placeControls();
    void connectControls();
    // The slider step of slider k (1 red, 2 green, 3 blue).
    void sldPrime_Change(int k);
    void showPrimeColor();
    void showSliderValue(int k);
    void gridReleased(Qt::MouseButton button, const QPoint &globalPos);
    void addMatchingColors(frmPalette *palette, int firstRow);

    ToolHost *m_host;
    MatchingPaletteModel m_model;
    ColorSwatch *m_pctPrimeSwatch;
    ColorGrid *m_flxGrid;
    QToolButton *m_cmdAddAll;
    QToolButton *m_cmdCopy;
    std::array<QLineEdit *, 3> m_txtValue {};
    std::array<QSlider *, 3> m_sldPrime {};
};
