#include "mainwindow/DocumentArea.h"

#include "mainwindow/QtColors.h"

#include <QMdiSubWindow>
#include <QPainter>

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
    emit backgroundColorChanged(color);
}

void DocumentArea::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), toQColor(m_backgroundColor));
    drawProductLogo(painter, viewport()->rect(), m_backgroundColor);
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

void drawProductLogo(QPainter &painter, const QRectF &area, ColorValue background)
{
    const qreal side = qMin<qreal>(160, qMin(area.width(), area.height()) * 0.4);
    if (side < 24)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = toQColor(GetContrastColor(background));

    // A faint wheel above the product name, like a watermark.
    painter.setOpacity(0.22);
    const QRectF wheel(area.center().x() - side / 2, area.center().y() - side * 0.7, side, side);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv(i * 30, 210, 230));
        painter.drawPie(wheel, (90 - i * 30) * 16, -30 * 16);
    }
    painter.setOpacity(1.0);
    painter.setBrush(toQColor(background));
    painter.drawEllipse(wheel.center(), side * 0.22, side * 0.22);

    painter.setOpacity(0.3);
    QFont font = painter.font();
    font.setPixelSize(qRound(side * 0.24));
    font.setWeight(QFont::DemiBold);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF text(area.left(), wheel.bottom() + side * 0.08, area.width(), side * 0.34);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Tintwright"));
    painter.restore();
}
