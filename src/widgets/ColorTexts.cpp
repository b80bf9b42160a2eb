#include "widgets/ColorTexts.h"

ColorTexts SelectionChanged(ColorValue color)
{
    // Hex of the bit pattern, so that no sign ever shows.
    const auto bits = static_cast<quint32>(color);
    return ColorTexts {
        QString::fromStdString(ColorToRGBString(color)),
        QStringLiteral("&H") + QString::number(bits, 16).toUpper(),
        QString::fromStdString(ColorToHex(color)),
    };
}
