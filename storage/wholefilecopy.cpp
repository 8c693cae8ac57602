#include "wholefilecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "altqfile.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

// Hidden, so neither the source folder's listing nor a file manager's default view takes it for a file.
static const QString TEMPORARY_PREFIX = QStringLiteral(".tessary-part-");

QString WholeFileCopy::temporaryName(const QString &target)
{
    const QFileInfo info(target);
    return info.path() + QLatin1Char('/') + TEMPORARY_PREFIX + info.fileName();
}

bool WholeFileCopy::isTemporary(const QString &fileName)
{
    return fileName.startsWith(TEMPORARY_PREFIX);
}

bool WholeFileCopy::copy(const QString &source, const QString &target, bool replace)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile())
        return false;
    if (!replace && QFileInfo::exists(target))
        return false;
    const QString temporary = temporaryName(target);
    // A leftover of an earlier interrupted copy would make the copy refuse its target.
    if (QFileInfo::exists(temporary) && !QFile::remove(temporary))
        return false;
    bool ok = AltQFile(source).copy(temporary);
    // The copy must be complete as well as reported so.
    ok = ok && QFileInfo(temporary).size() == sourceInfo.size();
    ok = ok && keepModificationTime(source, temporary);
    if (ok) {
        if (replace) {
            // rename() replaces the old target in one step, so there is always a whole file there.
            ok = std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
            if (!ok && QFileInfo(target).isFile() && QFile::remove(target))
                ok = QFile::rename(temporary, target);
        } else {
            // Refuses an existing target, also one that appeared while copying.
            ok = QFile::rename(temporary, target);
        }
    }
    if (!ok)
        QFile::remove(temporary);
    return ok;
}

int WholeFileCopy::removeLeftovers(const QString &folder)
{
    QDir dir(folder);
    const QStringList leftovers =
        dir.entryList({TEMPORARY_PREFIX + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QString &name : leftovers) {
        if (dir.remove(name))
            ++removed;
    }
    return removed;
}

// The copy gets the source's modification time to the nanosecond, whatever the copy itself kept, so a
// later comparison of the two times is exact. Stored objects are read-only, so the time is set by path.
bool WholeFileCopy::keepModificationTime(const QString &source, const QString &copy)
{
#ifdef Q_OS_UNIX
    struct stat sourceStat;
    if (::stat(QFile::encodeName(source).constData(), &sourceStat) != 0)
        return false;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1] = sourceStat.st_mtim;
    return ::utimensat(AT_FDCWD, QFile::encodeName(copy).constData(), times, 0) == 0;
#else
    QFile file(copy);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    return file.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
#endif
}
