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
    void setExifDate(const QDate &date) { m_exifDate = date; }
    void setExifTime(const QTime &time) { m_exifTime = time; }

    // MD5 of the whole content as 32 lower-case hexadecimal digits; empty when the file cannot
    // be read to its end.
    static QString computeCheckSum(const QString &fileName);

private:
    QDate m_exifDate;
    QTime m_exifTime;
    QString m_checkSum;
    QString m_ext;
};
