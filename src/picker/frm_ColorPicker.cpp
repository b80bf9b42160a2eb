#include "picker/frm_ColorPicker.h"

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "picker/PickerHost.h"
#include "picker/PickerZoomPanel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

// One eyedropper at a time: it covers every screen.
QPointer<frm_ColorPicker> g_open;
bool g_opening = false;

void restoreHost(PickerHost &host, Qt::WindowStates state)
{
    host.setColorInfoSampling(true);
    host.setHostWindowState(state);
    host.setHostEnabled(true);
}

} // namespace

frm_ColorPicker *frm_ColorPicker::Start(PickerHost &host)
{
    if (g_opening || g_open)
        return nullptr;
    const Qt::WindowStates state = host.hostWindowState() & ~Qt::WindowActive;
    if (!host.isAlwaysOnTop())
        host.setHostWindowState(state | Qt::WindowMinimized);
    return Open(host, state & ~Qt::WindowMinimized);
}

frm_ColorPicker *frm_ColorPicker::Open(PickerHost &host, Qt::WindowStates iFormState)
{
    if (g_opening || g_open)
        return nullptr;
    const QScopedValueRollback opening(g_opening, true);
    host.setColorInfoSampling(false);
    // Whatever the host's state change left pending goes before the capture.
    QCoreApplication::processEvents();
    PlatformServices &services = PlatformServices::get();
    PlatformServices::ScreenCapture capture = services.captureScreens();
    if (capture.screens.isEmpty()) {
        restoreHost(host, iFormState);
        services.messageBox(nullptr,
            QStringLiteral("The Eyedropper Tool cannot take colours from the screen.\r\n\r\n")
                + (capture.error.isEmpty() ? QStringLiteral("The screen cannot be read.")
                                           : capture.error),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Exclamation);
        return nullptr;
    }
    ColorPickerModel model(std::move(capture.screens));
    const int screen = qMax(0, model.screenAt(services.cursorPos()));
    g_open = new frm_ColorPicker(host, std::move(model), screen, iFormState);
    g_open->coverScreens();
    host.setHostEnabled(false);
    return g_open;
}

frm_ColorPicker::frm_ColorPicker(
    PickerHost &host, ColorPickerModel model, int screenIndex, Qt::WindowStates state)
    : PickerScreenCover(model.screen(screenIndex), screenIndex), m_host(&host),
      m_model(std::move(model)), iFormState(state), m_covers(m_model.screenCount()),
      m_panel(new PickerZoomPanel(m_model, this))
{
    setObjectName(QStringLiteral("frm_ColorPicker"));
    setAccessibleName(QStringLiteral("Eyedropper Tool"));
    setAttribute(Qt::WA_DeleteOnClose);
    for (int index = 0; index < m_covers.size(); ++index) {
        m_covers[index] = index == screenIndex
            ? this
            : new PickerScreenCover(m_model.screen(index), index, this);
        connect(m_covers[index], &PickerScreenCover::pointerMoved, this,
            &frm_ColorPicker::onPointerMoved);
        connect(m_covers[index], &PickerScreenCover::buttonPressed, this,
            &frm_ColorPicker::onButtonPressed);
        connect(
            m_covers[index], &PickerScreenCover::keyPressed, this, &frm_ColorPicker::onKeyPressed);
    }
}

frm_ColorPicker::~frm_ColorPicker()
{
    Form_Unload();
}

void frm_ColorPicker::detachHost()
{
    m_host = nullptr;
}

void frm_ColorPicker::coverScreens()
{
    for (PickerScreenCover *cover : std::as_const(m_covers)) {
        if (cover != this)
            cover->cover();
    }
    // The pointer's screen last, so that it is on top and has the focus.
    cover();
    showPanelOn(this);
    const QPoint pointer = PlatformServices::get().cursorPos();
    const int index = m_model.screenAt(pointer);
    if (index >= 0) {
        m_model.moveTo(
            index, m_model.devicePixel(index, pointer - m_model.screen(index).geometry.topLeft()));
    }
    m_panel->refresh();
    activateWindow();
    setFocus();
}

void frm_ColorPicker::showPanelOn(PickerScreenCover *cover)
{
    // Top right, as when the picker opens.
    m_panel->setParent(cover);
    m_panel->move(cover->width() - m_panel->width(), 0);
    m_panel->show();
}

bool frm_ColorPicker::panelDodges(PickerScreenCover *cover, const QPointF &localPos)
{
    if (m_panel->parentWidget() != cover || !m_panel->geometry().contains(localPos.toPoint()))
        return false;
    m_panel->move(ColorPickerModel::jumpedPanel(m_panel->geometry(), cover->size()));
    return true;
}

void frm_ColorPicker::onPointerMoved(PickerScreenCover *cover, const QPointF &localPos)
{
    if (m_unloaded)
        return;
    if (!m_keyboardGrabbed && isVisible() && !isActiveWindow()) {
        // Mapped by now, but the window manager gave the focus elsewhere:
        // the keys still have to reach the picker.
        grabKeyboard();
        m_keyboardGrabbed = true;
    }
    if (m_panel->parentWidget() != cover)
        showPanelOn(cover);
    panelDodges(cover, localPos);
    const int index = cover->screenIndex();
    if (m_model.moveTo(index, m_model.devicePixel(index, localPos)))
        m_panel->refresh();
}

void frm_ColorPicker::onButtonPressed(PickerScreenCover *cover, const QPointF &localPos,
    Qt::MouseButton button, const QPoint &globalPos)
{
    if (m_unloaded || panelDodges(cover, localPos))
        return;
    const int index = cover->screenIndex();
    const ColorValue color = m_model.pixel(index, m_model.devicePixel(index, localPos));
    if (color >= 0 && button == Qt::RightButton && m_host) {
        // A keyboard grab would take the keys from the menu.
        releaseInput();
        ColorContextMenu::Request request;
        request.color = color;
        request.hideCellItems = true;
        m_host->showColorContextMenu(request, globalPos);
    } else if (color >= 0) {
        ProcessState::ActiveColor = color;
        cls_MsgServer::instance()->Notify(kActiveColorChanged);
    }
    close();
}

void frm_ColorPicker::onKeyPressed(int key)
{
    // Alt and Tab belong to switching windows.
    if (key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return;
    close();
}

void frm_ColorPicker::releaseInput()
{
    if (m_keyboardGrabbed)
        releaseKeyboard();
    m_keyboardGrabbed = false;
}

void frm_ColorPicker::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frm_ColorPicker::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    releaseInput();
    for (PickerScreenCover *cover : std::as_const(m_covers)) {
        if (cover != this)
            cover->hide();
    }
    if (m_host)
        restoreHost(*m_host, iFormState);
}
