#pragma once

#include "app/Twips.h"

#include <QRect>

// A control's twips box on a tool page as whole logical pixels.
inline QRect twipsRectToPixels(const QRect &twips, const QWidget *widget)
{
    return { twipsToPixels(twips.x(), widget), twipsToPixels(twips.y(), widget),
        twipsToPixels(twips.width(), widget), twipsToPixels(twips.height(), widget) };
}
