#include "altqfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#endif

AltQFile::AltQFile(QObject *parent)
    : QFile(parent)
{
}

AltQFile::AltQFile(const QString &name)
    : QFile(name)
{
}

AltQFile::AltQFile(const QString &name, QObject *parent)
    : QFile(name, parent)
{
}

// A directory is never a program, and an empty name names nothing.
static bool isProgramFile(const QString &candidate)
{
    const QFileInfo info(candidate);
    return info.exists() && !info.isDir();
}

bool AltQFile::exists(const QString &name)
{
    const QString program = name.trimmed();
    if (program.isEmpty())
        return false;
    if (QDir::isAbsolutePath(program))
        return isProgramFile(program);

    const QString separator = QDir::separator();
    QString searchPath = QString::fromLocal8Bit(qgetenv("PATH"));
    QStringList entries;
    if (separator == QLatin1String("/")) {
        entries = searchPath.split(QLatin1Char(':'));
    } else {
        searchPath.remove(QRegularExpression(QStringLiteral("^\\w+=")));
        entries = searchPath.split(QLatin1Char(';'));
    }
    entries << QString(); // the current directory
    for (QString entry : entries) {
        entry = entry.trimmed();
        if (!entry.isEmpty() && !entry.endsWith(separator))
            entry += separator;
        if (isProgramFile(entry + program))
            return true;
    }
    return false;
}


bool AltQFile::makeWritable(const QString &path)
{
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

bool AltQFile::removeReadOnly(const QString &path)
{
    makeWritable(path);
    return QFile::remove(path);
}
#ifdef Q_OS_UNIX

namespace {

// Large enough to keep the system calls rare when the kernel cannot copy by itself.
constexpr size_t COPY_BLOCK = 1024 * 1024;

// Writes all of the buffer, across short writes and interruptions.
bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

// The data from the current offsets to the end of the source. The kernel copies by itself where it
// can; a buffered loop takes over where it cannot (another file system, an old kernel).
bool copyData(int source, int target)
{
    bool kernelCopy = true;
    std::unique_ptr<char[]> buffer;
    for (;;) {
        if (kernelCopy) {
            const ssize_t copied = ::copy_file_range(source, nullptr, target, nullptr, COPY_BLOCK * 64, 0);
            if (copied > 0)
                continue;
            if (copied == 0)
                return true;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP && errno != EPERM)
                return false;
            kernelCopy = false;
        }
        if (!buffer)
            buffer.reset(new char[COPY_BLOCK]);
        const ssize_t got = ::read(source, buffer.get(), COPY_BLOCK);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        if (!writeAll(target, buffer.get(), size_t(got)))
            return false;
    }
}

int closeKeepingErrno(int fd)
{
    const int saved = errno;
    const int result = ::close(fd);
    errno = saved;
    return result;
}

} // namespace

// The copy's data, time stamps and permissions; synced says whether the data must be on the disk before
// this returns. Whatever fails, nothing is left at newName that this call made.
static bool copyFile(const QString &fileName, const QString &newName, bool synced)
{
    const QByteArray sourceName = QFile::encodeName(fileName);
    const QByteArray targetName = QFile::encodeName(newName);
    if (sourceName.isEmpty() || targetName.isEmpty())
        return false;
    const int source = ::open(sourceName.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    struct stat status;
    if (::fstat(source, &status) != 0 || !S_ISREG(status.st_mode)) {
        closeKeepingErrno(source);
        return false;
    }
    // O_EXCL: whatever lies at the new name stays untouched, and the file made here is ours to remove.
    const int target = ::open(targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (target < 0) {
        closeKeepingErrno(source);
        return false;
    }
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    bool done = copyData(source, target) && ::futimens(target, times) == 0
                && ::fchmod(target, status.st_mode & 07777) == 0;
    if (done && synced) {
        done = ::fdatasync(target) == 0;
    } else if (done) {
#ifdef Q_OS_LINUX
        // The disk starts writing now, while the next copies are made; the later sync finds little left.
        ::sync_file_range(target, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }
    closeKeepingErrno(source);
    // The copy's own folder entry goes to the disk too, so that a copy reported made survives a power cut.
    if (::close(target) == 0 && done && (!synced || AltQFile::syncFolder(QFileInfo(newName).absolutePath())))
        return true;
    ::unlink(targetName.constData());
    return false;
}

bool AltQFile::copy(const QString &newName)
{
    return copyFile(fileName(), newName, true);
}

bool AltQFile::copyUnsynced(const QString &newName)
{
    return copyFile(fileName(), newName, false);
}

bool AltQFile::syncData(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fdatasync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

namespace {

// Reads up to size bytes, fewer only at the end of the file; -1 on an error.
ssize_t readFull(int fd, char *data, size_t size)
{
    size_t got = 0;
    while (got < size) {
        const ssize_t part = ::read(fd, data + got, size - got);
        if (part < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (part == 0)
            break;
        got += size_t(part);
    }
    return ssize_t(got);
}

} // namespace

bool AltQFile::sameContent(const QString &first, const QString &second)
{
    const int one = ::open(QFile::encodeName(first).constData(), O_RDONLY | O_CLOEXEC);
    if (one < 0)
        return false;
    const int other = ::open(QFile::encodeName(second).constData(), O_RDONLY | O_CLOEXEC);
    if (other < 0) {
        ::close(one);
        return false;
    }
    std::unique_ptr<char[]> left(new char[COPY_BLOCK]);
    std::unique_ptr<char[]> right(new char[COPY_BLOCK]);
    bool same = true;
    for (;;) {
        const ssize_t got = readFull(one, left.get(), COPY_BLOCK);
        const ssize_t gotOther = readFull(other, right.get(), COPY_BLOCK);
        if (got < 0 || got != gotOther || std::memcmp(left.get(), right.get(), size_t(got)) != 0) {
            same = false;
            break;
        }
        if (got == 0)
            break;
    }
    ::close(one);
    ::close(other);
    return same;
}

bool AltQFile::syncFolder(const QString &path)
{
    const int folder = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool synced = ::fsync(folder) == 0;
    return ::close(folder) == 0 && synced;
}

#else

bool AltQFile::copy(const QString &newName)
{
    // The platform copy refuses an existing target and keeps the time stamps.
    return QFile::copy(newName);
}

bool AltQFile::copyUnsynced(const QString &newName)
{
    return QFile::copy(newName);
}

bool AltQFile::syncData(const QString &)
{
    return true;
}

bool AltQFile::sameContent(const QString &first, const QString &second)
{
    QFile one(first);
    QFile other(second);
    if (!one.open(QIODevice::ReadOnly) || !other.open(QIODevice::ReadOnly))
        return false;
    for (;;) {
        const QByteArray left = one.read(1024 * 1024);
        const QByteArray right = other.read(1024 * 1024);
        if (left != right)
            return false;
        if (left.isEmpty())
            return !one.error() && !other.error();
    }
}

bool AltQFile::syncFolder(const QString &)
{
    return true;
}

#endif
