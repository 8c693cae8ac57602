#include "backuprun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "anybox.h"
#include "constants.h"
#include "altqfile.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "wholefilecopy.h"
#include "workpool.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

BackupRun::BackupRun(AnyBox *box, const QString &backupDir, const QStringList &files, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_log(dynamic_cast<MyLogFile *>(box->baseUnit()->unit(NAME_LOG_FILE)))
    , m_basePath(QDir::cleanPath(box->baseUnit()->completeName()))
    , m_backupDir(backupDir.trimmed().isEmpty() ? QString() : QDir::cleanPath(backupDir.trimmed()))
    , m_files(files)
{
    // The ledger of the files First steps has seen is one of the shared files.
    const QString ledger = m_basePath + QLatin1Char('/') + NAME_SEEN_FILE;
    if (QFileInfo(ledger).isFile() && !m_files.contains(ledger))
        m_files << ledger;
}

void BackupRun::setReplaced(const QStringList &files)
{
    m_replaced.clear();
    for (const QString &file : files)
        m_replaced.insert(QDir::cleanPath(file));
}

QString BackupRun::manifestName()
{
    return QStringLiteral("MD5SUMS");
}

// md5sum -c reads a line that starts with a backslash as one whose name has backslashes, line feeds and
// carriage returns escaped.
QString BackupRun::manifestLine(const QString &digest, const QString &relativePath)
{
    QString name = relativePath;
    const bool escaped = name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('\n'))
                         || name.contains(QLatin1Char('\r'));
    if (escaped) {
        name.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        name.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        name.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    }
    return (escaped ? QStringLiteral("\\") : QString()) + digest + QStringLiteral("  ") + name;
}

QString BackupRun::targetOf(const QString &path) const
{
    return m_backupDir + QDir::cleanPath(path).mid(m_basePath.size());
}

// A backup inside the base folder would be no backup, and one on the base folder itself would write
// into the box.
bool BackupRun::insideBase(const QString &path) const
{
    const QString base = QFileInfo(m_basePath).canonicalFilePath();
    QString candidate = QFileInfo(path).canonicalFilePath();
    if (candidate.isEmpty())
        candidate = QDir::cleanPath(QDir(path).absolutePath());
    return !base.isEmpty() && (candidate == base || candidate.startsWith(base + QLatin1Char('/')));
}

BackupRun::State BackupRun::stop(State state, const QString &path, const QString &line)
{
    m_state = state;
    m_failedPath = path;
    if (m_log) {
        *m_log << line.arg(QDir::toNativeSeparators(path));
        *m_log << QStringLiteral("    Backup status: can not update...");
        m_log->closeLog();
    }
    return m_state;
}

BackupRun::State BackupRun::run()
{
    if (m_state != NotRun)
        return m_state;
    if (m_log) {
        m_log->openLog(QStringLiteral("BACKUP"));
        *m_log << QStringLiteral("    Backup box   : ") + m_box->name();
    }

    if (m_backupDir.isEmpty())
        return stop(FolderNotCreated, m_backupDir, QStringLiteral("    Backup folder is not set%1"));
    if (insideBase(m_backupDir))
        return stop(FolderNotCreated, m_backupDir, QStringLiteral("    Backup folder lies in the base folder: %1"));
    if (!QDir().mkpath(m_backupDir))
        return stop(FolderNotCreated, m_backupDir, QStringLiteral("    Backup folder cannot be created: %1"));
    WholeFileCopy::removeLeftovers(m_backupDir);

    // Every folder that receives files: the base folder's and those of the abc files.
    emit folderStageStarted();
    QStringList files = m_files;
    std::sort(files.begin(), files.end());
    QSet<QString> folderSet;
    for (const QString &file : files)
        folderSet.insert(QFileInfo(targetOf(file)).path());
    QStringList folders = folderSet.values();
    std::sort(folders.begin(), folders.end());
    for (const QString &folder : folders) {
        emit folderShown(QDir::toNativeSeparators(folder));
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
            return stop(SubFolderNotCreated, folder, QStringLiteral("    Backup folder cannot be created: %1"));
        // Whatever an interrupted backup left half-written goes now.
        WholeFileCopy::removeLeftovers(folder);
    }

    emit fileStageStarted(files.size());
    int position = 0;
    for (const QString &file : files) {
        emit fileShown(QDir::toNativeSeparators(file), ++position);
        const QString target = targetOf(file);
        const QFileInfo source(file);
        const QFileInfo current(target);
        const bool replaced = m_replaced.contains(QDir::cleanPath(file));
        if (!replaced && current.isFile() && current.lastModified() == source.lastModified()
            && current.size() == source.size()) {
            ++m_current;
            continue;
        }
        if (!WholeFileCopy::copy(file, target, true))
            return stop(CopyFailed, file, QStringLiteral("    Backup file cannot be copied: %1"));
        ++m_copied;
    }

    if (!writeManifest(files))
        return stop(CopyFailed, targetOf(m_box->completeName()) + QLatin1Char('/') + manifestName(),
                    QStringLiteral("    Backup manifest cannot be written: %1"));

    m_state = Actual;
    if (m_log) {
        *m_log << QStringLiteral("    Backup files : %1 copied, %2 already current").arg(m_copied).arg(m_current);
        *m_log << QStringLiteral("    Backup status: actual");
        m_log->closeLog();
    }
    return m_state;
}

// The stored files of the box (abc files aside), each with its checksum, so that the backup can be
// checked by md5sum alone. Written under a temporary name, synced and renamed into place.
bool BackupRun::writeManifest(const QStringList &files)
{
    const QString boxPath = QDir::cleanPath(m_box->completeName());
    const QString prefix = boxPath + QLatin1Char('/');
    QStringList stored;
    QStringList unknown;
    for (const QString &file : files) {
        const QString clean = QDir::cleanPath(file);
        if (!clean.startsWith(prefix) || QFileInfo(clean).fileName() == NAME_ABC_FILE)
            continue;
        stored << clean;
        if (!m_digests.contains(clean))
            unknown << clean;
    }
    QHash<QString, QString> digests = m_digests;
    const QStringList computed = MySourceFile::computeCheckSums(unknown, std::function<void(int)>(),
                                                                QEventLoop::ExcludeUserInputEvents);
    for (int i = 0; i < unknown.size(); ++i) {
        if (computed.at(i).isEmpty())
            return false;
        digests.insert(unknown.at(i), computed.at(i));
    }
    QByteArray text;
    for (const QString &path : qAsConst(stored))
        text += manifestLine(digests.value(path), path.mid(prefix.size())).toUtf8() + '\n';

    const QString target = targetOf(boxPath) + QLatin1Char('/') + manifestName();
    const QString temporary = WholeFileCopy::temporaryName(target);
    if (!QDir().mkpath(QFileInfo(target).path()))
        return false;
    QFile::remove(temporary);
    bool ok = false;
    WorkPool::forEach(
        1,
        [&](int) {
            QFile file(temporary);
            ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) == text.size();
#ifdef Q_OS_UNIX
            ok = ok && ::fdatasync(file.handle()) == 0;
#endif
            file.close();
            ok = ok && file.error() == QFileDevice::NoError;
            ok = ok
                 && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
            ok = ok && AltQFile::syncFolder(QFileInfo(target).path());
        },
        std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
    if (!ok)
        QFile::remove(temporary);
    return ok;
}
