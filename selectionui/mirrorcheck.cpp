#include "mirrorcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "anybox.h"
#include "constants.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "wholefilecopy.h"
#include "workpool.h"

// The manifest a backup writes beside the box's folders; it is no object.
static const QString MANIFEST = QStringLiteral("MD5SUMS");
// Findings the report shows in full; lines of the log written in one append.
static const int REPORT_ROWS = 1000;
static const int LOG_BATCH = 2000;
// Below this many objects freeing takes a few milliseconds.
static const int FREE_BEHIND_OBJECTS = 50000;

MirrorCheck::MirrorCheck(AnyBox *box, const VerifyRun &run, const QString &backupDir, QObject *parent)
    : QObject(parent)
    , m_log(dynamic_cast<MyLogFile *>(box->baseUnit()->unit(NAME_LOG_FILE)))
    , m_boxName(box->name())
    , m_basePath(QDir::cleanPath(box->baseUnit()->completeName()))
    , m_backupDir(backupDir.trimmed().isEmpty() ? QString() : QDir::cleanPath(backupDir.trimmed()))
    , m_backupBox(m_backupDir + QLatin1Char('/') + box->name())
    , m_backupList(run.backupList())
    , m_snapshot(run.snapshot())
    , m_boxPath(run.boxPath())
    , m_poll(new QTimer(this))
{
    // Often enough for a moving bar, seldom enough to cost nothing.
    m_poll->setInterval(25);
    connect(m_poll, &QTimer::timeout, this, &MirrorCheck::poll);
}

// Whatever the backup takes (sub files too) is accounted for; the shared files are compared.
void MirrorCheck::prepare()
{
    m_objects = VerifyRun::storedObjects(m_snapshot);
    m_snapshot = VerifyRun::Snapshot();
    // The shared files are those outside the box's folders, and its abc files; a stored object is
    // neither.
    const QString boxPrefix = QDir::cleanPath(m_boxPath) + QLatin1Char('/');
    const QString givenPrefix = m_boxPath + QLatin1Char('/');
    const QString abcEnd = QLatin1Char('/') + NAME_ABC_FILE;
    for (const QString &path : qAsConst(m_backupList)) {
        const bool inBox = path.startsWith(boxPrefix) || path.startsWith(givenPrefix);
        if (!inBox || path.endsWith(abcEnd))
            m_shared << qMakePair(path, backupOf(path));
    }
    m_total = m_objects.size() + 2 * m_shared.size();
    m_hashed.reserve(size_t(m_total));
    for (const VerifyRun::StoredObject &object : qAsConst(m_objects)) {
        Hashed hashed;
        hashed.path = backupOf(object.path);
        m_accounted.insert(hashed.path);
        m_hashed.push_back(hashed);
    }
    for (const QString &path : qAsConst(m_backupList))
        m_accounted.insert(backupOf(path));
    for (const auto &shared : qAsConst(m_shared)) {
        Hashed boxCopy;
        boxCopy.path = shared.first;
        Hashed backupCopy;
        backupCopy.path = shared.second;
        m_hashed.push_back(boxCopy);
        m_hashed.push_back(backupCopy);
    }
}

// A pass over a large box leaves a finding or two per object; another thread frees them, so that closing
// the frame does not hold up the window.
MirrorCheck::~MirrorCheck()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_objects.size() < FREE_BEHIND_OBJECTS)
        return;
    struct Held
    {
        QList<VerifyRun::StoredObject> objects;
        std::vector<Hashed> hashed;
        QList<Finding> findings;
        QSet<QString> accounted;
        QList<RepairItem> repairable;
        QStringList backupList;
    };
    auto held = new Held;
    held->objects.swap(m_objects);
    held->hashed.swap(m_hashed);
    held->findings.swap(m_findings);
    held->accounted.swap(m_accounted);
    held->repairable.swap(m_repairable);
    held->backupList.swap(m_backupList);
    std::thread([held] { delete held; }).detach();
}

QString MirrorCheck::backupOf(const QString &path) const
{
    return m_backupDir + QDir::cleanPath(path).mid(m_basePath.size());
}

void MirrorCheck::start()
{
    if (m_running || m_done)
        return;
    m_running = true;
    m_thread = std::thread([this] { work(false); });
    m_poll->start();
}

void MirrorCheck::poll()
{
    int progressed;
    bool done;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        progressed = m_progressed;
        done = m_workDone;
    }
    if (progressed != m_shownProgress) {
        m_shownProgress = progressed;
        emit progress(progressed);
    }
    if (done) {
        m_poll->stop();
        finish();
    }
}

void MirrorCheck::runHere()
{
    if (m_running || m_done)
        return;
    m_running = true;
    work(true);
    finish();
}

void MirrorCheck::stop()
{
    m_stop = true;
}

// On the pass's own thread (or the caller's, with here): reads files and writes only m_hashed,
// m_strays and m_backupReadable, which nobody reads before the thread has been joined, and the counts
// under the mutex.
void MirrorCheck::work(bool here)
{
    prepare();
    const auto job = [this](int i) {
        Hashed &hashed = m_hashed[size_t(i)];
        hashed.digest = digestOf(hashed.path, m_stop, hashed.exists);
    };
    const auto progressed = [this, here](int done) {
        if (here) {
            emit progress(done);
        } else {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_progressed = done;
        }
    };
    WorkPool::forEach(int(m_hashed.size()), job, progressed, QEventLoop::ExcludeUserInputEvents);

    // Files of the backup's box folders that no entry, abc file or sub file accounts for.
    static const QRegularExpression twoLetters(QRegularExpression::anchoredPattern(ABC_NAME));
    const auto folders = [](const QString &path) {
        QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [](const QString &name) { return !twoLetters.match(name).hasMatch(); }),
                    names.end());
        return names;
    };
    for (const QString &a : folders(m_backupBox)) {
        if (m_stop)
            break;
        const QString first = m_backupBox + QLatin1Char('/') + a;
        for (const QString &b : folders(first)) {
            const QString folder = first + QLatin1Char('/') + b;
            const QStringList files =
                QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
            for (const QString &name : files) {
                const QString path = folder + QLatin1Char('/') + name;
                // A half-written copy is cleared by the next backup.
                if (!WholeFileCopy::isTemporary(name) && !m_accounted.contains(path))
                    m_strays << path;
            }
        }
    }
    m_backupReadable = !m_backupDir.isEmpty() && QFileInfo(m_backupDir).isDir() && QDir(m_backupDir).isReadable();
    if (!here) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_workDone = true;
    }
}

void MirrorCheck::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    if (m_stop)
        return;
    m_done = true;
    // A large box gives as many findings as objects: weighing them and logging them runs on the pool,
    // the window repainting meanwhile. Both write only this object's own results.
    WorkPool::forEach(
        1,
        [this](int) {
            evaluate();
            writeLog();
        },
        std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
    emit finished();
}

QString MirrorCheck::digestOf(const QString &path, const std::atomic<bool> &stop, bool &exists)
{
    exists = QFileInfo(path).isFile();
    return exists ? MySourceFile::computeCheckSum(path, &stop) : QString();
}

void MirrorCheck::addFinding(const QString &key, const QString &message, const QStringList &paths)
{
    m_findings << Finding{key, message + QStringLiteral("..."), paths};
}

int MirrorCheck::count(Verdict verdict) const
{
    return int(std::count(m_verdicts.begin(), m_verdicts.end(), verdict));
}

// Two of box copy, backup copy and catalogue agreeing decide; a box copy that disagrees with its entry is
// never taken for good.
void MirrorCheck::evaluate()
{
    const auto native = [](const QString &path) { return QDir::toNativeSeparators(path); };
    if (!m_backupReadable) {
        m_failed = true;
        addFinding(native(m_backupDir), tr("the backup folder cannot be read"), {});
    }
    for (int i = 0; i < m_objects.size(); ++i) {
        const VerifyRun::StoredObject &object = m_objects.at(i);
        const Hashed &backup = m_hashed[size_t(i)];
        const bool boxGood = object.present && object.digest == object.checksum;
        const bool backupGood = !backup.digest.isEmpty() && backup.digest == object.checksum;
        const QStringList paths = {native(object.path), native(backup.path)};
        Verdict verdict = Good;
        if (boxGood && backupGood) {
            verdict = Good;
        } else if (boxGood) {
            verdict = BackupStale;
            if (!backup.exists) {
                addFinding(object.remark, tr("backup copy is missing"), {native(backup.path)});
            } else if (backup.digest.isEmpty()) {
                addFinding(object.remark, tr("backup copy cannot be read"), {native(backup.path)});
            } else {
                addFinding(object.remark, tr("backup copy checksum wrong, the next backup replaces it"), paths);
                m_stale << object.path;
            }
        } else if (backupGood) {
            verdict = BoxDamaged;
            addFinding(object.remark,
                       object.present ? tr("box copy checksum wrong, it can be repaired from the backup")
                                      : tr("box copy is absent, it can be restored from the backup"),
                       paths);
            m_repairable << RepairItem{object.remark, object.checksum, object.path, backup.path};
        } else {
            verdict = Unrecoverable;
            const bool agree = object.present && !object.digest.isEmpty() && object.digest == backup.digest;
            addFinding(object.remark,
                       agree ? tr("both copies disagree with the entry, both copies agree with each other")
                             : tr("both copies disagree with the entry, unrecoverable"),
                       paths);
        }
        m_verdicts << verdict;
    }
    for (int i = 0; i < m_shared.size(); ++i) {
        const Hashed &boxCopy = m_hashed[size_t(m_objects.size() + 2 * i)];
        const Hashed &backupCopy = m_hashed[size_t(m_objects.size() + 2 * i + 1)];
        const QString name = QFileInfo(boxCopy.path).fileName();
        if (!backupCopy.exists) {
            addFinding(name, tr("backup copy is missing"), {native(backupCopy.path)});
        } else if (boxCopy.digest.isEmpty() || backupCopy.digest != boxCopy.digest) {
            addFinding(name, tr("backup copy differs from the box"),
                       {native(boxCopy.path), native(backupCopy.path)});
            if (!boxCopy.digest.isEmpty())
                m_stale << boxCopy.path;
        }
    }
    for (const QString &stray : qAsConst(m_strays))
        addFinding(QFileInfo(stray).fileName(), tr("is not in the catalogue"), {native(stray)});

    const QString name = native(m_backupBox).toHtmlEscaped();
    if (m_findings.isEmpty()) {
        m_report = QStringLiteral("<p>") + name + QStringLiteral("... ") + tr("ok") + QStringLiteral("</p>");
        return;
    }
    const QString row = QStringLiteral("<tr> <td width = 10% align = right> %1: </td> <td> %2 </td> </tr>");
    m_report = QStringLiteral("<p><b>") + name + QStringLiteral("</b>... ") + tr("caution")
               + QStringLiteral("<table width = 100%>");
    // The report shows the first findings; the log has them all.
    int shown = 0;
    for (const Finding &finding : qAsConst(m_findings)) {
        if (++shown > REPORT_ROWS)
            break;
        QString text = finding.message.toHtmlEscaped();
        for (const QString &path : finding.paths)
            text += QStringLiteral("<br>") + path.toHtmlEscaped();
        m_report += row.arg(finding.key.toHtmlEscaped(), text);
    }
    m_report += QStringLiteral("</table></p>");
    if (m_findings.size() > REPORT_ROWS) {
        m_report += QStringLiteral("<p>")
                    + tr("and %1 more findings of this kind, listed in the log").arg(QLocale().toString(m_findings.size() - REPORT_ROWS))
                    + QStringLiteral("</p>");
    }
}

void MirrorCheck::writeLog()
{
    if (!m_log)
        return;
    m_log->openLog(QStringLiteral("BACKUP CHECK"));
    *m_log << QStringLiteral("    Check box    : ") + m_boxName;
    *m_log << QStringLiteral("    Backup folder: ") + QDir::toNativeSeparators(m_backupDir);
    // Many lines go in one append: the log is opened and closed per append, and a million openings
    // would take minutes. A stop loses at most the lines of one batch.
    QStringList lines;
    for (const Finding &finding : qAsConst(m_findings)) {
        lines << QStringLiteral("    %1: %2 %3")
                     .arg(finding.key, finding.message, finding.paths.join(QStringLiteral(" | ")))
                     .trimmed();
        if (lines.size() >= LOG_BATCH) {
            m_log->add(lines.join(QLatin1Char('\n')));
            lines.clear();
        }
    }
    if (!lines.isEmpty())
        m_log->add(lines.join(QLatin1Char('\n')));
    *m_log << QStringLiteral("    Check objects: %1 good, %2 backup copy stale, %3 box copy damaged, %4 unrecoverable")
                  .arg(count(Good))
                  .arg(count(BackupStale))
                  .arg(count(BoxDamaged))
                  .arg(count(Unrecoverable));
    if (m_failed)
        *m_log << QStringLiteral("    Check status : the backup folder cannot be read...");
    else
        *m_log << (m_findings.isEmpty() ? QStringLiteral("    Check status : ok")
                                        : QStringLiteral("    Check status : caution"));
    m_log->closeLog();
}
