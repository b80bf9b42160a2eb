#include "picker/PickerZoomPanel.h"

#include "picker/ColorPickerModel.h"
#include "widgets/QtColors.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

namespace {

// Logical pixels around the grid and the box: a black line outside a white
// one, so that the panel stands out over any screen. One white line
// separates grid and box.
constexpr int kBorder = 2;
constexpr int kGrid = ColorPickerModel::kGridSize;
constexpr int kCentre = ColorPickerModel::kCentre;

// Screen readers hear the colour under the pointer as the panel's value, in
// web text ("#FF8000"), like every colour view of the program.
class ZoomPanelAccessible : public QAccessibleWidget {
public:
    explicit ZoomPanelAccessible(PickerZoomPanel *panel)
        : QAccessibleWidget(panel, QAccessible::Graphic, QStringLiteral("Zoom"))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        return static_cast<PickerZoomPanel *>(widget())->colorText();
    }
};

QAccessibleInterface *zoomPanelAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("PickerZoomPanel") || !object || !object->isWidgetType())
        return nullptr;
    return new ZoomPanelAccessible(static_cast<PickerZoomPanel *>(object));
}

} // namespace

PickerZoomPanel::PickerZoomPanel(const ColorPickerModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_cell(2 * fontMetrics().horizontalAdvance(QLatin1Char('0')))
{
    static const bool accessible = (QAccessible::installFactory(zoomPanelAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("pctCatchBorder"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The box is two cells high, and never lower than its text.
    const int box = qMax(2 * m_cell, fontMetrics().height() + 4);
    setFixedSize(kGrid * m_cell + 2 * kBorder, kGrid * m_cell + box + 2 * kBorder + 1);
}

QRect PickerZoomPanel::cellRect(int row, int column) const
{
    return QRect(kBorder + column * m_cell, kBorder + row * m_cell, m_cell, m_cell);
}

QRect PickerZoomPanel::boxRect() const
{
    const int top = kBorder + kGrid * m_cell + 1;
    return QRect(kBorder, top, kGrid * m_cell, height() - top - kBorder);
}

QString PickerZoomPanel::colorText() const
{
    return QString::fromStdString(ColorToHex(m_model.color()));
}

void PickerZoomPanel::refresh()
{
    repaint();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, colorText());
        QAccessible::updateAccessibility(&event);
    }
}

void PickerZoomPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column)
            painter.fillRect(cellRect(row, column), toQColor(m_model.cellColor(row, column)));
    }
    paintMarkers(painter);

    const QRect box = boxRect();
    painter.fillRect(box, toQColor(m_model.color()));
    painter.setPen(toQColor(m_model.boxTextColor()));
    painter.drawText(box, Qt::AlignCenter, m_model.boxText());
}

// A frame inside the centre cell and, in the middle cell of each edge, an
// arrow pointing at the centre: white with a black edge, so that they show
// over any colour. Drawn as vectors, so they stay crisp at any scale.
void PickerZoomPanel::paintMarkers(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Half-pixel insets put one-pixel pens on whole pixels at whole ratios.
    const QRectF centre = QRectF(cellRect(kCentre, kCentre)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(centre);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(centre.adjusted(1, 1, -1, -1));

    const qreal side = m_cell;
    QPainterPath arrow; // pointing right, around the cell's centre
    arrow.moveTo(-0.22 * side, -0.3 * side);
    arrow.lineTo(0.28 * side, 0);
    arrow.lineTo(-0.22 * side, 0.3 * side);
    arrow.closeSubpath();
    const struct {
        int row;
        int column;
        qreal degrees; // clockwise from pointing right
    } arrows[] = {
        { 0, kCentre, 90 }, // top edge, pointing down
        { kGrid - 1, kCentre, -90 },
        { kCentre, 0, 0 },
        { kCentre, kGrid - 1, 180 },
    };
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const auto &marker : arrows) {
        const QPointF middle = QRectF(cellRect(marker.row, marker.column)).center();
        QTransform transform;
        transform.translate(middle.x(), middle.y());
        transform.rotate(marker.degrees);
        painter.drawPath(transform.map(arrow));
    }
    painter.restore();
}
