#include "tools/RGBSelectorModel.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace {

// Pixel i of a run whose last pixel is `last`: 0 at the first pixel, 255 at
// the last, rounded half to even.
int spread(int i, int last)
{
    return last > 0 ? int(std::nearbyint(255.0 * i / last)) : 0;
}

// Bit positions of red, green and blue in a QRgb, by axis 1..3.
constexpr std::array<int, 3> ChannelShift = { 16, 8, 0 };

int shiftOf(int axis)
{
    return ChannelShift.at(axis - 1);
}

QImage blankImage(QSize size, qreal devicePixelRatio)
{
    const QSize device(std::max(1, qRound(size.width() * devicePixelRatio)),
        std::max(1, qRound(size.height() * devicePixelRatio)));
    QImage image(device, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

void RGBSelectorModel::setRGBAxis(int axis)
{
    Q_ASSERT(axis >= 1 && axis <= 3);
    m_axis = axis;
}

void RGBSelectorModel::setValue(int k, int value)
{
    m_values.at(k - 1) = std::clamp(value, 0, MaxValue);
}

ColorValue RGBSelectorModel::sliderColor() const
{
    return MakeColorValue(m_values[0], m_values[1], m_values[2]);
}

std::array<int, 2> RGBSelectorModel::freeAxes() const
{
    switch (m_axis) {
    case 1:
        return { 2, 3 };
    case 2:
        return { 1, 3 };
    default:
        return { 1, 2 };
    }
}

void RGBSelectorModel::draw(qreal devicePixelRatio)
{
    if (m_axis == NoAxis)
        return;
    m_planeValue = value(m_axis);
    m_drawnAxis = m_axis;
    m_plane = renderPlane(m_axis, m_planeValue, m_planeSize, devicePixelRatio);
    m_strip = renderStrip(m_axis, m_planeValue, m_stripSize, devicePixelRatio);
    ++m_drawCount;
}

QImage RGBSelectorModel::renderPlane(int axis, int planeValue, QSize size, qreal devicePixelRatio)
{
    QImage image = blankImage(size, devicePixelRatio);
    const int fixedShift = shiftOf(axis);
    const int xShift = shiftOf(axis == 1 ? 2 : 1);
    const int yShift = shiftOf(axis == 3 ? 2 : 3);
    const int width = image.width();
    const int height = image.height();
    // Each pixel is a column part OR a row part: the whole plane costs one
    // store per pixel.
    QVarLengthArray<QRgb, 1024> columns(width);
    for (int x = 0; x < width; ++x)
        columns[x] = QRgb(spread(x, width - 1)) << xShift;
    const QRgb base = 0xFF000000u | (QRgb(planeValue) << fixedShift);
    for (int y = 0; y < height; ++y) {
        const QRgb row = base | (QRgb(spread(y, height - 1)) << yShift);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = row | columns[x];
    }
    return image;
}

QImage RGBSelectorModel::renderStrip(int axis, int planeValue, QSize size, qreal devicePixelRatio)
{
    QImage image = blankImage(size, devicePixelRatio);
    const int shift = shiftOf(axis);
    const int height = image.height();
    // The yellow line covers one logical row, the one nearest the value.
    const int lastRow = std::max(size.height() - 1, 0);
    const int lineRow = int(std::nearbyint(planeValue / 255.0 * lastRow));
    const int lineTop = qRound(lineRow * devicePixelRatio);
    const int lineBottom = std::max(lineTop + 1, qRound((lineRow + 1) * devicePixelRatio));
    for (int y = 0; y < height; ++y) {
        const bool onLine = y >= lineTop && y < lineBottom;
        const QRgb color
            = onLine ? qRgb(255, 255, 0) : 0xFF000000u | (QRgb(spread(y, height - 1)) << shift);
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), image.width(), color);
    }
    return image;
}

ColorValue RGBSelectorModel::planePixel(QPoint point) const
{
    if (m_drawnAxis == NoAxis || point.x() < 0 || point.y() < 0 || point.x() >= m_planeSize.width()
        || point.y() >= m_planeSize.height())
        return -1;
    std::array<int, 3> rgb {};
    rgb[m_drawnAxis - 1] = m_planeValue;
    rgb[m_drawnAxis == 1 ? 1 : 0] = spread(point.x(), m_planeSize.width() - 1);
    rgb[m_drawnAxis == 3 ? 1 : 2] = spread(point.y(), m_planeSize.height() - 1);
    return MakeColorValue(rgb[0], rgb[1], rgb[2]);
}

QPoint RGBSelectorModel::pointForColor(ColorValue color) const
{
    const RGBColor rgb = ColorToRGB(color);
    const std::array<int, 3> components = { rgb.R, rgb.G, rgb.B };
    const std::array<int, 2> free = freeAxes();
    const auto place = [](int component, int length) {
        return int(std::nearbyint(std::max(length - 1, 0) * component / 255.0));
    };
    return { place(components[free[0] - 1], m_planeSize.width()),
        place(components[free[1] - 1], m_planeSize.height()) };
}

bool RGBSelectorModel::PlacePlanePointer(QPoint point)
{
    return m_pointer.placeAt(point, planePixel(point));
}
