#include "widgets/AppIcons.h"

#include "widgets/ImageHandoff.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

namespace AppIcons {

namespace {

const QColor kInk(0x33, 0x3a, 0x45);
const QColor kAccent(0x2f, 0x7d, 0xd1);
const QColor kPaper(0xfb, 0xfb, 0xfc);

// All shapes are drawn on a 24 x 24 design grid.
QPen inkPen(qreal width = 1.6, const QColor &color = kInk)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawSheet(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2.5);
    sheet.lineTo(14.5, 2.5);
    sheet.lineTo(19.5, 7.5);
    sheet.lineTo(19.5, 21.5);
    sheet.lineTo(5, 21.5);
    sheet.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({ QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5) }));
}

void drawSwatchGrid(QPainter &p, const QRectF &area)
{
    const QColor colors[4] = { QColor(0xe8, 0x4a, 0x3c), QColor(0xf5, 0xb0, 0x2e),
        QColor(0x3c, 0xa5, 0x5c), QColor(0x2f, 0x7d, 0xd1) };
    const qreal w = area.width() / 2, h = area.height() / 2;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(QRectF(area.x() + (i % 2) * w, area.y() + (i / 2) * h, w - 0.6, h - 0.6));
    }
}

void drawNew(QPainter &p)
{
    drawSheet(p);
    drawSwatchGrid(p, QRectF(7.5, 10, 9.5, 9));
}

void drawOpen(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(QColor(0xf3, 0xc9, 0x6b));
    QPainterPath back;
    back.moveTo(2.5, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(20, 8);
    back.lineTo(20, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xf8, 0xdb, 0x93));
    p.drawPolygon(
        QPolygonF({ QPointF(2.5, 19.5), QPointF(5.5, 11), QPointF(22.5, 11), QPointF(20, 19.5) }));
}

void drawSave(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 6.5));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(8.5, 16), QPointF(15.5, 16));
    p.drawLine(QPointF(8.5, 18.5), QPointF(15.5, 18.5));
}

void drawWindowFrame(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 1.5, 1.5);
    p.setBrush(kAccent);
    p.drawRect(QRectF(2.5, 3.5, 19, 4));
}

void drawWebPreview(QPainter &p)
{
    drawWindowFrame(p);
    p.setPen(inkPen(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 14), 4.5, 4.5);
    p.drawEllipse(QPointF(12, 14), 2, 4.5);
    p.drawLine(QPointF(7.5, 14), QPointF(16.5, 14));
}

void drawVectorPreview(QPainter &p)
{
    drawWindowFrame(p);
    p.setPen(inkPen(1.2));
    p.setBrush(QColor(0xe8, 0x4a, 0x3c));
    QPainterPath curve;
    curve.moveTo(5, 18.5);
    curve.cubicTo(8, 9, 13, 20, 19, 10.5);
    curve.lineTo(19, 18.5);
    curve.closeSubpath();
    p.drawPath(curve);
}

void drawScrollBarPreview(QPainter &p)
{
    drawWindowFrame(p);
    p.setPen(inkPen(1.2));
    p.setBrush(QColor(0xdd, 0xe3, 0xea));
    p.drawRect(QRectF(15.5, 7.5, 6, 13));
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(16.5, 10.5, 4, 5), 1, 1);
}

void drawEyeDropper(QPainter &p)
{
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    p.setPen(inkPen());
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(-3.2, -10.5, 6.4, 5.5), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(-2, -5, 4, 10));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({ QPointF(-2, 5), QPointF(2, 5), QPointF(0, 10.5) }));
    p.restore();
}

void drawPin(QPainter &p, bool on)
{
    p.save();
    p.translate(12, 12);
    p.rotate(on ? 0 : 40);
    p.setPen(inkPen());
    p.setBrush(on ? kAccent : kPaper);
    p.drawRoundedRect(QRectF(-4, -9.5, 8, 3), 1, 1);
    p.drawPolygon(
        QPolygonF({ QPointF(-2.5, -6.5), QPointF(2.5, -6.5), QPointF(4.5, 1), QPointF(-4.5, 1) }));
    p.drawLine(QPointF(0, 1), QPointF(0, 10));
    p.restore();
}

void drawArrow(QPainter &p, bool forward)
{
    p.save();
    if (!forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(inkPen(2.0, kAccent));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(5, 17);
    arc.cubicTo(5, 9, 13, 6.5, 18, 11);
    p.drawPath(arc);
    p.setBrush(kAccent);
    p.setPen(inkPen(1.2, kAccent));
    p.drawPolygon(QPolygonF({ QPointF(20.5, 6), QPointF(20.5, 14), QPointF(13.5, 12) }));
    p.restore();
}

void drawTone(QPainter &p, const QColor &inner, const QString &sign)
{
    p.setPen(inkPen());
    p.setBrush(inner);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(inner.lightness() > 140 ? kInk : kPaper);
    p.drawText(QRectF(3, 2, 18, 18), Qt::AlignCenter, sign);
}

void drawClone(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(8.5, 8.5, 12.5, 12.5), 1.5, 1.5);
    drawSwatchGrid(p, QRectF(10.5, 10.5, 8.5, 8.5));
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 3, 12.5, 12.5), 1.5, 1.5);
    drawSwatchGrid(p, QRectF(5, 5, 8.5, 8.5));
}

void drawClear(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setPen(inkPen(2.2, QColor(0xc6, 0x3b, 0x30)));
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void drawAddTo(QPainter &p, bool toNew)
{
    if (toNew)
        drawSheet(p);
    else
        drawSwatchGrid(p, QRectF(3, 3, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x9b, 0x4f));
    p.drawEllipse(QRectF(12.5, 12.5, 10, 10));
    p.setPen(inkPen(1.8, kPaper));
    p.drawLine(QPointF(17.5, 14.8), QPointF(17.5, 20.2));
    p.drawLine(QPointF(14.8, 17.5), QPointF(20.2, 17.5));
}

// A circling arrow around a small swatch: back to the first colours.
void drawReset(QPainter &p)
{
    p.setPen(inkPen(2.0, kAccent));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 3.5, 17, 17), 100 * 16, 290 * 16);
    p.setPen(inkPen(1.2, kAccent));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({ QPointF(8.5, 1.5), QPointF(13.5, 4.2), QPointF(8.8, 7.5) }));
    p.setPen(inkPen(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 9, 6, 6));
}

void drawZoom(QPainter &p, bool in)
{
    p.setPen(inkPen(2.4));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    p.setPen(inkPen(1.6));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.setPen(inkPen(1.8, kAccent));
    p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (in)
        p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

// A clipboard with angle brackets: code to paste into a page.
void drawCopyCode(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(4, 4, 16, 18), 1.5, 1.5);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(8.5, 2, 7, 4), 1, 1);
    p.setPen(inkPen(1.6, kAccent));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({ QPointF(10, 10.5), QPointF(7.5, 13.5), QPointF(10, 16.5) }));
    p.drawPolyline(QPolygonF({ QPointF(14, 10.5), QPointF(16.5, 13.5), QPointF(14, 16.5) }));
}

// Two chevrons: the "more" button of a tool bar or menu bar that is too
// short for all its items; pointing right, or down when `down`.
void drawMore(QPainter &p, bool down)
{
    p.save();
    if (down) {
        p.translate(24, 0);
        p.rotate(90);
    }
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    for (const qreal x : { 6.0, 12.5 })
        p.drawPolyline(QPolygonF({ QPointF(x, 6.5), QPointF(x + 5.5, 12), QPointF(x, 17.5) }));
    p.restore();
}

void drawApp(QPainter &p)
{
    // A colour wheel of twelve segments around a white core.
    for (int i = 0; i < 12; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(i * 30, 200, 235));
        p.drawPie(QRectF(1.5, 1.5, 21, 21), (90 - i * 30) * 16, -30 * 16);
    }
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
}

void paintKind(QPainter &p, Kind kind)
{
    switch (kind) {
    case Kind::App:
        return drawApp(p);
    case Kind::NewPalette:
        return drawNew(p);
    case Kind::OpenPalette:
        return drawOpen(p);
    case Kind::SavePalette:
        return drawSave(p);
    case Kind::WebPreview:
        return drawWebPreview(p);
    case Kind::VectorPreview:
        return drawVectorPreview(p);
    case Kind::ScrollBarPreview:
        return drawScrollBarPreview(p);
    case Kind::EyeDropper:
        return drawEyeDropper(p);
    case Kind::PinOn:
        return drawPin(p, true);
    case Kind::PinOff:
        return drawPin(p, false);
    case Kind::Undo:
        return drawArrow(p, false);
    case Kind::Redo:
        return drawArrow(p, true);
    case Kind::Lighten:
        return drawTone(p, QColor(0xf6, 0xe7, 0xa8), QStringLiteral("+"));
    case Kind::Darken:
        return drawTone(p, QColor(0x4a, 0x52, 0x60), QStringLiteral("\u2212"));
    case Kind::Saturate:
        return drawTone(p, QColor(0xe8, 0x4a, 0x3c), QStringLiteral("+"));
    case Kind::Desaturate:
        return drawTone(p, QColor(0xb5, 0xa9, 0xa6), QStringLiteral("\u2212"));
    case Kind::Clone:
        return drawClone(p);
    case Kind::Clear:
        return drawClear(p);
    case Kind::AddToNewPalette:
        return drawAddTo(p, true);
    case Kind::AddToCurrentPalette:
        return drawAddTo(p, false);
    case Kind::ResetColors:
        return drawReset(p);
    case Kind::ZoomIn:
        return drawZoom(p, true);
    case Kind::ZoomOut:
        return drawZoom(p, false);
    case Kind::CopyCode:
        return drawCopyCode(p);
    case Kind::MoreHorizontal:
        return drawMore(p, false);
    case Kind::MoreVertical:
        return drawMore(p, true);
    }
}

void paintIcon(QPainter &painter, Kind kind, const QRect &rect, QIcon::Mode mode)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(rect.width(), rect.height());
    painter.translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
    painter.scale(side / 24.0, side / 24.0);
    if (mode == QIcon::Disabled)
        painter.setOpacity(0.35);
    paintKind(painter, kind);
    painter.restore();
}

// The key of an icon image in the QPixmapCache and the ImageHandoff.
QString imageKey(Kind kind, const QSize &deviceSize, QIcon::Mode mode, qreal scale)
{
    return QStringLiteral("tw-icon-%1-%2x%3-%4-%5")
        .arg(int(kind))
        .arg(deviceSize.width())
        .arg(deviceSize.height())
        .arg(int(mode))
        .arg(scale);
}

class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(Kind kind) : m_kind(kind) { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        paintIcon(*painter, m_kind, rect, mode);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        Q_UNUSED(state);
        const QSize device = size * scale;
        const QString cacheKey = imageKey(m_kind, device, mode, scale);
        QPixmap pixmap;
        if (!QPixmapCache::find(cacheKey, &pixmap)) {
            QImage image = ImageHandoff::instance().take(cacheKey);
            pixmap = QPixmap::fromImage(
                image.isNull() ? render(m_kind, device, mode) : std::move(image));
            pixmap.setDevicePixelRatio(scale);
            QPixmapCache::insert(cacheKey, pixmap);
        }
        return pixmap;
    }

    // Window managers take every listed size of a window icon; a few small
    // ones keep start-up from drawing a 256-pixel wheel nobody sees.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return { QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48) };
    }

    QIconEngine *clone() const override { return new VectorIconEngine(m_kind); }

private:
    Kind m_kind;
};

} // namespace

QIcon icon(Kind kind)
{
    return QIcon(new VectorIconEngine(kind));
}

QImage render(Kind kind, const QSize &deviceSize, QIcon::Mode mode)
{
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, kind, QRect(QPoint(0, 0), deviceSize), mode);
    return image;
}

void prerender(const QList<Kind> &kinds, const QList<QSize> &sizes, qreal devicePixelRatio)
{
    for (const Kind kind : kinds) {
        for (const QSize &size : sizes) {
            const QSize device = size * devicePixelRatio;
            for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled })
                ImageHandoff::instance().put(
                    imageKey(kind, device, mode, devicePixelRatio), render(kind, device, mode));
        }
    }
}

} // namespace AppIcons
