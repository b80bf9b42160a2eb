#pragma once

#include "core/mod_ColorConversion.h"

class QString;
class QWidget;

// Colour views tell assistive technology which colour they show: their
// accessible value is the colour's web text ("#FF8000").
namespace ColorAccessible {

// Makes `widget` report `color` as its accessible value, from now on; a
// negative colour reports no value. Call it whenever the shown colour
// changes; listening tools are told.
void setColor(QWidget *widget, ColorValue color);

// The value `widget` reports, "" when it reports none.
QString valueText(const QWidget *widget);

} // namespace ColorAccessible
