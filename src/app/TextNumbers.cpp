#include "app/TextNumbers.h"

#include <cmath>
#include <limits>

namespace TextNumbers {

namespace {

std::optional<int> roundToInt(double value)
{
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(rounded);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<double> toDouble(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> toInt(QStringView text)
{
    const std::optional<double> value = toDouble(text);
    return value ? roundToInt(*value) : std::nullopt;
}

int leadingInt(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end].isSpace())
        ++end;
    const qsizetype start = end;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    const qsizetype digitsStart = end;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    bool digits = end > digitsStart;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fractionStart = ++end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        digits = digits || end > fractionStart;
    }
    if (!digits)
        return 0;
    return toInt(text.sliced(start, end - start)).value_or(0);
}

} // namespace TextNumbers
