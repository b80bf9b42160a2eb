#include "app/mod_Main.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/frm_Splash.h"
#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/frm_MDIMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
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
    main->Form_Load();

    auto *splash = new frm_Splash(main);
    splash->show();
    QElapsedTimer t0;
    t0.start();

    ProcessState::ActiveColor = GetSettingInt(SettingsKeys::LastColor);
    cls_MsgServer::instance()->Notify(kActiveColorChanged);

    keepHandlingEventsUntil(t0, splashMinimumMs);

    // The first palette, favourites and remembered state, and the tip of the
    // day come with their windows.
    splash->close();
    ProcessState::StartupDone = true;
    return main;
}

int Main(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setOrganizationName(QStringLiteral("Tintwright"));
    frm_MDIMain *main = Startup();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    const int result = app.exec();
    delete main;
    return result;
}

} // namespace mod_Main
