#pragma once

#include <QDate>
#include <QFileInfoList>
#include <QHash>
#include <QString>

#include <memory>

#include "datecache.h"

class QFile;
class QTextStream;

class AnyBox;
class MyAbcFile;

// The saved lists of a box as the display frame offers them: the list files of the box's kind in the
// list folder, the figures of one list, and the present program started on a list. Widget-free.
class DisplayRun
{
public:
    struct Figures
    {
        bool read = false;
        int count = 0;
        QDate earliest;
        QDate latest;
    };

    explicit DisplayRun(AnyBox *box);
    ~DisplayRun();

    // The list files of the box's kind, newest first.
    QFileInfoList listFiles() const;
    QString listFolder() const;
    // The path of the list named name (its base name) in the list folder.
    QString listPath(const QString &name) const;

    // Counts the objects a list names and the span of their dates.
    Figures figures(const QString &path);
    // The same a slice at a time: begin, then go on until it says it is done; each call returns after
    // about sliceMs. The figures so far, and in the end the list's, are in readFigures().
    void beginFigures(const QString &path);
    bool continueFigures(int sliceMs);
    bool isReading() const { return m_reading; }
    const Figures &readFigures() const { return m_read; }
    // "-" when nothing was read; the single date, or earliest - latest, in the box's date format.
    QString spanText(const Figures &figures) const;

    // Starts the box's present command line on the list, detached; false when it cannot start.
    bool present(const QString &path) const;

private:
    MyAbcFile *abcFile(const QString &rema);
    void countLine(const QString &line);

    AnyBox *m_box;
    QString m_boxPath;
    QHash<QString, MyAbcFile *> m_abcFiles;
    bool m_abcFilesKnown = false;
    // Many objects of a list share a date text; each is read once.
    DateCache m_dates;
    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QTextStream> m_stream;
    Figures m_read;
    bool m_reading = false;
};
