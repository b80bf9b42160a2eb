#include "previews/ColorTarget.h"

#include "widgets/QtColors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

QString webText(ColorValue color)
{
    return QString::fromStdString(ColorToHex(color));
}

// Screen readers hear a target's name and its colour as web text.
class ColorTargetAccessible : public QAccessibleWidget {
public:
    explicit ColorTargetAccessible(ColorTarget *target)
        : QAccessibleWidget(target,
            target->look() == ColorTarget::Look::Text ? QAccessible::StaticText
                                                      : QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *target = static_cast<const ColorTarget *>(widget());
        if (kind == QAccessible::Value)
            return webText(target->color());
        if (kind == QAccessible::Name && target->accessibleName().isEmpty())
            return target->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *colorTargetFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ColorTarget") && object && object->isWidgetType())
        return new ColorTargetAccessible(static_cast<ColorTarget *>(object));
    return nullptr;
}

} // namespace

ColorTarget::ColorTarget(Look look, const QString &text, QWidget *parent)
    : QWidget(parent), m_look(look), m_text(text)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(colorTargetFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAcceptDrops(true);
    if (look != Look::Text)
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorTarget::setColor(ColorValue color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, webText(color));
        QAccessible::updateAccessibility(&event);
    }
}

void ColorTarget::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void ColorTarget::setOutlined(bool outlined)
{
    m_outlined = outlined;
    update();
}

int ColorTarget::textFlags() const
{
    if (m_look == Look::CaptionedFill)
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : 0);
}

QSize ColorTarget::textSize(int width) const
{
    return fontMetrics().boundingRect(QRect(0, 0, width, 10000), textFlags(), m_text).size();
}

void ColorTarget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_look == Look::Text) {
        painter.setPen(toQColor(m_color));
        painter.drawText(rect(), textFlags(), m_text);
        return;
    }
    painter.fillRect(rect(), toQColor(m_color));
    if (m_look == Look::CaptionedFill) {
        painter.setPen(toQColor(GetContrastColor(m_color)));
        painter.drawText(rect(), textFlags(), m_text);
    }
    if (m_outlined) {
        painter.setPen(QColor(0, 0, 0, 60));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ColorTarget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        m_pressPos = event->position().toPoint();
    }
}

void ColorTarget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_leftDown || !(event->buttons() & Qt::LeftButton) || !m_dragAllowed)
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_leftDown = false;
    if (!m_dragAllowed())
        return;
    if (m_look == Look::Text)
        ColorDrag::start(this, { ColorDrag::SourceKind::Label, m_color, QString() }, m_color);
    else
        ColorDrag::start(this,
            { ColorDrag::SourceKind::Swatch, m_color, QString::number(m_color) }, m_color);
}

void ColorTarget::mouseReleaseEvent(QMouseEvent *event)
{
    m_leftDown = false;
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit contextMenuRequested(event->globalPosition().toPoint());
}

void ColorTarget::dragEnterEvent(QDragEnterEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData(), m_labelRule))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColorTarget::dragMoveEvent(QDragMoveEvent *event)
{
    if (ColorDrag::colorFromMime(event->mimeData(), m_labelRule))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColorTarget::dropEvent(QDropEvent *event)
{
    const std::optional<ColorValue> color = ColorDrag::colorFromMime(event->mimeData(), m_labelRule);
    if (!color) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit colorDropped(*color, event->position());
}
