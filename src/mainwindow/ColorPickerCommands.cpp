#include "mainwindow/ColorPickerCommands.h"

#include "mainwindow/ColorInfoPanel.h"
#include "mainwindow/frm_MDIMain.h"
#include "picker/frm_ColorPicker.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>

namespace {

// How long a minimising main window gets to leave the screen before the
// capture; without a window manager it never does.
constexpr int kMinimiseWaitMs = 400;

} // namespace

ColorPickerCommands::ColorPickerCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    QAction *item = m_main->menus().mnuScreenColorPicker;
    connect(item, &QAction::triggered, this, &ColorPickerCommands::mnuScreenColorPicker_Click);
    item->setEnabled(true);
}

ColorPickerCommands::~ColorPickerCommands()
{
    if (m_picker) {
        m_picker->detachHost();
        delete m_picker;
    }
}

void ColorPickerCommands::mnuScreenColorPicker_Click()
{
    if (frm_ColorPicker *picker = frm_ColorPicker::Start(*this))
        m_picker = picker;
}

Qt::WindowStates ColorPickerCommands::hostWindowState() const
{
    return m_main->windowState();
}

void ColorPickerCommands::setHostWindowState(Qt::WindowStates state)
{
    // A Wayland client cannot bring back a window it minimised; it hides it
    // for the capture instead and shows it again afterwards.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (state & Qt::WindowMinimized) {
        m_hiddenForCapture = wayland;
        if (wayland)
            m_main->hide();
        else
            m_main->setWindowState(state);
        waitUntilOffScreen();
        return;
    }
    m_main->setWindowState(state);
    if (std::exchange(m_hiddenForCapture, false))
        m_main->show();
    m_main->raise();
    m_main->activateWindow();
}

void ColorPickerCommands::waitUntilOffScreen()
{
    const QWindow *window = m_main->windowHandle();
    const QDeadlineTimer deadline(kMinimiseWaitMs);
    while (window && window->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
}

bool ColorPickerCommands::isAlwaysOnTop() const
{
    return m_main->AlwaysOnTop();
}

void ColorPickerCommands::setHostEnabled(bool enabled)
{
    m_main->setEnabled(enabled);
}

void ColorPickerCommands::setColorInfoSampling(bool enabled)
{
    m_main->colorInfoPanel()->setSamplingEnabled(enabled);
}

void ColorPickerCommands::showColorContextMenu(
    const ColorContextMenu::Request &request, const QPoint &globalPos)
{
    // The menu belongs to the main window, which the picker disabled.
    m_main->setEnabled(true);
    m_main->showColorContextMenu(request, globalPos);
}
