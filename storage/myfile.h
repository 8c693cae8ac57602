#pragma once

#include <QStringList>

#include "myunit.h"

// A unit that is one file; it is created empty when missing and never truncated when present.
class MyFile : public MyUnit
{
public:
    MyFile(const QString &name, MyUnit *parent, Presence presence = CheckDisk);

    bool create();

    // The file's lines as UTF-8 text, read with either line end; false when the unit is not usable
    // or the file cannot be read.
    bool readLines(QStringList &lines) const;
    // Appends UTF-8 text without a byte-order mark and closes the file again, so nothing is held open
    // between calls. The text starts on a line of its own even when the file's last line has lost its
    // line end (a file edited by hand), so it never joins that line. False when the unit is not usable,
    // the file cannot be opened or the text did not reach it.
    bool appendText(const QString &text);
};
