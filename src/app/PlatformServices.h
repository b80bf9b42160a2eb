#pragma once

#include "app/HttpReply.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Every operating-system service the windows use, behind one small interface.
// Windows never call QMessageBox, QFileDialog, QClipboard, QScreen,
// QDesktopServices or the network directly; they call PlatformServices::get().
// Tests install a scripted double (tests/support/FakePlatformServices) that
// records calls and returns prepared answers, so no modal window ever opens.
class PlatformServices {
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };

    // Button sets of the message boxes used in the program.
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };

    enum class Answer { Ok, Cancel, Yes, No };

    struct FileDialogRequest {
        QString title;
        QStringList filters; // "Tint Wright Palettes (*.twp)", ...; first is selected
        QString startFolder; // empty: the toolkit's choice
        QString defaultSuffix; // without the dot, e.g. "twp"
        bool save = false; // save dialog when true, open dialog otherwise
    };

    using HttpReply = ::HttpReply;

    // One screen frozen as it was shown.
    struct ScreenShot {
        QRect geometry; // on the virtual desktop, logical pixels
        // The screen's pixels, one per device pixel; its devicePixelRatio()
        // is the device pixels per logical pixel.
        QImage image;
    };

    // Every screen at one moment, or, when the screen cannot be read, no
    // screens and a sentence for the user saying why.
    struct ScreenCapture {
        QList<ScreenShot> screens;
        QString error;
    };

    virtual ~PlatformServices() = default;

    // Modal message box; title empty means the application's title.
    virtual Answer messageBox(
        QWidget *parent, const QString &text, Buttons buttons, Icon icon, const QString &title = {})
        = 0;
    virtual void beep() = 0;
    // The chosen path, or empty text when the user cancelled.
    virtual QString fileDialog(QWidget *parent, const FileDialogRequest &request) = 0;

    // Pointer position in global (virtual desktop) logical pixels.
    virtual QPoint cursorPos() = 0;
    // The colour of the screen pixel at a global position, or -1 when it
    // cannot be read.
    virtual int pixelAt(const QPoint &globalPos) = 0;
    // The whole screen under the pointer, as shown; null image on failure.
    virtual QImage captureScreen() = 0;
    // Every screen, in device pixels. On a Wayland session the desktop's
    // screenshot portal takes the picture (it may ask the user first).
    virtual ScreenCapture captureScreens() = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;

    // Opens a web or mail address with the user's default handler.
    virtual void openUrl(const QUrl &url) = 0;
    // One synchronous GET; blocks (with a timeout) until the reply is there.
    virtual HttpReply httpGet(const QUrl &url, int timeoutMs) = 0;

    // The services in force; the Qt implementation unless a test installed
    // another one.
    static PlatformServices &get();
    // Installs `services` (not owned) and returns the previous one; nullptr
    // restores the Qt implementation.
    static PlatformServices *install(PlatformServices *services);
};
