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
    int pixel = -1;
    ScreenCapture screens; // what captureScreens() answers

    // Recorded calls.
    QList<MessageBoxCall> messageBoxes;
    QList<FileDialogRequest> fileDialogs;
    int beeps = 0;
    QStringList clipboardHistory;
    QList<QUrl> openedUrls;
    QList<QUrl> httpRequests;

    Answer messageBox(QWidget *, const QString &text, Buttons buttons, Icon icon,
        const QString &title = {}) override
    {
        messageBoxes.append({ text, buttons, icon, title });
        if (!messageAnswers.isEmpty())
            return messageAnswers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void beep() override { ++beeps; }
    QString fileDialog(QWidget *, const FileDialogRequest &request) override
    {
        fileDialogs.append(request);
        return fileDialogAnswers.isEmpty() ? QString() : fileDialogAnswers.dequeue();
    }
    QPoint cursorPos() override { return {}; }
    int pixelAt(const QPoint &) override { return pixel; }
    QImage captureScreen() override { return {}; }
    ScreenCapture captureScreens() override { return screens; }
    void setClipboardText(const QString &text) override { clipboardHistory.append(text); }
    QString clipboardText() override
    {
        return clipboardHistory.isEmpty() ? QString() : clipboardHistory.constLast();
    }
    void openUrl(const QUrl &url) override { openedUrls.append(url); }
    HttpReply httpGet(const QUrl &url, int timeoutMs) override;
};
