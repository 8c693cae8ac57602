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
    m_objects = VerifyRun::storedRefs(m_snapshot, m_folders);
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
    m_total = int(m_objects.size()) + 2 * m_shared.size();
    m_outcomes.assign(m_objects.size(), NoFinding);
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
    if (m_objects.size() < size_t(FREE_BEHIND_OBJECTS))
        return;
    struct Held
    {
        std::vector<VerifyRun::StoredRef> objects;
        VerifyRun::Snapshot snapshot;
        std::vector<Kind> outcomes;
        std::vector<Finding> findings;
        std::vector<std::pair<uint, int>> accounted;
        QList<RepairItem> repairable;
        QStringList backupList;
        QStringList stale;
    };
    auto held = new Held;
    held->objects.swap(m_objects);
    std::swap(held->snapshot, m_snapshot);
    held->outcomes.swap(m_outcomes);
    held->findings.swap(m_findings);
    held->accounted.swap(m_accounted);
    held->repairable.swap(m_repairable);
    held->backupList.swap(m_backupList);
    held->stale.swap(m_stale);
    std::thread([held] { delete held; }).detach();
}

QString MirrorCheck::backupOf(const QString &path) const
{
    return m_backupDir + QDir::cleanPath(path).mid(m_basePath.size());
}

QString MirrorCheck::boxPathOf(int object) const
{
    return VerifyRun::storedObject(m_objects[size_t(object)], m_folders).path;
}

// Two of box copy, backup copy and catalogue agreeing decide; a box copy that disagrees with its entry is
// never taken for good. Only the kind is kept: nothing else of the digests is needed afterwards.
MirrorCheck::Kind MirrorCheck::judge(int i, const std::atomic<bool> &stop) const
{
    const VerifyRun::StoredObject object = VerifyRun::storedObject(m_objects[size_t(i)], m_folders);
    bool exists = false;
    const QString digest = digestOf(backupOf(object.path), stop, exists);
    const bool boxGood = object.present && object.digest == object.checksum;
    const bool backupGood = !digest.isEmpty() && digest == object.checksum;
    if (boxGood && backupGood)
        return NoFinding;
    if (boxGood)
        return !exists ? BackupMissing : digest.isEmpty() ? BackupUnreadable : BackupWrong;
    if (backupGood)
        return object.present ? BoxRepairable : BoxRestorable;
    const bool agree = object.present && !object.digest.isEmpty() && object.digest == digest;
    return agree ? CopiesAgree : BothWrong;
}

// Whether the catalogue accounts for a file found in the backup's box folders. The paths themselves are
// not held: their hashes are, and a path of the same hash is made again to compare.
bool MirrorCheck::accounted(const QString &backupPath)
{
    const int objects = int(m_objects.size());
    const auto pathOf = [this, objects](int code) {
        return code < objects ? backupOf(boxPathOf(code)) : backupOf(m_backupList.at(code - objects));
    };
    if (!m_accountedMade) {
        m_accountedMade = true;
        m_accounted.reserve(size_t(objects + m_backupList.size()));
        for (int code = 0; code < objects + m_backupList.size(); ++code)
            m_accounted.emplace_back(qHash(pathOf(code)), code);
        std::sort(m_accounted.begin(), m_accounted.end());
    }
    const uint hash = qHash(backupPath);
    auto it = std::lower_bound(m_accounted.begin(), m_accounted.end(), std::make_pair(hash, -1));
    for (; it != m_accounted.end() && it->first == hash; ++it) {
        if (pathOf(it->second) == backupPath)
            return true;
    }
    return false;
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
    const int objects = int(m_objects.size());
    const auto job = [this, objects](int i) {
        if (i < objects) {
            m_outcomes[size_t(i)] = judge(i, m_stop);
            return;
        }
        Hashed &hashed = m_hashed[size_t(i - objects)];
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
    WorkPool::forEach(m_total, job, progressed, QEventLoop::ExcludeUserInputEvents);

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
                if (!WholeFileCopy::isTemporary(name) && !accounted(path))
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

int MirrorCheck::count(Verdict verdict) const
{
    return m_counts[verdict];
}

QString MirrorCheck::keyOf(const Finding &finding) const
{
    switch (finding.kind) {
    case FolderUnreadable:
        return QDir::toNativeSeparators(m_backupDir);
    case SharedMissing:
    case SharedDiffers:
        return QFileInfo(m_hashed[size_t(2 * finding.index)].path).fileName();
    case Stray:
        return QFileInfo(m_strays.at(finding.index)).fileName();
    default:
        return RemarkEntries::remarkOf(m_objects[size_t(finding.index)].remark);
    }
}

QStringList MirrorCheck::pathsOf(const Finding &finding) const
{
    const auto native = [](const QString &path) { return QDir::toNativeSeparators(path); };
    switch (finding.kind) {
    case FolderUnreadable:
        return {};
    case SharedMissing:
        return {native(m_hashed[size_t(2 * finding.index + 1)].path)};
    case SharedDiffers:
        return {native(m_hashed[size_t(2 * finding.index)].path), native(m_hashed[size_t(2 * finding.index + 1)].path)};
    case Stray:
        return {native(m_strays.at(finding.index))};
    case BackupMissing:
    case BackupUnreadable:
        return {native(backupOf(boxPathOf(finding.index)))};
    default: {
        const QString path = boxPathOf(finding.index);
        return {native(path), native(backupOf(path))};
    }
    }
}

void MirrorCheck::evaluate()
{
    m_messages = QStringList();
    for (int kind = 0; kind < KindCount; ++kind)
        m_messages << QString();
    m_messages[FolderUnreadable] = tr("the backup folder cannot be read");
    m_messages[BackupMissing] = tr("backup copy is missing");
    m_messages[BackupUnreadable] = tr("backup copy cannot be read");
    m_messages[BackupWrong] = tr("backup copy checksum wrong, the next backup replaces it");
    m_messages[BoxRepairable] = tr("box copy checksum wrong, it can be repaired from the backup");
    m_messages[BoxRestorable] = tr("box copy is absent, it can be restored from the backup");
    m_messages[CopiesAgree] = tr("both copies disagree with the entry, both copies agree with each other");
    m_messages[BothWrong] = tr("both copies disagree with the entry, unrecoverable");
    m_messages[SharedMissing] = tr("backup copy is missing");
    m_messages[SharedDiffers] = tr("backup copy differs from the box");
    m_messages[Stray] = tr("is not in the catalogue");
    for (QString &message : m_messages) {
        if (!message.isEmpty())
            message += QStringLiteral("...");
    }

    size_t findings = m_backupReadable ? 0 : 1;
    for (const Kind kind : m_outcomes)
        findings += kind == NoFinding ? 0 : 1;
    m_findings.reserve(findings + size_t(m_shared.size() + m_strays.size()));
    if (!m_backupReadable) {
        m_failed = true;
        m_findings.push_back(Finding{0, FolderUnreadable});
    }
    for (int i = 0; i < int(m_objects.size()); ++i) {
        const Kind kind = m_outcomes[size_t(i)];
        switch (kind) {
        case NoFinding:
            ++m_counts[Good];
            continue;
        case BackupMissing:
        case BackupUnreadable:
            ++m_counts[BackupStale];
            break;
        case BackupWrong:
            ++m_counts[BackupStale];
            m_stale << boxPathOf(i);
            break;
        case BoxRepairable:
        case BoxRestorable: {
            ++m_counts[BoxDamaged];
            const VerifyRun::StoredObject object = VerifyRun::storedObject(m_objects[size_t(i)], m_folders);
            m_repairable << RepairItem{object.remark, object.checksum, object.path, backupOf(object.path)};
            break;
        }
        default:
            ++m_counts[Unrecoverable];
            break;
        }
        m_findings.push_back(Finding{i, kind});
    }
    for (int i = 0; i < m_shared.size(); ++i) {
        const Hashed &boxCopy = m_hashed[size_t(2 * i)];
        const Hashed &backupCopy = m_hashed[size_t(2 * i + 1)];
        if (!backupCopy.exists) {
            m_findings.push_back(Finding{i, SharedMissing});
        } else if (boxCopy.digest.isEmpty() || backupCopy.digest != boxCopy.digest) {
            m_findings.push_back(Finding{i, SharedDiffers});
            if (!boxCopy.digest.isEmpty())
                m_stale << boxCopy.path;
        }
    }
    for (int i = 0; i < m_strays.size(); ++i)
        m_findings.push_back(Finding{i, Stray});

    const QString name = QDir::toNativeSeparators(m_backupBox).toHtmlEscaped();
    if (m_findings.empty()) {
        m_report = QStringLiteral("<p>") + name + QStringLiteral("... ") + tr("ok") + QStringLiteral("</p>");
        return;
    }
    const QString row = QStringLiteral("<tr> <td width = 10% align = right> %1: </td> <td> %2 </td> </tr>");
    m_report = QStringLiteral("<p><b>") + name + QStringLiteral("</b>... ") + tr("caution")
               + QStringLiteral("<table width = 100%>");
    // The report shows the first findings; the log has them all.
    const size_t shown = std::min(m_findings.size(), size_t(REPORT_ROWS));
    for (size_t i = 0; i < shown; ++i) {
        const Finding &finding = m_findings[i];
        QString text = m_messages.at(finding.kind).toHtmlEscaped();
        for (const QString &path : pathsOf(finding))
            text += QStringLiteral("<br>") + path.toHtmlEscaped();
        m_report += row.arg(keyOf(finding).toHtmlEscaped(), text);
    }
    m_report += QStringLiteral("</table></p>");
    if (m_findings.size() > size_t(REPORT_ROWS)) {
        m_report += QStringLiteral("<p>")
                    + tr("and %1 more findings of this kind, listed in the log")
                          .arg(QLocale().toString(qlonglong(m_findings.size()) - REPORT_ROWS))
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
    for (const Finding &finding : m_findings) {
        lines << QStringLiteral("    %1: %2 %3")
                     .arg(keyOf(finding), m_messages.at(finding.kind), pathsOf(finding).join(QStringLiteral(" | ")))
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
        *m_log << (m_findings.empty() ? QStringLiteral("    Check status : ok")
                                        : QStringLiteral("    Check status : caution"));
    m_log->closeLog();
}
