#include "palette/HexColorText.h"

#include <array>

namespace {

// 0..15, or -1 for anything but an ASCII hexadecimal digit.
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

ColorValue HexTextToColor(QStringView text)
{
    std::array<QChar, 6> kept {};
    int count = 0;
    for (qsizetype i = 0; i < text.size() && count < int(kept.size()); ++i) {
        if (text[i] != u'#')
            kept[count++] = text[i];
    }
    std::array<int, 3> parts {}; // red, green, blue: 0..255
    for (int part = 0; part < 3; ++part) {
        for (int i = 2 * part; i < 2 * part + 2 && i < count; ++i) {
            const int digit = hexDigit(kept[i]);
            if (digit < 0)
                break;
            parts[part] = parts[part] * 16 + digit;
        }
    }
    return MakeColorValue(parts[0], parts[1], parts[2]);
}
