#pragma once

#include "app/PlatformServices.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A scripted stand-in for the operating system. Install it for the life of a
// test with FakePlatformServices::Scope; it records every call and answers
// from queues the test fills beforehand (an empty queue gives a neutral
// answer: Cancel/No, an empty path, a failed GET).
class FakePlatformServices : public PlatformServices
{
public:
    struct MessageBoxCall {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    // Installs the fake on construction and restores the previous services on
    // destruction.
    class Scope
    {
    public:
        explicit Scope(FakePlatformServices &fake) : m_previous(PlatformServices::install(&fake)) { }
        ~Scope() { PlatformServices::install(m_previous); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        PlatformServices *m_previous;
    };

    // Scripted answers, consumed in order.
    QQueue<Answer> messageAnswers;
    QQueue<QString> fileDialogAnswers;
    QQueue<HttpReply> httpReplies;
    bool realHttp = false; // GETs go to the network instead of httpReplies
    QPoint cursor;
    int pixel = -1;
    QImage screen;
    ScreenCapture screens; // what captureScreens() answers

    // Recorded calls.
    QList<MessageBoxCall> messageBoxes;
    QList<FileDialogRequest> fileDialogs;
    int beeps = 0;
    int screenCaptures = 0;
    QStringList clipboardHistory;
    QList<QUrl> openedUrls;
    QList<QUrl> httpRequests;

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
