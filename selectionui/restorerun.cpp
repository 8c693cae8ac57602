#include "restorerun.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>

#include <numeric>
#include <vector>

#include "altqfile.h"
#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "mywrdfile.h"
#include "remark.h"
#include "workpool.h"

static const QString LOG_TITLE = QStringLiteral("RESTORE");
static const QFile::Permissions EVERYONE_READ_WRITE = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                      | QFile::WriteUser | QFile::ReadGroup | QFile::WriteGroup
                                                      | QFile::ReadOther | QFile::WriteOther;

RestoreRun::RestoreRun(AnyBox *box, const QString &destination, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_logFile(dynamic_cast<MyLogFile *>(box ? box->unit(NAME_LOG_FILE) : nullptr))
    , m_destination(destination)
{
    if (!m_box)
        return;
    m_selected = m_box->markedEntriesCount();
}

void RestoreRun::sumSelectedBytes()
{
    if (m_sized || !m_box)
        return;
    // The pool gets the entries' lines (shared, not copied) and the box's path; the paths are made and
    // the disk asked there.
    // A catalogue file at a time, letting events through now and then: a million lines take a while.
    QStringList lines;
    lines.reserve(m_selected);
    QElapsedTimer slice;
    slice.start();
    for (MyAbcFile *file : m_box->markedAbcFiles()) {
        for (const Entry *entry : file->markedEntries())
            lines << entry->getAllFields();
        if (slice.elapsed() >= 30) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            slice.restart();
        }
    }
    const QString boxPath = m_box->completeName();
    const int chunk = 4096;
    const int chunks = (lines.size() + chunk - 1) / chunk;
    std::vector<qint64> sums(size_t(qMax(0, chunks)), 0);
    WorkPool::forEach(
        chunks,
        [&lines, &sums, &boxPath, chunk](int c) {
            qint64 sum = 0;
            const int end = qMin(lines.size(), (c + 1) * chunk);
            for (int i = c * chunk; i < end; ++i)
                sum += QFileInfo(AnyBox::objectPath(boxPath, Entry(lines.at(i)))).size();
            sums[size_t(c)] = sum;
        },
        std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
    m_selectedBytes = std::accumulate(sums.begin(), sums.end(), qint64(0));
    m_sized = true;
}

qint64 RestoreRun::elapsedMs() const
{
    if (m_ran || !m_clock.isValid())
        return m_elapsedMs;
    return m_clock.elapsed();
}

void RestoreRun::log(const QString &line)
{
    if (m_logFile)
        *m_logFile << line;
}

bool RestoreRun::run()
{
    if (m_ran || !m_box)
        return false;
    sumSelectedBytes();
    m_clock.start();
    if (m_logFile)
        m_logFile->openLog(LOG_TITLE);
    if (!m_metadataProgram.isEmpty())
        learnFormats();
    const QList<Entry *> entries = m_box->markedEntries();
    int done = 0;
    for (Entry *entry : entries) {
        const QString remark = entry->getField(Entry::RemarkField);
        emit entryStarted(remark);
        const Outcome outcome = restoreEntry(entry, m_restored + 1);
        if (outcome == Restored)
            emit entryRestored(entry);
        else if (outcome == Failed)
            emit entryFailed(remark);
        emit progressed(++done);
    }
    if (m_writer)
        describeCopies();
    bool stored = true;
    // Only a print restore changes entries; the others leave the catalogue as it is on disk.
    if (m_countHardcopies && m_restored > 0) {
        stored = m_box->storeMarkedEntries();
        if (!stored)
            log(tr("(!) The hardcopy counts cannot be stored"));
    }
    if (m_failed > 0)
        log(tr("(!) Not restored: %1 of %2").arg(m_failed).arg(m_selected));
    if (m_logFile)
        m_logFile->closeLog();
    m_elapsedMs = m_clock.elapsed();
    m_ran = true;
    return stored;
}

RestoreRun::Outcome RestoreRun::restoreEntry(Entry *entry, int number)
{
    const QString source = m_box->objectPath(*entry);
    const QString target = m_destination + QDir::separator()
                           + (m_useOriginalFilename ? entry->originalFileName() : entry->remarkFileName());
    // An existing file is never replaced: it may be an edited version or another object's copy.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        ++m_failed;
        log(tr("(!) Not copied, the destination exists: %1 to %2").arg(source, target));
        return Failed;
    }
    // A format exiftool writes is copied by exiftool itself with its description, in one pass.
    if (m_writer && m_writer->canEmbed(target)) {
        m_writer->addCopy(target, source, descriptionOf(*entry), true);
        m_made << Made{0, entry, target, source};
        return Deferred;
    }
    if (!AltQFile(source).copy(target)) {
        ++m_failed;
        log(tr("(!) Cannot copy %1 to %2").arg(source, target));
        return Failed;
    }
    countRestored(entry, source, target);
    if (m_writer) {
        m_writer->addCopy(target, source, descriptionOf(*entry));
        m_made << Made{number, entry, target, source};
    }
    return Restored;
}

void RestoreRun::countRestored(Entry *entry, const QString &source, const QString &target)
{
    // The copy of a read-only stored object is meant to be edited or handed on.
    QFile::setPermissions(target, EVERYONE_READ_WRITE);
    ++m_restored;
    m_restoredBytes += QFileInfo(source).size();
    log(QStringLiteral("    %1 Copy %2 to %3").arg(m_restored).arg(source, target));
    if (m_countHardcopies) {
        const unsigned hardcopies = entry->getField(Entry::HardcopyField).toUInt();
        entry->setField(Entry::HardcopyField, QString::number(hardcopies + 1));
    }
}

// Before the copies, so that those exiftool can write into are made by it.
void RestoreRun::learnFormats()
{
    m_writer = new MetadataWriter(m_metadataProgram, this);
    connect(m_writer, &MetadataWriter::progressed, this, &RestoreRun::describing);
    QEventLoop loop;
    connect(m_writer, &MetadataWriter::formatsLearned, &loop, &QEventLoop::quit);
    m_writer->learnFormats();
    if (!m_writer->formatsSettled())
        loop.exec();
}

// One exiftool for all copies; the run waits for it serving every event, so the window answers meanwhile.
void RestoreRun::describeCopies()
{
    QEventLoop loop;
    connect(m_writer, &MetadataWriter::finished, &loop, &QEventLoop::quit);
    m_writer->start();
    if (!m_writer->isDone())
        loop.exec();
    const QVector<MetadataWriter::Copy> &copies = m_writer->copies();
    for (int i = 0; i < copies.size(); ++i) {
        const MetadataWriter::Copy &copy = copies.at(i);
        const Made &made = m_made.at(i);
        int number = made.number;
        if (number == 0) {
            // Made by exiftool, or plain after all; a copy that could not be made at all is not restored.
            if (!QFileInfo::exists(copy.path)) {
                ++m_failed;
                log(tr("(!) Cannot copy %1 to %2").arg(made.source, made.target));
                log(tr("(!) description not written: %1: %2").arg(copy.path, copy.reason));
                emit entryFailed(made.entry->getField(Entry::RemarkField));
                continue;
            }
            countRestored(made.entry, made.source, made.target);
            number = m_restored;
            emit entryRestored(made.entry);
        }
        const QString prefix = QStringLiteral("    %1 ").arg(number);
        if (copy.place == MetadataWriter::Embedded)
            log(prefix + tr("Description embedded in %1").arg(copy.path));
        else if (copy.place == MetadataWriter::Sidecar)
            log(prefix + tr("Description in the sidecar %1").arg(MetadataWriter::sidecarPath(copy.path)));
        else
            log(tr("(!) description not written: %1: %2").arg(copy.path, copy.reason));
    }
    m_described = m_writer->describedCount();
    m_sidecars = m_writer->sidecarCount();
    delete m_writer;
    m_writer = nullptr;
}

CopyDescription RestoreRun::descriptionOf(const Entry &entry) const
{
    CopyDescription description;
    auto vocabulary = dynamic_cast<MyWrdFile *>(m_box ? m_box->unit(NAME_WRD_FILE) : nullptr);
    const QStringList keys = entry.getField(Entry::KeywordField).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &key : keys) {
        // The word a key stands for is the first of its synonyms.
        const QString word = vocabulary ? vocabulary->getWords().value(key.trimmed()).section(QLatin1Char('~'), 1, 1)
                                        : QString();
        if (!word.trimmed().isEmpty())
            description.keywords << word.trimmed();
    }
    const QString caption = entry.getField(Entry::CaptionField);
    const QString title = caption.section(QLatin1Char(','), 0, 0).trimmed();
    const QString author = caption.section(QLatin1Char(','), 1).trimmed();
    description.title = title == SIGN_UNKNOWN ? QString() : title;
    description.author = author == SIGN_UNKNOWN ? QString() : author;
    const QString format = m_box ? m_box->dateFormat() : QString();
    const QDate date = QDate::fromString(entry.getField(Entry::DateField), format);
    if (date.isValid()) {
        // Books and music are dated by the year alone.
        const bool yearOnly = !format.contains(QLatin1Char('d'));
        description.date = date.toString(yearOnly ? QStringLiteral("yyyy") : QStringLiteral("yyyy:MM:dd"));
    }
    description.identifier = QStringLiteral("tessary:") + entry.getField(Entry::RemarkField);
    return description;
}

QStringList RestoreRun::destinationFiles() const
{
    return QDir(m_destination)
        .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

int RestoreRun::clearDestination()
{
    return removeFiles(destinationFiles());
}

int RestoreRun::removeFiles(const QStringList &names)
{
    int failed = 0;
    for (const QString &name : names) {
        const QString path = m_destination + QDir::separator() + name;
        emit removing(path);
        if (!QFile::remove(path))
            ++failed;
    }
    return failed;
}

// An edited copy, another box's incoming file or the user's own file differs in name or content and stays.
QStringList RestoreRun::unchangedCopies() const
{
    QStringList copies;
    if (!m_box)
        return copies;
    for (const QString &name : destinationFiles()) {
        const QString base = name.section(QLatin1Char('.'), 0, 0);
        const Remark remark(base);
        if (!remark.Ok() || remark.remark() != base)
            continue;
        const MyAbcFile *abcFile = m_box->abcFile(remark);
        if (!abcFile || abcFile->getEntryPart(remark.rk(), Entry::RemarkField) != base)
            continue;
        const Entry entry(abcFile->getEntryPart(remark.rk(), -1));
        const QString path = m_destination + QDir::separator() + name;
        if (entry.remarkFileName() != name || QFileInfo(path).isSymLink())
            continue;
        const QString checksum = abcFile->getEntryPart(remark.rk(), Entry::ChecksumField);
        if (!checksum.isEmpty() && MySourceFile::computeCheckSum(path) == checksum)
            copies << name;
    }
    return copies;
}

// "unknown" stands for an undescribed part and gives an empty label field.
static QString labelPart(const QString &part)
{
    return part == SIGN_UNKNOWN ? QString() : part;
}

QString RestoreRun::labelLine(const Entry &entry)
{
    const QStringList title = entry.getField(Entry::CaptionField).split(QLatin1Char(','), Qt::KeepEmptyParts);
    const QString first = labelPart(title.value(0));
    const QString second = title.size() == 2 ? labelPart(title.at(1)) : QString();
    return QStringList({entry.getField(Entry::RemarkField), entry.getField(Entry::DateField), first, second})
        .join(QLatin1Char('~'));
}

bool RestoreRun::writeLabels(const QString &path) const
{
    if (!m_box)
        return false;
    QByteArray text;
    for (const Entry *entry : m_box->markedEntries())
        text += labelLine(*entry).toUtf8() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString RestoreRun::megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1);
}

QString RestoreRun::elapsedText(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms)).toString(QStringLiteral("hh:mm:ss:zzz"));
}
