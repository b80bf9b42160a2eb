#include "palette/SwatchExchange.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char kSignature[] = "ASEF";
constexpr qsizetype kHeaderSize = 12;
constexpr qsizetype kBlockHeaderSize = 6; // type and length
constexpr quint16 kColorBlock = 0x0001;
constexpr quint16 kNormalSwatch = 2;

// Reads big-endian fields from a byte range, never past its end.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) { }

    bool has(qsizetype count) const { return count <= m_bytes.size() - m_pos; }
    quint16 u16() { return qFromBigEndian<quint16>(take(2)); }
    quint32 u32() { return qFromBigEndian<quint32>(take(4)); }
    float f32()
    {
        const quint32 bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 0.0f;
    }
    QByteArrayView bytes(qsizetype count)
    {
        const QByteArrayView view = m_bytes.sliced(m_pos, count);
        m_pos += count;
        return view;
    }
    qsizetype pos() const { return m_pos; }

private:
    const char *take(qsizetype count)
    {
        const char *data = m_bytes.data() + m_pos;
        m_pos += count;
        return data;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

int toByte(double fraction)
{
    return int(std::lrint(std::clamp(fraction, 0.0, 1.0) * 255.0));
}

// sRGB's transfer curve, from linear light 0..1.
double encodeSrgb(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// CIE Lab under D50, as Adobe keeps it, to sRGB (D65) through XYZ with the
// Bradford-adapted matrix. L is 0..100, a and b about -128..127.
ColorValue labToColor(double L, double a, double b)
{
    const auto inverse = [](double t) {
        constexpr double delta = 6.0 / 29.0;
        return t > delta ? t * t * t : 3.0 * delta * delta * (t - 4.0 / 29.0);
    };
    const double fy = (L + 16.0) / 116.0;
    const double X = 0.96422 * inverse(fy + a / 500.0);
    const double Y = inverse(fy);
    const double Z = 0.82521 * inverse(fy - b / 200.0);
    const double r = 3.1338561 * X - 1.6168667 * Y - 0.4906146 * Z;
    const double g = -0.9787684 * X + 1.9161415 * Y + 0.0334540 * Z;
    const double bl = 0.0719453 * X - 0.2289914 * Y + 1.4052427 * Z;
    return MakeColorValue(toByte(encodeSrgb(r)), toByte(encodeSrgb(g)), toByte(encodeSrgb(bl)));
}

enum class Model { Rgb, Cmyk, Gray, Lab, Unknown };

Model modelOf(QByteArrayView name)
{
    if (name == "RGB ")
        return Model::Rgb;
    if (name == "CMYK")
        return Model::Cmyk;
    if (name == "Gray")
        return Model::Gray;
    if (name == "LAB ")
        return Model::Lab;
    return Model::Unknown;
}

int componentCount(Model model)
{
    switch (model) {
    case Model::Rgb:
    case Model::Lab:
        return 3;
    case Model::Cmyk:
        return 4;
    case Model::Gray:
        return 1;
    case Model::Unknown:
        break;
    }
    return 0;
}

ColorValue toColor(Model model, const float *v)
{
    switch (model) {
    case Model::Rgb:
        return MakeColorValue(toByte(v[0]), toByte(v[1]), toByte(v[2]));
    case Model::Cmyk: {
        const auto ink = [&](float c) {
            return (1.0 - std::clamp(double(c), 0.0, 1.0))
                * (1.0 - std::clamp(double(v[3]), 0.0, 1.0));
        };
        return MakeColorValue(toByte(ink(v[0])), toByte(ink(v[1])), toByte(ink(v[2])));
    }
    case Model::Gray:
        return MakeColorValue(toByte(v[0]), toByte(v[0]), toByte(v[0]));
    case Model::Lab:
        // Lightness is a fraction 0..1; some writers store percent instead.
        return labToColor(v[0] > 1.0f ? v[0] : v[0] * 100.0, v[1], v[2]);
    case Model::Unknown:
        break;
    }
    return kBlack;
}

// Adds the colour of one colour block; false when its fields do not fit.
bool readColorBlock(QByteArrayView block, ImportedSwatches &result)
{
    Reader in(block);
    if (!in.has(2))
        return false;
    const qsizetype nameBytes = qsizetype(in.u16()) * 2;
    if (!in.has(nameBytes + 4))
        return false;
    in.bytes(nameBytes);
    const Model model = modelOf(in.bytes(4));
    if (model == Model::Unknown) {
        ++result.skipped;
        return true;
    }
    const int count = componentCount(model);
    if (!in.has(count * 4))
        return false;
    float values[4] = {};
    for (int i = 0; i < count; ++i)
        values[i] = in.f32();
    result.add(toColor(model, values));
    return true;
}

void appendU16(QByteArray &data, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    data.append(bytes, 2);
}

void appendU32(QByteArray &data, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    data.append(bytes, 4);
}

} // namespace

QByteArray SwatchExchange::encode(const QList<ColorValue> &colors)
{
    QByteArray data(kSignature);
    appendU16(data, 1);
    appendU16(data, 0);
    appendU32(data, quint32(colors.size()));
    for (const ColorValue color : colors) {
        const QString name = QString::fromStdString(ColorToHex(color));
        const RGBColor rgb = ColorToRGB(color);
        QByteArray block;
        appendU16(block, quint16(name.size() + 1));
        for (const QChar c : name)
            appendU16(block, c.unicode());
        appendU16(block, 0);
        block += "RGB ";
        for (const int component : { rgb.R, rgb.G, rgb.B }) {
            const float value = float(component / 255.0);
            quint32 bits;
            std::memcpy(&bits, &value, sizeof bits);
            appendU32(block, bits);
        }
        appendU16(block, kNormalSwatch);
        appendU16(data, kColorBlock);
        appendU32(data, quint32(block.size()));
        data += block;
    }
    return data;
}

ImportedSwatches SwatchExchange::decode(const QByteArray &data)
{
    if (data.size() > ImportedSwatches::kMaxFileSize)
        return ImportedSwatches::failure(QStringLiteral("The file is too large for a palette."));
    if (!data.startsWith(kSignature))
        return ImportedSwatches::failure(QStringLiteral(
            "It is not an Adobe Swatch Exchange file: it does not start with \"ASEF\"."));
    Reader in(data);
    if (!in.has(kHeaderSize))
        return ImportedSwatches::failure(QStringLiteral("The file ends inside its header."));
    in.bytes(4);
    const quint16 major = in.u16();
    const quint16 minor = in.u16();
    if (major != 1)
        return ImportedSwatches::failure(
            QStringLiteral("It is a version %1.%2 swatch file; only version 1 can be read.")
                .arg(major)
                .arg(minor));
    const quint32 blocks = in.u32();

    ImportedSwatches result;
    // Every block takes at least six bytes, so a huge count ends at the end
    // of the data.
    for (quint32 index = 1; index <= blocks; ++index) {
        if (!in.has(kBlockHeaderSize))
            return ImportedSwatches::failure(
                QStringLiteral("The file ends after %1 of the %2 blocks it announces.")
                    .arg(index - 1)
                    .arg(blocks));
        const quint16 type = in.u16();
        const quint32 length = in.u32();
        if (!in.has(length))
            return ImportedSwatches::failure(
                QStringLiteral("Block %1 runs past the end of the file.").arg(index));
        const QByteArrayView block = in.bytes(length);
        if (type == kColorBlock && !readColorBlock(block, result))
            return ImportedSwatches::failure(
                QStringLiteral("Block %1 is too short for the swatch it describes.").arg(index));
    }
    if (result.total == 0)
        return ImportedSwatches::failure(result.skipped
                ? QStringLiteral("None of its swatches is in RGB, CMYK, Gray or Lab.")
                : QStringLiteral("It holds no colours."));
    return result;
}
