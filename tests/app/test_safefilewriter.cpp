#include "app/SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Run as `<test binary> --write-as-child <path>`, the binary writes
// ChildBytes to path and prints the outcome; the tests run it under another
// user to see how the writer fails where it may not write.
constexpr char ChildSwitch[] = "--write-as-child";
const QByteArray ChildBytes = QByteArrayLiteral("new contents from the child");

int runChildWrite(const char *path)
{
    const SafeFileWriter::Result result
        = SafeFileWriter::write(QString::fromLocal8Bit(path), ChildBytes);
    std::fputs(result.ok ? "ok" : result.error.toUtf8().constData(), stdout);
    return result.ok ? 0 : 1;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

bool writePlain(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// Every name in the folder, hidden ones included, so that a left-over
// temporary file shows up.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray pattern(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        data[i] = char('a' + i % 26);
    return data;
}

} // namespace

class TestSafeFileWriter : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void writesAndReplaces_data();
    void writesAndReplaces();
    void keepsPermissions();
    void refusesFolder();
    void writesThroughSymlink();
    void fullDiskKeepsOldFile();
    void unwritableKeepsOldFile_data();
    void unwritableKeepsOldFile();

private:
    // The tmpfs mount point outlives the test function so that cleanup() can
    // unmount it before the folder is removed, even after a failed check.
    std::unique_ptr<QTemporaryDir> m_mountDir;
    bool m_mounted = false;
};

void TestSafeFileWriter::cleanup()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), { m_mountDir->path() });
    m_mounted = false;
    m_mountDir.reset();
}

void TestSafeFileWriter::writesAndReplaces_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("new file") << false << QByteArray("\x00\x01\x02\xff", 4);
    QTest::newRow("replace") << true << QByteArray("shorter");
    QTest::newRow("replace with nothing") << true << QByteArray();
    QTest::newRow("large") << true << pattern(3 * 1024 * 1024 + 7);
}

void TestSafeFileWriter::writesAndReplaces()
{
    QFETCH(bool, existing);
    QFETCH(QByteArray, data);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("warm.twp"));
    if (existing)
        QVERIFY(writePlain(path, pattern(1000)));

    const SafeFileWriter::Result result = SafeFileWriter::write(path, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.error.isEmpty());
    QCOMPARE(readAll(path), data);
    QCOMPARE(entries(dir.path()), QStringList { QStringLiteral("warm.twp") });
}

void TestSafeFileWriter::keepsPermissions()
{
#ifndef Q_OS_UNIX
    QSKIP("Access bits are a POSIX matter");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.twp"));
    QVERIFY(writePlain(path, "old"));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);

    QVERIFY(SafeFileWriter::write(path, "new"));
    struct stat info;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
#endif
}

void TestSafeFileWriter::refusesFolder()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("palettes"));
    QVERIFY(QDir().mkdir(folder));

    const SafeFileWriter::Result result = SafeFileWriter::write(folder, "data");
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("is a folder")), qPrintable(result.error));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(entries(folder), QStringList());
}

void TestSafeFileWriter::writesThroughSymlink()
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.twp"));
    const QString link = dir.filePath(QStringLiteral("link.twp"));
    QVERIFY(writePlain(real, "old"));
    if (!QFile::link(real, link))
        QSKIP("Symbolic links cannot be made here");

    QVERIFY(SafeFileWriter::write(link, "new"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(real), QByteArray("new"));
}

void TestSafeFileWriter::fullDiskKeepsOldFile()
{
#ifndef Q_OS_LINUX
    QSKIP("Needs a size-limited tmpfs");
#else
    if (::geteuid() != 0)
        QSKIP("Mounting a small tmpfs needs root");
    m_mountDir = std::make_unique<QTemporaryDir>();
    const QTemporaryDir &dir = *m_mountDir;
    QVERIFY(dir.isValid());
    QProcess mount;
    mount.start(QStringLiteral("mount"),
        { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
            QStringLiteral("size=64k"), QStringLiteral("tmpfs"), dir.path() });
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit
        || mount.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("Mounting a tmpfs is not allowed here: ")
            + QString::fromLocal8Bit(mount.readAllStandardError()).trimmed()));
    m_mounted = true;

    const QString path = dir.filePath(QStringLiteral("warm.twp"));
    const QByteArray old = pattern(5000);
    QVERIFY(writePlain(path, old));

    const SafeFileWriter::Result result = SafeFileWriter::write(path, pattern(256 * 1024));
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QCOMPARE(readAll(path), old);
    QCOMPARE(entries(dir.path()), QStringList { QStringLiteral("warm.twp") });

    // Once there is room again the same write goes through.
    QVERIFY(SafeFileWriter::write(path, pattern(20 * 1024)));
    QCOMPARE(readAll(path), pattern(20 * 1024));
#endif
}

void TestSafeFileWriter::unwritableKeepsOldFile_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");

    // 0555 folder: no new file may be made in it. 0777 folder with a file
    // only its owner may write: the file must not be replaced.
    QTest::newRow("locked folder") << 0555 << 0666;
    QTest::newRow("read-only file") << 0777 << 0644;
    QTest::newRow("new file in locked folder") << 0555 << -1;
}

void TestSafeFileWriter::unwritableKeepsOldFile()
{
#ifndef Q_OS_LINUX
    QSKIP("Needs setpriv to run as another user");
#else
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);

    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("setpriv is not installed, so the writer cannot run as an unprivileged user");
    if (::geteuid() != 0)
        QSKIP("Only root can switch to the unprivileged user");

    // Everything the unprivileged user needs lives in one world-readable
    // temporary folder: a copy of this binary (the build folder may be out
    // of its reach) and the folder to write into.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(),
        QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
            | QFile::ExeGroup));
    const QString binary = dir.filePath(QStringLiteral("writer"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), binary));
    const QString folder = dir.filePath(QStringLiteral("palettes"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("warm.twp"));
    const QByteArray old("old contents");
    if (fileMode >= 0) {
        QVERIFY(writePlain(path, old));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)) == 0);
    }
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);

    QProcess child;
    child.start(setpriv,
        { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
            QStringLiteral("--clear-groups"), binary, QString::fromLatin1(ChildSwitch), path });
    QVERIFY(child.waitForFinished());
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(child.exitCode() == 1,
        qPrintable(QStringLiteral("exit code %1, output '%2', errors '%3'")
                       .arg(child.exitCode())
                       .arg(output, errors)));
    QCOMPARE(output, QStringLiteral("Permission denied"));

    const QStringList expected
        = fileMode >= 0 ? QStringList { QStringLiteral("warm.twp") } : QStringList();
    QCOMPARE(entries(folder), expected);
    if (fileMode >= 0)
        QCOMPARE(readAll(path), old);
#endif
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], ChildSwitch) == 0)
        return runChildWrite(argv[2]);
    QCoreApplication app(argc, argv);
    TestSafeFileWriter test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_safefilewriter.moc"
