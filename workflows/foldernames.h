#pragma once

#include <QList>
#include <QStringList>

class QObject;

// The names a catalogue folder level can use: the 676 two-letter names "aa" to "zz", and those of them
// still free beside the names already taken.
class FolderNames
{
public:
    static const int COUNT = 26 * 26;

    static const QStringList &all();
    static QStringList freeOf(const QStringList &used);
    // The taken names are the object names of the existing folders.
    static QStringList freeOf(const QList<QObject *> &objects);
};
