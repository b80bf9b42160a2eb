#include "app/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Result = SafeFileWriter::Result;

Result failure(const QString &reason)
{
    return Result { false, reason };
}

Result systemFailure(int code)
{
    return failure(qt_error_string(code));
}

// A temporary file is named "." + the target's name (shortened, so that it
// stays within the length limit of a file name) + ".tintwright-" + a random
// number in base 36 + ".tmp": the user sees where a left-over came from, and
// the next save of the same target recognises it as its own.
QString temporaryPrefix(const QString &target)
{
    return QLatin1Char('.') + QFileInfo(target).fileName().left(64)
        + QStringLiteral(".tintwright-");
}

QString temporaryName(const QString &prefix)
{
    return prefix + QString::number(QRandomGenerator::global()->generate(), 36)
        + QStringLiteral(".tmp");
}

bool isTemporaryName(const QString &name, const QString &prefix)
{
    if (!name.startsWith(prefix) || !name.endsWith(QLatin1String(".tmp")))
        return false;
    const QStringView salt = QStringView(name).mid(prefix.size(), name.size() - prefix.size() - 4);
    return !salt.isEmpty() && salt.size() <= 7
        && std::all_of(salt.begin(), salt.end(),
            [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'); });
}

#ifdef Q_OS_WIN

// The file behind a symbolic link is the one to replace; the link stays.
QString resolveTarget(const QString &path, int *)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// MoveFileEx itself refuses to replace a read-only file.
int checkReplaceable(const QString &)
{
    return 0;
}

QString fileErrorText(const QFile &file)
{
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("Unknown error") : text;
}

Result abandon(QFile &file, const QString &reason)
{
    file.close();
    QFile::remove(file.fileName());
    return failure(reason);
}

Result replaceWith(const QString &target, const QByteArray &data)
{
    const QString folder = QFileInfo(target).absolutePath() + QLatin1Char('/');
    const QString prefix = temporaryPrefix(target);
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (isTemporaryName(name, prefix))
            QFile::remove(folder + name); // fails while another save still has it open
    }
    QFile file;
    bool opened = false;
    for (int attempt = 0; attempt < 64 && !opened; ++attempt) {
        file.setFileName(folder + temporaryName(prefix));
        opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        if (!opened && !file.exists())
            break; // not a name clash: the folder refuses new files
    }
    if (!opened)
        return failure(fileErrorText(file));
    if (file.write(data) != data.size() || !file.flush())
        return abandon(file, fileErrorText(file));
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (!FlushFileBuffers(handle))
        return abandon(file, qt_error_string(int(GetLastError())));
    file.close();
    if (!MoveFileExW(
            reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(file.fileName()).utf16()),
            reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return abandon(file, qt_error_string(int(GetLastError())));
    return Result { true, {} };
}

#else

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

// The file a save replaces: the one a chain of symbolic links leads to, so
// that the links stay and the file behind them gets the new contents, as a
// user of a link to a palette expects. A chain that ends at a missing name
// creates that name. A chain the system cannot follow (a link that points at
// itself, say) fails with the system's reason.
QString resolveTarget(const QString &path, int *error)
{
    QString target = QFileInfo(path).absoluteFilePath();
    struct stat info;
    if (::lstat(encoded(target).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return target;
    if (::stat(encoded(target).constData(), &info) == 0)
        return QFileInfo(target).canonicalFilePath();
    if (errno != ENOENT) {
        *error = errno;
        return {};
    }
    // The chain ends at a missing name; the system has just said it ends.
    while (::lstat(encoded(target).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        target = QFileInfo(target).symLinkTarget();
    return target;
}

// Renaming over a file needs only a writable folder, but a file the user may
// not write to must not be replaced behind the user's back. Returns 0 or an errno.
int checkReplaceable(const QString &target)
{
    const QByteArray name = encoded(target);
    if (::access(name.constData(), F_OK) != 0)
        return 0;
    return ::access(name.constData(), W_OK) == 0 ? 0 : errno;
}

// Removes this program's temporaries for the target that no save is writing:
// a save holds a lock on its temporary for as long as it lives, and the
// system drops the lock of a program that died.
void removeStaleTemporaries(int folder, const QString &prefix)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        if (!isTemporaryName(QFile::decodeName(entry->d_name), prefix))
            continue;
        const Descriptor file(
            ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info;
        if (file && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode)
            && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

// An unnamed file in the folder where the system offers one (nothing of it
// survives a crash), else a new named one; *name is empty for an unnamed one.
int openTemporary(int folder, const QString &prefix, QByteArray *name)
{
#ifdef O_TMPFILE
    const int unnamed = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (unnamed >= 0)
        return unnamed;
#endif
    for (int attempt = 0; attempt < 64; ++attempt) {
        *name = encoded(temporaryName(prefix));
        const int fd
            = ::openat(folder, name->constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives an unnamed file a temporary name in its folder, the step before the
// rename over the target.
bool linkTemporary(int fd, int folder, const QString &prefix, QByteArray *name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 64; ++attempt) {
        *name = encoded(temporaryName(prefix));
        if (::linkat(AT_FDCWD, self.constData(), folder, name->constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno == EEXIST)
            continue;
        // Without /proc, the direct way (which needs a privilege).
        return errno == ENOENT && ::linkat(fd, "", folder, name->constData(), AT_EMPTY_PATH) == 0;
    }
    return false;
}

// The new file keeps the access bits of the one it replaces; a file that did
// not exist gets the usual bits of a new file (0666 less the umask).
void copyPermissions(int fd, const QString &target)
{
    struct stat info;
    if (::stat(encoded(target).constData(), &info) == 0)
        ::fchmod(fd, info.st_mode & 07777);
}

// A short write is followed by another one, which then fails with the
// system's reason (a full disk, say).
bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool syncToDisk(int fd)
{
    int result;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

// Writes the data to a temporary file beside the target, forces it to disk
// and renames it over the target. Returns 0 or an errno; on failure the
// target is as it was and no temporary file is left.
int replaceWith(const QString &target, const QByteArray &data)
{
    const QFileInfo info(target);
    const Descriptor folder(
        ::open(encoded(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return errno;
    const QString prefix = temporaryPrefix(target);
    removeStaleTemporaries(folder.get(), prefix);

    QByteArray name;
    const Descriptor file(openTemporary(folder.get(), prefix, &name));
    if (!file)
        return errno;
    // Held until the file is gone or renamed: tells other saves it is in use.
    ::flock(file.get(), LOCK_EX);
    copyPermissions(file.get(), target);
    int error = 0;
    if (!writeAll(file.get(), data) || !syncToDisk(file.get())
        || (name.isEmpty() && !linkTemporary(file.get(), folder.get(), prefix, &name))
        || ::renameat(
               folder.get(), name.constData(), folder.get(), encoded(info.fileName()).constData())
            != 0) {
        error = errno ? errno : EIO;
        if (!name.isEmpty())
            ::unlinkat(folder.get(), name.constData(), 0);
        return error;
    }
    // Makes the rename itself durable. Some file systems cannot sync a
    // folder; the new file is in place either way.
    ::fsync(folder.get());
    return 0;
}

#endif

} // namespace

SafeFileWriter::Result SafeFileWriter::write(const QString &path, const QByteArray &data)
{
    if (path.isEmpty())
        return failure(QStringLiteral("No file name given"));
    int error = 0;
    const QString target = resolveTarget(path, &error);
    if (error)
        return systemFailure(error);
    if (QFileInfo(target).isDir())
        return failure(
            QStringLiteral("%1 is a folder, not a file").arg(QDir::toNativeSeparators(path)));
    if (const int refused = checkReplaceable(target))
        return systemFailure(refused);
#ifdef Q_OS_WIN
    return replaceWith(target, data);
#else
    if (const int failed = replaceWith(target, data))
        return systemFailure(failed);
    return Result { true, {} };
#endif
}
