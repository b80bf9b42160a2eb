#pragma once

#include "app/PlatformServices.h"

// Freezing every screen for the eyedropper, in device pixels.
namespace ScreenGrab {

// Every screen through the window system's own reading of the screen (X11
// and the other systems where Qt can read it); an error when one cannot be
// read.
PlatformServices::ScreenCapture grabScreens();

// True on a Wayland session, where only the desktop's screenshot portal may
// read the screen; also for a program that runs under XWayland, which would
// read black where native Wayland windows are.
bool isWaylandSession();

// The screens' rectangles on the virtual desktop, in logical pixels.
QList<QRect> screenGeometries();

// Cuts one picture of the whole desktop into the screens at `geometries`.
// The picture must cover the bounding rectangle of the screens at one scale
// (device pixels per logical pixel, 1/4 to 8) in both directions; any other
// picture gives no screens and an error.
PlatformServices::ScreenCapture splitDesktop(const QImage &desktop, const QList<QRect> &geometries);

} // namespace ScreenGrab
