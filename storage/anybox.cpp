#include "anybox.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include "catalogueahead.h"
#include "commandline.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "mysourcefile.h"
#include "remark.h"

// List files hold 1001 objects at most; every further one is announced through showReduce().
static const int LIST_LIMIT = 1000;

// One row of a kind's category structure: the arguments of one setSubCategories_ call. Null items
// stand for the translated category setting.
struct CategoryRow
{
    const char *title;
    const char *items;
    bool inUse;
    bool required;
    bool translated;
};

// The category structures of the kinds, in the order A, C, D, E, F, G. Each kind marks these
// texts for translation in its own context.
static const CategoryRow PICTURE_ROWS[] = {
    {"Which", "water,sky,land,flora,fauna,humans,build,wheel,item", true, true, true},
    {"Where", "inside,outside", true, false, true},
    {"Daytime", "night,morning,day,evening", true, false, true},
    {"Season", "winter,spring,summer,autumn", true, false, true},
    {"Picture", nullptr, true, false, true},
    {"Method", "pose,reporting", true, false, true},
};
static const CategoryRow BOOK_ROWS[] = {
    {"A", "A,B,C,D,E,F,G,H,I", false, false, false},
    {"Home country", "native,foreign", true, false, true},
    {"Time range", "other,antique,classic,modern", true, false, true},
    {"Auditory", "all,baby,youth,grownup", true, false, true},
    {"Genre", nullptr, true, true, true},
    {"Style", "prose,poesy", true, false, true},
};
static const CategoryRow MUSIC_ROWS[] = {
    {"A", "A,B,C,D,E,F,G,H,I", false, false, false},
    {"Home country", "native,foreign", true, false, true},
    {"Perfomance", "blank,instrumental,vocal,mixed", true, false, true},
    {"Number of performer", "blank,solo,small,great", true, false, true},
    {"Genre", nullptr, true, true, true},
    {"G", "A,B", false, false, false},
};

AnyBox::AnyBox(const QString &name, MyUnit *parent, Catalogue catalogue)
    : MyFolder(name, parent)
    , m_dateFormat(QStringLiteral("dd.MM.yyyy"))
{
    if (catalogue == ReadNow)
        takeCatalogue(nullptr);
}

// Two levels of two-letter folders, one abc file in each folder of the second level.
void AnyBox::takeCatalogue(CatalogueAhead *ahead)
{
    CatalogueAhead::Listing listing = ahead ? ahead->take(completeName()) : CatalogueAhead::read(completeName());
    for (CatalogueAhead::Folder &folder : listing) {
        // The folders were listed a moment ago.
        auto reFolder = new MyAbcFolder(folder.name, this, SeenOnDisk);
        for (auto &file : folder.files) {
            auto abcFile = new MyAbcFile(new MyAbcFolder(file.first, reFolder, SeenOnDisk), std::move(file.second));
            connect(abcFile, &MyAbcFile::markAbcFile, this, &AnyBox::markAbcFile);
            connect(abcFile, &MyAbcFile::unmarkAbcFile, this, &AnyBox::unmarkAbcFile);
            m_count += unsigned(abcFile->countEntries());
        }
    }
}

void AnyBox::setBoxPixmapFile(const QString &fileName)
{
    m_boxPixmapFile = fileName;
    m_boxPixmap = QPixmap();
}

QPixmap AnyBox::boxPixmap() const
{
    if (m_boxPixmap.isNull() && !m_boxPixmapFile.isEmpty())
        m_boxPixmap.load(m_boxPixmapFile);
    return m_boxPixmap;
}

void AnyBox::setExt(const QString &text)
{
    m_ext.clear();
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &part : parts) {
        const QString item = part.trimmed();
        if (!item.isEmpty())
            m_ext.insert(item.toLower());
    }
}

// ---- selection ----------------------------------------------------------------------------

// The box follows each file's own subsets, whatever number the file reports: a file appends a subset
// at the end of its own list, and a subset that became empty stays in the file's list with its number.
// So subset i of the box is always the set of files whose subset i is not empty.
void AnyBox::markAbcFile(MyAbcFile *abcFile, int subset)
{
    Q_UNUSED(subset)
    if (!m_bulk)
        syncFile(abcFile);
}

void AnyBox::unmarkAbcFile(MyAbcFile *abcFile, int subset)
{
    Q_UNUSED(subset)
    if (!m_bulk)
        syncFile(abcFile);
}

QList<MyAbcFile *> AnyBox::abcFiles() const
{
    static const QRegularExpression abcName(QStringLiteral("^") + NAME_ABC_FILE + QStringLiteral("_"));
    return findChildren<MyAbcFile *>(abcName);
}

MyAbcFile *AnyBox::abcFile(const Remark &remark) const
{
    if (!remark.Ok())
        return nullptr;
    return findChild<MyAbcFile *>(NAME_ABC_FILE + QLatin1Char('_') + remark.rema());
}

// The box holds as many subsets as the longest list of any file; emptied subsets keep their places.
void AnyBox::syncFile(MyAbcFile *abcFile)
{
    if (!abcFile)
        return;
    const int count = abcFile->countSubsets();
    const int before = m_fileSubsets.value(abcFile, 0);
    if (count > 0)
        m_fileSubsets.insert(abcFile, count);
    else
        m_fileSubsets.remove(abcFile);
    while (m_subsets.size() < count)
        m_subsets.append(QSet<MyAbcFile *>());
    for (int j = 0; j < m_subsets.size(); ++j) {
        if (j < count && abcFile->markedEntriesCount(j) > 0)
            m_subsets[j].insert(abcFile);
        else
            m_subsets[j].remove(abcFile);
    }
    if (count < before && before >= m_subsets.size()) {
        int longest = 0;
        for (const int n : qAsConst(m_fileSubsets))
            longest = qMax(longest, n);
        while (m_subsets.size() > longest)
            m_subsets.removeLast();
    }
}

void AnyBox::rebuildSubsets()
{
    m_subsets.clear();
    m_fileSubsets.clear();
    for (MyAbcFile *file : abcFiles())
        syncFile(file);
}

QSet<MyAbcFile *> AnyBox::markedAbcFiles(int i) const
{
    return i >= 0 && i < m_subsets.size() ? m_subsets.at(i) : QSet<MyAbcFile *>();
}

QSet<MyAbcFile *> AnyBox::markedAbcFiles() const
{
    QSet<MyAbcFile *> all;
    for (const QSet<MyAbcFile *> &files : m_subsets)
        all.unite(files);
    return all;
}

QList<Entry *> AnyBox::markedEntries(int i) const
{
    QList<Entry *> entries;
    for (MyAbcFile *file : markedAbcFiles(i))
        entries << file->markedEntries(i);
    return entries;
}

QList<Entry *> AnyBox::markedEntries() const
{
    QList<Entry *> entries;
    for (MyAbcFile *file : markedAbcFiles())
        entries << file->markedEntries();
    return entries;
}

int AnyBox::markedEntriesCount(int i) const
{
    int count = 0;
    for (MyAbcFile *file : markedAbcFiles(i))
        count += file->markedEntriesCount(i);
    return count;
}

int AnyBox::markedEntriesCount() const
{
    int count = 0;
    for (MyAbcFile *file : markedAbcFiles())
        count += file->markedEntriesCount();
    return count;
}

// Calls over all files run with the signals' bookkeeping held back and settle it once at the end.
// A file with fewer subsets is given empty ones first: left alone it would append its entries at its
// own next number, and subset i of the box would miss them.
QSet<MyAbcFile *> AnyBox::markAllEntries(int i)
{
    const QList<MyAbcFile *> files = abcFiles();
    m_bulk = true;
    for (MyAbcFile *file : files) {
        file->ensureSubsets(i);
        file->markAllEntries(i);
    }
    m_bulk = false;
    rebuildSubsets();
    return QSet<MyAbcFile *>(files.cbegin(), files.cend());
}

// Each file reports its marks as it goes, so the box follows file by file and anyone looking between
// two files sees a consistent, if partial, selection.
QSet<MyAbcFile *> AnyBox::markAllEntries(int i, const std::function<void()> &between)
{
    const QList<MyAbcFile *> files = abcFiles();
    for (MyAbcFile *file : files) {
        file->ensureSubsets(i);
        file->markAllEntries(i);
        between();
    }
    return QSet<MyAbcFile *>(files.cbegin(), files.cend());
}

// Every file that holds a subset i deletes it, also when it is empty there: otherwise that file's later
// subsets would keep their numbers while everybody else's move down.
void AnyBox::deleteSubset(int i)
{
    if (i < 0 || i >= m_subsets.size())
        return;
    m_bulk = true;
    for (MyAbcFile *file : abcFiles()) {
        if (file->countSubsets() > i)
            file->deleteSubset(i);
    }
    m_bulk = false;
    rebuildSubsets();
}

void AnyBox::unmarkAllEntries()
{
    m_bulk = true;
    for (MyAbcFile *file : abcFiles())
        file->deleteSubsets();
    m_bulk = false;
    m_subsets.clear();
    m_fileSubsets.clear();
}

// The box forgets the marks first, so between two files nothing counts as marked any more.
void AnyBox::unmarkAllEntries(const std::function<void()> &between)
{
    const QList<MyAbcFile *> files = abcFiles();
    m_subsets.clear();
    m_fileSubsets.clear();
    m_bulk = true;
    for (MyAbcFile *file : files) {
        if (file->countSubsets() == 0)
            continue;
        file->deleteSubsets();
        m_bulk = false;
        between();
        m_bulk = true;
    }
    m_bulk = false;
}

// Files without marks get their one empty subset too, so that every file numbers its subsets alike.
void AnyBox::uniteSubsets()
{
    for (MyAbcFile *file : abcFiles())
        file->uniteSubsets();
    rebuildSubsets();
    if (m_subsets.isEmpty())
        m_subsets.append(QSet<MyAbcFile *>());
}

void AnyBox::memorizeMarked()
{
    m_memorized = m_subsets;
    for (MyAbcFile *file : abcFiles())
        file->memorizeSubsets();
}

void AnyBox::restoreMarked()
{
    unmarkAllEntries();
    for (MyAbcFile *file : abcFiles())
        file->restoreSubsetsFromMemory();
    m_memorized.clear();
    rebuildSubsets();
}

bool AnyBox::storeMarkedEntries()
{
    bool allStored = true;
    for (MyAbcFile *file : markedAbcFiles())
        allStored = file->store() && allStored;
    return allStored;
}

// ---- list files and external programs -----------------------------------------------------

QString AnyBox::objectPath(const Entry &entry) const
{
    return objectPath(completeName(), entry);
}

QString AnyBox::objectPath(const QString &boxPath, const Entry &entry)
{
    const Remark remark(entry.getField(Entry::RemarkField));
    const QString separator = QDir::separator();
    // The extension the object came in with: after the last "." of its original name, or the
    // whole name when it has none.
    const QString extension = entry.getField(Entry::OriginalField).section(QLatin1Char('.'), -1);
    return boxPath + separator + remark.re() + separator + remark.ma() + separator + remark.rk()
           + QLatin1Char('.') + extension;
}

QString AnyBox::makePlayListFile(const QString &name, const QList<Entry *> &entries)
{
    MyUnit *listFolder = unit(NAME_SLD_FOLDER);
    if (!listFolder)
        return QString();
    const QString path = listFolder->completeName() + QDir::separator() + name + QLatin1Char('.') + m_extPlayList;
    QFile file(path);
    const bool open = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    // No codec: external programs get the system's 8-bit encoding.
    QTextStream stream(&file);
    int counter = 0;
    for (const Entry *entry : entries) {
        if (counter > LIST_LIMIT) {
            emit showReduce();
            continue;
        }
        if (open)
            stream << objectPath(*entry) << '\n';
        ++counter;
    }
    return path;
}

QString AnyBox::makePlayListFile(const QString &name)
{
    return makePlayListFile(name, markedEntries());
}

QString AnyBox::freshListName()
{
    return QTime::currentTime().toString(QStringLiteral("hhmmsszzz"));
}

// Writes the list and starts the command on it without waiting for the program.
QString AnyBox::startOnList(const QString &name, const QList<Entry *> &entries, const QString &command,
                            QProcess *process)
{
    const QString path = makePlayListFile(name, entries);
    if (path.isEmpty() || !process)
        return path;
    // The list's path reaches the program as one argument, also when the user quoted "%1".
    CommandLine::start(process, CommandLine::arguments(command, path));
    return path;
}

QString AnyBox::previewSelected(const QString &name, QProcess *process)
{
    if (markedEntriesCount() == 0)
        return QString();
    return startOnList(name, markedEntries(), m_execPreview, process);
}

QString AnyBox::previewSelected(QProcess *process)
{
    return previewSelected(freshListName(), process);
}

QString AnyBox::previewSelected(int i, const QString &name, QProcess *process)
{
    if (markedEntriesCount(i) == 0)
        return QString();
    return startOnList(name, markedEntries(i), m_execPreview, process);
}

QString AnyBox::previewSelected(int i, QProcess *process)
{
    return previewSelected(i, freshListName(), process);
}

QString AnyBox::previewList(const QString &name, const QList<Entry *> &entries, QProcess *process)
{
    return startOnList(name, entries, m_execPreview, process);
}

QString AnyBox::presentSelected(const QString &name, QProcess *process)
{
    return startOnList(name, markedEntries(), m_execPresent, process);
}

QString AnyBox::presentSelected(QProcess *process)
{
    return presentSelected(freshListName(), process);
}

// ---- per kind -----------------------------------------------------------------------------

unsigned AnyBox::startValueCategory(MySourceFile *file)
{
    Q_UNUSED(file)
    return 0;
}

bool AnyBox::makeSubFile(const QString &text)
{
    Q_UNUSED(text)
    return false;
}

void AnyBox::setCategoryLabels()
{
    m_category = Category();
}

// Season (E) and daytime (D) positions of the category value from the date and time taken.
unsigned AnyBox::dateTakenCategory(const MySourceFile *file)
{
    unsigned season = 0;
    const QDate date = file ? file->exifDate() : QDate();
    if (date.isValid()) {
        const int month = date.month();
        if (month >= 3 && month <= 5)
            season = 1;
        else if (month >= 6 && month <= 8)
            season = 2;
        else if (month >= 9 && month <= 11)
            season = 3;
    }
    unsigned daytime = 3;
    const QTime time = file ? file->exifTime() : QTime();
    if (time.isValid()) {
        if (time.hour() < 6)
            daytime = 0;
        else if (time.hour() < 12)
            daytime = 1;
        else if (time.hour() < 18)
            daytime = 2;
    }
    return Category::categoryValue(0, 0, 0, daytime, season, 0, 0);
}

QString AnyBox::translated(const char *text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

QString AnyBox::translatedMyCategories(const QString &defaultCategories, const QStringList &untranslated) const
{
    QString text = m_myCategories;
    const QStringList items = defaultCategories.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QString label = item.section(QLatin1Char('|'), 0, 0);
        if (!label.isEmpty() && !untranslated.contains(label))
            text.replace(label, translated(label.toUtf8().constData()), Qt::CaseSensitive);
    }
    return text;
}

void AnyBox::applyCategoryStructure(Structure structure, const QString &defaultCategories,
                                    const QStringList &untranslated)
{
    const CategoryRow *rows = structure == Structure::Picture ? PICTURE_ROWS
                              : structure == Structure::Book  ? BOOK_ROWS
                                                              : MUSIC_ROWS;
    const QString mainCategories = translatedMyCategories(defaultCategories, untranslated);
    QString titles[6];
    QString items[6];
    for (int i = 0; i < 6; ++i) {
        const CategoryRow &row = rows[i];
        titles[i] = row.translated ? translated(row.title) : QString::fromLatin1(row.title);
        if (!row.items)
            items[i] = mainCategories;
        else
            items[i] = row.translated ? translated(row.items) : QString::fromLatin1(row.items);
    }
    Category model;
    model.setSubCategories_A(titles[0], items[0], rows[0].inUse, rows[0].required);
    model.setSubCategories_C(titles[1], items[1], rows[1].inUse, rows[1].required);
    model.setSubCategories_D(titles[2], items[2], rows[2].inUse, rows[2].required);
    model.setSubCategories_E(titles[3], items[3], rows[3].inUse, rows[3].required);
    model.setSubCategories_F(titles[4], items[4], rows[4].inUse, rows[4].required);
    model.setSubCategories_G(titles[5], items[5], rows[5].inUse, rows[5].required);
    m_category = model;
}

bool AnyBox::writeSubFile(const QString &text, const QString &content)
{
    const Remark remark(text.section(QLatin1Char('\n'), 0, 0).trimmed());
    // Without a valid remark there is no place for the file.
    if (!initOk() || !remark.Ok())
        return false;
    const QString separator = QDir::separator();
    QFile file(completeName() + separator + remark.re() + separator + remark.ma() + separator + remark.rk()
               + QLatin1Char('.') + SUB_FILE_EXT);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(false);
    stream << content;
    stream.flush();
    return stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

static QStringList textLines(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("\r?\n")));
}

// A subtitle that a media player shows with the clip of the same base name.
bool AnyBox::writeClipSubFile(const QString &text)
{
    QString content = QStringLiteral("FORMAT=0\n0 0\n") + text;
    if (!content.endsWith(QLatin1Char('\n')))
        content += QLatin1Char('\n');
    return writeSubFile(text, content);
}

// Title, author and date, one a line, for the companions' lists.
bool AnyBox::writeBookSubFile(const QString &text)
{
    const QStringList lines = textLines(text);
    QStringList written;
    if (lines.size() > 1) {
        const QStringList caption = lines.at(1).split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (caption.size() == 1)
            written << caption.at(0) << QString();
        else if (caption.size() == 2)
            written << caption.at(0) << caption.at(1);
        else
            written << QString() << QString();
    }
    if (lines.size() > 2)
        written << lines.at(2);
    return writeSubFile(text, written.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
