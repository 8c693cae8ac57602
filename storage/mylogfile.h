#pragma once

#include <QString>
#include <QStringList>

#include "myfile.h"

// The shared log, appended line by line in blocks framed by OPEN and CLOSE lines. No file is held
// open between lines, so the log on disk is complete even when the program stops inside a block.
class MyLogFile : public MyFile
{
public:
    MyLogFile(const QString &name, MyUnit *parent);

    void openLog(const QString &title);
    void closeLog();
    MyLogFile &operator<<(const QString &text);
    bool add(const QString &text);
    // Many lines in one opening of the file, in their order. It reads nothing that the program changes,
    // so a worker thread may append them while the window goes on.
    bool addLines(const QStringList &lines);

private:
    QString m_title;
};
