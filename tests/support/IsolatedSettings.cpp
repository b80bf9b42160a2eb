// Compiled into every test binary (tw_add_test in tests/CMakeLists.txt): before
// main() runs, and so before anything can read or write a setting, the
// settings store is pointed at a fresh temporary folder that lives as long as
// the process. Whoever starts the binary - CTest, a shell, a debugger - the
// developer's own settings are never read, changed or removed.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

class IsolatedSettings {
public:
    IsolatedSettings()
    {
        if (!m_folder.isValid()) {
            std::fprintf(stderr, "cannot create a temporary settings folder: %s\n",
                qPrintable(m_folder.errorString()));
            std::abort();
        }
        // The variable reaches child processes too; setPath covers a store
        // whose folder Qt has already looked up.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.path()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        // Windows stay off the developer's screen unless asked for.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

private:
    QTemporaryDir m_folder;
};

const IsolatedSettings isolatedSettings;

} // namespace
