#pragma once

#include "widgets/ColorContextMenu.h"

#include <Qt>

class QPoint;

// What the eyedropper asks of the window that opens it. The main window's
// eyedropper command implements it; the picker never reaches further.
class PickerHost {
public:
    virtual ~PickerHost() = default;

    // The host window's state: normal, minimised, maximised, full screen.
    virtual Qt::WindowStates hostWindowState() const = 0;
    // Sets it. Minimising returns once the window is off the screen (or a
    // short while has passed), so that a capture no longer sees it.
    virtual void setHostWindowState(Qt::WindowStates state) = 0;
    // Whether the host window stays above other windows; such a window is
    // not minimised, so that the user can take colours from it too.
    virtual bool isAlwaysOnTop() const = 0;
    // The host window takes no input while the picker is open.
    virtual void setHostEnabled(bool enabled) = 0;
    // Starts or stops the host's live readout of the pixel under the pointer.
    virtual void setColorInfoSampling(bool enabled) = 0;
    // Shows the one shared colour context menu as `request` describes and
    // returns when it has closed and its command, if any, has run.
    virtual void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos)
        = 0;
};
