#include "arrangementrun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>

#include "altqfile.h"
#include "anybox.h"
#include "constants.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "mysrcfolder.h"
#include "mysssfile.h"

static const QString LOG_TITLE = QStringLiteral("ARRANGEMENT");

ArrangementRun::ArrangementRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_srcFolder(qobject_cast<MySrcFolder *>(box ? box->unit(NAME_SRC_FOLDER) : nullptr))
    , m_sssFile(dynamic_cast<MySssFile *>(box ? box->unit(NAME_SSS_FILE) : nullptr))
    , m_logFile(dynamic_cast<MyLogFile *>(box ? box->unit(NAME_LOG_FILE) : nullptr))
    , m_random(quint32(QDateTime::currentMSecsSinceEpoch()))
{
    if (m_sssFile)
        m_sessionNumber = QString::number(m_sssFile->currentSessionNumber());
    // The marks set before the run come back when it places nothing.
    if (m_box)
        m_box->memorizeMarked();
}

bool ArrangementRun::usable() const
{
    return m_box && m_srcFolder && m_sssFile && m_logFile;
}

QString ArrangementRun::sessionNumber() const
{
    return m_sessionNumber;
}

QString ArrangementRun::elapsedText() const
{
    return QTime(0, 0).addMSecs(int(m_elapsedMs)).toString(QStringLiteral("hh:mm:ss"));
}

const QStringList &ArrangementRun::twoLetterNames()
{
    static const QStringList names = [] {
        QStringList all;
        all.reserve(NAMES_COUNT);
        for (char first = 'a'; first <= 'z'; ++first) {
            for (char second = 'a'; second <= 'z'; ++second)
                all << QString(QLatin1Char(first)) + QLatin1Char(second);
        }
        return all;
    }();
    return names;
}

QStringList ArrangementRun::abcSubtract(const QStringList &used)
{
    const QSet<QString> taken(used.cbegin(), used.cend());
    QStringList free;
    for (const QString &name : twoLetterNames()) {
        if (!taken.contains(name))
            free << name;
    }
    return free;
}

QStringList ArrangementRun::abcSubtract(const QList<QObject *> &objects)
{
    QStringList used;
    for (const QObject *object : objects)
        used << object->objectName();
    return abcSubtract(used);
}

QString ArrangementRun::abcRnd(const QStringList &names)
{
    return names.at(int(m_random.bounded(quint32(names.size()))));
}

void ArrangementRun::log(const QString &line)
{
    *m_logFile << line;
}

// Every abc file of the box in tree order.
QList<MyAbcFile *> ArrangementRun::abcFiles() const
{
    const QRegularExpression abcName(QStringLiteral("^") + NAME_ABC_FILE + QStringLiteral("_"));
    return m_box->findChildren<MyAbcFile *>(abcName);
}

bool ArrangementRun::run(const QString &annotation)
{
    if (m_ran || !usable())
        return false;
    m_ran = true;

    m_box->unmarkAllEntries();
    emit readingStarted();
    m_srcFolder->refresh();
    m_logFile->openLog(LOG_TITLE);
    log(tr("Total sessions: %1").arg(m_sssFile->countSessions()));
    log(tr("Current session number: %1").arg(m_sessionNumber));
    m_clock.start();
    m_capacityBefore = m_box->getCount();

    readSourceFolder();
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

// Identical incoming files are kept once; the first in listing order wins.
void ArrangementRun::readSourceFolder()
{
    const QList<MySourceFile *> files = m_srcFolder->getInConformityExt(m_box->ext());
    for (MySourceFile *file : files) {
        // An empty checksum means the file could not be read to its end.
        const QString checkSum = file->checkSum();
        if (checkSum.isEmpty() || m_checkSums.contains(checkSum))
            continue;
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
        for (MyAbcFile *abcFile : abcFiles())
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
            stored.insert(entry.getField(3), entry.getField(1));
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
        m_vacant = drawn;
        return;
    }
    int candidate = 0;
    while (MyAbcFolder *firstLevel = nextFirstLevelFolder(candidate)) {
        if (!makeVacantSpace(firstLevel, shortage))
            break;
    }
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

void ArrangementRun::copyFiles()
{
    if (m_newFiles.isEmpty())
        return;
    emit copyStageStarted(m_newFiles.size());
    for (int i = 0; i < m_newFiles.size(); ++i) {
        placeFile(m_newFiles.at(i));
        emit copyProgress(i + 1);
    }
}

// The stored entry that an incoming file edits: its base name is the remark of an object of the box.
const Entry *ArrangementRun::editedOriginal(const QString &baseName) const
{
    const Remark remark(baseName);
    if (!remark.Ok())
        return nullptr;
    auto abcFile = m_box->findChild<MyAbcFile *>(NAME_ABC_FILE + QLatin1Char('_') + remark.rema());
    if (!abcFile || !abcFile->entryExist(remark.rk()))
        return nullptr;
    const Entry *original = abcFile->getEntry(remark.rk());
    return original->Ok() ? original : nullptr;
}

// The fields are set one by one, so that a "~" in the file name cannot split the record.
Entry ArrangementRun::newEntry(const Remark &remark, MySourceFile *file) const
{
    Entry entry(QString(Entry::FIELD_COUNT - 1, SIGN_INV.at(0)));
    entry.setField(0, m_sessionNumber);
    entry.setField(1, remark.remark());
    entry.setField(2, remark.remark());
    entry.setField(3, file->checkSum());
    entry.setField(4, QStringLiteral("0"));
    entry.setField(5, QString::number(m_box->startValueCategory(file)));
    entry.setField(6, QStringLiteral("unknown"));
    entry.setField(7, file->name());
    entry.setField(8, QStringLiteral("unknown,unknown"));
    entry.setField(9, file->exifDate().toString(m_box->dateFormat()));
    return entry;
}

// An edited version inherits the whole description of the object it was made from.
Entry ArrangementRun::editedEntry(const Entry &original, const Remark &remark, MySourceFile *file) const
{
    Entry entry(original);
    entry.setField(1, remark.remark());
    entry.setField(2, remark.remark());
    entry.setField(3, file->checkSum());
    entry.setField(7, file->name());
    return entry;
}

void ArrangementRun::placeFile(MySourceFile *file)
{
    if (m_vacant.isEmpty())
        return;
    const Remark remark(m_vacant.takeFirst());
    const Entry *original = editedOriginal(file->objectName());

    const QString separator = QDir::separator();
    const QString copyPath = m_box->completeName() + separator + remark.re() + separator + remark.ma() + separator
                             + remark.rk() + QLatin1Char('.') + file->ext();
    auto abcFile = m_box->findChild<MyAbcFile *>(NAME_ABC_FILE + QLatin1Char('_') + remark.rema());
    log(QStringLiteral("%1").arg(m_added + 1, 5)
        + tr(" Copy %1 to %2 (%3)").arg(file->completeName(), copyPath, remark.remark()));
    // Whatever lies at a vacant place is no object of the catalogue, but it is never overwritten.
    if (!abcFile || QFileInfo::exists(copyPath) || !AltQFile(file->completeName()).copy(copyPath)) {
        log(tr("(!) Try is not success..."));
        return;
    }
    QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);

    const Entry entry = original ? editedEntry(*original, remark, file) : newEntry(remark, file);
    if (!original) {
        m_box->makeSubFile(remark.remark() + QLatin1Char('\n') + entry.getField(8) + QLatin1Char('\n')
                           + entry.getField(9));
    }
    abcFile->update(entry);
    // Only a copy that made it relinks the group: a failed one would leave it pointing at nothing.
    if (original)
        m_resembleMap.insert(original->getField(2), remark.remark());
    if (!m_modified.contains(abcFile))
        m_modified << abcFile;
    // The source is deleted only once the abc file holding this entry is stored.
    m_placements[abcFile] << Placement{file, copyPath, remark, original != nullptr};
    abcFile->markEntry(entry, 0);
    ++m_added;
    if (original)
        ++m_edited;
}

// Every member of a group whose prime was edited follows the edited version, the old prime included.
void ArrangementRun::updateResembling()
{
    if (m_resembleMap.isEmpty())
        return;
    emit resembleStageStarted(int(m_box->getCount()) + m_added);
    int progress = 0;
    for (MyAbcFile *abcFile : abcFiles()) {
        if (!abcFile->initOk())
            continue;
        const QList<Entry> entries = abcFile->getAll();
        for (Entry entry : entries) {
            const auto newPrime = m_resembleMap.constFind(entry.getField(2));
            if (entry.Ok() && newPrime != m_resembleMap.constEnd()) {
                m_relinks << Relink{abcFile, entry.simpleName(), entry.getField(2), *newPrime};
                entry.setField(2, *newPrime);
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
    QList<MyAbcFile *> order;
    for (MyAbcFile *abcFile : qAsConst(m_modified)) {
        if (m_placements.contains(abcFile))
            order << abcFile;
    }
    for (MyAbcFile *abcFile : qAsConst(m_modified)) {
        if (!m_placements.contains(abcFile))
            order << abcFile;
    }
    QSet<MyAbcFile *> stored;
    QSet<MyAbcFile *> storeAgain;
    for (MyAbcFile *abcFile : qAsConst(order)) {
        if (abcFile->store()) {
            stored.insert(abcFile);
            settle(abcFile);
            continue;
        }
        log(tr("(!) Can not store entry file %1").arg(abcFile->completeName()));
        emit storeFailed(abcFile->completeName());
        takeBack(abcFile, stored, storeAgain);
    }
    // Only a taken-back edited version makes a file already written change once more.
    for (MyAbcFile *abcFile : qAsConst(storeAgain)) {
        if (!abcFile->store())
            log(tr("(!) Can not store entry file %1").arg(abcFile->completeName()));
    }
}

// The entries of these copies are on disk now: their sources can go.
void ArrangementRun::settle(MyAbcFile *abcFile)
{
    const QList<Placement> placements = m_placements.take(abcFile);
    for (const Placement &placement : placements) {
        if (!QFile::remove(placement.source->completeName()))
            log(tr("(!) Can not remove source file %1").arg(placement.source->completeName()));
        delete placement.source;
    }
}

// The catalogue file could not be written: its new objects leave the box again, their sources stay,
// and the groups an edited version among them had taken over get their old prime back.
void ArrangementRun::takeBack(MyAbcFile *abcFile, QSet<MyAbcFile *> &stored, QSet<MyAbcFile *> &storeAgain)
{
    const QList<Placement> placements = m_placements.take(abcFile);
    for (const Placement &placement : placements) {
        const QString key = placement.remark.rk();
        abcFile->unmarkEntry(abcFile->getEntry(key), 0);
        // There is no removal of a key; an invalid entry is neither written nor counted as used.
        *abcFile->getEntry(key) = Entry();
        // The copy was made read-only, which some file systems refuse to delete.
        QFile::setPermissions(placement.copyPath, QFile::ReadOwner | QFile::WriteOwner);
        if (!QFile::remove(placement.copyPath))
            log(tr("(!) Can not remove file %1").arg(placement.copyPath));
        QFile::remove(QFileInfo(placement.copyPath).path() + QLatin1Char('/') + key + QLatin1Char('.') + SUB_FILE_EXT);
        log(tr("(!) Not stored, the file stays in the source folder: %1").arg(placement.source->completeName()));
        --m_added;
        if (placement.edited)
            --m_edited;
        for (const Relink &relink : qAsConst(m_relinks)) {
            if (relink.newPrime != placement.remark.remark() || !relink.abcFile->entryExist(relink.key))
                continue;
            Entry *entry = relink.abcFile->getEntry(relink.key);
            if (entry->Ok() && entry->getField(2) == relink.newPrime) {
                entry->setField(2, relink.oldPrime);
                if (stored.contains(relink.abcFile) && relink.abcFile != abcFile)
                    storeAgain.insert(relink.abcFile);
            }
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
}

void ArrangementRun::finish()
{
    if (m_boxFull)
        log(tr("(!) Box is full..."));
    m_elapsedMs = m_clock.elapsed();
    m_box->addCount(unsigned(m_added));
    if (m_added == 0)
        m_box->restoreMarked();
    log(tr("New files added to the box: %1 (Total: %2, remains: %3)").arg(m_added).arg(newCount()).arg(remainsCount()));
    m_logFile->closeLog();
}
