#pragma once

#include "core/mod_ColorConversion.h"

#include <QPoint>

// The small circle that marks the picked point of a colour surface (the RGB
// plane, the spectrum). Hidden until first placed; its outline stands out
// from the pixel under its centre.
struct SurfacePointer {
    bool visible = false;
    QPoint centre; // logical pixels of the surface's picture
    ColorValue outline = kBlack;

    // Centres the pointer on `point` over a picture pixel of colour `pixel`.
    // A negative pixel (outside the picture) leaves the pointer where it was.
    bool placeAt(QPoint point, ColorValue pixel)
    {
        if (pixel < 0)
            return false;
        visible = true;
        centre = point;
        outline = GetContrastColor(pixel);
        return true;
    }

    friend bool operator==(const SurfacePointer &, const SurfacePointer &) = default;
};
