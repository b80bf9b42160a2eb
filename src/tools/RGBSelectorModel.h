#pragma once

#include "core/mod_ColorConversion.h"
#include "tools/SurfacePointer.h"

#include <QImage>
#include <QSize>
#include <array>

// The RGB selector: one colour axis (red, green or blue) is fixed at the
// value of its slider, and the other two spread across the plane, the first
// free one from left to right, the second from top to bottom, each from 0 at
// the first pixel to 255 at the last. The strip beside the plane runs the
// fixed axis from 0 at the top to 255 at the bottom and marks the slider's
// value with a yellow line.
//
// Everything here works in logical pixels of the two pictures; draw() renders
// them in one pass at a device pixel ratio, so they stay sharp on dense
// screens while every position and colour read back is the same as at 1:1.
class RGBSelectorModel {
public:
    static constexpr int NoAxis = 0;
    static constexpr int MaxValue = 255; // sliders run 0..MaxValue

    // 0 until the first drawing chooses one; then 1 red, 2 green, 3 blue.
    int RGBAxis() const { return m_axis; }
    void setRGBAxis(int axis); // 1..3

    // Slider k (1 red, 2 green, 3 blue), clamped to 0..MaxValue.
    int value(int k) const { return m_values.at(k - 1); }
    void setValue(int k, int value);
    // The colour the three sliders make.
    ColorValue sliderColor() const;
    // The two axes that are not fixed, in plane order (x, then y).
    std::array<int, 2> freeAxes() const;

    // Sizes of the pictures in logical pixels.
    void setPlaneSize(QSize size) { m_planeSize = size; }
    void setStripSize(QSize size) { m_stripSize = size; }

    // Draws plane and strip for the current axis and slider, in one pass;
    // PlaneValue becomes the fixed axis's slider value.
    void draw(qreal devicePixelRatio);
    int PlaneValue() const { return m_planeValue; }
    const QImage &planeImage() const { return m_plane; }
    const QImage &stripImage() const { return m_strip; }
    int drawCount() const { return m_drawCount; }

    // The plane's colour at a logical pixel as last drawn; -1 outside it or
    // before the first drawing.
    ColorValue planePixel(QPoint point) const;
    // The plane pixel whose free components come nearest to the colour's.
    QPoint pointForColor(ColorValue color) const;

    // PlacePlanePointer: centres the pointer on a plane pixel; a point
    // outside the plane leaves it where it was.
    bool PlacePlanePointer(QPoint point);
    const SurfacePointer &pointer() const { return m_pointer; }

    // The pictures themselves, for a given state.
    static QImage renderPlane(int axis, int planeValue, QSize size, qreal devicePixelRatio);
    static QImage renderStrip(int axis, int planeValue, QSize size, qreal devicePixelRatio);

private:
    int m_axis = NoAxis;
    std::array<int, 3> m_values {};
    int m_planeValue = 0;
    int m_drawnAxis = NoAxis;
    QSize m_planeSize;
    QSize m_stripSize;
    QImage m_plane;
    QImage m_strip;
    int m_drawCount = 0;
    SurfacePointer m_pointer;
};
