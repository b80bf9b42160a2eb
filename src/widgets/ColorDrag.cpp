#include "widgets/ColorDrag.h"

#include "app/TextNumbers.h"
#include "widgets/QtColors.h"

#include <QColor>
#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

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
    return TextNumbers::leadingInt(tag);
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
