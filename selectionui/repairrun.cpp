#include "repairrun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include "altqfile.h"
#include "anybox.h"
#include "constants.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "wholefilecopy.h"
#include "workpool.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

// Damaged files are kept here, under the box name and their path in the box; Tessary never empties it.
static const QString QUARANTINE = QStringLiteral("_bad");

RepairRun::RepairRun(AnyBox *box, const QList<MirrorCheck::RepairItem> &items, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_log(dynamic_cast<MyLogFile *>(box->baseUnit()->unit(NAME_LOG_FILE)))
    , m_basePath(QDir::cleanPath(box->baseUnit()->completeName()))
    , m_items(items)
    , m_crashStep(qEnvironmentVariable("TESSARY_TEST_REPAIR_CRASH"))
{
}

QString RepairRun::quarantineFolder() const
{
    return m_basePath + QLatin1Char('/') + QUARANTINE;
}

QString RepairRun::quarantineOf(const QString &boxPath) const
{
    return m_kept.value(boxPath);
}

// Tests kill the repair at one step to see what the next check finds.
void RepairRun::crashPoint(const char *step) const
{
    if (m_crashStep != QLatin1String(step))
        return;
#ifdef Q_OS_UNIX
    ::kill(::getpid(), SIGKILL);
#endif
}

int RepairRun::run()
{
    if (m_ran)
        return m_repaired;
    m_ran = true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    if (m_log) {
        m_log->openLog(QStringLiteral("REPAIR"));
        *m_log << QStringLiteral("    Repair box   : ") + m_box->name();
    }
    int position = 0;
    for (const MirrorCheck::RepairItem &item : qAsConst(m_items)) {
        emit objectShown(QDir::toNativeSeparators(item.boxPath), ++position);
        QString kept;
        QString failure;
        // The copy and its sync run on the pool; clicks and keys wait, the window repaints.
        WorkPool::forEach(
            1, [this, &item, &stamp, &kept, &failure](int) { failure = repairOne(item, stamp, kept); },
            std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
        const QString box = QDir::toNativeSeparators(item.boxPath);
        const QString backup = QDir::toNativeSeparators(item.backupPath);
        QString line;
        if (!failure.isEmpty()) {
            ++m_failed;
            line = QStringLiteral("    %1 not repaired: %2: %3").arg(item.remark, failure, box);
        } else if (kept.isEmpty()) {
            ++m_repaired;
            line = QStringLiteral("    %1 repaired: %2 restored from %3").arg(item.remark, box, backup);
        } else {
            ++m_repaired;
            m_kept.insert(item.boxPath, kept);
            line = QStringLiteral("    %1 repaired: %2 from %3, damaged copy kept as %4")
                       .arg(item.remark, box, backup, QDir::toNativeSeparators(kept));
        }
        if (m_log)
            *m_log << line;
    }
    if (m_log) {
        *m_log << QStringLiteral("    Repair status: %1 repaired, %2 not repaired").arg(m_repaired).arg(m_failed);
        m_log->closeLog();
    }
    return m_repaired;
}

QString RepairRun::repairOne(const MirrorCheck::RepairItem &item, const QString &stamp, QString &kept)
{
    const QFileInfo boxInfo(item.boxPath);
    const QString folder = boxInfo.path();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("the box folder is missing");
    if (!QFileInfo(item.backupPath).isFile())
        return QStringLiteral("the backup copy is missing");
    const QString temporary = WholeFileCopy::temporaryName(item.boxPath);
    if (QFileInfo::exists(temporary) && !QFile::remove(temporary))
        return QStringLiteral("a leftover cannot be removed");
    // The copy keeps the backup copy's time and is on the disk before anything else happens.
    if (!AltQFile(item.backupPath).copy(temporary)) {
        QFile::remove(temporary);
        return QStringLiteral("the backup copy cannot be copied");
    }
    if (MySourceFile::computeCheckSum(temporary) != item.checksum) {
        QFile::remove(temporary);
        return QStringLiteral("the copy's checksum is wrong");
    }
    if (!QFile::setPermissions(temporary, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther)) {
        QFile::remove(temporary);
        return QStringLiteral("the copy cannot be made read-only");
    }

    const QByteArray target = QFile::encodeName(item.boxPath);
    const QByteArray source = QFile::encodeName(temporary);
    if (!boxInfo.exists()) {
        // Nothing to keep; a file that appeared meanwhile is not replaced.
        if (!QFile::rename(temporary, item.boxPath)) {
            QFile::remove(temporary);
            return QStringLiteral("the copy cannot be renamed");
        }
        AltQFile::syncFolder(folder);
        return QString();
    }

    QString quarantine = quarantineFolder() + QLatin1Char('/') + m_box->name()
                         + QDir::cleanPath(item.boxPath).mid(QDir::cleanPath(m_box->completeName()).size())
                         + QLatin1Char('.') + stamp;
    for (int n = 2; QFileInfo::exists(quarantine) || QFileInfo(quarantine).isSymLink(); ++n)
        quarantine = quarantine.section(QLatin1Char('.'), 0, -2) + QStringLiteral(".%1-%2").arg(stamp).arg(n);
    const QString quarantineDir = QFileInfo(quarantine).path();
    if (!QDir().mkpath(quarantineDir)) {
        QFile::remove(temporary);
        return QStringLiteral("the quarantine folder cannot be created");
    }
    bool linked = false;
#ifdef Q_OS_UNIX
    linked = ::link(target.constData(), QFile::encodeName(quarantine).constData()) == 0;
#endif
    if (!linked && !QFile::rename(item.boxPath, quarantine)) {
        QFile::remove(temporary);
        return QStringLiteral("the damaged file cannot be kept in the quarantine");
    }
    AltQFile::syncFolder(quarantineDir);
    crashPoint("quarantined");
    // rename() puts the checked copy in place of the damaged file in one step.
    if (std::rename(source.constData(), target.constData()) != 0) {
        QFile::remove(temporary);
        // Back to what it was: the damaged file stays under its name.
        if (linked)
            QFile::remove(quarantine);
        else
            QFile::rename(quarantine, item.boxPath);
        return QStringLiteral("the copy cannot be renamed");
    }
    AltQFile::syncFolder(folder);
    crashPoint("renamed");
    kept = quarantine;
    return QString();
}
