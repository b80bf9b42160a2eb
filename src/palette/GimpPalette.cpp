#include "palette/GimpPalette.h"

namespace {

constexpr char kMagic[] = "GIMP Palette";
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads one whole number at `pos` of `line`, skipping blanks before it, and
// clamps it to 0..255 however many digits it has. False when there is none.
bool readComponent(QByteArrayView line, qsizetype &pos, int &value)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    bool negative = false;
    if (pos < line.size() && (line[pos] == '-' || line[pos] == '+'))
        negative = line[pos++] == '-';
    if (pos >= line.size() || !isDigit(line[pos]))
        return false;
    value = 0;
    for (; pos < line.size() && isDigit(line[pos]); ++pos)
        value = qMin(255, value * 10 + (line[pos] - '0'));
    if (negative)
        value = 0;
    // "12abc" is not a number followed by a name.
    return pos == line.size() || isBlank(line[pos]);
}

bool isHeader(QByteArrayView line)
{
    return line.startsWith("Name:") || line.startsWith("Columns:");
}

} // namespace

QByteArray GimpPalette::encode(const QList<ColorValue> &colors, const QString &name)
{
    QString oneLine = name;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray data = kMagic;
    data += "\nName: " + oneLine.toUtf8() + "\nColumns: 4\n#\n";
    for (const ColorValue color : colors) {
        const RGBColor rgb = ColorToRGB(color);
        data += QByteArray::number(rgb.R).rightJustified(3, ' ') + ' '
            + QByteArray::number(rgb.G).rightJustified(3, ' ') + ' '
            + QByteArray::number(rgb.B).rightJustified(3, ' ') + '\t'
            + QByteArray::fromStdString(ColorToHex(color)) + '\n';
    }
    return data;
}

ImportedSwatches GimpPalette::decode(const QByteArray &data)
{
    if (data.size() > ImportedSwatches::kMaxFileSize)
        return ImportedSwatches::failure(QStringLiteral("The file is too large for a palette."));
    QByteArrayView rest(data);
    if (rest.startsWith(kUtf8Bom))
        rest = rest.sliced(sizeof kUtf8Bom - 1);
    if (!rest.startsWith(kMagic))
        return ImportedSwatches::failure(
            QStringLiteral("It is not a GIMP palette: its first line is not \"GIMP Palette\"."));

    ImportedSwatches result;
    qsizetype lineNumber = 0;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (++lineNumber == 1)
            continue;
        qsizetype pos = 0;
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        line = line.sliced(pos);
        if (line.isEmpty() || line.startsWith('#') || isHeader(line))
            continue;
        int rgb[3] = {};
        pos = 0;
        for (int &component : rgb) {
            if (!readComponent(line, pos, component))
                return ImportedSwatches::failure(
                    QStringLiteral("Line %1 is not a colour: it does not start with three whole "
                                   "numbers for red, green and blue.")
                        .arg(lineNumber));
        }
        result.add(MakeColorValue(rgb[0], rgb[1], rgb[2]));
    }
    if (result.total == 0)
        return ImportedSwatches::failure(QStringLiteral("It holds no colours."));
    return result;
}
