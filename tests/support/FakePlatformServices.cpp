#include "support/FakePlatformServices.h"

#include "app/QtPlatformServices.h"

PlatformServices::Answer FakePlatformServices::messageBox(QWidget *, const QString &text,
                                                          Buttons buttons, Icon icon,
                                                          const QString &title)
{
    messageBoxes.append({text, buttons, icon, title});
    if (!messageAnswers.isEmpty())
        return messageAnswers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void FakePlatformServices::beep()
{
    ++beeps;
}

QString FakePlatformServices::fileDialog(QWidget *, const FileDialogRequest &request)
{
    fileDialogs.append(request);
    return fileDialogAnswers.isEmpty() ? QString() : fileDialogAnswers.dequeue();
}

QPoint FakePlatformServices::cursorPos()
{
    return cursor;
}

int FakePlatformServices::pixelAt(const QPoint &)
{
    return pixel;
}

QImage FakePlatformServices::captureScreen()
{
    return screen;
}

PlatformServices::ScreenCapture FakePlatformServices::captureScreens()
{
    ++screenCaptures;
    return screens;
}

void FakePlatformServices::setClipboardText(const QString &text)
{
    clipboardHistory.append(text);
}

QString FakePlatformServices::clipboardText()
{
    return clipboardHistory.isEmpty() ? QString() : clipboardHistory.constLast();
}

void FakePlatformServices::openUrl(const QUrl &url)
{
    openedUrls.append(url);
}

PlatformServices::HttpReply FakePlatformServices::httpGet(const QUrl &url, int timeoutMs)
{
    httpRequests.append(url);
    if (realHttp)
        return QtPlatformServices().httpGet(url, timeoutMs);
    if (!httpReplies.isEmpty())
        return httpReplies.dequeue();
    return {false, {}, QStringLiteral("no scripted reply")};
}
