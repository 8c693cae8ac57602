#include "arrangementjournal.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include "altqfile.h"
#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mysourcefile.h"
#include "mysrcfolder.h"
#include "mysssfile.h"
#include "workpool.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

static const QString JOURNAL_RUN = QStringLiteral("run");
static const QString JOURNAL_PLACE = QStringLiteral("place");
static const QString JOURNAL_KEEP = QStringLiteral("keep");

ArrangementJournal::ArrangementJournal(AnyBox *box, MySrcFolder *srcFolder, MySssFile *sssFile,
                                       std::function<void(const QString &)> log, const QString &path,
                                       std::function<void()> crashPoint)
    : m_box(box)
    , m_srcFolder(srcFolder)
    , m_sssFile(sssFile)
    , m_log(std::move(log))
    , m_path(path)
    , m_crashPoint(std::move(crashPoint))
{
}

// A journal still open when the run goes stays on the disk for the next run to settle.
ArrangementJournal::~ArrangementJournal()
{
    delete m_file;
}

QString ArrangementJournal::copyPathOf(AnyBox *box, const Remark &remark, const QString &extension)
{
    const QString separator = QDir::separator();
    return box->completeName() + separator + remark.re() + separator + remark.ma() + separator + remark.rk()
           + QLatin1Char('.') + extension;
}

void ArrangementJournal::log(const QString &line)
{
    m_log(line);
}

void ArrangementJournal::syncFolder(const QString &path)
{
    bool synced = false;
    WorkPool::run([&synced, &path] { synced = AltQFile::syncFolder(path); });
    if (!synced)
        log(tr("(!) Can not sync folder %1").arg(path));
}

bool ArrangementJournal::place(const Remark &remark, qint64 size, qint64 modifiedNs, const QString &oldPrime,
                               const QString &sourceName)
{
    return write(placeLine(Announced{remark, size, modifiedNs, oldPrime, sourceName}));
}

QString ArrangementJournal::placeLine(const Announced &place)
{
    return QStringList({JOURNAL_PLACE, place.remark.remark(), QString::number(place.size),
                        QString::number(place.modifiedNs), place.oldPrime, encodedName(place.sourceName)})
        .join(SIGN_INV);
}

// A record cut short by a kill keeps its whole lines: the places they name had no copy made yet.
bool ArrangementJournal::placeAll(const QList<Announced> &places)
{
    QStringList lines;
    lines.reserve(places.size());
    for (const Announced &place : places)
        lines << placeLine(place);
    return writeLines(lines);
}

bool ArrangementJournal::keep(const Remark &remark)
{
    return write(JOURNAL_KEEP + SIGN_INV + remark.remark());
}

QString ArrangementJournal::encodedName(const QString &name)
{
    return QString::fromLatin1(name.toUtf8().toPercentEncoding(QByteArray(), SIGN_INV.toLatin1()));
}

bool ArrangementJournal::start(const QString &sessionNumber, const QString &annotation)
{
    m_file = new QFile(m_path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        delete m_file;
        m_file = nullptr;
        return false;
    }
    const QString written = annotation.simplified().replace(SIGN_INV, QStringLiteral("-"));
    bool synced = false;
    const QString base = m_box->baseUnit()->completeName();
    if (write(QStringList({JOURNAL_RUN, m_box->objectName(), sessionNumber, written}).join(SIGN_INV)))
        WorkPool::run([&synced, &base] { synced = AltQFile::syncFolder(base); });
    if (!synced) {
        end();
        return false;
    }
    m_crashPoint();
    return true;
}

// One line, synced before the step it announces is taken.
bool ArrangementJournal::write(const QString &line)
{
    return writeLines(QStringList(line));
}

// The lines in one write and one sync.
bool ArrangementJournal::writeLines(const QStringList &lines)
{
    if (!m_file)
        return false;
    if (lines.isEmpty())
        return true;
    const QByteArray data = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (m_file->write(data) != data.size())
        return false;
#ifdef Q_OS_UNIX
    const int handle = m_file->handle();
    bool synced = false;
    WorkPool::run([&synced, handle] { synced = ::fdatasync(handle) == 0; });
    return synced;
#else
    return m_file->flush();
#endif
}

void ArrangementJournal::end()
{
    if (!m_file)
        return;
    m_file->close();
    if (!m_file->remove())
        log(tr("(!) Can not remove file %1").arg(m_path));
    delete m_file;
    m_file = nullptr;
    m_crashPoint();
    syncFolder(m_box->baseUnit()->completeName());
}

AnyBox *ArrangementJournal::boxNamed(const QString &name) const
{
    MyUnit *base = m_box->baseUnit();
    const QList<AnyBox *> boxes = base->findChildren<AnyBox *>(QString(), Qt::FindDirectChildrenOnly);
    for (AnyBox *box : boxes) {
        if (box->objectName() == name)
            return box;
    }
    return nullptr;
}

bool ArrangementJournal::recover(QString &sessionNumber)
{
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        log(tr("(!) Can not read file %1").arg(m_path));
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    // A line cut short was being written when the run was killed: its step never began.
    if (!text.endsWith(QLatin1Char('\n')))
        text.truncate(text.lastIndexOf(QLatin1Char('\n')) + 1);
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList head = lines.value(0).split(SIGN_INV);
    if (head.size() < 4 || head.at(0) != JOURNAL_RUN) {
        // Killed before its first step: nothing to settle.
        if (!QFile::remove(m_path)) {
            log(tr("(!) Can not remove file %1").arg(m_path));
            return false;
        }
        return true;
    }
    AnyBox *box = boxNamed(head.at(1));
    if (!box) {
        log(tr("(!) Can not read file %1").arg(m_path));
        return false;
    }
    const QString session = head.at(2);
    const QString annotation = head.mid(3).join(SIGN_INV);
    log(tr("(!) The arrangement of session %1 was interrupted, it is finished first").arg(session));

    QList<Place> places;
    QSet<QString> kept;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList parts = lines.at(i).split(SIGN_INV);
        if (parts.size() >= 2 && parts.at(0) == JOURNAL_KEEP)
            kept.insert(parts.at(1));
        if (parts.size() < 6 || parts.at(0) != JOURNAL_PLACE)
            continue;
        const QString sourceName = QString::fromUtf8(QByteArray::fromPercentEncoding(parts.at(5).toLatin1()));
        const Place place{Remark(parts.at(1)), parts.at(2).toLongLong(), parts.at(3).toLongLong(),
                                 parts.at(4), sourceName};
        if (place.remark.Ok())
            places << place;
    }

    // Which places were stored is decided before anything changes.
    QList<Place> done;
    QList<Place> undone;
    for (const Place &place : qAsConst(places)) {
        auto abcFile = box->abcFile(place.remark);
        if (abcFile && abcFile->getEntryPart(place.remark.rk(), Entry::RemarkField) == place.remark.remark())
            done << place;
        else
            undone << place;
    }
    QSet<MyAbcFile *> modified;
    for (const Place &place : qAsConst(undone))
        undoPlace(box, place, kept, modified);
    int newObjects = 0;
    for (const Place &place : qAsConst(done)) {
        finishPlace(box, place, modified);
        if (place.oldPrime.isEmpty())
            ++newObjects;
    }
    bool stored = true;
    for (MyAbcFile *abcFile : qAsConst(modified)) {
        if (abcFile->store()) {
            m_crashPoint();
            syncFolder(abcFile->path());
        } else {
            log(tr("(!) Can not store entry file %1").arg(abcFile->completeName()));
            stored = false;
        }
    }
    if (!stored)
        return false;
    syncFolder(m_srcFolder->completeName());

    // The killed run placed new objects under its session number, which it may not have recorded.
    const unsigned number = session.toUInt();
    if (newObjects > 0 && number > 0 && m_sssFile->sessionDateCreation(number).isEmpty()
        && m_sssFile->currentSessionNumber() == number) {
        if (!m_sssFile->add(box->objectName(), annotation))
            log(tr("(!) Can not record session %1").arg(session));
        m_crashPoint();
    }

    if (!QFile::remove(m_path)) {
        log(tr("(!) Can not remove file %1").arg(m_path));
        return false;
    }
    syncFolder(m_box->baseUnit()->completeName());
    log(tr("(!) Interrupted arrangement: %1 files placed, %2 taken back").arg(done.size()).arg(undone.size()));
    sessionNumber = QString::number(m_sssFile->currentSessionNumber());
    return true;
}

// The entry never reached the disk: the copy made for it and its description go, and the group it
// had taken over gets its old prime back.
void ArrangementJournal::undoPlace(AnyBox *box, const Place &place, const QSet<QString> &kept,
                               QSet<MyAbcFile *> &modified)
{
    if (!place.oldPrime.isEmpty())
        relink(box, place.remark.remark(), place.oldPrime, modified);
    if (kept.contains(place.remark.remark()))
        return;
    const QString copyPath = copyPathOf(box, place.remark, QFileInfo(place.sourceName).suffix());
    const QFileInfo copy(copyPath);
    if (!copy.exists() || !copy.isFile())
        return;
    // The description is written after the copy: whatever lies beside a copy of ours is ours too.
    QFile::remove(copy.path() + QLatin1Char('/') + place.remark.rk() + QLatin1Char('.') + SUB_FILE_EXT);
    // Put back or removed, the copy is writable again.
    AltQFile::makeWritable(copyPath);
    // A whole copy whose source has gone meanwhile is the only one left: it waits in the source folder
    // again instead.
    const QString sourcePath = m_srcFolder->completeName() + QLatin1Char('/') + place.sourceName;
    if (!QFileInfo::exists(sourcePath) && copy.size() == place.size && QFile::rename(copyPath, sourcePath)) {
        log(tr("(!) Put back into the source folder: %1").arg(sourcePath));
        m_crashPoint();
        return;
    }
    if (AltQFile::removeReadOnly(copyPath))
        log(tr("(!) Taken back: %1").arg(copyPath));
    else
        log(tr("(!) Can not remove file %1").arg(copyPath));
    m_crashPoint();
}

// The entry is on the disk: the source goes if it is still the file that was copied, and the group
// follows the edited version.
void ArrangementJournal::finishPlace(AnyBox *box, const Place &place, QSet<MyAbcFile *> &modified)
{
    if (!place.oldPrime.isEmpty())
        relink(box, place.oldPrime, place.remark.remark(), modified);
    auto abcFile = box->abcFile(place.remark);
    const QString sourcePath = m_srcFolder->completeName() + QLatin1Char('/') + place.sourceName;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    if (!MySourceFile::fileStamp(sourcePath, size, modifiedNs) || size != place.size
        || modifiedNs != place.modifiedNs
        || MySourceFile::computeCheckSum(sourcePath) != abcFile->getEntryPart(place.remark.rk(), Entry::ChecksumField))
        return;
    if (QFile::remove(sourcePath))
        log(tr("(!) Removed source file %1, it is in the box as %2").arg(sourcePath, place.remark.remark()));
    else
        log(tr("(!) Can not remove source file %1").arg(sourcePath));
    m_crashPoint();
}

void ArrangementJournal::relink(AnyBox *box, const QString &from, const QString &to, QSet<MyAbcFile *> &modified)
{
    for (MyAbcFile *abcFile : box->abcFiles()) {
        if (!abcFile->initOk())
            continue;
        for (Entry entry : abcFile->getAll()) {
            if (entry.Ok() && entry.getField(Entry::ResembleField) == from) {
                entry.setField(Entry::ResembleField, to);
                abcFile->update(entry);
                modified.insert(abcFile);
            }
        }
    }
}
