#include "app/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Result = SafeFileWriter::Result;

Result failure(const QString &reason)
{
    return Result { false, reason };
}

#ifdef Q_OS_WIN

int lastSystemError()
{
    return static_cast<int>(GetLastError());
}

// MoveFileEx itself refuses to replace a read-only file.
int checkReplaceable(const QString &)
{
    return 0;
}

void copyPermissions(QFile &, const QString &)
{
}

bool syncToDisk(QFile &file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return FlushFileBuffers(handle) != 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
               reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        != 0;
}

void syncFolder(const QString &)
{
}

#else

int lastSystemError()
{
    return errno;
}

// Renaming over a file needs only a writable folder, but a file the user may
// not write to must not be replaced behind the user's back. Returns 0 or an errno.
int checkReplaceable(const QString &target)
{
    const QByteArray name = QFile::encodeName(target);
    if (::access(name.constData(), F_OK) != 0)
        return 0;
    return ::access(name.constData(), W_OK) == 0 ? 0 : errno;
}

// The new file keeps the access bits of the one it replaces; a file that did
// not exist gets the usual bits of a new file (0666 less the umask).
void copyPermissions(QFile &file, const QString &target)
{
    struct stat info;
    if (::stat(QFile::encodeName(target).constData(), &info) == 0)
        ::fchmod(file.handle(), info.st_mode & 07777);
}

bool syncToDisk(QFile &file)
{
    int result;
    do {
        result = ::fsync(file.handle());
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Makes the rename itself durable. Some file systems cannot sync a folder;
// the new file is in place either way, so a failure here is not reported.
void syncFolder(const QString &folder)
{
    const int fd
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

#endif

QString systemErrorText(int code)
{
    return qt_error_string(code);
}

// The file behind a symbolic link is the one to replace; the link stays.
QString resolveTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Creates a new, empty file beside the target. The name starts with the
// target's (shortened, so that it stays within the length limit of a file
// name) to tell the user where a file left by a crash came from.
bool openTemporary(QFile &file, const QString &target)
{
    const QFileInfo info(target);
    const QString stem
        = info.absolutePath() + QStringLiteral("/.") + info.fileName().left(64) + QLatin1Char('.');
    for (int attempt = 0; attempt < 64; ++attempt) {
        const quint32 salt = QRandomGenerator::global()->generate();
        file.setFileName(stem + QString::number(salt, 36) + QStringLiteral(".tmp"));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!file.exists())
            return false; // not a name clash: the folder refuses new files
    }
    return false;
}

// Unbuffered writes go straight to the system; a short write is followed by
// another one, which then fails with the system's reason (a full disk, say).
bool writeAll(QFile &file, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QString fileErrorText(const QFile &file)
{
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("Unknown error") : text;
}

// Closes and deletes an unfinished temporary file, leaving the target alone.
Result abandon(QFile &file, const QString &reason)
{
    file.close();
    QFile::remove(file.fileName());
    return failure(reason);
}

} // namespace

SafeFileWriter::Result SafeFileWriter::write(const QString &path, const QByteArray &data)
{
    if (path.isEmpty())
        return failure(QStringLiteral("No file name given"));
    const QString target = resolveTarget(path);
    if (QFileInfo(target).isDir())
        return failure(
            QStringLiteral("%1 is a folder, not a file").arg(QDir::toNativeSeparators(path)));
    if (const int error = checkReplaceable(target))
        return failure(systemErrorText(error));

    QFile temp;
    if (!openTemporary(temp, target))
        return failure(fileErrorText(temp));
    copyPermissions(temp, target);

    if (!writeAll(temp, data) || !temp.flush())
        return abandon(temp, fileErrorText(temp));
    if (!syncToDisk(temp))
        return abandon(temp, systemErrorText(lastSystemError()));
    temp.close();
    if (temp.error() != QFileDevice::NoError)
        return abandon(temp, fileErrorText(temp));

    if (!replaceFile(temp.fileName(), target))
        return abandon(temp, systemErrorText(lastSystemError()));
    syncFolder(QFileInfo(target).absolutePath());
    return Result { true, {} };
}
