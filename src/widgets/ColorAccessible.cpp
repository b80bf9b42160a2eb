#include "widgets/ColorAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace ColorAccessible {

namespace {

constexpr char ColorProperty[] = "tintwrightAccessibleColor";

class ColorViewAccessible : public QAccessibleWidget {
public:
    explicit ColorViewAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return valueText(widget());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType() || !object->property(ColorProperty).isValid())
        return nullptr;
    return new ColorViewAccessible(static_cast<QWidget *>(object));
}

} // namespace

void setColor(QWidget *widget, ColorValue color)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(ColorProperty, color);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, valueText(widget));
        QAccessible::updateAccessibility(&event);
    }
}

QString valueText(const QWidget *widget)
{
    bool ok = false;
    const ColorValue color = widget->property(ColorProperty).toInt(&ok);
    return ok && color >= 0 ? QString::fromStdString(ColorToHex(color)) : QString();
}

} // namespace ColorAccessible
