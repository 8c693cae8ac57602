#include "arrangementrun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>

#include "altqfile.h"
#include "anybox.h"
#include "arrangementjournal.h"
#include "constants.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "mysrcfolder.h"
#include "mysssfile.h"
#include "workpool.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

static const QString LOG_TITLE = QStringLiteral("ARRANGEMENT");

const QString ArrangementRun::JOURNAL_NAME = QStringLiteral(".arrangement");

ArrangementRun::ArrangementRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_srcFolder(qobject_cast<MySrcFolder *>(box ? box->unit(NAME_SRC_FOLDER) : nullptr))
    , m_sssFile(dynamic_cast<MySssFile *>(box ? box->unit(NAME_SSS_FILE) : nullptr))
    , m_logFile(dynamic_cast<MyLogFile *>(box ? box->unit(NAME_LOG_FILE) : nullptr))
    , m_random(quint32(QDateTime::currentMSecsSinceEpoch()))
    , m_crashStep(qEnvironmentVariableIntValue("TESSARY_TEST_CRASH_STEP"))
{
    // Tests make batches small, so that a few files already cross from one batch to the next.
    const int batchFiles = qEnvironmentVariableIntValue("TESSARY_TEST_BATCH_FILES");
    if (batchFiles > 0)
        m_batchFiles = batchFiles;
    if (usable()) {
        m_journal = std::make_unique<ArrangementJournal>(
            m_box, m_srcFolder, m_sssFile, [this](const QString &line) { log(line); },
            m_box->baseUnit()->completeName() + QLatin1Char('/') + JOURNAL_NAME, [this] { crashPoint(); });
    }
    if (m_sssFile)
        m_sessionNumber = QString::number(m_sssFile->currentSessionNumber());
    // The marks set before the run come back when it places nothing.
    if (m_box)
        m_box->memorizeMarked();
}

ArrangementRun::~ArrangementRun() = default;

ArrangementRun::Problem ArrangementRun::problem() const
{
    if (!m_box)
        return NoBox;
    if (!m_srcFolder)
        return NoSourceFolder;
    if (!m_sssFile)
        return NoSessionFile;
    if (!m_logFile)
        return NoLogFile;
    // Without a session number left, the entries would get session 0.
    if (!m_sssFile->sessionNumberLeft())
        return NoSessionNumberLeft;
    return NoProblem;
}

QString ArrangementRun::sessionNumber() const
{
    return m_sessionNumber;
}

QString ArrangementRun::elapsedText() const
{
    return QTime(0, 0).addMSecs(int(m_elapsedMs)).toString(QStringLiteral("hh:mm:ss"));
}

QString ArrangementRun::abcRnd(const QStringList &names)
{
    return names.at(int(m_random.bounded(quint32(names.size()))));
}

// The lines wait here and go to the log a block at a time, appended on the pool while the run goes on.
void ArrangementRun::log(const QString &line)
{
    m_pendingLog << line;
}

QStringList ArrangementRun::takeLog()
{
    QStringList lines;
    lines.swap(m_pendingLog);
    return lines;
}

void ArrangementRun::flushLog()
{
    const QStringList lines = takeLog();
    if (lines.isEmpty())
        return;
    MyLogFile *logFile = m_logFile;
    WorkPool::run([logFile, &lines] { logFile->addLines(lines); });
}

// What a killed run left half done is settled first; its session, if it recorded one now, counts.
bool ArrangementRun::recoverKilledRun()
{
    QString number = m_sessionNumber;
    if (!m_journal->recover(number))
        return false;
    if (number != m_sessionNumber) {
        m_sessionNumber = number;
        emit sessionNumberChanged(m_sessionNumber);
    }
    return true;
}

// Tests kill the run at one file-system step after another to see that the next run sets it right.
void ArrangementRun::crashPoint()
{
    if (m_crashStep <= 0 || ++m_step != m_crashStep)
        return;
#ifdef Q_OS_UNIX
    ::kill(::getpid(), SIGKILL);
#endif
}

void ArrangementRun::syncFolder(const QString &path)
{
    bool synced = false;
    WorkPool::run([&synced, &path] { synced = AltQFile::syncFolder(path); });
    if (!synced)
        log(tr("(!) Can not sync folder %1").arg(path));
}

bool ArrangementRun::run(const QString &annotation)
{
    if (m_ran || !usable())
        return false;
    m_ran = true;
    m_annotation = annotation;

    m_box->unmarkAllEntries();
    m_logFile->openLog(LOG_TITLE);
    m_clock.start();
    // What a killed run left half done is settled before anything new is placed.
    if (!recoverKilledRun()) {
        m_recovered = false;
        log(tr("(!) The interrupted arrangement cannot be finished, no file is placed"));
        m_capacityBefore = m_box->getCount();
        finish();
        return true;
    }
    emit readingStarted();
    // The extractor works while the checksums are computed; its dates are needed from the copy stage on.
    m_srcFolder->refresh(false);
    log(tr("Total sessions: %1").arg(m_sssFile->countSessions()));
    log(tr("Current session number: %1").arg(m_sessionNumber));
    m_capacityBefore = m_box->getCount();

    logUnreadableNames();
    readSourceFolder();
    m_srcFolder->waitForExtractor();
    emit readingFinished(m_found);
    searchDuplicates();
    searchVacantSpace();
    copyFiles();
    updateResembling();
    storeAbcFiles();
    recordSession(annotation);
    finish();
    return true;
}

// A name that cannot be decoded cannot be opened through any path the program can form.
void ArrangementRun::logUnreadableNames()
{
    const QStringList names = m_srcFolder->unreadableNames();
    m_unreadable = names.size();
    for (const QString &name : names) {
        log(tr("(!) The name of this file cannot be read, it stays in the source folder: %1")
                .arg(m_srcFolder->completeName() + QLatin1Char('/') + name));
    }
}

// Identical incoming files are kept once; the first in listing order wins.
void ArrangementRun::readSourceFolder()
{
    const QList<MySourceFile *> files = m_srcFolder->getInConformityExt(m_box->ext());
    // All side by side on the pool; the decisions below still follow the listing order.
    const auto connection =
        connect(m_srcFolder, &MySrcFolder::checkSumProgress, this, &ArrangementRun::readingProgress);
    m_srcFolder->computeCheckSums(files);
    disconnect(connection);
    for (MySourceFile *file : files) {
        // An empty checksum means the file could not be read to its end.
        const QString checkSum = file->checkSum();
        if (checkSum.isEmpty())
            continue;
        if (m_checkSums.contains(checkSum)) {
            m_identical.insert(file->completeName(), checkSum);
            continue;
        }
        m_checkSums.insert(checkSum, file->objectName());
        m_newFiles << file;
    }
    m_found = m_newFiles.size();
}

void ArrangementRun::searchDuplicates()
{
    if (m_found > 0) {
        emit duplicateStageStarted(int(m_box->getCount()));
        emit newCountChanged(newCount(), duplicateCount());
        int progress = 0;
        int duplicateNumber = 0;
        for (MyAbcFile *abcFile : m_box->abcFiles())
            checkAbcFile(abcFile, progress, duplicateNumber);
    }
    log(tr("Found %1 files: %2 new files and %3 duplicate files").arg(m_found).arg(newCount()).arg(duplicateCount()));
}

// Collects the vacancies of one abc file and drops the new files that it already holds.
void ArrangementRun::checkAbcFile(MyAbcFile *abcFile, int &progress, int &duplicateNumber)
{
    if (!abcFile->initOk()) {
        log(tr("Can not use entry file : %1").arg(abcFile->completeName()));
        return;
    }
    const QString prefix = abcFile->rema();
    for (const QString &name : abcSubtract(abcFile->getUsedName()))
        m_vacant << prefix + name;

    QHash<QString, QString> stored;
    const QList<Entry> entries = abcFile->getAll();
    for (const Entry &entry : entries) {
        if (entry.Ok())
            stored.insert(entry.getField(Entry::ChecksumField), entry.getField(Entry::RemarkField));
    }
    // The bar moves once per file: a repaint per entry would cost more than the search itself.
    progress += entries.size();
    emit duplicateProgress(progress);

    for (int i = 0; i < m_newFiles.size();) {
        MySourceFile *file = m_newFiles.at(i);
        const auto found = stored.constFind(file->checkSum());
        if (found == stored.constEnd()) {
            ++i;
            continue;
        }
        log(QStringLiteral("%1").arg(++duplicateNumber, 5)
            + tr(" Duplicate file %1 and %2 ...").arg(file->name(), *found));
        m_identical.insert(file->completeName(), file->checkSum());
        m_newFiles.removeAt(i);
        emit newCountChanged(newCount(), duplicateCount());
    }
}

void ArrangementRun::searchVacantSpace()
{
    int shortage = m_newFiles.size() - m_vacant.size();
    if (shortage <= 0) {
        // Enough room: the remarks are drawn at random from all vacancies.
        QStringList drawn;
        for (int i = 0; i < m_newFiles.size(); ++i)
            drawn << m_vacant.takeAt(int(m_random.bounded(quint32(m_vacant.size()))));
        // The rest is kept for places that turn out to hold a file already.
        m_reserve = m_vacant;
        m_vacant = drawn;
        return;
    }
    makeNewSpace(shortage);
}

void ArrangementRun::makeNewSpace(int shortage)
{
    while (MyAbcFolder *firstLevel = nextFirstLevelFolder(m_candidate)) {
        if (!makeVacantSpace(firstLevel, shortage))
            break;
    }
}

// Places were passed over and the vacant list ran out before the files did: one more vacancy, from
// those not drawn or from new catalogue space. False when there is none.
bool ArrangementRun::refillVacant()
{
    if (m_passedOver == 0)
        return false;
    m_passedOver = 0;
    if (!m_reserve.isEmpty()) {
        m_vacant << m_reserve.takeAt(int(m_random.bounded(quint32(m_reserve.size()))));
        return true;
    }
    if (!m_boxFull)
        makeNewSpace(m_newFiles.size() - m_copyIndex);
    return !m_vacant.isEmpty();
}

// The next first-level folder of the box to fill up, or a new one; null when the box is full or a
// new folder cannot be made.
MyAbcFolder *ArrangementRun::nextFirstLevelFolder(int &candidate)
{
    const QRegularExpression twoLetters(QStringLiteral("^") + ABC_NAME + QStringLiteral("$"));
    const QObjectList children = m_box->children();
    while (candidate < children.size()) {
        auto folder = dynamic_cast<MyAbcFolder *>(children.at(candidate++));
        if (folder && twoLetters.match(folder->objectName()).hasMatch())
            return folder;
    }
    const QStringList free = abcSubtract(children);
    if (free.isEmpty()) {
        m_boxFull = true;
        return nullptr;
    }
    auto folder = new MyAbcFolder(abcRnd(free), m_box);
    ++candidate;
    m_madeFolders.insert(folder);
    if (folder->initOk())
        return folder;
    log(tr("(!) Can not make folder %1").arg(folder->completeName()));
    return nullptr;
}

// Adds second-level folders with new abc files to firstLevel until the shortage is covered. True when
// more space is still needed; false when the search is over.
bool ArrangementRun::makeVacantSpace(MyAbcFolder *firstLevel, int &shortage)
{
    while (firstLevel->children().size() < NAMES_COUNT) {
        auto secondLevel = new MyAbcFolder(abcRnd(abcSubtract(firstLevel->children())), firstLevel);
        auto abcFile = new MyAbcFile(secondLevel);
        connect(abcFile, &MyAbcFile::markAbcFile, m_box, &AnyBox::markAbcFile);
        connect(abcFile, &MyAbcFile::unmarkAbcFile, m_box, &AnyBox::unmarkAbcFile);
        if (!abcFile->initOk()) {
            log(tr("Can not use entry file %1").arg(abcFile->completeName()));
            // A folder that cannot even be made means this first-level folder refuses new ones: trying
            // its other names would only fill the log, so the search goes on with the next one. In a
            // first-level folder made by this run the disk itself refuses, and the search ends.
            if (!secondLevel->initOk())
                return !m_madeFolders.contains(firstLevel);
            continue;
        }
        const QString prefix = abcFile->rema();
        if (shortage > NAMES_COUNT) {
            for (const QString &name : twoLetterNames())
                m_vacant << prefix + name;
            shortage -= NAMES_COUNT;
            continue;
        }
        QStringList pool = twoLetterNames();
        for (int i = 0; i < shortage; ++i)
            m_vacant << prefix + pool.takeAt(int(m_random.bounded(quint32(pool.size()))));
        shortage = 0;
        return false;
    }
    return true;
}

// The copies go in batches: the places of a batch are chosen here, announced in one synced journal
// record, then copied side by side on the pool, each read back against its source; the disk writes them
// while the next batch is copied, and they are all synced together before the catalogue names them.
void ArrangementRun::copyFiles()
{
    if (m_newFiles.isEmpty())
        return;
    emit copyStageStarted(m_newFiles.size());
    if (!m_vacant.isEmpty() && !m_journal->start(m_sessionNumber, m_annotation)) {
        log(tr("(!) The journal %1 cannot be written, no file is placed").arg(m_journal->path()));
        return;
    }
    for (int first = 0; first < m_newFiles.size();) {
        QList<MySourceFile *> batch;
        qint64 bytes = 0;
        while (first + batch.size() < m_newFiles.size() && batch.size() < m_batchFiles && bytes < BATCH_BYTES) {
            batch << m_newFiles.at(first + batch.size());
            bytes += qMax<qint64>(batch.last()->size(), 0);
        }
        placeBatch(batch, first);
        first += batch.size();
        emit copyProgress(first);
    }
}

// Chooses the place of one file and writes its copy line. False when the file stays where it is.
// settled tells whether the file could be taken when the batch was looked at.
bool ArrangementRun::choosePlace(MySourceFile *file, bool settled, Pending &pending)
{
    const Entry *original = editedOriginal(file->objectName());
    for (;;) {
        if (m_vacant.isEmpty() && !refillVacant())
            return false;
        const Remark remark(m_vacant.takeFirst());
        const QString copyPath = ArrangementJournal::copyPathOf(m_box, remark, file->ext());
        MyAbcFile *abcFile = m_box->abcFile(remark);
        if (abcFile && placeTaken(copyPath)) {
            log(tr("(!) The place %1 holds a file that no entry names, another place is taken").arg(copyPath));
            ++m_passedOver;
            continue;
        }
        log(QStringLiteral("%1").arg(m_added + m_choosing + 1, 5)
            + tr(" Copy %1 to %2 (%3)").arg(file->completeName(), copyPath, remark.remark()));
        if (!abcFile) {
            log(tr("(!) Try is not success..."));
            return false;
        }
        // A file still being written is left for a later run; the place stays vacant.
        if (!settled) {
            m_vacant.prepend(remark.remark());
            dropChangedCopy(file, QString());
            return false;
        }
        pending.file = file;
        pending.remark = remark;
        pending.copyPath = copyPath;
        pending.abcFile = abcFile;
        pending.edited = original != nullptr;
        if (original)
            pending.original = *original;
        return true;
    }
}

// One batch from choosing its places to their entries. A file named after a place chosen in this batch
// edits an object whose entry is not made yet: it and the files after it go in the next batch. The files
// whose place turned out to be taken meanwhile are placed again, each at another place. first is the
// position of the batch's first file among the new files, -1 for such a second try.
void ArrangementRun::placeBatch(const QList<MySourceFile *> &files, int first)
{
    QList<Pending> pending;
    QSet<QString> chosen;
    QList<MySourceFile *> deferred;
    // Whether each file may be taken now is asked beside the window: a look and a lease per file.
    std::vector<char> settled(size_t(files.size()), 0);
    WorkPool::forEach(files.size(), [&settled, &files](int i) { settled[size_t(i)] = files.at(i)->settled(); });
    m_choosing = 0;
    for (int i = 0; i < files.size(); ++i) {
        MySourceFile *file = files.at(i);
        if (chosen.contains(file->objectName())) {
            deferred = files.mid(i);
            break;
        }
        if (first >= 0)
            m_copyIndex = first + i;
        Pending one;
        if (!choosePlace(file, settled[size_t(i)], one))
            continue;
        chosen.insert(one.remark.remark());
        pending << one;
        ++m_choosing;
    }
    m_choosing = 0;
    const auto later = [this, &deferred, first, &files] {
        if (!deferred.isEmpty())
            placeBatch(deferred, first >= 0 ? first + int(files.size() - deferred.size()) : -1);
    };
    if (pending.isEmpty()) {
        later();
        return;
    }
    QList<ArrangementJournal::Announced> announced;
    for (const Pending &one : qAsConst(pending)) {
        const QString oldPrime = one.edited ? one.original.getField(Entry::ResembleField) : QString();
        announced << ArrangementJournal::Announced{one.remark, one.file->size(), one.file->modifiedNs(), oldPrime,
                                                   one.file->name()};
    }
    if (!m_journal->placeAll(announced)) {
        for (int i = 0; i < pending.size(); ++i)
            log(tr("(!) Try is not success..."));
        later();
        return;
    }
    crashPoint();

    // Copied, read back and made read-only beside the window; the log written meanwhile takes the lines so
    // far in one opening of the file.
    // The copy holds what the checksum describes only if the source did not change meanwhile: it is
    // looked at once more after its copy.
    enum Outcome { NotCopied, Copied, Differs };
    std::vector<Outcome> outcomes(size_t(pending.size()), NotCopied);
    std::vector<QString> sources;
    std::vector<QString> targets;
    std::vector<const MySourceFile *> incoming;
    for (const Pending &one : qAsConst(pending)) {
        sources.push_back(one.file->completeName());
        targets.push_back(one.copyPath);
        incoming.push_back(one.file);
    }
    const QStringList logLines = takeLog();
    MyLogFile *logFile = m_logFile;
    const int count = int(pending.size());
    WorkPool::forEach(count + 1, [&](int i) {
        if (i == count) {
            logFile->addLines(logLines);
            return;
        }
        if (!AltQFile(sources[size_t(i)]).copyUnsynced(targets[size_t(i)]))
            return;
        if (!AltQFile::sameContent(sources[size_t(i)], targets[size_t(i)]) || !incoming[size_t(i)]->settled()) {
            outcomes[size_t(i)] = Differs;
            return;
        }
        QFile::setPermissions(targets[size_t(i)],
                              QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);
        outcomes[size_t(i)] = Copied;
    });
    crashPoint();

    QList<MySourceFile *> again;
    for (int i = 0; i < pending.size(); ++i) {
        const Pending &one = pending.at(i);
        if (outcomes[size_t(i)] == NotCopied) {
            // A failed copy removes what it wrote; a file there now came from elsewhere and is kept.
            if (!placeTaken(one.copyPath)) {
                log(tr("(!) Try is not success..."));
                continue;
            }
            m_journal->keep(one.remark);
            ++m_passedOver;
            log(tr("(!) The place %1 holds a file that no entry names, another place is taken").arg(one.copyPath));
            again << one.file;
            continue;
        }
        if (outcomes[size_t(i)] == Differs) {
            dropChangedCopy(one.file, one.copyPath);
            continue;
        }
        enter(one);
    }
    for (MySourceFile *file : qAsConst(again))
        placeBatch({file}, -1);
    later();
}

// The copy is whole: its entry goes into the catalogue in memory, which is stored after the copies.
void ArrangementRun::enter(const Pending &one)
{
    const Entry entry = one.edited ? editedEntry(one.original, one.remark, one.file) : newEntry(one.remark, one.file);
    if (!one.edited) {
        m_box->makeSubFile(one.remark.remark() + QLatin1Char('\n') + entry.getField(Entry::CaptionField)
                           + QLatin1Char('\n') + entry.getField(Entry::DateField));
    }
    crashPoint();
    one.abcFile->update(entry);
    // Only a copy that made it relinks the group: a failed one would leave it pointing at nothing.
    if (one.edited)
        m_resembleMap.insert(one.original.getField(Entry::ResembleField), one.remark.remark());
    if (!m_modified.contains(one.abcFile))
        m_modified << one.abcFile;
    // The source is deleted only once the abc file holding this entry is stored.
    m_placements[one.abcFile] << Placement{one.file, one.copyPath, one.remark, one.edited};
    one.abcFile->markEntry(entry, 0);
    ++m_added;
    if (one.edited)
        ++m_edited;
}

// The stored entry that an incoming file edits: its base name is the remark of an object of the box.
const Entry *ArrangementRun::editedOriginal(const QString &baseName) const
{
    const Remark remark(baseName);
    if (!remark.Ok())
        return nullptr;
    auto abcFile = m_box->abcFile(remark);
    if (!abcFile || !abcFile->entryExist(remark.rk()))
        return nullptr;
    const Entry *original = abcFile->getEntry(remark.rk());
    return original->Ok() ? original : nullptr;
}

// The fields are set one by one, so that a "~" in the file name cannot split the record.
Entry ArrangementRun::newEntry(const Remark &remark, MySourceFile *file) const
{
    Entry entry(QString(Entry::FIELD_COUNT - 1, SIGN_INV.at(0)));
    entry.setField(Entry::SessionField, m_sessionNumber);
    entry.setField(Entry::RemarkField, remark.remark());
    entry.setField(Entry::ResembleField, remark.remark());
    entry.setField(Entry::ChecksumField, file->checkSum());
    entry.setField(Entry::HardcopyField, QStringLiteral("0"));
    entry.setField(Entry::CategoryField, QString::number(m_box->startValueCategory(file)));
    entry.setField(Entry::KeywordField, SIGN_UNKNOWN);
    entry.setField(Entry::OriginalField, file->name());
    entry.setField(Entry::CaptionField, SIGN_UNKNOWN + QLatin1Char(',') + SIGN_UNKNOWN);
    entry.setField(Entry::DateField, file->exifDate().toString(m_box->dateFormat()));
    return entry;
}

// An edited version inherits the whole description of the object it was made from.
Entry ArrangementRun::editedEntry(const Entry &original, const Remark &remark, MySourceFile *file) const
{
    Entry entry(original);
    entry.setField(Entry::RemarkField, remark.remark());
    entry.setField(Entry::ResembleField, remark.remark());
    entry.setField(Entry::ChecksumField, file->checkSum());
    entry.setField(Entry::OriginalField, file->name());
    return entry;
}

// A vacant place still holds a file that no entry names (left by hand, or by an older program): it is
// never overwritten, and neither is a description file there.
bool ArrangementRun::placeTaken(const QString &copyPath) const
{
    const QFileInfo copy(copyPath);
    const QFileInfo sub(copy.path() + QLatin1Char('/') + copy.completeBaseName() + QLatin1Char('.') + SUB_FILE_EXT);
    return copy.exists() || copy.isSymLink() || sub.exists() || sub.isSymLink();
}

// The source changed after its checksum was taken: its copy (if any) goes, the source waits.
void ArrangementRun::dropChangedCopy(MySourceFile *file, const QString &copyPath)
{
    if (!copyPath.isEmpty() && !AltQFile::removeReadOnly(copyPath))
        log(tr("(!) Can not remove file %1").arg(copyPath));
    ++m_changed;
    log(tr("(!) The file changed while it was read, it stays in the source folder: %1").arg(file->completeName()));
}

// Every member of a group whose prime was edited follows the edited version, the old prime included.
void ArrangementRun::updateResembling()
{
    if (m_resembleMap.isEmpty())
        return;
    emit resembleStageStarted(int(m_box->getCount()) + m_added);
    int progress = 0;
    for (MyAbcFile *abcFile : m_box->abcFiles()) {
        if (!abcFile->initOk())
            continue;
        const QList<Entry> entries = abcFile->getAll();
        for (Entry entry : entries) {
            const auto newPrime = m_resembleMap.constFind(entry.getField(Entry::ResembleField));
            if (entry.Ok() && newPrime != m_resembleMap.constEnd()) {
                m_relinks << Relink{abcFile, entry.simpleName(), entry.getField(Entry::ResembleField), *newPrime};
                entry.setField(Entry::ResembleField, *newPrime);
                abcFile->update(entry);
                if (!m_modified.contains(abcFile))
                    m_modified << abcFile;
            }
        }
        progress += entries.size();
        emit resembleProgress(progress);
    }
}

// Files that received objects go first, so that a failure among them can still be taken back from the
// catalogue files that were only relinked before those are written.
void ArrangementRun::storeAbcFiles()
{
    dropStillWritten();
    QList<MyAbcFile *> order;
    for (MyAbcFile *abcFile : qAsConst(m_modified)) {
        if (m_placements.contains(abcFile))
            order << abcFile;
    }
    for (MyAbcFile *abcFile : qAsConst(m_modified)) {
        if (!m_placements.contains(abcFile))
            order << abcFile;
    }
    // The copies and the folders made for them reach the disk before the catalogue names them.
    syncPlacements();
    flushLog();
    QSet<MyAbcFile *> stored;
    QSet<MyAbcFile *> storeAgain;
    QList<MyAbcFile *> settled;
    for (MyAbcFile *abcFile : qAsConst(order)) {
        if (storeOffThread(abcFile)) {
            crashPoint();
            // The folder holds both the catalogue file and the copies it names.
            syncFolder(abcFile->path());
            stored.insert(abcFile);
            settled << abcFile;
            continue;
        }
        log(tr("(!) Can not store entry file %1").arg(abcFile->completeName()));
        emit storeFailed(abcFile->completeName());
        takeBack(abcFile, stored, storeAgain);
    }
    // Only a taken-back edited version makes a file already written change once more.
    for (MyAbcFile *abcFile : qAsConst(storeAgain)) {
        if (storeOffThread(abcFile))
            syncFolder(abcFile->path());
        else
            log(tr("(!) Can not store entry file %1").arg(abcFile->completeName()));
    }
    for (MyAbcFile *abcFile : qAsConst(settled))
        settle(abcFile);
    // A source that came back after a power cut would be reported as a duplicate for ever.
    if (!settled.isEmpty())
        syncFolder(m_srcFolder->completeName());
}

// Writing a catalogue file syncs it to disk; the window is served meanwhile and changes nothing.
bool ArrangementRun::storeOffThread(MyAbcFile *abcFile)
{
    bool stored = false;
    WorkPool::run([&stored, abcFile] { stored = abcFile->store(); });
    return stored;
}

// All copies of the run and the folders that hold them, synced side by side on the pool: their data, the
// second-level folders with their entries, the first-level folders and the box folder, in which this run
// may have made folders. A copy whose data or folder entry cannot be synced leaves the box again and its
// source stays.
void ArrangementRun::syncPlacements()
{
    QStringList paths;
    std::vector<char> isFolder;
    QSet<QString> folders;
    for (auto it = m_placements.cbegin(); it != m_placements.cend(); ++it) {
        for (const Placement &placement : it.value()) {
            paths << placement.copyPath;
            isFolder.push_back(0);
        }
        paths << it.key()->path();
        isFolder.push_back(1);
        if (QObject *firstLevel = it.key()->parent() ? it.key()->parent()->parent() : nullptr)
            folders.insert(static_cast<MyAbcFolder *>(firstLevel)->completeName());
    }
    if (paths.isEmpty())
        return;
    const int placedCount = paths.size();
    folders.insert(m_box->completeName());
    paths << folders.values();
    isFolder.resize(size_t(paths.size()), 1);
    std::vector<char> synced(size_t(paths.size()), 0);
    WorkPool::forEach(paths.size(), [&synced, &paths, &isFolder](int i) {
        synced[size_t(i)] = isFolder[size_t(i)] ? AltQFile::syncFolder(paths.at(i)) : AltQFile::syncData(paths.at(i));
    });
    for (int i = placedCount; i < paths.size(); ++i) {
        if (!synced[size_t(i)])
            log(tr("(!) Can not sync folder %1").arg(paths.at(i)));
    }
    const QSet<MyAbcFile *> nothingStored;
    QSet<MyAbcFile *> unused;
    int index = 0;
    for (auto it = m_placements.begin(); it != m_placements.end();) {
        const int first = index;
        index += it.value().size();
        const bool folderSynced = synced[size_t(index++)];
        if (!folderSynced)
            log(tr("(!) Can not sync folder %1").arg(it.key()->path()));
        QList<Placement> kept;
        for (int i = 0; i < it.value().size(); ++i) {
            const Placement &placement = it.value().at(i);
            if (folderSynced && synced[size_t(first + i)]) {
                kept << placement;
                continue;
            }
            if (folderSynced)
                log(tr("(!) Can not sync file %1").arg(placement.copyPath));
            withdraw(it.key(), placement, nothingStored, unused);
            log(tr("(!) Not stored, the file stays in the source folder: %1").arg(placement.source->completeName()));
        }
        if (kept.isEmpty()) {
            it = m_placements.erase(it);
        } else {
            it.value() = kept;
            ++it;
        }
    }
}

// The entries of these copies are on disk now: their sources can go, removed side by side on the pool.
void ArrangementRun::settle(MyAbcFile *abcFile)
{
    const QList<Placement> placements = m_placements.take(abcFile);
    QStringList sources;
    for (const Placement &placement : placements)
        sources << placement.source->completeName();
    std::vector<char> removed(size_t(sources.size()), 0);
    WorkPool::forEach(sources.size(),
                      [&removed, &sources](int i) { removed[size_t(i)] = QFile::remove(sources.at(i)); });
    crashPoint();
    for (int i = 0; i < placements.size(); ++i) {
        if (!removed[size_t(i)])
            log(tr("(!) Can not remove source file %1").arg(sources.at(i)));
        delete placements.at(i).source;
    }
}

// The catalogue file could not be written: its new objects leave the box again, their sources stay,
// and the groups an edited version among them had taken over get their old prime back.
void ArrangementRun::takeBack(MyAbcFile *abcFile, QSet<MyAbcFile *> &stored, QSet<MyAbcFile *> &storeAgain)
{
    const QList<Placement> placements = m_placements.take(abcFile);
    for (const Placement &placement : placements) {
        withdraw(abcFile, placement, stored, storeAgain);
        log(tr("(!) Not stored, the file stays in the source folder: %1").arg(placement.source->completeName()));
    }
}

// The object leaves the box again: its entry, copy and description file go, its place is vacant.
void ArrangementRun::withdraw(MyAbcFile *abcFile, const Placement &placement, const QSet<MyAbcFile *> &stored,
                              QSet<MyAbcFile *> &storeAgain)
{
    const QString key = placement.remark.rk();
    abcFile->unmarkEntry(abcFile->getEntry(key), 0);
    // There is no removal of a key; an invalid entry is neither written nor counted as used.
    *abcFile->getEntry(key) = Entry();
    if (!AltQFile::removeReadOnly(placement.copyPath))
        log(tr("(!) Can not remove file %1").arg(placement.copyPath));
    QFile::remove(QFileInfo(placement.copyPath).path() + QLatin1Char('/') + key + QLatin1Char('.') + SUB_FILE_EXT);
    --m_added;
    if (placement.edited)
        --m_edited;
    for (const Relink &relink : qAsConst(m_relinks)) {
        if (relink.newPrime != placement.remark.remark() || !relink.abcFile->entryExist(relink.key))
            continue;
        Entry *entry = relink.abcFile->getEntry(relink.key);
        if (entry->Ok() && entry->getField(Entry::ResembleField) == relink.newPrime) {
            entry->setField(Entry::ResembleField, relink.oldPrime);
            if (stored.contains(relink.abcFile) && relink.abcFile != abcFile)
                storeAgain.insert(relink.abcFile);
        }
    }
}

// Each copy was read back against its source when it was made. Just before the catalogue makes the copies
// the box's own and their sources go, each source is looked at once more (all side by side on the pool):
// one that a process opened for writing meanwhile, or that changed, waits for a later run.
void ArrangementRun::dropStillWritten()
{
    QList<const Placement *> all;
    for (auto it = m_placements.cbegin(); it != m_placements.cend(); ++it) {
        for (const Placement &placement : it.value())
            all << &placement;
    }
    std::vector<char> settled(size_t(all.size()), 0);
    WorkPool::forEach(
        all.size(), [&settled, &all](int i) { settled[size_t(i)] = all.at(i)->source->settled(); }, {},
        QEventLoop::ExcludeUserInputEvents);
    const QSet<MyAbcFile *> nothingStored;
    QSet<MyAbcFile *> unused;
    int index = 0;
    for (auto it = m_placements.begin(); it != m_placements.end();) {
        QList<Placement> kept;
        for (const Placement &placement : qAsConst(it.value())) {
            if (settled[size_t(index++)]) {
                kept << placement;
                continue;
            }
            withdraw(it.key(), placement, nothingStored, unused);
            dropChangedCopy(placement.source, QString());
        }
        if (kept.isEmpty()) {
            it = m_placements.erase(it);
        } else {
            it.value() = kept;
            ++it;
        }
    }
}

// A session is recorded only when the run brought objects that are not edited versions.
void ArrangementRun::recordSession(const QString &annotation)
{
    if (m_added <= m_edited)
        return;
    if (!m_sssFile->add(m_box->objectName(), annotation))
        log(tr("(!) Can not record session %1").arg(m_sessionNumber));
    crashPoint();
}

void ArrangementRun::finish()
{
    if (m_boxFull)
        log(tr("(!) Box is full..."));
    // A run that could not settle an interrupted one leaves that journal for the next run.
    if (m_recovered)
        m_journal->end();
    m_elapsedMs = m_clock.elapsed();
    m_box->addCount(unsigned(m_added));
    if (m_added == 0)
        m_box->restoreMarked();
    log(tr("New files added to the box: %1 (Total: %2, remains: %3)").arg(m_added).arg(newCount()).arg(remainsCount()));
    const QStringList lines = takeLog();
    MyLogFile *logFile = m_logFile;
    WorkPool::run([logFile, &lines] {
        logFile->addLines(lines);
        logFile->closeLog();
    });
}
