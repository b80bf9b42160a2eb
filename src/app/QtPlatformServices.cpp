#include "app/QtPlatformServices.h"

#include "app/HttpClient.h"
#include "app/HttpModule.h"
#include "app/PortalScreenshot.h"
#include "app/ScreenGrab.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

namespace {

// The portal may ask the user for permission before its first picture.
constexpr int kPortalTimeoutMs = 30000;

QMessageBox::StandardButtons toQt(PlatformServices::Buttons buttons)
{
    switch (buttons) {
    case PlatformServices::Buttons::Ok:
        return QMessageBox::Ok;
    case PlatformServices::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PlatformServices::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PlatformServices::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toQt(PlatformServices::Icon icon)
{
    switch (icon) {
    case PlatformServices::Icon::None:
        return QMessageBox::NoIcon;
    case PlatformServices::Icon::Information:
        return QMessageBox::Information;
    case PlatformServices::Icon::Question:
        return QMessageBox::Question;
    case PlatformServices::Icon::Exclamation:
        return QMessageBox::Warning;
    case PlatformServices::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

PlatformServices::Answer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return PlatformServices::Answer::Yes;
    case QMessageBox::No:
        return PlatformServices::Answer::No;
    case QMessageBox::Ok:
        return PlatformServices::Answer::Ok;
    default:
        return PlatformServices::Answer::Cancel;
    }
}

// "*.*" means every file to the user, as it does on Windows; here it would
// ask for a dot in the name, so the dialog gets "*".
QStringList platformFilters(QStringList filters)
{
    for (QString &filter : filters)
        filter.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    return filters;
}

} // namespace

PlatformServices::Answer QtPlatformServices::messageBox(
    QWidget *parent, const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    QMessageBox box(toQt(icon), title.isEmpty() ? QApplication::applicationDisplayName() : title,
        text, toQt(buttons), parent);
    return fromQt(box.exec());
}

void QtPlatformServices::beep()
{
    QApplication::beep();
}

void QtPlatformServices::setUpFileDialog(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.startFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // No must-exist check: a missing file gets the caller's own message.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(platformFilters(request.filters));
    // The callers ask their own overwrite question where one is wanted.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // No default suffix here: the dialog would add it to an existing file's
    // name too. chosenPath() adds it.
}

QString QtPlatformServices::chosenPath(const QFileDialog &dialog, const FileDialogRequest &request)
{
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst().trimmed();
    const QFileInfo chosen(path);
    const bool opensExisting = !request.save && chosen.exists();
    if (!request.defaultSuffix.isEmpty() && !chosen.fileName().contains(QLatin1Char('.'))
        && !opensExisting)
        path += QLatin1Char('.') + request.defaultSuffix;
    return path;
}

QString QtPlatformServices::fileDialog(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    setUpFileDialog(dialog, request);
    dialog.exec();
    return chosenPath(dialog, request);
}

QPoint QtPlatformServices::cursorPos()
{
    return QCursor::pos();
}

int QtPlatformServices::pixelAt(const QPoint &globalPos)
{
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        return -1;
    const QPoint local = globalPos - screen->geometry().topLeft();
    const QImage image = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (image.isNull())
        return -1;
    const QRgb rgb = image.pixel(0, 0);
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

QImage QtPlatformServices::captureScreen()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

PlatformServices::ScreenCapture QtPlatformServices::captureScreens()
{
    if (!ScreenGrab::isWaylandSession())
        return ScreenGrab::grabScreens();
    PortalScreenshot portal(QDBusConnection::sessionBus());
    const PortalScreenshot::Result shot = portal.take(kPortalTimeoutMs);
    if (shot.image.isNull())
        return { {}, shot.error };
    return ScreenGrab::splitDesktop(shot.image, ScreenGrab::screenGeometries());
}

void QtPlatformServices::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString QtPlatformServices::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtPlatformServices::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

PlatformServices::HttpReply QtPlatformServices::httpGet(const QUrl &url, int timeoutMs)
{
    // The windows keep painting during the wait; the pointer says why they do
    // not answer.
    const bool showBusy = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    if (showBusy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    HttpReply result;
    if (HttpClient *client = HttpModule::client(&result.error))
        result = client->get(url, timeoutMs);
    if (showBusy)
        QGuiApplication::restoreOverrideCursor();
    return result;
}
