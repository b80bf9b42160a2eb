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
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// `<test binary> --write-as-child <path>` writes ChildBytes to path and prints
// the outcome: run as another user to see how the writer fails without access.
constexpr char ChildSwitch[] = "--write-as-child";
// `<test binary> --save-until-killed <path>` saves to path again and again.
constexpr char LoopSwitch[] = "--save-until-killed";
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

// Hidden names included, so that a left-over temporary file shows up.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// rw-r----- (QFile sets owner and user bits alike).
constexpr QFile::Permissions Permissions
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;

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
    void cleanup()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), { m_mountDir->path() });
        m_mounted = false;
        m_mountDir.reset();
    }

    void writesAndReplaces_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("new file") << false << QByteArray("\x00\x01\x02\xff", 4);
        QTest::newRow("replace") << true << QByteArray("shorter");
        QTest::newRow("replace with nothing") << true << QByteArray();
    }
    // A replaced file keeps its access bits.
    void writesAndReplaces()
    {
        QFETCH(bool, existing);
        QFETCH(QByteArray, data);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("warm.twp"));
        if (existing)
            QVERIFY(writePlain(path, pattern(1000)) && QFile::setPermissions(path, Permissions));

        const SafeFileWriter::Result result = SafeFileWriter::write(path, data);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(readAll(path), data);
        QCOMPARE(entries(dir.path()), QStringList { QStringLiteral("warm.twp") });
#ifdef Q_OS_UNIX
        if (existing)
            QCOMPARE(QFile::permissions(path), Permissions);
#endif
    }

    // What a save killed before it finished left behind goes with the next save
    // of the same file; another program's files and a running save's stay.
    void removesOnlyItsOwnStaleTemporaries()
    {
#ifndef Q_OS_UNIX
        QSKIP("Needs flock");
#else
        QTemporaryDir dir;
        const QStringList kept { QStringLiteral(".warm.twp.other.tmp"),
            QStringLiteral(".warm.twp.tintwright-held1.tmp"), QStringLiteral("warm.twp") };
        for (const QString &name :
            kept + QStringList { QStringLiteral(".warm.twp.tintwright-x1.tmp") })
            QVERIFY(writePlain(dir.filePath(name), pattern(1000)));
        QFile held(dir.filePath(kept[1]));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);

        QVERIFY(SafeFileWriter::write(dir.filePath(kept[2]), "new"));
        QCOMPARE(entries(dir.path()), kept);
#endif
    }

    void killedSavesLeaveNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("warm.twp"));
        for (int run = 0; run < 5; ++run) {
            QProcess saver;
            saver.start(
                QCoreApplication::applicationFilePath(), { QString::fromLatin1(LoopSwitch), path });
            QVERIFY(saver.waitForStarted());
            QTest::qWait(100 + 37 * run);
            saver.kill();
            QVERIFY(saver.waitForFinished());
        }
        QVERIFY(SafeFileWriter::write(path, "new"));
        QCOMPARE(entries(dir.path()), QStringList { QStringLiteral("warm.twp") });
    }

    void symbolicLinks_data()
    {
        QTest::addColumn<QString>("linkTarget");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<QString>("error"); // empty: the save succeeds and writes real.twp

        QTest::newRow("to a file") << "real.twp" << true << QString();
        QTest::newRow("to a missing file") << "real.twp" << false << QString();
        QTest::newRow("to itself") << "link.twp" << false << "Too many levels of symbolic links";
    }
    // The link stays; the file it leads to gets the contents.
    void symbolicLinks()
    {
        QFETCH(QString, linkTarget);
        QFETCH(bool, targetExists);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("link.twp"));
        if (targetExists)
            QVERIFY(writePlain(dir.filePath(linkTarget), "old"));
        if (!QFile::link(linkTarget, link))
            QSKIP("Symbolic links cannot be made here");

        const SafeFileWriter::Result result = SafeFileWriter::write(link, "new");
        QCOMPARE(result.error, error);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), dir.filePath(linkTarget));
        if (error.isEmpty())
            QCOMPARE(readAll(dir.filePath(QStringLiteral("real.twp"))), QByteArray("new"));
        QCOMPARE(entries(dir.path()).size(), error.isEmpty() ? 2 : 1);
    }

    void fullDiskKeepsOldFile()
    {
#ifndef Q_OS_LINUX
        QSKIP("Needs a size-limited tmpfs");
#else
        if (::geteuid() != 0)
            QSKIP("Mounting a small tmpfs needs root");
        m_mountDir = std::make_unique<QTemporaryDir>();
        const QTemporaryDir &dir = *m_mountDir;
        QVERIFY(dir.isValid());
        if (QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path() }))
            QSKIP("Mounting a tmpfs is not allowed here");
        m_mounted = true;

        const QString path = dir.filePath(QStringLiteral("warm.twp"));
        const QByteArray old = pattern(5000);
        QVERIFY(writePlain(path, old));

        const SafeFileWriter::Result result = SafeFileWriter::write(path, pattern(256 * 1024));
        QVERIFY(!result.ok);
        QCOMPARE(result.error, QStringLiteral("No space left on device"));
        QCOMPARE(readAll(path), old);
        QCOMPARE(entries(dir.path()), QStringList { QStringLiteral("warm.twp") });
#endif
    }

    void unwritableKeepsOldFile_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        // Where no temporary file may be made, and where the file may not be replaced.
        QTest::newRow("locked folder") << 0555 << 0666;
        QTest::newRow("read-only file") << 0777 << 0644;
    }
    void unwritableKeepsOldFile()
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

        // The unprivileged user gets a copy of this binary in a world-readable folder.
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
        QVERIFY(writePlain(path, old));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);

        QProcess child;
        child.start(setpriv,
            { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                QStringLiteral("--clear-groups"), binary, QString::fromLatin1(ChildSwitch), path });
        QVERIFY(child.waitForFinished());
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), "Permission denied");
        QCOMPARE(child.exitCode(), 1);

        QCOMPARE(entries(folder), QStringList { QStringLiteral("warm.twp") });
        QCOMPARE(readAll(path), old);
#endif
    }

private:
    // Outlives the test function so that cleanup() unmounts even after a failure.
    std::unique_ptr<QTemporaryDir> m_mountDir;
    bool m_mounted = false;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], ChildSwitch) == 0)
        return runChildWrite(argv[2]);
    while (argc == 3 && std::strcmp(argv[1], LoopSwitch) == 0)
        SafeFileWriter::write(QString::fromLocal8Bit(argv[2]), QByteArray(256 * 1024, 'x'));
    QCoreApplication app(argc, argv);
    TestSafeFileWriter test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_safefilewriter.moc"
