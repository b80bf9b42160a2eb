#include "startup/mod_Main.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "help/frm_Tip.h"
#include "mainwindow/frm_MDIMain.h"
#include "startup/StartupProbe.h"
#include "startup/StartupWorker.h"
#include "startup/frm_Splash.h"
#include "widgets/TintwrightStyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <ctime>

namespace mod_Main {

namespace {

// Handles events (the main window stays usable) until `ms` have passed on
// `clock`, without spinning.
void keepHandlingEventsUntil(const QElapsedTimer &clock, int ms)
{
    const qint64 remaining = ms - clock.elapsed();
    if (remaining <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(int(remaining) + 1, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

frm_MDIMain *Startup(int splashMinimumMs)
{
    ProcessState::StartupDone = false;
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    auto *main = new frm_MDIMain;
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    installStartupProbe(main);
    main->Form_Load();

    // The main window stays usable while the splash is up and may close it
    // (closing the main window closes every other window).
    QPointer<frm_Splash> splash = new frm_Splash(main);
    splash->show();
    QElapsedTimer t0;
    t0.start();

    ProcessState::ActiveColor = GetSettingInt(SettingsKeys::LastColor);
    cls_MsgServer::instance()->Notify(kActiveColorChanged);

    keepHandlingEventsUntil(t0, splashMinimumMs);
    if (!main->isVisible()) {
        // The user closed the program during the wait.
        delete splash;
        return main;
    }

    main->mnuFileNew_Click();
    main->LoadAppState();
    delete splash;
    frm_Tip::DisplayCurrentTip(main);
    ProcessState::StartupDone = true;
    return main;
}

int Main(QApplication &app, StartupWorker *worker)
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setOrganizationName(QStringLiteral("Tintwright"));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.tintwright.Tintwright"));
    QApplication::setStyle(new TintwrightStyle(QApplication::style()->name()));
    if (worker) {
        const ColorValue background = GetSettingInt(SettingsKeys::BackColor);
        const qreal ratio = QGuiApplication::primaryScreen()
            ? QGuiApplication::primaryScreen()->devicePixelRatio()
            : 1.0;
        worker->post([background, ratio] { frm_MDIMain::prerenderArtwork(background, ratio); });
    }
    frm_MDIMain *main = Startup();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    const int result = main->isVisible() ? app.exec() : 0;
    delete main;
    return result;
}

} // namespace mod_Main
