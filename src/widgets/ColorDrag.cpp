#include "widgets/ColorDrag.h"
#include "widgets/QtColors.h"

#include <QColor>
#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>

namespace ColorDrag {

namespace {

// The colour a source yields for a drop, by its kind.
ColorValue colorOf(const Source &source)
{
    switch (source.kind) {
    case SourceKind::Grid:
    case SourceKind::Label:
        return source.color;
    case SourceKind::Swatch:
        return colorFromTag(source.tag);
    case SourceKind::Other:
        return kBlack;
    }
    return kBlack;
}

// The same small swatch for every colour drag.
QPixmap dragPixmap(QWidget *widget, ColorValue color)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    QPixmap pixmap(QSize(22, 22) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x33, 0x3a, 0x45), 1.5));
    painter.setBrush(toQColor(color));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 19, 19), 4, 4);
    return pixmap;
}

} // namespace

ColorValue colorFromTag(const QString &tag)
{
    // Like a numeric conversion of the leading number: "16711680" and
    // " 255 " read as numbers, "abc" as 0.
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(tag);
    if (!match.hasMatch())
        return kBlack;
    const double value = match.captured(0).trimmed().toDouble();
    if (!std::isfinite(value) || value > 2147483647.0 || value < -2147483648.0)
        return kBlack;
    return ColorValue(std::nearbyint(value));
}

QMimeData *createMimeData(const Source &source)
{
    auto *mime = new QMimeData;
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << qint32(source.kind) << qint32(source.color) << source.tag;
    mime->setData(QString::fromLatin1(kMimeType), payload);
    mime->setColorData(toQColor(qBound(0, colorOf(source), int(kWhite))));
    return mime;
}

std::optional<ColorValue> colorFromMime(const QMimeData *mime, LabelRule labels)
{
    if (!mime || !mime->hasFormat(QString::fromLatin1(kMimeType)))
        return std::nullopt;
    QDataStream stream(mime->data(QString::fromLatin1(kMimeType)));
    qint32 kind = 0;
    qint32 color = 0;
    Source source;
    stream >> kind >> color >> source.tag;
    if (stream.status() != QDataStream::Ok)
        return kBlack;
    source.kind
        = (kind >= 0 && kind <= qint32(SourceKind::Other)) ? SourceKind(kind) : SourceKind::Other;
    source.color = color;
    if (source.kind == SourceKind::Label && labels == LabelRule::Black)
        return kBlack;
    return colorOf(source);
}

void start(QWidget *widget, const Source &source, ColorValue shownColor)
{
    auto *drag = new QDrag(widget);
    drag->setMimeData(createMimeData(source));
    drag->setPixmap(dragPixmap(widget, shownColor));
    drag->setHotSpot(QPoint(11, 11));
    drag->exec(Qt::CopyAction);
}

} // namespace ColorDrag
