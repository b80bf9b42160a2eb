#pragma once

#include "app/PlatformServices.h"
#include "core/mod_ColorConversion.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <array>

// What the eyedropper shows: the frozen screens, the 13 × 13 device pixels
// around the pointer, the colour under it and the colour box's text.
//
// A position on a screen's picture is a device pixel: (0, 0) is the screen's
// top left pixel, and a screen shown at two device pixels per logical pixel
// has twice as many in each direction. The grid magnifies device pixels, so
// the colour picked is exactly one pixel of the screen.
class ColorPickerModel {
public:
    using ScreenShot = PlatformServices::ScreenShot;

    static constexpr int kGridSize = 13; // rows and columns of the zoom grid
    static constexpr int kCentre = 6; // row and column of the pointer's pixel

    explicit ColorPickerModel(QList<ScreenShot> screens = {});

    qsizetype screenCount() const { return m_screens.size(); }
    const ScreenShot &screen(qsizetype index) const { return m_screens.at(index); }
    // The screen whose rectangle holds `globalPos` (logical pixels on the
    // virtual desktop), or -1.
    int screenAt(const QPoint &globalPos) const;

    // The device pixel of screen `index` under `localPos`, a pointer
    // position in logical pixels from the screen's top left.
    QPoint devicePixel(int index, const QPointF &localPos) const;
    // A pixel's colour, or -1 outside the picture.
    ColorValue pixel(int index, const QPoint &devicePixel) const;

    // Centres the grid on a device pixel of a screen. Returns false when it
    // already was there.
    bool moveTo(int index, const QPoint &devicePixel);

    // A cell's colour, row and column 0..12; black outside the picture.
    ColorValue cellColor(int row, int column) const { return m_cells[row * kGridSize + column]; }
    // The colour under the pointer; black outside the picture.
    ColorValue color() const { return cellColor(kCentre, kCentre); }
    // The colour box's text, "255-128-0", and the colour it is written in.
    QString boxText() const;
    ColorValue boxTextColor() const { return GetContrastColor(color()); }

    // Where a zoom panel at `panel` goes when the pointer moves onto it in a
    // window of `window`'s size: to the left edge, keeping its top; from the
    // left edge to the bottom right corner. Returns its new top left.
    static QPoint jumpedPanel(const QRect &panel, const QSize &window);

private:
    QList<ScreenShot> m_screens; // images in Format_RGB32
    int m_screen = -1;
    QPoint m_pixel;
    std::array<ColorValue, kGridSize * kGridSize> m_cells {};
};
