#pragma once

class QWidget;

// Window positions and sizes are stored in twips, 1/1440 of a logical inch,
// so that they mean the same physical size at any screen resolution. Widgets
// are laid out in logical pixels; the conversion uses the logical DPI of the
// widget's screen.

inline constexpr double TwipsPerInch = 1440.0;

// Logical dots per inch of the widget's screen, of the primary screen when
// the widget is null, or 96 when there is no screen at all.
double logicalDpi(const QWidget *widget = nullptr);

// Twips to whole pixels, rounded half to even; clamped to the int range.
int twipsToPixels(double twips, double dpi);
int twipsToPixels(double twips, const QWidget *widget);

// Pixels to twips, exact (not rounded): 15 twips per pixel at 96 DPI.
double pixelsToTwips(int pixels, double dpi);
double pixelsToTwips(int pixels, const QWidget *widget);
