#pragma once

#include "picker/PickerHost.h"

#include <QObject>
#include <QPointer>

class frm_MDIMain;
class frm_ColorPicker;

// The main window's eyedropper command ("&Eyedropper Tool..." and the tool
// bar's EyeDropper button, which share one action) and what the picker asks
// of the main window while it is open.
class ColorPickerCommands : public QObject, public PickerHost {
    Q_OBJECT

public:
    explicit ColorPickerCommands(frm_MDIMain *main);
    ~ColorPickerCommands() override;

    void mnuScreenColorPicker_Click();

    Qt::WindowStates hostWindowState() const override;
    void setHostWindowState(Qt::WindowStates state) override;
    bool isAlwaysOnTop() const override;
    void setHostEnabled(bool enabled) override;
    void setColorInfoSampling(bool enabled) override;
    void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos) override;

private:
    void waitUntilOffScreen();

    frm_MDIMain *m_main;
    QPointer<frm_ColorPicker> m_picker;
    bool m_hiddenForCapture = false;
};
