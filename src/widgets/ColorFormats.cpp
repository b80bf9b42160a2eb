#include "widgets/ColorFormats.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace ColorFormats {

namespace {

// Round half to even, the program's one float-to-integer rule.
long roundEven(double value)
{
    return std::lrint(value);
}

int significantDigits(std::string_view text)
{
    int digits = 0;
    bool leading = true;
    for (const char c : text) {
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++digits;
    }
    return digits;
}

QString percent(float fraction)
{
    return QString::number(roundEven(double(fraction) * 100.0));
}

} // namespace

QString plainHex(ColorValue color)
{
    return QString::number(static_cast<uint32_t>(color), 16).toUpper();
}

QString ampersandHex(ColorValue color)
{
    return QStringLiteral("&H") + plainHex(color);
}

ColorTexts readouts(ColorValue color)
{
    return ColorTexts { QString::fromStdString(ColorToRGBString(color)), ampersandHex(color),
        QString::fromStdString(ColorToHex(color)) };
}

std::array<QString, kInfoRows> infoLabels()
{
    return { QStringLiteral("R.G.B"), QStringLiteral("H.S.V"), QStringLiteral("C.M.Y"),
        QStringLiteral("C.M.Y.K"), QStringLiteral("HEX"), QStringLiteral("WEB") };
}

std::array<QString, kInfoRows> infoValues(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    const HSVColor hsv = ColorToHSV(color);
    const CMYColor cmy = RGBToCMY(rgb.R, rgb.G, rgb.B);
    const CMYKColor cmyk = CMYToCMYK(cmy.C, cmy.M, cmy.Y);
    const QString sep = QStringLiteral(", ");
    return {
        QStringLiteral("%1.%2.%3 (%4)").arg(rgb.R).arg(rgb.G).arg(rgb.B).arg(color),
        QString::number(roundEven(double(hsv.H) * 360.0)) + QChar(0x00B0) + sep + percent(hsv.S)
            + sep + percent(hsv.V),
        percent(cmy.C) + sep + percent(cmy.M) + sep + percent(cmy.Y),
        percent(cmyk.C) + sep + percent(cmyk.M) + sep + percent(cmyk.Y) + sep + percent(cmyk.K),
        // The grid's one text with a blank after the "&H".
        QStringLiteral("&H ") + plainHex(color),
        QString::fromStdString(ColorToHex(color)),
    };
}

QString copyWeb(ColorValue color)
{
    return QString::fromStdString(ColorToHex(color));
}

QString copyHex(ColorValue color)
{
    return copyWeb(color).mid(1);
}

QString copyRgb(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return QStringLiteral("%1,%2,%3").arg(rgb.R).arg(rgb.G).arg(rgb.B);
}

QString copyHsv(ColorValue color)
{
    const HSVColor hsv = ColorToHSV(color);
    const float degrees = static_cast<float>(double(hsv.H) * 360.0);
    return shortFloatText(degrees) + u',' + shortFloatText(hsv.S) + u',' + shortFloatText(hsv.V);
}

QString copyCmy(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    const CMYColor cmy = RGBToCMY(rgb.R, rgb.G, rgb.B);
    return shortFloatText(cmy.C) + u',' + shortFloatText(cmy.M) + u',' + shortFloatText(cmy.Y);
}

QString shortFloatText(float value)
{
    // Shortest round-trip text in plain notation; a float that needs more
    // than 7 significant digits is first rounded to 7 (the nearest float to
    // that 7-digit text then round-trips in at most 7). to_chars/from_chars
    // ignore the C locale, which the application takes from the user.
    char buffer[64];
    auto plain = [&buffer](float v) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
        return std::string_view(buffer, end.ptr - buffer);
    };
    std::string_view text = plain(value);
    if (significantDigits(text) > 7) {
        char rounded[32];
        const auto end = std::to_chars(
            rounded, rounded + sizeof rounded, value, std::chars_format::general, 7);
        float nearest = 0;
        std::from_chars(rounded, end.ptr, nearest);
        text = plain(nearest);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace ColorFormats
