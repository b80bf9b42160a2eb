#include "picker/ColorPickerModel.h"

#include <cmath>

ColorPickerModel::ColorPickerModel(QList<ScreenShot> screens) : m_screens(std::move(screens))
{
    for (ScreenShot &shot : m_screens) {
        if (shot.image.format() != QImage::Format_RGB32) {
            const qreal ratio = shot.image.devicePixelRatio();
            shot.image = shot.image.convertToFormat(QImage::Format_RGB32);
            shot.image.setDevicePixelRatio(ratio);
        }
    }
}

int ColorPickerModel::screenAt(const QPoint &globalPos) const
{
    for (qsizetype i = 0; i < m_screens.size(); ++i) {
        if (m_screens[i].geometry.contains(globalPos))
            return int(i);
    }
    return -1;
}

QPoint ColorPickerModel::devicePixel(int index, const QPointF &localPos) const
{
    // Pointer positions are whole device pixels divided by the ratio; the
    // small allowance keeps 10.6667 × 1.5 on pixel 16, not 15.
    constexpr double kAllowance = 1e-3;
    const double ratio = m_screens.at(index).image.devicePixelRatio();
    return QPoint(int(std::floor(localPos.x() * ratio + kAllowance)),
        int(std::floor(localPos.y() * ratio + kAllowance)));
}

ColorValue ColorPickerModel::pixel(int index, const QPoint &devicePixel) const
{
    if (index < 0 || index >= m_screens.size())
        return -1;
    const QImage &image = m_screens[index].image;
    if (!image.rect().contains(devicePixel))
        return -1;
    const QRgb rgb
        = reinterpret_cast<const QRgb *>(image.constScanLine(devicePixel.y()))[devicePixel.x()];
    return MakeColorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool ColorPickerModel::moveTo(int index, const QPoint &devicePixel)
{
    if (index == m_screen && devicePixel == m_pixel)
        return false;
    m_screen = index;
    m_pixel = devicePixel;
    const QPoint topLeft = devicePixel - QPoint(kCentre, kCentre);
    for (int row = 0; row < kGridSize; ++row) {
        for (int column = 0; column < kGridSize; ++column) {
            const ColorValue color = pixel(index, topLeft + QPoint(column, row));
            m_cells[row * kGridSize + column] = color < 0 ? kBlack : color;
        }
    }
    return true;
}

QString ColorPickerModel::boxText() const
{
    return QString::fromStdString(ColorToRGBString(color()));
}

QPoint ColorPickerModel::jumpedPanel(const QRect &panel, const QSize &window)
{
    if (panel.left() != 0)
        return QPoint(0, panel.top());
    return QPoint(window.width() - panel.width(), window.height() - panel.height());
}
