#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include "myunit.h"

// One file waiting in the source folder. Its object name is the complete base name, so that the
// arrangement finds incoming files by base name; name() keeps the file name with extension.
class MySourceFile : public MyUnit
{
    // Its own meta-object, so that the folder's look-ups by type find source files only.
    Q_OBJECT

public:
    MySourceFile(const QString &fileName, MyUnit *parent);

    QString checkSum() const { return m_checkSum; }
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
    void setExifDate(const QDate &date) { m_exifDate = date; }
    void setExifTime(const QTime &time) { m_exifTime = time; }

    // MD5 of the whole content as 32 lower-case hexadecimal digits; empty when the file cannot
    // be read to its end.
    static QString computeCheckSum(const QString &fileName);
    // Size and modification time in nanoseconds of a file; false when it cannot be looked at.
    static bool fileStamp(const QString &fileName, qint64 &size, qint64 &modifiedNs);

private:
    QDate m_exifDate;
    QTime m_exifTime;
    QString m_checkSum;
    QString m_ext;
    qint64 m_size = -1;
    qint64 m_modifiedNs = -1;
};
