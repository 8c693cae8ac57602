#include "mysourcefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <memory>

// Large enough to keep the system calls rare, small enough that memory stays flat for any size.
static constexpr qint64 CHECKSUM_BLOCK = 1024 * 1024;

MySourceFile::MySourceFile(const QString &fileName, MyUnit *parent)
    : MyUnit(fileName, parent)
{
    const QFileInfo info(completeName());
    setObjectName(info.completeBaseName());
    setInitOk(true);
    m_checkSum = computeCheckSum(completeName());
    const QDateTime modified = info.lastModified();
    m_exifDate = modified.date();
    m_exifTime = modified.time();
    m_ext = info.suffix();
}

QString MySourceFile::computeCheckSum(const QString &fileName)
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
        const qint64 got = file.read(buffer.get(), CHECKSUM_BLOCK);
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        hash.addData(buffer.get(), int(got));
    }
    return QString::fromLatin1(hash.result().toHex());
}
