#include "foldernames.h"

#include <QObject>
#include <QSet>

const QStringList &FolderNames::all()
{
    static const QStringList names = [] {
        QStringList all;
        all.reserve(COUNT);
        for (char first = 'a'; first <= 'z'; ++first) {
            for (char second = 'a'; second <= 'z'; ++second)
                all << QString(QLatin1Char(first)) + QLatin1Char(second);
        }
        return all;
    }();
    return names;
}

QStringList FolderNames::freeOf(const QStringList &used)
{
    const QSet<QString> taken(used.cbegin(), used.cend());
    QStringList free;
    for (const QString &name : all()) {
        if (!taken.contains(name))
            free << name;
    }
    return free;
}

QStringList FolderNames::freeOf(const QList<QObject *> &objects)
{
    QStringList used;
    for (const QObject *object : objects)
        used << object->objectName();
    return freeOf(used);
}
