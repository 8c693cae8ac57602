#pragma once

#include <QDate>
#include <QEventLoop>
#include <QString>
#include <QStringList>
#include <QTime>

#include <atomic>
#include <functional>

#include "myunit.h"

// One file waiting in the source folder. Its object name is the complete base name, so that the
// arrangement finds incoming files by base name; name() keeps the file name with extension.
class MySourceFile : public MyUnit
{
    // Its own meta-object, so that the folder's look-ups by type find source files only.
    Q_OBJECT

public:
    MySourceFile(const QString &fileName, MyUnit *parent);

    // Computed here on first use when the folder has not computed it on the pool yet.
    QString checkSum() const;
    bool checkSumKnown() const { return m_checkSumKnown; }
    void setCheckSum(const QString &checkSum);
    QDate exifDate() const { return m_exifDate; }
    QTime exifTime() const { return m_exifTime; }
    QString ext() const { return m_ext; }
    // Size and modification time (nanoseconds since the epoch) as they were before the checksum was
    // computed; -1 when the file could not be looked at.
    qint64 size() const { return m_size; }
    qint64 modifiedNs() const { return m_modifiedNs; }
    // Whether the file on disk still has that size and modification time, i.e. the checksum and a copy
    // made now describe the same content.
    bool unchanged() const;
    // Whether another process holds a file open for writing. Told by a read lease, which the system
    // refuses while any writer has the file open; Unknown where no lease is granted (a file of another
    // owner without the right to lease it, a file system without leases, a system without them).
    enum class Writing { No, Yes, Unknown };
    static Writing writing(const QString &fileName);
    // Whether the file may be taken now: unchanged since it was looked at, and nobody writes to it;
    // where that cannot be told, its last change is at least SETTLE_MS old.
    bool settled() const;
    static constexpr qint64 SETTLE_MS = 2000;
    void setExifDate(const QDate &date) { m_exifDate = date; }
    void setExifTime(const QTime &time) { m_exifTime = time; }

    // MD5 of the whole content as 32 lower-case hexadecimal digits; empty when the file cannot
    // be read to its end, or when stop (checked between blocks) became true.
    static QString computeCheckSum(const QString &fileName, const std::atomic<bool> *stop = nullptr);
    // The checksums of many files, computed side by side on the work pool (each file streamed in blocks
    // as above), in the order of the paths. progress(done) is called in the calling thread, which
    // serves its events meanwhile (as flags allow).
    static QStringList computeCheckSums(const QStringList &fileNames,
                                        const std::function<void(int)> &progress = std::function<void(int)>(),
                                        QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);
    // Size and modification time in nanoseconds of a file; false when it cannot be looked at.
    static bool fileStamp(const QString &fileName, qint64 &size, qint64 &modifiedNs);

private:
    QDate m_exifDate;
    QTime m_exifTime;
    mutable QString m_checkSum;
    mutable bool m_checkSumKnown = false;
    QString m_ext;
    qint64 m_size = -1;
    qint64 m_modifiedNs = -1;
};
