#include "previews/VectorImageModel.h"

#include "previews/FloodFill.h"

#include <algorithm>
#include <cmath>

VectorImageModel::VectorImageModel(QObject *parent) : QObject(parent)
{
    setOpeningPicture(sample());
}

QImage VectorImageModel::sample()
{
    return QImage(QStringLiteral(":/previews/vector-sample.png"))
        .convertToFormat(QImage::Format_RGB32);
}

void VectorImageModel::setOpeningPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_history.clear();
    emit pictureChanged();
}

void VectorImageModel::setZoom(double zoom)
{
    if (!std::isfinite(zoom))
        zoom = kMinZoom;
    zoom = std::clamp(std::nearbyint(zoom / kZoomStep) * kZoomStep, kMinZoom, kMaxZoom);
    m_zoom = zoom;
}

QSize VectorImageModel::canvasSize() const
{
    return { int(std::nearbyint(m_picture.width() * m_zoom)),
        int(std::nearbyint(m_picture.height() * m_zoom)) };
}

QPoint VectorImageModel::picturePoint(QPointF canvasPoint, double zoom)
{
    // nearbyint rounds half to even in the default rounding mode.
    const double x = std::nearbyint(canvasPoint.x() / zoom);
    const double y = std::nearbyint(canvasPoint.y() / zoom);
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 1e9 || std::abs(y) > 1e9)
        return { -1, -1 };
    return { int(x), int(y) };
}

ColorValue VectorImageModel::colorAt(QPointF canvasPoint) const
{
    const QPoint point(int(std::floor(canvasPoint.x() / m_zoom)),
        int(std::floor(canvasPoint.y() / m_zoom)));
    if (!m_picture.rect().contains(point))
        return kWhite;
    const QRgb rgb = m_picture.pixel(point);
    return MakeColorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void VectorImageModel::dropAt(QPointF canvasPoint, ColorValue color)
{
    fillAt(picturePoint(canvasPoint, m_zoom), color);
}

void VectorImageModel::fillAt(QPoint picturePoint, ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    PictureDelta changed = FloodFill::fill(m_picture, picturePoint, qRgb(rgb.R, rgb.G, rgb.B));
    m_history.store(m_picture, std::move(changed));
    emit pictureChanged();
}

void VectorImageModel::Undo()
{
    m_history.undo(m_picture);
    emit pictureChanged();
}

void VectorImageModel::Redo()
{
    m_history.redo(m_picture);
    emit pictureChanged();
}

void VectorImageModel::Reset()
{
    m_history.showOpening(m_picture);
    emit pictureChanged();
}
