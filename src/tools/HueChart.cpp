#include "tools/HueChart.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace HueChart {

namespace {

constexpr double Middle = Height / 2.0; // 35.5: between rows 35 and 36

// The fully saturated, fully bright colour of a hue in degrees (0..360),
// components 0..255, hue continuous rather than in whole degrees.
std::array<double, 3> pureHue(double degrees)
{
    const double sextant = std::fmod(std::max(degrees, 0.0), 360.0) / 60.0;
    const int i = int(sextant);
    const double f = 255.0 * (sextant - i);
    const double up = f;
    const double down = 255.0 - f;
    switch (i) {
    case 0:
        return { 255.0, up, 0.0 };
    case 1:
        return { down, 255.0, 0.0 };
    case 2:
        return { 0.0, 255.0, up };
    case 3:
        return { 0.0, down, 255.0 };
    case 4:
        return { up, 0.0, 255.0 };
    default:
        return { 255.0, 0.0, down };
    }
}

} // namespace

ColorValue colorAt(double x, double y)
{
    const std::array<double, 3> pure = pureHue(360.0 * x / Width);
    // -1 at row 0 (white) through 0 at the middle to about 0.97 at row 70.
    const double t = (y - Middle) / Middle;
    std::array<int, 3> rgb {};
    for (int c = 0; c < 3; ++c) {
        const double v = t < 0 ? pure[c] + (255.0 - pure[c]) * -t : pure[c] * (1.0 - t);
        rgb[c] = int(std::nearbyint(std::clamp(v, 0.0, 255.0)));
    }
    return MakeColorValue(rgb[0], rgb[1], rgb[2]);
}

ColorValue pixel(QPoint point)
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= Width || point.y() >= Height)
        return -1;
    return colorAt(point.x(), point.y());
}

QImage generate(qreal devicePixelRatio)
{
    const int width = std::max(1, qRound(Width * devicePixelRatio));
    const int height = std::max(1, qRound(Height * devicePixelRatio));
    QImage image(width, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    // Each device pixel takes the colour at its centre in logical pixels, so
    // at 1:1 pixel (x, y) is exactly colorAt(x, y).
    const auto logical = [devicePixelRatio](int device) {
        return std::max(0.0, (device + 0.5) / devicePixelRatio - 0.5);
    };
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const RGBColor rgb = ColorToRGB(colorAt(logical(x), logical(y)));
            line[x] = qRgb(rgb.R, rgb.G, rgb.B);
        }
    }
    return image;
}

} // namespace HueChart
