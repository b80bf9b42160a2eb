#pragma once

#include "picker/ColorPickerModel.h"
#include "picker/PickerScreenCover.h"

class PickerHost;
class PickerZoomPanel;

// The eyedropper. Every screen is frozen into a picture and covered with it:
// this window covers the screen the pointer is on, a PickerScreenCover of
// its own each other screen. The zoom panel follows the pointer from screen
// to screen and jumps out of its way. A click takes the pixel under the
// pointer: the right button opens the host's colour context menu for it,
// any other makes it the active colour. Every way of ending (a click, a
// key, the menu) closes the picker and gives the host back its window
// state, its live colour readout and its input.
class frm_ColorPicker : public PickerScreenCover {
    Q_OBJECT

public:
    // The eyedropper command: remembers the host window's state, minimises
    // the window unless it stays on top, and opens the picker. Returns the
    // open picker; nullptr when one is open already or when the screen could
    // not be read (the user has been told why, the host is as it was).
    static frm_ColorPicker *Start(PickerHost &host);
    // Opens the picker; `iFormState` is the host's window state to restore
    // when it closes.
    static frm_ColorPicker *Open(PickerHost &host, Qt::WindowStates iFormState);

    ~frm_ColorPicker() override;

    const ColorPickerModel &model() const { return m_model; }
    PickerZoomPanel *zoomPanel() const { return m_panel; }
    // One cover per screen, in the model's screen order; this window is one.
    const QList<PickerScreenCover *> &covers() const { return m_covers; }

    // For a host that goes away while the picker is open: the picker then
    // closes without touching it.
    void detachHost();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    frm_ColorPicker(
        PickerHost &host, ColorPickerModel model, int screenIndex, Qt::WindowStates iFormState);

    void coverScreens();
    void onPointerMoved(PickerScreenCover *cover, const QPointF &localPos);
    void onButtonPressed(PickerScreenCover *cover, const QPointF &localPos, Qt::MouseButton button,
        const QPoint &globalPos);
    void onKeyPressed(int key);
    void showPanelOn(PickerScreenCover *cover);
    // Moves the panel away when `localPos` is on it; true when it moved.
    bool panelDodges(PickerScreenCover *cover, const QPointF &localPos);
    void releaseInput();
    void Form_Unload();

    PickerHost *m_host;
    ColorPickerModel m_model;
    Qt::WindowStates iFormState;
    QList<PickerScreenCover *> m_covers;
    PickerZoomPanel *m_panel;
    bool m_keyboardGrabbed = false;
    bool m_unloaded = false;
};
