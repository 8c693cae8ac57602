#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

#include "abcsupport.h"
#include "basefolder.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "testsupport.h"

namespace {

using Spy = QScopedPointer<QSignalSpy>;

QString line(const QString &remark, const QString &caption = QStringLiteral("unknown,unknown"))
{
    QString text = AbcSupport::newEntryLine(remark);
    text.replace(QStringLiteral("unknown,unknown"), caption);
    return text;
}

QSet<QString> remarksOf(const QList<Entry *> &entries)
{
    QSet<QString> remarks;
    for (const Entry *entry : entries)
        remarks.insert(entry->getField(1));
    return remarks;
}

// The arguments of every emission recorded by a spy, as (file, index) pairs.
QList<QPair<MyAbcFile *, int>> emissions(const QSignalSpy &spy)
{
    QList<QPair<MyAbcFile *, int>> list;
    for (const QList<QVariant> &arguments : spy)
        list.append({arguments.at(0).value<MyAbcFile *>(), arguments.at(1).toInt()});
    return list;
}

} // namespace

// A box folder under a temporary directory, with catalogue files opened the way the box opens them.
class AbcBox
{
public:
    AbcBox()
        : m_box(m_dir.path(), QStringLiteral("box"))
    {
    }

    QString path() const { return m_box.completeName(); }
    QString abcPath(const QString &rema = QStringLiteral("qwer")) const { return AbcSupport::abcPath(path(), rema); }
    bool write(const QByteArray &content, const QString &rema = QStringLiteral("qwer"))
    {
        return AbcSupport::writeAbc(path(), rema, content);
    }
    MyAbcFile *open(const QString &rema = QStringLiteral("qwer")) { return AbcSupport::openAbc(&m_box, rema); }
    BaseFolder *unit() { return &m_box; }

private:
    QTemporaryDir m_dir;
    BaseFolder m_box;
};

class TestMyAbcFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Loading and storing
    void folderChainGivesNamesAndPaths();
    void missingFileIsCreatedEmpty();
    void realFileRoundTrip_data();
    void realFileRoundTrip();
    void lastLineOfAKeyWins();
    void elevenFieldLineIsDropped();
    void storedFileLoadsBackTheSame();
    void byteOrderMarkIsNotPartOfTheSession();
    void fieldWithSeparatorStaysOneEntry();

    // Failed stores
    void directoryInPlaceOfTheFile();
    void fileReplacedByDirectoryAfterLoading();
    void readOnlyFolderKeepsTheOldFile();
    void writeErrorKeepsTheOldFile();
    void storeKeepsPermissions();

    // Entries
    void absentKeyLookups();
    void updateAddsAndReplaces();
    void usedNames();
    void changedEntryLeavesTheOthersOfItsFile();
    void keysOfAnotherFormKeepTheKeyOrder();
    void folderUsedNames();

    // Subsets
    void markEntryChecksItsFile();
    void markEntryRecordsTheStoredEntry();
    void markEntryBeyondTheSubsetsAppends();
    void negativeIndexAppendsAndReportsTheUsedIndex();
    void markAllEntries();
    void unmarkEntry();
    void unionOfSubsets();
    void uniteSubsets();
    void deleteSubset();
    void deleteSubsetsOneAtATime();
    void memorizeAndRestore();
    void marksSurviveChangesOfTheMap();
};

void TestMyAbcFile::initTestCase()
{
    qRegisterMetaType<MyAbcFile *>();
}

void TestMyAbcFile::folderChainGivesNamesAndPaths()
{
    AbcBox box;
    MyAbcFile *file = box.open();
    QVERIFY(file->initOk());
    QCOMPARE(file->rema(), QStringLiteral("qwer"));
    QCOMPARE(file->objectName(), QStringLiteral("abc_qwer"));
    QCOMPARE(file->name(), QStringLiteral("abc"));
    QCOMPARE(file->completeName(), box.abcPath());
    QCOMPARE(file->type(), QStringLiteral("File"));
    QCOMPARE(box.unit()->unit(QStringLiteral("abc_qwer")), file);
    QVERIFY(QFileInfo(box.path() + "/qw/er").isDir());
}

void TestMyAbcFile::missingFileIsCreatedEmpty()
{
    AbcBox box;
    MyAbcFile *file = box.open(QStringLiteral("zzaa"));
    QVERIFY(file->initOk());
    QCOMPARE(file->countEntries(), 0);
    QVERIFY(QFileInfo(box.abcPath("zzaa")).isFile());
    QCOMPARE(QFileInfo(box.abcPath("zzaa")).size(), 0);
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath("zzaa")), QByteArray());
}

// A catalogue as found on disk: either line end, blank lines, a line that lost its line end,
// captions outside ASCII, broken records. Stored back, it is sorted, LF-ended and without the broken lines.
void TestMyAbcFile::realFileRoundTrip_data()
{
    QTest::addColumn<QString>("eol");
    QTest::newRow("CRLF") << "\r\n";
    QTest::newRow("LF") << "\n";
}

void TestMyAbcFile::realFileRoundTrip()
{
    QFETCH(QString, eol);
    const QString cologne = line("qwerkl", QString::fromUtf8("Grüße aus Köln,Zoë Ø"));
    const QString moscow = line("qwerab", QString::fromUtf8("Москва ночью,Пётр"));
    const QString plain = line("qwerzz");
    const QString wrongRemark = line("qwerZZ");
    const QString nineFields = plain.section('~', 0, 8);
    const QString content = eol + cologne + eol + eol + wrongRemark + eol + moscow + eol + nineFields + eol + "   "
                            + eol + plain; // no line end after the last line

    AbcBox box;
    QVERIFY(box.write(content.toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->countEntries(), 3);
    QCOMPARE(file->getEntryPart("kl", -1), cologne);
    QCOMPARE(file->getEntryPart("kl", 8), QString::fromUtf8("Grüße aus Köln,Zoë Ø"));
    QCOMPARE(file->getEntryPart("ab", 8), QString::fromUtf8("Москва ночью,Пётр"));
    QCOMPARE(file->getEntryPart("zz", 9), QStringLiteral("10.07.2021"));
    QVERIFY(!file->getEntryPart("zz", 9).endsWith('\r'));
    QCOMPARE(file->getUsedName(), QStringList({"ab", "kl", "zz"}));

    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()), (moscow + "\n" + cologne + "\n" + plain + "\n").toUtf8());
}

void TestMyAbcFile::lastLineOfAKeyWins()
{
    AbcBox box;
    const QString first = line("qwerty", "first,one");
    const QString second = line("qwerty", "second,two");
    QVERIFY(box.write((first + "\n" + line("qweraa") + "\r\n" + second + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->countEntries(), 2);
    QCOMPARE(file->getEntryPart("ty", 8), QStringLiteral("second,two"));
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()), (line("qweraa") + "\n" + second + "\n").toUtf8());
}

void TestMyAbcFile::elevenFieldLineIsDropped()
{
    AbcBox box;
    const QString kept = line("qwerbb");
    QVERIFY(box.write((line("qweraa") + "~extra\n" + kept + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->countEntries(), 1);
    QVERIFY(!file->entryExist("aa"));
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()), (kept + "\n").toUtf8());
}

void TestMyAbcFile::storedFileLoadsBackTheSame()
{
    AbcBox box;
    QVERIFY(box.write((line("qwercc", QString::fromUtf8("Ünïcödé,名前")) + "\r\n" + line("qweraa") + "\r\n").toUtf8()));
    MyAbcFile *file = box.open();
    file->getEntry("mm")->setEntry(line("qwermm", "new,entry"));
    QVERIFY(file->store());

    AbcBox other;
    QVERIFY(other.write(TestSupport::readFile(box.abcPath())));
    MyAbcFile *reloaded = other.open();
    QCOMPARE(reloaded->countEntries(), 3);
    QList<QString> before, after;
    for (const Entry &entry : file->getAll())
        before.append(entry.getAllFields());
    for (const Entry &entry : reloaded->getAll())
        after.append(entry.getAllFields());
    QCOMPARE(after, before);
    QCOMPARE(reloaded->getEntryPart("cc", 8), QString::fromUtf8("Ünïcödé,名前"));
    QVERIFY(!TestSupport::readFile(box.abcPath()).startsWith("\xEF\xBB\xBF"));
}

void TestMyAbcFile::byteOrderMarkIsNotPartOfTheSession()
{
    AbcBox box;
    QVERIFY(box.write("\xEF\xBB\xBF" + line("qweraa").toUtf8() + "\n"));
    MyAbcFile *file = box.open();
    QCOMPARE(file->getEntryPart("aa", 0), QStringLiteral("1"));
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()), (line("qweraa") + "\n").toUtf8());
}

// A caption typed with "~" or a line break must not split the record: it stays one valid entry.
void TestMyAbcFile::fieldWithSeparatorStaysOneEntry()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    {
        MyAbcFile *file = box.open();
        Entry entry = file->getAll().first();
        entry.setField(8, QStringLiteral("a~b,x\ny"));
        QVERIFY(file->update(entry));
        QVERIFY(file->store());
    }
    AbcBox other;
    QVERIFY(other.write(TestSupport::readFile(box.abcPath())));
    MyAbcFile *reloaded = other.open();
    QCOMPARE(reloaded->countEntries(), 1);
    QCOMPARE(reloaded->getEntryPart("aa", 8), QStringLiteral("a-b,x y"));
    QCOMPARE(reloaded->getEntryPart("aa", 9), QStringLiteral("10.07.2021"));
}

void TestMyAbcFile::directoryInPlaceOfTheFile()
{
    AbcBox box;
    QVERIFY(QDir().mkpath(box.abcPath()));
    MyAbcFile *file = box.open();
    QVERIFY(!file->initOk());
    QCOMPARE(file->countEntries(), 0);
    QCOMPARE(file->rema(), QStringLiteral("qwer"));
    QVERIFY(!file->store());
    QVERIFY(QFileInfo(box.abcPath()).isDir());
}

void TestMyAbcFile::fileReplacedByDirectoryAfterLoading()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(QFile::remove(box.abcPath()));
    QVERIFY(QDir().mkpath(box.abcPath()));
    QVERIFY(TestSupport::writeFile(box.abcPath() + "/inside", "kept"));
    QVERIFY(!file->store());
    QVERIFY(QFileInfo(box.abcPath()).isDir());
    QCOMPARE(TestSupport::readFile(box.abcPath() + "/inside"), QByteArray("kept"));
    QCOMPARE(QDir(box.path() + "/qw/er").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"abc"}));
}

void TestMyAbcFile::readOnlyFolderKeepsTheOldFile()
{
    AbcBox box;
    const QByteArray old = (line("qweraa") + "\r\n" + line("qwerbb") + "\r\n").toUtf8();
    QVERIFY(box.write(old));
    MyAbcFile *file = box.open();
    QVERIFY(file->update(Entry(line("qwercc"))));
    const QString folder = box.path() + "/qw/er";
    const QFile::Permissions writable = QFile::permissions(folder);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const bool canWrite = QFileInfo(folder).isWritable() || QFile(folder + "/probe").open(QIODevice::WriteOnly);
    QFile::remove(folder + "/probe");
    if (!canWrite) {
        QVERIFY(!file->store());
        QCOMPARE(TestSupport::readFile(box.abcPath()), old);
    }
    QVERIFY(QFile::setPermissions(folder, writable));
    if (canWrite)
        QSKIP("this user writes into read-only folders; writeErrorKeepsTheOldFile covers failed writes");
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"abc"}));
}

// A write that fails half way (here a file size limit standing in for a full disk) leaves the
// previous catalogue whole and no temporary file behind.
void TestMyAbcFile::writeErrorKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    AbcBox box;
    const QByteArray old = (line("qweraa") + "\r\n" + line("qwerbb") + "\r\n").toUtf8();
    QVERIFY(box.write(old));
    MyAbcFile *file = box.open();
    for (char c = 'a'; c <= 'z'; ++c)
        QVERIFY(file->update(Entry(line(QStringLiteral("qwerc") + QLatin1Char(c)))));

    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool stored = file->store();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!stored);
    QCOMPARE(TestSupport::readFile(box.abcPath()), old);
    QCOMPARE(QDir(box.path() + "/qw/er").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"abc"}));
    // Once the write can complete, the same store succeeds.
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()).count('\n'), 28);
#else
    QSKIP("needs a file size limit");
#endif
}

void TestMyAbcFile::storeKeepsPermissions()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(box.abcPath(), permissions));
    MyAbcFile *file = box.open();
    QVERIFY(file->update(Entry(line("qwerbb"))));
    QVERIFY(file->store());
    const QFile::Permissions ownerGroupOther = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                              | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                              | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(box.abcPath()) & ownerGroupOther, permissions);
    QCOMPARE(TestSupport::readFile(box.abcPath()).count('\n'), 2);
}

void TestMyAbcFile::absentKeyLookups()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(!file->entryExist("zz"));
    QCOMPARE(file->getEntryPart("zz", 1), QString());
    QCOMPARE(file->getEntryPart("zz", -1), QString());
    QCOMPARE(file->countEntries(), 1);
    QCOMPARE(file->getEntryPart("aa", 1), QStringLiteral("qweraa"));
    QCOMPARE(file->getEntryPart("aa", 10), QString());

    Entry *placeholder = file->getEntry("zz");
    QVERIFY(placeholder);
    QVERIFY(!placeholder->Ok());
    QCOMPARE(file->countEntries(), 2);
    QVERIFY(file->entryExist("zz"));
    QCOMPARE(file->getEntry("zz"), placeholder);
    QCOMPARE(file->getEntryPart("zz", 1), QString());
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()), (line("qweraa") + "\n").toUtf8());
}

void TestMyAbcFile::updateAddsAndReplaces()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    Entry *stored = file->getEntry("aa");

    QVERIFY(!file->update(Entry(QStringLiteral("1~QWERAA~~~~~~~~"))));
    QVERIFY(!file->update(Entry()));
    QCOMPARE(file->countEntries(), 1);

    QVERIFY(file->update(Entry(line("qweraa", "replaced,caption"))));
    QCOMPARE(file->countEntries(), 1);
    QCOMPARE(file->getEntry("aa"), stored);
    QCOMPARE(stored->getField(8), QStringLiteral("replaced,caption"));

    QVERIFY(file->update(Entry(line("qwerbb"))));
    QCOMPARE(file->countEntries(), 2);
    QCOMPARE(file->getAll().size(), 2);
    QCOMPARE(file->getAll().at(1).getField(1), QStringLiteral("qwerbb"));
}

void TestMyAbcFile::usedNames()
{
    AbcBox box;
    QVERIFY(box.write((line("qwerzz") + "\n" + line("qwerab") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    file->getEntry("mm");
    QCOMPARE(file->getUsedName(), QStringList({"ab", "zz"}));
}

// The entries read from one file share its text; changing one, or a copy, touches nothing else.
void TestMyAbcFile::changedEntryLeavesTheOthersOfItsFile()
{
    AbcBox box;
    const QString ab = line("qwerab", QString::fromUtf8("Grüße,Zoë"));
    const QString ac = line("qwerac");
    QVERIFY(box.write("\xEF\xBB\xBF" + (ab + "\r\n" + ac + "\r\n\r\n").toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->countEntries(), 2);
    const Entry before = *file->getEntry("ab");
    QVERIFY(file->getEntry("ab")->setField(Entry::CaptionField, QStringLiteral("Sea,Ann")));
    QCOMPARE(file->getEntryPart("ab", Entry::CaptionField), QStringLiteral("Sea,Ann"));
    QCOMPARE(file->getEntryPart("ac", -1), ac);
    QCOMPARE(before.getAllFields(), ab);
    QList<Entry> copies = file->getAll();
    QVERIFY(copies[1].setField(Entry::SessionField, QStringLiteral("9")));
    QCOMPARE(file->getEntryPart("ac", -1), ac);

    QVERIFY(file->store());
    QString changed = ab;
    changed.replace(QString::fromUtf8("Grüße,Zoë"), QStringLiteral("Sea,Ann"));
    QCOMPARE(TestSupport::readFile(box.abcPath()), (changed + "\n" + ac + "\n").toUtf8());
}

// A key that is not two letters (only ever asked for) sorts among the others by its text.
void TestMyAbcFile::keysOfAnotherFormKeepTheKeyOrder()
{
    AbcBox box;
    QVERIFY(box.write((line("qwerzz") + "\n" + line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    *file->getEntry("b1") = Entry(line("qwerbb"));
    file->getEntry(QString());
    QCOMPARE(file->countEntries(), 4);
    QVERIFY(file->entryExist("b1"));
    QVERIFY(!file->entryExist("bb"));
    QCOMPARE(file->getUsedName(), QStringList({"aa", "b1", "zz"}));
    QStringList order;
    for (const Entry &entry : file->getAll())
        order << entry.getField(Entry::RemarkField);
    QCOMPARE(order, QStringList({QString(), "qweraa", "qwerbb", "qwerzz"}));
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(box.abcPath()),
             (line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwerzz") + "\n").toUtf8());
}

void TestMyAbcFile::folderUsedNames()
{
    AbcBox box;
    box.open(QStringLiteral("qwer"));
    box.open(QStringLiteral("qwaa"));
    box.open(QStringLiteral("asdf"));
    auto first = dynamic_cast<MyAbcFolder *>(box.unit()->unit(QStringLiteral("qw")));
    QVERIFY(first);
    QCOMPARE(first->getUsedName(), QStringList({"er", "aa"}));
    auto second = dynamic_cast<MyAbcFolder *>(first->unit(QStringLiteral("df")));
    QVERIFY(second);
    QCOMPARE(second->getUsedName(), QStringList({"abc_asdf"}));
}

void TestMyAbcFile::markEntryChecksItsFile()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QSignalSpy marked(file, &MyAbcFile::markAbcFile);

    QVERIFY(!file->markEntry(Entry(line("asdfaa")), 0));
    QVERIFY(!file->markEntry(Entry(line("qwerbb")), 0));
    QVERIFY(!file->markEntry(Entry(), 0));
    QVERIFY(!file->markEntry(static_cast<const Entry *>(nullptr), 0));
    QCOMPARE(marked.count(), 0);
    QCOMPARE(file->markedEntriesCount(), 0);
    QCOMPARE(file->markedEntriesCount(0), 0);
}

void TestMyAbcFile::markEntryRecordsTheStoredEntry()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QSignalSpy marked(file, &MyAbcFile::markAbcFile);
    const Entry copy = file->getAll().first();
    QVERIFY(file->markEntry(copy, 0));
    QCOMPARE(file->markedEntries(0), QList<Entry *>({file->getEntry("aa")}));
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QCOMPARE(file->markedEntriesCount(0), 1);
    QCOMPARE(emissions(marked), (QList<QPair<MyAbcFile *, int>>{{file, 0}, {file, 0}}));
}

void TestMyAbcFile::markEntryBeyondTheSubsetsAppends()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 1));
    QSignalSpy marked(file, &MyAbcFile::markAbcFile);
    QVERIFY(file->markEntry(file->getEntry("cc"), 5));
    QCOMPARE(emissions(marked), (QList<QPair<MyAbcFile *, int>>{{file, 5}}));
    QCOMPARE(remarksOf(file->markedEntries(2)), QSet<QString>({"qwercc"}));
    QCOMPARE(file->markedEntriesCount(5), 0);
    QCOMPARE(file->markedEntriesCount(1), 1);
    QCOMPARE(file->markedEntriesCount(), 3);
}

// A negative index cannot name a subset: it appends one, and the signal tells its real index.
void TestMyAbcFile::negativeIndexAppendsAndReportsTheUsedIndex()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QSignalSpy marked(file, &MyAbcFile::markAbcFile);
    QVERIFY(file->markEntry(file->getEntry("aa"), -1));
    QCOMPARE(file->markAllEntries(-3), 1);
    QCOMPARE(emissions(marked), (QList<QPair<MyAbcFile *, int>>{{file, 0}, {file, 1}}));
    QCOMPARE(file->markedEntriesCount(-1), 0);
    QVERIFY(file->markedEntries(-1).isEmpty());
    QVERIFY(!file->unmarkEntry(file->getEntry("aa"), -1));
}

void TestMyAbcFile::markAllEntries()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QSignalSpy marked(file, &MyAbcFile::markAbcFile);
    QCOMPARE(file->markAllEntries(3), 1);
    QCOMPARE(file->markedEntriesCount(1), 3);
    QCOMPARE(file->markedEntriesCount(0), 1);
    // An existing subset is replaced by all entries.
    QCOMPARE(file->markAllEntries(0), 0);
    QCOMPARE(remarksOf(file->markedEntries(0)), QSet<QString>({"qweraa", "qwerbb", "qwercc"}));
    QCOMPARE(emissions(marked), (QList<QPair<MyAbcFile *, int>>{{file, 1}, {file, 0}}));

    // A key asked for and never filled is no object: it is neither marked nor listed.
    QVERIFY(!file->getEntry(QStringLiteral("zz"))->Ok());
    QCOMPARE(file->markAllEntries(0), 0);
    QCOMPARE(file->markedEntriesCount(0), 3);
    QCOMPARE(remarksOf(file->markedEntries()), QSet<QString>({"qweraa", "qwerbb", "qwercc"}));

    // An empty file still takes part with an empty subset.
    MyAbcFile *empty = box.open(QStringLiteral("zzzz"));
    QSignalSpy emptyMarked(empty, &MyAbcFile::markAbcFile);
    QCOMPARE(empty->markAllEntries(0), 0);
    QCOMPARE(emptyMarked.count(), 1);
    QCOMPARE(empty->markedEntriesCount(0), 0);
}

void TestMyAbcFile::unmarkEntry()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    Entry *a = file->getEntry("aa");
    Entry *b = file->getEntry("bb");
    QVERIFY(file->markEntry(a, 0));
    QVERIFY(file->markEntry(b, 0));
    QVERIFY(file->markEntry(b, 1));
    QSignalSpy unmarked(file, &MyAbcFile::unmarkAbcFile);

    QVERIFY(!file->unmarkEntry(a, 2));
    QVERIFY(!file->unmarkEntry(a, 1));
    QCOMPARE(unmarked.count(), 0);
    QVERIFY(file->unmarkEntry(a, 0));
    QCOMPARE(unmarked.count(), 0);
    QVERIFY(!file->unmarkEntry(a, 0));
    // A copy of the entry unmarks the stored one.
    QVERIFY(file->unmarkEntry(Entry(b->getAllFields()), 0));
    QCOMPARE(emissions(unmarked), (QList<QPair<MyAbcFile *, int>>{{file, 0}}));
    QCOMPARE(file->markedEntriesCount(0), 0);
    QCOMPARE(file->markedEntriesCount(1), 1);
    // Removing from the already empty subset reports nothing more.
    QVERIFY(!file->unmarkEntry(b, 0));
    QCOMPARE(unmarked.count(), 1);
    // The empty subset 0 stays in the list: a new subset still gets index 2.
    QCOMPARE(file->markAllEntries(9), 2);
}

void TestMyAbcFile::unionOfSubsets()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 1));
    QVERIFY(file->markEntry(file->getEntry("cc"), 2));
    QCOMPARE(file->markedEntriesCount(), 3);
    QCOMPARE(file->markedEntries().size(), 3);
    QCOMPARE(remarksOf(file->markedEntries()), QSet<QString>({"qweraa", "qwerbb", "qwercc"}));
    QCOMPARE(file->markedEntriesCount(0), 2);
    QCOMPARE(file->markedEntriesCount(1), 1);
}

void TestMyAbcFile::uniteSubsets()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 1));
    QVERIFY(file->markEntry(file->getEntry("cc"), 1));
    file->uniteSubsets();
    QCOMPARE(remarksOf(file->markedEntries(0)), QSet<QString>({"qweraa", "qwerbb", "qwercc"}));
    QCOMPARE(file->markedEntriesCount(1), 0);
    QCOMPARE(file->markAllEntries(7), 1);

    // Without subsets the list then holds one empty subset.
    MyAbcFile *other = box.open(QStringLiteral("asdf"));
    other->uniteSubsets();
    QCOMPARE(other->markedEntriesCount(0), 0);
    QCOMPARE(other->markAllEntries(7), 1);
}

void TestMyAbcFile::deleteSubset()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 1));
    QVERIFY(file->markEntry(file->getEntry("cc"), 2));
    QSignalSpy unmarked(file, &MyAbcFile::unmarkAbcFile);
    file->deleteSubset(3);
    file->deleteSubset(-1);
    QCOMPARE(unmarked.count(), 0);
    file->deleteSubset(1);
    QCOMPARE(emissions(unmarked), (QList<QPair<MyAbcFile *, int>>{{file, 1}}));
    // Later subsets moved down by one.
    QCOMPARE(remarksOf(file->markedEntries(1)), QSet<QString>({"qwercc"}));
    QCOMPARE(file->markedEntriesCount(2), 0);
    QCOMPARE(remarksOf(file->markedEntries(0)), QSet<QString>({"qweraa"}));
}

void TestMyAbcFile::deleteSubsetsOneAtATime()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->markAllEntries(0), 0);
    QCOMPARE(file->markAllEntries(1), 1);
    QCOMPARE(file->markAllEntries(2), 2);
    QSignalSpy unmarked(file, &MyAbcFile::unmarkAbcFile);
    file->deleteSubsets();
    QCOMPARE(emissions(unmarked), (QList<QPair<MyAbcFile *, int>>{{file, 0}, {file, 0}, {file, 0}}));
    QCOMPARE(file->markedEntriesCount(), 0);
    QCOMPARE(file->markAllEntries(5), 0);
    file->deleteSubsets();
    QCOMPARE(unmarked.count(), 4);
    file->deleteSubsets();
    QCOMPARE(unmarked.count(), 4);
}

void TestMyAbcFile::memorizeAndRestore()
{
    AbcBox box;
    QVERIFY(box.write((line("qweraa") + "\n" + line("qwerbb") + "\n" + line("qwercc") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QVERIFY(file->markEntry(file->getEntry("aa"), 0));
    QVERIFY(file->markEntry(file->getEntry("bb"), 1));
    QVERIFY(file->markEntry(file->getEntry("cc"), 1));
    file->memorizeSubsets();
    file->deleteSubsets();
    QVERIFY(file->markEntry(file->getEntry("cc"), 0));
    QCOMPARE(file->markedEntriesCount(), 1);

    QSignalSpy marked(file, &MyAbcFile::markAbcFile);
    QSignalSpy unmarked(file, &MyAbcFile::unmarkAbcFile);
    file->restoreSubsetsFromMemory();
    QCOMPARE(marked.count() + unmarked.count(), 0);
    QCOMPARE(remarksOf(file->markedEntries(0)), QSet<QString>({"qweraa"}));
    QCOMPARE(remarksOf(file->markedEntries(1)), QSet<QString>({"qwerbb", "qwercc"}));
    QCOMPARE(file->markedEntriesCount(2), 0);

    // The memorized list was emptied: restoring again leaves no subsets.
    file->restoreSubsetsFromMemory();
    QCOMPARE(file->markedEntriesCount(), 0);
    QCOMPARE(file->markAllEntries(4), 0);
}

// Entries added, replaced or looked up later do not move the entries that subsets point to.
void TestMyAbcFile::marksSurviveChangesOfTheMap()
{
    AbcBox box;
    QVERIFY(box.write((line("qwermm") + "\n" + line("qwernn") + "\n").toUtf8()));
    MyAbcFile *file = box.open();
    QCOMPARE(file->markAllEntries(0), 0);
    for (char c = 'a'; c <= 'z'; ++c) {
        for (char d = 'a'; d <= 'z'; d += 5)
            file->update(Entry(line(QStringLiteral("qwer") + QLatin1Char(c) + QLatin1Char(d))));
        file->getEntry(QStringLiteral("0") + QLatin1Char(c));
    }
    QVERIFY(file->update(Entry(line("qwermm", "changed,later"))));
    const QList<Entry *> marked = file->markedEntries(0);
    QCOMPARE(remarksOf(marked), QSet<QString>({"qwermm", "qwernn"}));
    QVERIFY(marked.contains(file->getEntry("mm")));
    QCOMPARE(file->getEntry("mm")->getField(8), QStringLiteral("changed,later"));
    QVERIFY(file->store());
}

QTEST_GUILESS_MAIN(TestMyAbcFile)
#include "tst_myabcfile.moc"
