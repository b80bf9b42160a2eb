#pragma once

#include "app/PlatformServices.h"

// The real services, over Qt's widgets and GUI modules and the HTTP module.
class QtPlatformServices : public PlatformServices {
public:
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
