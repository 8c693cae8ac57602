#pragma once

#include <QFile>
#include <QString>
#include <QTextStream>

// Appends UTF-8 text lines to a file. The first appended line always starts a line of its own, also
// when the file's last line has lost its line end (a file edited by hand), so it never joins it.
class AppendFile
{
public:
    explicit AppendFile(const QString &path);

    bool open();
    QTextStream &stream() { return m_stream; }
    // Flushes and closes; true when everything was written.
    bool close();

private:
    QFile m_file;
    QTextStream m_stream;
};
