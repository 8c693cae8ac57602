#include "altqfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
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

bool AltQFile::copy(const QString &newName)
{
    const QByteArray sourceName = QFile::encodeName(fileName());
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
    const bool done = copyData(source, target) && ::futimens(target, times) == 0
                      && ::fchmod(target, status.st_mode & 07777) == 0 && ::fdatasync(target) == 0;
    closeKeepingErrno(source);
    // The copy's own folder entry goes to the disk too, so that a copy reported made survives a power cut.
    if (::close(target) == 0 && done && syncFolder(QFileInfo(newName).absolutePath()))
        return true;
    ::unlink(targetName.constData());
    return false;
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

bool AltQFile::syncFolder(const QString &)
{
    return true;
}

#endif
