#pragma once

#include "app/PlatformServices.h"

class QFileDialog;

// The real services, over Qt's widgets and GUI modules and the HTTP module.
class QtPlatformServices : public PlatformServices {
public:
    // The dialog fileDialog() runs: a name typed into it need not exist, and
    // "All Files" lists every file, names without a dot included.
    static void setUpFileDialog(QFileDialog &dialog, const FileDialogRequest &request);
    // The path an accepted dialog gives, empty for a cancelled one. A name
    // without a dot gets the default extension, unless it names an existing
    // file to open.
    static QString chosenPath(const QFileDialog &dialog, const FileDialogRequest &request);

    Answer messageBox(QWidget *parent, const QString &text, Buttons buttons, Icon icon,
        const QString &title = {}) override;
    void beep() override;
    QString fileDialog(QWidget *parent, const FileDialogRequest &request) override;
    QPoint cursorPos() override;
    int pixelAt(const QPoint &globalPos) override;
    QImage captureScreen() override;
    ScreenCapture captureScreens() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    void openUrl(const QUrl &url) override;
    HttpReply httpGet(const QUrl &url, int timeoutMs) override;
};
