#include "verifyrun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <thread>

#include "anybox.h"
#include "constants.h"
#include "myabcfile.h"
#include "mysourcefile.h"
#include "remark.h"
#include "wholefilecopy.h"

// Below this many entries freeing takes a few milliseconds.
static const int FREE_BEHIND_ENTRIES = 50000;

VerifyRun::VerifyRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_boxPath(box->completeName())
    , m_dates(box->dateFormat())
{
    MyUnit *base = box->baseUnit();
    auto pathOf = [base](const QString &name) {
        MyUnit *unit = base->unit(name);
        return unit ? unit->completeName() : QString();
    };
    m_sssPath = pathOf(NAME_SSS_FILE);
    m_wrdPath = pathOf(NAME_WRD_FILE);
    m_tmpPath = pathOf(NAME_TMP_FILE);
}

// What the scan holds of a large box takes a while to free; another thread frees it, so that closing the
// frame does not hold up the window. The texts are shared with the box's entries under atomic counts.
VerifyRun::~VerifyRun()
{
    if (m_entryCount < FREE_BEHIND_ENTRIES)
        return;
    struct Held
    {
        QMap<QString, RemarkEntries> entries;
        QHash<QString, QStringList> goodFiles;
        QHash<QString, QString> goodDigests;
        QHash<QString, QList<QPair<QString, QString>>> storedFiles;
        QStringList backupList;
    };
    auto held = new Held;
    held->entries.swap(m_abcEntries);
    held->goodFiles.swap(m_goodFiles);
    held->goodDigests.swap(m_goodDigests);
    held->storedFiles.swap(m_storedFiles);
    held->backupList.swap(m_backupList);
    std::thread([held] { delete held; }).detach();
}

QList<QString> VerifyRun::twoLetterFolders(const QString &path) const
{
    static const QRegularExpression twoLetters(QRegularExpression::anchoredPattern(ABC_NAME));
    QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) { return !twoLetters.match(name).hasMatch(); }),
                names.end());
    return names;
}

int VerifyRun::totalFilesInBox() const
{
    int total = 0;
    for (const QString &a : twoLetterFolders(m_boxPath)) {
        const QString first = m_boxPath + QLatin1Char('/') + a;
        for (const QString &b : twoLetterFolders(first))
            total += filesOf(first + QLatin1Char('/') + b).size();
    }
    return total;
}

// What an interrupted copy or repair left half-written is no file of the box; the next one clears it.
QStringList VerifyRun::filesOf(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    files.erase(std::remove_if(files.begin(), files.end(), &WholeFileCopy::isTemporary), files.end());
    return files;
}

QStringList VerifyRun::readLines(const QString &path)
{
    QStringList lines;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    QString line;
    while (stream.readLineInto(&line))
        lines << line;
    return lines;
}

void VerifyRun::scan()
{
    if (m_scanned)
        return;
    m_scanned = true;
    if (!m_tmpPath.isEmpty())
        m_backupList << m_tmpPath;
    readWrd();
    readSss();

    for (const QString &a : twoLetterFolders(m_boxPath)) {
        const QString first = m_boxPath + QLatin1Char('/') + a;
        for (const QString &b : twoLetterFolders(first)) {
            const QString folder = first + QLatin1Char('/') + b;
            const QString abcPath = folder + QLatin1Char('/') + NAME_ABC_FILE;
            emit folderScanned();
            // The catalogue of the folder first, so its stored files find their entries.
            const QStringList files = filesOf(folder);
            const QString rema = a + b;
            if (files.contains(NAME_ABC_FILE)) {
                readAbc(abcPath, rema);
                emit fileScanned(++m_fileCount);
            }
            // The folder's stored files are hashed side by side on the work pool; the window repaints
            // meanwhile, but clicks and keys wait, so nothing can replace the frame during the scan.
            QStringList names;
            QStringList hashed;
            for (const QString &name : files) {
                if (name == NAME_ABC_FILE)
                    continue;
                names << name;
                if (!isSubFile(name))
                    hashed << folder + QLatin1Char('/') + name;
            }
            const QStringList digests =
                MySourceFile::computeCheckSums(hashed, std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
            int next = 0;
            for (const QString &name : names) {
                scanStoredFile(abcPath, folder, rema, name, isSubFile(name) ? QString() : digests.at(next++));
                emit fileScanned(++m_fileCount);
            }
        }
    }
}

void VerifyRun::readWrd()
{
    static const QRegularExpression keyPattern(QRegularExpression::anchoredPattern(ABC_WRD));
    if (!m_wrdPath.isEmpty())
        m_backupList << m_wrdPath;
    for (const QString &line : readLines(m_wrdPath)) {
        const QStringList parts = line.split(QLatin1Char('~'));
        if (parts.size() < 2 || !keyPattern.match(parts.first()).hasMatch())
            continue;
        const QString key = parts.first().trimmed();
        if (m_keys.contains(key)) {
            if (!m_duplicateKeys.contains(key))
                m_duplicateKeys << key;
        } else {
            m_keys.insert(key);
        }
    }
    m_keys.insert(SIGN_UNKNOWN);
}

void VerifyRun::readSss()
{
    if (!m_sssPath.isEmpty())
        m_backupList << m_sssPath;
    for (const QString &line : readLines(m_sssPath)) {
        QStringList parts = line.split(QLatin1Char('~'));
        if (parts.size() != 4)
            continue;
        for (QString &part : parts)
            part = part.trimmed();
        bool ok = false;
        const unsigned number = parts.at(0).toUInt(&ok, 10);
        if (!ok || number == 0 || parts.at(1).isEmpty() || parts.at(2).isEmpty())
            continue;
        if (m_sessions.contains(number))
            m_duplicateSessions.insert(number);
        else
            m_sessions.insert(number);
    }
}

void VerifyRun::readAbc(const QString &path, const QString &rema)
{
    m_backupList << path;
    if (m_loadedFiles.isEmpty()) {
        for (MyAbcFile *file : m_box->abcFiles())
            m_loadedFiles.insert(file->rema(), file);
    }
    const MyAbcFile *loaded = m_loadedFiles.value(rema);
    RemarkEntries &entries = m_abcEntries[path];
    const QStringList lines = readLines(path);
    entries.reserve(lines.size());
    for (const QString &line : lines) {
        Entry entry(line);
        // A line as the box holds it shares the box's text, so the scan does not hold the catalogue twice.
        if (loaded && entry.Ok()) {
            const Entry *held = loaded->heldEntry(entry.getField(Entry::RemarkField).mid(4));
            if (held && held->getAllFields() == line)
                entry = *held;
        }
        if (!entry.Ok())
            continue;
        bool ok = false;
        const unsigned session = entry.getField(Entry::SessionField).toUInt(&ok, 10);
        if (!ok || !m_sessions.contains(session))
            m_absentSessions.insert(entry.getField(Entry::SessionField));
        ++m_entryCount;
        entries.add(entry.getField(Entry::RemarkField), entry);
    }
    for (const QString &remark : entries.finish())
        m_multipleUse.insert(remark);
}

bool VerifyRun::isSubFile(const QString &fileName) const
{
    if (!m_box->useSubFile())
        return false;
    // The suffix after the last dot, as the file information gives it, without asking the disk.
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && fileName.midRef(dot + 1) == SUB_FILE_EXT;
}

// digest is the stored file's checksum, empty for a sub file or a file that cannot be read.
// rema is the names of the two folders the file lies in.
void VerifyRun::scanStoredFile(const QString &abcPath, const QString &folderPath, const QString &rema,
                               const QString &fileName, const QString &digest)
{
    const QString path = folderPath + QLatin1Char('/') + fileName;
    const QString remark = rema + fileName.section(QLatin1Char('.'), 0, 0);
    const auto file = m_abcEntries.constFind(abcPath);
    const Entry *entry = file == m_abcEntries.constEnd() ? nullptr : file->find(remark);
    const bool hasEntry = entry != nullptr;

    if (!isSubFile(fileName))
        m_storedFiles[remark] << qMakePair(path, digest);
    if (isSubFile(fileName)) {
        if (hasEntry) {
            m_backupList << path;
            return;
        }
    } else {
        if (hasEntry && !digest.isEmpty() && entry->getField(Entry::ChecksumField) == digest) {
            m_goodFiles[remark] << digest;
            m_goodDigests.insert(path, digest);
            m_backupList << path;
            return;
        }
    }
    m_oddRemarks.insert(remark);
    m_odd << OddFile{remark, path};
    m_oddPaths << path;
}

// The abc files in path order hold their remarks in order, and only remarks of their own folder are
// taken, so the objects come out in remark order without sorting.
QList<VerifyRun::StoredObject> VerifyRun::storedObjects() const
{
    return storedObjects(snapshot());
}

VerifyRun::Snapshot VerifyRun::snapshot() const
{
    return Snapshot{m_abcEntries, m_multipleUse, m_storedFiles, m_entryCount};
}

QList<VerifyRun::StoredObject> VerifyRun::storedObjects(const Snapshot &snapshot)
{
    QStringList folders;
    const std::vector<StoredRef> refs = storedRefs(snapshot, folders);
    QList<StoredObject> objects;
    objects.reserve(int(refs.size()));
    for (const StoredRef &ref : refs)
        objects << storedObject(ref, folders);
    return objects;
}

std::vector<VerifyRun::StoredRef> VerifyRun::storedRefs(const Snapshot &snapshot, QStringList &folders)
{
    std::vector<StoredRef> refs;
    refs.reserve(size_t(snapshot.entryCount));
    folders.clear();
    for (auto file = snapshot.entries.constBegin(); file != snapshot.entries.constEnd(); ++file) {
        const QString folder = QFileInfo(file.key()).path();
        const QFileInfo folderInfo(folder);
        const QString rema = QFileInfo(folderInfo.path()).fileName() + folderInfo.fileName();
        folders << folder;
        for (const RemarkEntries::Item &item : *file) {
            const QString text = item.remark();
            const Remark remark(text);
            if (snapshot.multipleUse.contains(text) || !remark.Ok() || remark.rema() != rema)
                continue;
            StoredRef ref;
            ref.remark = item.code;
            ref.entry = &item.entry;
            ref.folder = folders.size() - 1;
            // Of several files of one remark, the one that agrees with the entry stands for it.
            const auto files = snapshot.storedFiles.constFind(text);
            if (files != snapshot.storedFiles.constEnd()) {
                const QString checksum = item.entry.getField(Entry::ChecksumField);
                for (const auto &stored : *files) {
                    if (!ref.stored || stored.second == checksum)
                        ref.stored = &stored;
                    if (ref.stored->second == checksum)
                        break;
                }
            }
            refs.push_back(ref);
        }
    }
    return refs;
}

VerifyRun::StoredObject VerifyRun::storedObject(const StoredRef &ref, const QStringList &folders)
{
    StoredObject object;
    object.remark = RemarkEntries::remarkOf(ref.remark);
    object.checksum = ref.entry->getField(Entry::ChecksumField);
    if (ref.stored) {
        object.path = ref.stored->first;
        object.digest = ref.stored->second;
        object.present = true;
    } else {
        // A missing copy gets the name the entry's original file name gives it.
        const QString original = ref.entry->getField(Entry::OriginalField);
        const int dot = original.lastIndexOf(QLatin1Char('.'));
        object.path = folders.at(ref.folder) + QLatin1Char('/') + object.remark.mid(4)
                      + (dot < 0 ? QString() : original.mid(dot));
    }
    return object;
}

QString VerifyRun::statusOk()
{
    return tr("ok");
}

QString VerifyRun::statusCaution()
{
    return tr("caution");
}

QString VerifyRun::finding(const QString &message)
{
    return message + QStringLiteral("...");
}

QString VerifyRun::passBlock(const QString &name)
{
    return QStringLiteral("<p>") + name + QStringLiteral("... ") + statusOk() + QStringLiteral("</p>");
}

static QString failHead(const QString &name)
{
    return QStringLiteral("<p><b>") + name + QStringLiteral("</b>... ");
}

bool VerifyRun::Cap::take(const QString &line)
{
    if (m_shown < m_limit) {
        ++m_shown;
        return true;
    }
    if (m_sink && !m_heading.isEmpty())
        m_sink(m_heading);
    m_heading.clear();
    ++m_hidden;
    if (m_sink)
        m_sink(line);
    return false;
}

// A row is shown when there is no cap or the cap takes it; text is its plain form for the report file.
static bool shown(VerifyRun::Cap *cap, const QString &text)
{
    return !cap || cap->take(text);
}

bool VerifyRun::sssOk(const QString &path, QString &report) const
{
    return sssOk(path, report, nullptr);
}

bool VerifyRun::wrdOk(const QString &path, QString &report) const
{
    return wrdOk(path, report, nullptr);
}

bool VerifyRun::abcOk(const QString &path, QString &report) const
{
    return abcOk(path, report, nullptr);
}

bool VerifyRun::fileOk(QString &report) const
{
    return fileOk(report, nullptr);
}

bool VerifyRun::sssOk(const QString &path, QString &report, Cap *cap) const
{
    const QString name = QDir::toNativeSeparators(path);
    if (m_absentSessions.isEmpty() && m_duplicateSessions.isEmpty()) {
        report = passBlock(name);
        return true;
    }
    // Numbers in ascending order; a session field that is no number at all comes last.
    QStringList absent = m_absentSessions.values();
    std::sort(absent.begin(), absent.end(), [](const QString &a, const QString &b) {
        bool okA = false;
        bool okB = false;
        const qulonglong na = a.toULongLong(&okA);
        const qulonglong nb = b.toULongLong(&okB);
        if (okA != okB)
            return okA;
        return okA ? na < nb : a < b;
    });
    QList<unsigned> duplicates = m_duplicateSessions.values();
    std::sort(duplicates.begin(), duplicates.end());

    const QString row = QStringLiteral("<tr> <td width = 10% align = right>%1</td> <td> %2 </td> </tr>");
    report = failHead(name) + statusCaution() + QStringLiteral("<table width = 100%>");
    if (cap)
        cap->setHeading(name);
    const auto add = [&](const QString &session, const QString &message) {
        const QString head = tr("Session %1: ").arg(session);
        if (shown(cap, head + message))
            report += row.arg(head, message);
    };
    const QString absentText = finding(tr("is absent"));
    for (const QString &session : absent)
        add(session, absentText);
    const QString nonunique = finding(tr("is nonunique"));
    for (unsigned session : duplicates)
        add(QString::number(session), nonunique);
    report += QStringLiteral("</table></p>");
    return false;
}

bool VerifyRun::wrdOk(const QString &path, QString &report, Cap *cap) const
{
    const QString name = QDir::toNativeSeparators(path);
    if (m_duplicateKeys.isEmpty()) {
        report = passBlock(name);
        return true;
    }
    const QString row = QStringLiteral("<tr> <td width = 10% align = right>%1: </td> <td> %2 </td> </tr>");
    report = failHead(name) + statusCaution() + QStringLiteral("<table width = 100%>");
    if (cap)
        cap->setHeading(name);
    const QString nonunique = finding(tr("is nonunique"));
    for (const QString &key : m_duplicateKeys) {
        if (shown(cap, key + QStringLiteral(": ") + nonunique))
            report += row.arg(key, nonunique);
    }
    report += QStringLiteral("</table></p>");
    return false;
}

bool VerifyRun::abcOk(const QString &path, QString &report, Cap *cap) const
{
    // The file lies at box/A/B/abc; the names are taken once for all its entries.
    const QFileInfo folder(QFileInfo(path).path());
    const QString folderB = folder.fileName();
    const QString folderA = QFileInfo(folder.path()).fileName();
    const QString boxPath = QFileInfo(folder.path()).path();
    const QString row = QStringLiteral("<tr> <td width = 10% align = right> %1: </td> <td> %2 </td> </tr>");
    const QString name = QDir::toNativeSeparators(path);
    if (cap)
        cap->setHeading(name);

    QString rows;
    bool found = false;
    const auto add = [&](const QString &remark, const QString &message) {
        found = true;
        if (shown(cap, remark + QStringLiteral(": ") + message))
            rows += row.arg(remark, message);
    };
    // Remarks in multiple use spoil the whole catalogue, so every abc file names them.
    QStringList multiple = m_multipleUse.values();
    std::sort(multiple.begin(), multiple.end());
    const QString multipleText = finding(tr("multiple use"));
    for (const QString &remark : multiple)
        add(remark, multipleText);
    static const RemarkEntries none;
    const auto file = m_abcEntries.constFind(path);
    const RemarkEntries &entries = file == m_abcEntries.constEnd() ? none : file.value();
    for (const RemarkEntries::Item &item : entries) {
        const QString remark = item.remark();
        if (m_multipleUse.contains(remark))
            continue;
        for (const QString &message : entryFindings(boxPath, folderA, folderB, item.entry).split(
                 QLatin1Char('\n'), Qt::SkipEmptyParts))
            add(remark, message);
    }

    if (!found) {
        report = passBlock(name);
        return true;
    }
    report = failHead(name) + statusCaution() + QStringLiteral("<table width = 100%>") + rows
             + QStringLiteral("</table></p>");
    return false;
}

// The findings for one entry, one per line.
QString VerifyRun::entryFindings(const QString &boxPath, const QString &folderA, const QString &folderB,
                                 const Entry &entry) const
{
    const Remark remark(entry.getField(Entry::RemarkField));
    if (remark.rema() != folderA + folderB)
        return finding(tr("not belong"));

    QStringList found;
    const QString checkSum = entry.getField(Entry::ChecksumField);
    if (!m_goodFiles.contains(remark.remark()) && !m_oddRemarks.contains(remark.remark()))
        found << finding(tr("linked file is absent"));
    else if (!m_goodFiles.value(remark.remark()).contains(checkSum))
        found << finding(tr("checksum wrong"));

    if (!m_dates.date(entry.getField(Entry::DateField)).isValid())
        found << finding(tr("date is wrong"));

    for (const QString &key : entry.getField(Entry::KeywordField).split(QLatin1Char(','))) {
        if (!m_keys.contains(key))
            found << finding(tr("index of keyword '%1' is unknown").arg(key));
    }

    // The prime's catalogue: this file's path with the two folder names of the link.
    const Remark link(entry.getField(Entry::ResembleField));
    const QString linkAbc = boxPath + QLatin1Char('/') + link.re() + QLatin1Char('/') + link.ma() + QLatin1Char('/')
                            + NAME_ABC_FILE;
    const auto linkFile = m_abcEntries.constFind(linkAbc);
    const Entry *prime = !link.Ok() || linkFile == m_abcEntries.constEnd() ? nullptr : linkFile->find(link.remark());
    if (!prime) {
        found << finding(tr("resembling remark is wrong"));
    } else {
        if (prime->getField(Entry::ResembleField) != prime->getField(Entry::RemarkField))
            found << finding(tr("resembling remark is not a prime"));
    }
    return found.join(QLatin1Char('\n'));
}

bool VerifyRun::fileOk(QString &report, Cap *cap) const
{
    if (m_odd.isEmpty()) {
        report = QStringLiteral("<p>") + finding(tr("All files is accurate")) + QStringLiteral("</p>");
        return true;
    }
    // Grouped by folder, folders and files in path order.
    QMap<QString, QStringList> byFolder;
    for (const OddFile &odd : m_odd) {
        const int slash = odd.path.lastIndexOf(QLatin1Char('/'));
        byFolder[odd.path.left(slash)] << odd.path.mid(slash + 1);
    }
    const QString row = QStringLiteral("<tr> <td width = 20% align = right> %1 </td> <td> %2 </td> </tr>");
    report = QStringLiteral("<p>");
    for (auto it = byFolder.constBegin(); it != byFolder.constEnd(); ++it) {
        const QString folder = QDir::toNativeSeparators(it.key());
        // Once the cap is reached a folder's heading goes with its rows into the report file.
        const bool folderShown = !cap || !cap->full();
        if (folderShown) {
            report += QStringLiteral("<b>%1</b>... %2").arg(folder, statusCaution());
            report += QStringLiteral("<table width = 100%>");
        }
        if (cap)
            cap->setHeading(folder);
        QStringList names = it.value();
        std::sort(names.begin(), names.end());
        const QString odd = finding(tr("is odd"));
        for (const QString &name : names) {
            if (shown(cap, name + QStringLiteral(": ") + odd))
                report += row.arg(tr("File <b>%1</b>:").arg(name), odd);
        }
        if (folderShown)
            report += QStringLiteral("</table>");
    }
    report += QStringLiteral("</p>");
    return false;
}
