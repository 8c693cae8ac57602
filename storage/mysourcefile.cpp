#include "mysourcefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

#include "workpool.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

// Large enough to keep the system calls rare, small enough that memory stays flat for any size.
static constexpr qint64 CHECKSUM_BLOCK = 1024 * 1024;

MySourceFile::MySourceFile(const QString &fileName, MyUnit *parent)
    : MyUnit(fileName, parent)
{
    const QFileInfo info(completeName());
    setObjectName(info.completeBaseName());
    setInitOk(true);
    // Taken before the checksum, so that a file still being written shows as changed afterwards. The
    // checksum itself waits until the arrangement needs it: listing the folder stays quick.
    fileStamp(completeName(), m_size, m_modifiedNs);
    const QDateTime modified = info.lastModified();
    m_exifDate = modified.date();
    m_exifTime = modified.time();
    m_ext = info.suffix();
}

QString MySourceFile::checkSum() const
{
    if (!m_checkSumKnown) {
        m_checkSum = computeCheckSum(completeName());
        m_checkSumKnown = true;
    }
    return m_checkSum;
}

void MySourceFile::setCheckSum(const QString &checkSum)
{
    m_checkSum = checkSum;
    m_checkSumKnown = true;
}

QStringList MySourceFile::computeCheckSums(const QStringList &fileNames, const std::function<void(int)> &progress,
                                           QEventLoop::ProcessEventsFlags flags)
{
    // Each job writes only its own slot.
    std::vector<QString> sums(size_t(fileNames.size()));
    WorkPool::forEach(
        fileNames.size(), [&sums, &fileNames](int i) { sums[size_t(i)] = computeCheckSum(fileNames.at(i)); },
        progress, flags);
    QStringList result;
    result.reserve(fileNames.size());
    for (const QString &sum : sums)
        result << sum;
    return result;
}

QString MySourceFile::computeCheckSum(const QString &fileName, const std::atomic<bool> *stop)
{
    QFile file(fileName);
    // Unbuffered: the blocks go straight from the file into our buffer.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QString();
    // The file is streamed block by block: a whole-file read of 2 GiB or more gives nothing in
    // Qt 5, which would make every large video look like empty input.
    QCryptographicHash hash(QCryptographicHash::Md5);
    std::unique_ptr<char[]> buffer(new char[CHECKSUM_BLOCK]);
    for (;;) {
        if (stop && *stop)
            return QString();
        const qint64 got = file.read(buffer.get(), CHECKSUM_BLOCK);
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        hash.addData(buffer.get(), int(got));
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool MySourceFile::fileStamp(const QString &fileName, qint64 &size, qint64 &modifiedNs)
{
    size = -1;
    modifiedNs = -1;
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    size = qint64(status.st_size);
    modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
#else
    const QFileInfo info(fileName);
    if (!info.isFile())
        return false;
    size = info.size();
    modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return true;
}

bool MySourceFile::unchanged() const
{
    qint64 size = 0;
    qint64 modifiedNs = 0;
    return m_size >= 0 && fileStamp(completeName(), size, modifiedNs) && size == m_size && modifiedNs == m_modifiedNs;
}

MySourceFile::Writing MySourceFile::writing(const QString &fileName)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Writing::Unknown;
    Writing state = Writing::Unknown;
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        state = Writing::No;
    } else if (errno == EAGAIN) {
        state = Writing::Yes;
    }
    ::close(fd);
    return state;
#else
    Q_UNUSED(fileName)
    return Writing::Unknown;
#endif
}

bool MySourceFile::settled() const
{
    if (!unchanged())
        return false;
    switch (writing(completeName())) {
    case Writing::No:
        return true;
    case Writing::Yes:
        return false;
    case Writing::Unknown:
        break;
    }
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    return nowNs - m_modifiedNs >= SETTLE_MS * 1000000;
}
