// Compiled into every test binary (tw_add_test in tests/CMakeLists.txt): before
// main() runs, and so before anything can read or write a setting, the
// settings store is pointed at a fresh temporary folder that lives as long as
// the process. Whoever starts the binary - CTest, a shell, a debugger - the
// developer's own settings are never read, changed or removed. It also gives
// the offscreen platform its test screen.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A test's child processes (a test binary may start itself) share its folder.
constexpr char FolderVariable[] = "TW_TEST_SETTINGS_FOLDER";

class IsolatedSettings {
public:
    IsolatedSettings()
    {
        QString folder = qEnvironmentVariable(FolderVariable);
        if (folder.isEmpty()) {
            m_folder = std::make_unique<QTemporaryDir>(
                QDir::tempPath() + QStringLiteral("/tintwright-test-settings-XXXXXX"));
            if (!m_folder->isValid()) {
                std::fprintf(stderr, "cannot create a temporary settings folder: %s\n",
                    qPrintable(m_folder->errorString()));
                std::abort();
            }
            folder = m_folder->path();
            qputenv(FolderVariable, QFile::encodeName(folder));
        }
        // The variable reaches child processes too; setPath covers a store
        // whose folder Qt has already looked up.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        // Windows stay off the developer's screen unless asked for, on one
        // 1600 x 1200 screen at 96 dpi like the end-to-end tests' display.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty() || platform == "offscreen") {
            QFile screens(folder + QStringLiteral("/offscreen-screens.json"));
            if (screens.open(QIODevice::WriteOnly))
                screens.write(R"({ "screens": [ { "name": "Test", "x": 0, "y": 0,
                    "width": 1600, "height": 1200, "logicalDpi": 96 } ] })");
            qputenv(
                "QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

const IsolatedSettings isolatedSettings;

} // namespace
