#pragma once

#include "core/mod_ColorConversion.h"

#include <QStringView>

// The colour a typed or pasted hex text stands for. Every '#' is dropped,
// wherever it stands; the first three pairs of the remaining characters are
// red, green and blue, each read as far as it consists of hexadecimal digits
// (either letter case): "1G" gives 1, "GG", "G1" and a missing pair 0.
// Characters after the sixth are not looked at. Always a valid colour, so
// any text at all may come in.
ColorValue HexTextToColor(QStringView text);
