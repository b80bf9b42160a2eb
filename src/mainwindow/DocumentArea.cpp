#include "mainwindow/DocumentArea.h"

#include "widgets/ImageHandoff.h"
#include "widgets/QtColors.h"

#include <QFontMetricsF>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyle>
#include <QtMath>

DocumentArea::DocumentArea(QWidget *parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("pctBkGrnd"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void DocumentArea::setBackgroundColor(ColorValue color)
{
    if (color == m_backgroundColor)
        return;
    m_backgroundColor = color;
    viewport()->update();
}

QList<QMdiSubWindow *> DocumentArea::normalWindows() const
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    return windows;
}

void DocumentArea::tile(Qt::Orientation orientation)
{
    const QList<QMdiSubWindow *> windows = normalWindows();
    if (windows.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        if (orientation == Qt::Horizontal) {
            const int left = area.width() * i / count;
            const int right = area.width() * (i + 1) / count;
            window->setGeometry(left, 0, right - left, area.height());
        } else {
            const int top = area.height() * i / count;
            const int bottom = area.height() * (i + 1) / count;
            window->setGeometry(0, top, area.width(), bottom - top);
        }
    }
}

void DocumentArea::tileVertically()
{
    tile(Qt::Horizontal);
}

void DocumentArea::tileHorizontally()
{
    tile(Qt::Vertical);
}

void DocumentArea::arrangeIcons()
{
    int x = 0;
    int y = viewport()->height();
    for (QMdiSubWindow *window : subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > viewport()->width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height());
        x += size.width();
    }
}

void DocumentArea::placeCascaded(QMdiSubWindow *window)
{
    const int step
        = qMax(1, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
    QList<QPoint> taken;
    for (QMdiSubWindow *other : normalWindows()) {
        if (other != window)
            taken.append(other->pos());
    }
    const QSize room = viewport()->size() - window->size();
    const int steps = qMax(1, qMin(room.width(), room.height()) / step + 1);
    int free = 0;
    while (free < steps && taken.contains(QPoint(free * step, free * step)))
        ++free;
    if (free == steps)
        free = int(taken.size()) % steps;
    window->move(free * step, free * step);
}

namespace {

// Sizes of the logo's parts as fractions of its side: the wheel's top is
// kWheelTop above the area's centre, the name's box starts kNameTop below it
// and is kNameHeight high.
constexpr qreal kWheelTop = 0.7;
constexpr qreal kNameTop = 0.38;
constexpr qreal kNameHeight = 0.34;

QFont logoFont(int side)
{
    QFont font;
    font.setPixelSize(qRound(side * 0.24));
    font.setWeight(QFont::DemiBold);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

// The key of a logo image in the ImageHandoff.
QString logoKey(int side, ColorValue background, qreal devicePixelRatio)
{
    return QStringLiteral("tw-logo-%1-%2-%3").arg(side).arg(background).arg(devicePixelRatio);
}

} // namespace

int productLogoSide(const QSize &area)
{
    const qreal side = qMin<qreal>(160, qMin(area.width(), area.height()) * 0.4);
    return side < 24 ? 0 : qRound(side);
}

QImage renderProductLogo(int side, ColorValue background, qreal devicePixelRatio)
{
    const QFont font = logoFont(side);
    const qreal nameWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("Tintwright"));
    const QSizeF size(qCeil(qMax<qreal>(side, nameWidth) + 2),
        qCeil(side * (kWheelTop + kNameTop + kNameHeight)));
    QImage image((size * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal centreX = size.width() / 2;
    // A faint wheel above the product name, like a watermark.
    painter.setOpacity(0.22);
    const QRectF wheel(centreX - side / 2.0, 0, side, side);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv(i * 30, 210, 230));
        painter.drawPie(wheel, (90 - i * 30) * 16, -30 * 16);
    }
    painter.setOpacity(1.0);
    painter.setBrush(toQColor(background));
    painter.drawEllipse(wheel.center(), side * 0.22, side * 0.22);

    painter.setOpacity(0.3);
    painter.setFont(font);
    painter.setPen(toQColor(GetContrastColor(background)));
    const QRectF name(0, side * (kWheelTop + kNameTop), size.width(), side * kNameHeight);
    painter.drawText(name, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Tintwright"));
    return image;
}

void prerenderProductLogo(int side, ColorValue background, qreal devicePixelRatio)
{
    ImageHandoff::instance().put(logoKey(side, background, devicePixelRatio),
        renderProductLogo(side, background, devicePixelRatio));
}

void DocumentArea::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), toQColor(m_backgroundColor));
    const int side = productLogoSide(viewport()->size());
    if (side == 0)
        return;
    const qreal scale = viewport()->devicePixelRatioF();
    if (m_logo.isNull() || m_logoSide != side || m_logoBackground != m_backgroundColor
        || m_logo.devicePixelRatio() != scale) {
        m_logo = ImageHandoff::instance().take(logoKey(side, m_backgroundColor, scale));
        if (m_logo.isNull())
            m_logo = renderProductLogo(side, m_backgroundColor, scale);
        m_logoSide = side;
        m_logoBackground = m_backgroundColor;
    }
    const QSizeF logo = m_logo.deviceIndependentSize();
    const QPointF centre = QRectF(viewport()->rect()).center();
    painter.drawImage(
        QPointF(qRound(centre.x() - logo.width() / 2), qRound(centre.y() - side * kWheelTop)),
        m_logo);
}
