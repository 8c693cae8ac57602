#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "basefolder.h"
#include "bookbox.h"
#include "clipbox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "musicbox.h"
#include "mysourcefile.h"
#include "photobox.h"
#include "storagesupport.h"
#include "testsupport.h"

namespace {

// Marks every item of a text of the four kinds' contexts, so tests see what went through translation.
class KindTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QByteArray kind(context);
        if (kind != "PhotoBox" && kind != "BookBox" && kind != "ClipBox" && kind != "MusicBox")
            return QString();
        QStringList items = QString::fromUtf8(sourceText).split(QLatin1Char(','));
        for (QString &item : items)
            item.prepend(QStringLiteral("t_"));
        return items.join(QLatin1Char(','));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestAnyBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void catalogueScanFindsTwoLevelsOfFolders();
    void extensionsFromSetting_data();
    void extensionsFromSetting();
    void kindsDifferInDateFormatAndSubFiles();
    void categoryStructureOfEachKind();
    void categoryLabelsTranslatedInTheKindsContext();
    void startValueFromDateTaken_data();
    void startValueFromDateTaken();
    void subsetBookkeepingAcrossAbcFiles();
    void deletingSubsetZeroShiftsTheOthers();
    void markedEntriesPerSubsetAndInAll();
    void uniteMemorizeAndRestore();
    void storeMarkedEntriesWritesTheirFiles();
    void listFileHoldsAtMost1001Entries();
    void listFileLinesAreObjectPaths();
    void subFileOfClip();
    void subFileOfBookAndMusic_data();
    void subFileOfBookAndMusic();
    void photoWritesNoSubFile();
    void previewWithNothingMarkedStartsNothing();
    void previewStartsCommandOnList();
    void previewOfOneSubset();
    void presentWithNothingMarkedStillStarts();

private:
    QString boxPath(const QString &box) const { return m_base->completeName() + QLatin1Char('/') + box; }
    QString recordPath() const { return m_dir->path() + QStringLiteral("/viewer-record"); }
    QStringList recordedArguments() const;
    QStringList recordedList() const;
    MyAbcFile *abcFile(AnyBox *box, const QString &rema) const;
    Entry *entry(AnyBox *box, const QString &remark) const;
    PhotoBox *photoWithThreeFiles();

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
};

void TestAnyBox::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    QVERIFY(m_base->initOk());
    qputenv("TESSARY_FAKE_RECORD", recordPath().toLocal8Bit());
}

void TestAnyBox::cleanup()
{
    qunsetenv("TESSARY_FAKE_RECORD");
    m_base.reset();
    m_dir.reset();
}

QStringList TestAnyBox::recordedArguments() const
{
    return QString::fromUtf8(TestSupport::readFile(recordPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList TestAnyBox::recordedList() const
{
    return QString::fromUtf8(TestSupport::readFile(recordPath() + QStringLiteral(".list")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

MyAbcFile *TestAnyBox::abcFile(AnyBox *box, const QString &rema) const
{
    return box->findChild<MyAbcFile *>(NAME_ABC_FILE + QLatin1Char('_') + rema);
}

Entry *TestAnyBox::entry(AnyBox *box, const QString &remark) const
{
    MyAbcFile *file = abcFile(box, remark.left(4));
    return file && file->entryExist(remark.mid(4)) ? file->getEntry(remark.mid(4)) : nullptr;
}

// qw/er with 2 entries, qw/as with 1, ab/cd with 3; the list folder beside the box.
PhotoBox *TestAnyBox::photoWithThreeFiles()
{
    const QString path = boxPath(NAME_PHOTO);
    if (!StorageSupport::writeAbcFile(path, {"qweraa", "qwerab"})
        || !StorageSupport::writeAbcFile(path, {"qwasaa"})
        || !StorageSupport::writeAbcFile(path, {"abcdaa", "abcdab", "abcdac"}))
        return nullptr;
    new MyFolder(NAME_SLD_FOLDER, m_base.data());
    auto box = new PhotoBox(NAME_PHOTO, m_base.data());
    box->setExtPlayList(NAME_PHOTO_PLAYLIST_EXT);
    return box;
}

void TestAnyBox::catalogueScanFindsTwoLevelsOfFolders()
{
    const QString path = boxPath(NAME_PHOTO);
    QVERIFY(StorageSupport::writeAbcFile(path, {"qweraa", "qwerab"}));
    QVERIFY(StorageSupport::writeAbcFile(path, {"abcdaa"}));
    // None of these is a catalogue folder.
    QVERIFY(QDir().mkpath(path + "/QW/ER"));
    QVERIFY(QDir().mkpath(path + "/abc/de"));
    QVERIFY(QDir().mkpath(path + "/qw/e1"));
    QVERIFY(TestSupport::writeFile(path + "/zz", "a file, not a folder"));

    auto box = new PhotoBox(NAME_PHOTO, m_base.data());
    QVERIFY(box->initOk());
    QCOMPARE(box->getCount(), 3u);
    const QList<MyAbcFile *> files = box->findChildren<MyAbcFile *>();
    QCOMPARE(files.size(), 2);
    // Name order: ab before qw.
    QCOMPARE(files.at(0)->objectName(), QStringLiteral("abc_abcd"));
    QCOMPARE(files.at(1)->objectName(), QStringLiteral("abc_qwer"));
    QCOMPARE(files.at(1)->completeName(), path + "/qw/er/abc");
    QCOMPARE(box->unit(QStringLiteral("abc_qwer")), files.at(1));
    box->addCount(2);
    QCOMPARE(box->getCount(), 5u);

    // A box directory that is missing is made, empty.
    auto music = new MusicBox(NAME_MUSIC, m_base.data());
    QVERIFY(music->initOk());
    QCOMPARE(music->getCount(), 0u);
    QVERIFY(QFileInfo(boxPath(NAME_MUSIC)).isDir());
}

void TestAnyBox::extensionsFromSetting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("default photo") << PHOTO_EXT << QStringList({"jpg", "jpeg", "raf", "png"});
    QTest::newRow("empty parts") << "MP3,,wav" << QStringList({"mp3", "wav"});
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("case twins") << "jpg, JPG" << QStringList({"jpg"});
}

void TestAnyBox::extensionsFromSetting()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    PhotoBox box(NAME_PHOTO, m_base.data());
    box.setExt(QStringLiteral("old"));
    box.setExt(text);
    QCOMPARE(box.ext(), QSet<QString>(expected.cbegin(), expected.cend()));
}

void TestAnyBox::kindsDifferInDateFormatAndSubFiles()
{
    PhotoBox photo(NAME_PHOTO, m_base.data());
    BookBox book(NAME_BOOK, m_base.data());
    ClipBox clip(NAME_CLIP, m_base.data());
    MusicBox music(NAME_MUSIC, m_base.data());
    QCOMPARE(photo.dateFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(clip.dateFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(book.dateFormat(), QStringLiteral("yyyy"));
    QCOMPARE(music.dateFormat(), QStringLiteral("yyyy"));
    QVERIFY(!photo.useSubFile());
    QVERIFY(clip.useSubFile() && book.useSubFile() && music.useSubFile());
    QCOMPARE(QString(photo.metaObject()->className()), QStringLiteral("PhotoBox"));
    QCOMPARE(QString(music.metaObject()->className()), QStringLiteral("MusicBox"));
}

void TestAnyBox::categoryStructureOfEachKind()
{
    PhotoBox photo(NAME_PHOTO, m_base.data());
    photo.setMyCategories(PHOTO_CATEGORIES);
    photo.setCategoryLabels();
    Category category = photo.category();
    QCOMPARE(category.subCategory_A().label, QStringLiteral("Which"));
    QCOMPARE(category.listSubCategoryValues_A().size(), 9);
    QCOMPARE(category.listSubCategoryValues_B().first(), QStringLiteral("Water"));
    QCOMPARE(category.subCategory_D().label, QStringLiteral("Daytime"));
    QCOMPARE(category.listSubCategoryValues_E(), QStringList({"winter", "spring", "summer", "autumn"}));
    QCOMPARE(category.subCategory_F().label, QStringLiteral("Picture"));
    QCOMPARE(category.listSubCategoryValues_F().size(), 16);
    QCOMPARE(category.listSubCategoryValues_F().first(), QStringLiteral("chronicle"));
    QCOMPARE(category.subCategory_F().values.first().description, QStringLiteral("-"));
    QVERIFY(category.subCategory_A().required);
    QVERIFY(!category.subCategory_F().required);
    QCOMPARE(category.listSubCategoryValues_G(), QStringList({"pose", "reporting"}));

    // The setting decides the main categories; a changed setting takes effect on the next rebuild.
    ClipBox clip(NAME_CLIP, m_base.data());
    clip.setMyCategories(QStringLiteral("blank|-,holiday|x"));
    clip.setCategoryLabels();
    QCOMPARE(clip.category().listSubCategoryValues_F(), QStringList({"blank", "holiday"}));
    QCOMPARE(clip.category().subCategory_F().values.at(1).description, QStringLiteral("x"));
    QCOMPARE(clip.category().subCategory_C().label, QStringLiteral("Where"));

    BookBox book(NAME_BOOK, m_base.data());
    book.setMyCategories(BOOK_CATEGORIES);
    book.setCategoryLabels();
    category = book.category();
    QCOMPARE(category.subCategory_A().label, QStringLiteral("A"));
    QVERIFY(!category.subCategory_A().inUse);
    QCOMPARE(category.subCategory_C().label, QStringLiteral("Home country"));
    QCOMPARE(category.listSubCategoryValues_D(), QStringList({"other", "antique", "classic", "modern"}));
    QCOMPARE(category.subCategory_E().label, QStringLiteral("Auditory"));
    QCOMPARE(category.subCategory_F().label, QStringLiteral("Genre"));
    QVERIFY(category.subCategory_F().required);
    QCOMPARE(category.listSubCategoryValues_F().at(12), QStringLiteral("art"));
    QCOMPARE(category.listSubCategoryValues_G(), QStringList({"prose", "poesy"}));
    QVERIFY(category.isEmpty(0));
    QVERIFY(!category.isEmpty(1u << 23));

    MusicBox music(NAME_MUSIC, m_base.data());
    music.setMyCategories(MUSIC_CATEGORIES);
    music.setCategoryLabels();
    category = music.category();
    QCOMPARE(category.subCategory_D().label, QStringLiteral("Perfomance"));
    QCOMPARE(category.listSubCategoryValues_E(), QStringList({"blank", "solo", "small", "great"}));
    QCOMPARE(category.subCategory_E().label, QStringLiteral("Number of performer"));
    QCOMPARE(category.subCategory_G().label, QStringLiteral("G"));
    QCOMPARE(category.listSubCategoryValues_G(), QStringList({"A", "B"}));
    QVERIFY(!category.subCategory_G().inUse);
    QCOMPARE(category.listSubCategoryValues_F().at(3), QStringLiteral("pop"));
}

// Stored labels stay keys; what the user sees is translated label by label, except the few labels a
// kind leaves as they are, and the placeholder axes are never translated.
void TestAnyBox::categoryLabelsTranslatedInTheKindsContext()
{
    KindTranslator translator;
    QCoreApplication::installTranslator(&translator);
    PhotoBox photo(NAME_PHOTO, m_base.data());
    photo.setMyCategories(PHOTO_CATEGORIES);
    photo.setCategoryLabels();
    BookBox book(NAME_BOOK, m_base.data());
    book.setMyCategories(BOOK_CATEGORIES);
    book.setCategoryLabels();
    MusicBox music(NAME_MUSIC, m_base.data());
    music.setMyCategories(MUSIC_CATEGORIES);
    music.setCategoryLabels();
    QCoreApplication::removeTranslator(&translator);

    const Category photoCategory = photo.category();
    QCOMPARE(photoCategory.subCategory_A().label, QStringLiteral("t_Which"));
    QCOMPARE(photoCategory.listSubCategoryValues_A().first(), QStringLiteral("t_water"));
    QCOMPARE(photoCategory.listSubCategoryValues_B().first(), QStringLiteral("T_water"));
    QCOMPARE(photoCategory.listSubCategoryValues_F().size(), 16);
    for (const QString &name : photoCategory.listSubCategoryValues_F())
        QVERIFY2(name.startsWith(QLatin1String("t_")), qPrintable(name));
    QCOMPARE(photoCategory.subCategory_F().values.first().description, QStringLiteral("-"));
    QCOMPARE(photo.myCategories(), PHOTO_CATEGORIES);

    const Category bookCategory = book.category();
    QCOMPARE(bookCategory.subCategory_A().label, QStringLiteral("A"));
    QCOMPARE(bookCategory.listSubCategoryValues_A(), QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "I"}));
    QCOMPARE(bookCategory.subCategory_C().label, QStringLiteral("t_Home country"));
    QCOMPARE(bookCategory.listSubCategoryValues_C(), QStringList({"t_native", "t_foreign"}));
    QCOMPARE(bookCategory.listSubCategoryValues_F().at(0), QStringLiteral("t_blank"));
    QCOMPARE(bookCategory.listSubCategoryValues_F().at(12), QStringLiteral("art"));
    QCOMPARE(bookCategory.listSubCategoryValues_F().at(15), QStringLiteral("t_empty_C"));

    const Category musicCategory = music.category();
    QCOMPARE(musicCategory.listSubCategoryValues_F().at(3), QStringLiteral("pop"));
    QCOMPARE(musicCategory.listSubCategoryValues_F().at(6), QStringLiteral("t_jazz"));
    QCOMPARE(musicCategory.subCategory_D().label, QStringLiteral("t_Perfomance"));
    QCOMPARE(musicCategory.subCategory_G().label, QStringLiteral("G"));
    QCOMPARE(musicCategory.listSubCategoryValues_G(), QStringList({"A", "B"}));
    QVERIFY(!musicCategory.subCategory_G().inUse);
    QVERIFY(musicCategory.subCategory_F().required);
    QVERIFY(!musicCategory.subCategory_C().required);
}

void TestAnyBox::startValueFromDateTaken_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<unsigned>("expected");
    QTest::newRow("10 July 14:30: summer, day") << QDate(2021, 7, 10) << QTime(14, 30) << ((2u << 21) + (2u << 19));
    QTest::newRow("January, no time: winter, evening") << QDate(2021, 1, 5) << QTime() << 3u * (1u << 19);
    QTest::newRow("1 March 06:00: spring, morning") << QDate(2020, 3, 1) << QTime(6, 0) << ((1u << 21) + (1u << 19));
    QTest::newRow("30 November 05:59: autumn, night") << QDate(2020, 11, 30) << QTime(5, 59) << (3u << 21);
    QTest::newRow("December 18:00: winter, evening") << QDate(2020, 12, 31) << QTime(18, 0) << (3u << 19);
    QTest::newRow("no date, noon: winter, day") << QDate() << QTime(12, 0) << (2u << 19);
}

void TestAnyBox::startValueFromDateTaken()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(unsigned, expected);
    auto folder = new MyFolder(NAME_SRC_FOLDER, m_base.data());
    QVERIFY(TestSupport::writeFile(folder->completeName() + "/a.jpg", "x"));
    MySourceFile file(QStringLiteral("a.jpg"), folder);
    file.setExifDate(date);
    file.setExifTime(time);

    PhotoBox photo(NAME_PHOTO, m_base.data());
    ClipBox clip(NAME_CLIP, m_base.data());
    BookBox book(NAME_BOOK, m_base.data());
    MusicBox music(NAME_MUSIC, m_base.data());
    AnyBox *asAny = &photo;
    QCOMPARE(asAny->startValueCategory(&file), expected);
    QCOMPARE(clip.startValueCategory(&file), expected);
    QCOMPARE(book.startValueCategory(&file), 0u);
    QCOMPARE(music.startValueCategory(&file), 0u);
}

void TestAnyBox::subsetBookkeepingAcrossAbcFiles()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    QCOMPARE(box->getCount(), 6u);
    MyAbcFile *qwer = abcFile(box, "qwer");
    MyAbcFile *qwas = abcFile(box, "qwas");
    MyAbcFile *abcd = abcFile(box, "abcd");
    QVERIFY(qwer && qwas && abcd);

    QCOMPARE(box->markedEntriesCount(), 0);
    QVERIFY(qwer->markEntry(entry(box, "qweraa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdab"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdac"), 1));
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>({qwer, abcd}));
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({abcd}));
    QCOMPARE(box->markedAbcFiles(2), QSet<MyAbcFile *>());

    // A file without subsets that is asked for subset 1 appends its own first subset, and the box
    // records the subset the file really holds.
    QVERIFY(qwas->markEntry(entry(box, "qwasaa"), 1));
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>({qwer, qwas, abcd}));
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({abcd}));
    QCOMPARE(box->markedAbcFiles(), QSet<MyAbcFile *>({qwer, qwas, abcd}));

    // A number a file reports beyond its own subsets changes nothing the file does not hold.
    box->markAbcFile(abcd, 7);
    QCOMPARE(box->countSubsets(), 2);
    box->unmarkAbcFile(abcd, 9);
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({abcd}));

    // markAllEntries() marks every entry of every file; each reports its own subset number.
    const QSet<MyAbcFile *> all = box->markAllEntries(0);
    QCOMPARE(all, QSet<MyAbcFile *>({qwer, qwas, abcd}));
    QCOMPARE(box->markedEntriesCount(0), 6);
    QCOMPARE(box->markedAbcFiles(0), all);

    box->unmarkAllEntries();
    QCOMPARE(box->countSubsets(), 0);
    QCOMPARE(box->markedEntriesCount(), 0);
    QCOMPARE(qwer->markedEntriesCount(), 0);
    QCOMPARE(abcd->markedEntriesCount(), 0);
}

void TestAnyBox::deletingSubsetZeroShiftsTheOthers()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    MyAbcFile *qwer = abcFile(box, "qwer");
    MyAbcFile *qwas = abcFile(box, "qwas");
    MyAbcFile *abcd = abcFile(box, "abcd");
    // Subsets 0, 1 and 2, each kept by one file; qwer holds 0 and 1.
    QVERIFY(qwer->markEntry(entry(box, "qweraa"), 0));
    QVERIFY(qwer->markEntry(entry(box, "qwerab"), 1));
    QVERIFY(qwas->markEntry(entry(box, "qwasaa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdaa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdab"), 1));
    QVERIFY(abcd->markEntry(entry(box, "abcdac"), 2));
    QCOMPARE(box->countSubsets(), 3);
    QCOMPARE(box->markedEntriesCount(0), 3);
    QCOMPARE(box->markedEntriesCount(1), 2);
    QCOMPARE(box->markedEntriesCount(2), 1);

    box->deleteSubset(0);
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>({qwer, abcd}));
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({abcd}));
    QCOMPARE(box->markedEntriesCount(0), 2);
    QCOMPARE(box->markedEntriesCount(1), 1);
    QCOMPARE(box->markedEntries(1), QList<Entry *>({entry(box, "abcdac")}));

    // Unmarking the last entries of subset 0 leaves it empty in its place: the files keep their empty
    // subset 0, so subset 1 keeps its number in the box too.
    QVERIFY(qwer->unmarkEntry(entry(box, "qwerab"), 0));
    QCOMPARE(box->countSubsets(), 2);
    QVERIFY(abcd->unmarkEntry(entry(box, "abcdab"), 0));
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>());
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({abcd}));
    QCOMPARE(box->markedEntries(1), QList<Entry *>({entry(box, "abcdac")}));

    box->deleteSubset(5);
    QCOMPARE(box->countSubsets(), 2);
}

void TestAnyBox::markedEntriesPerSubsetAndInAll()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    MyAbcFile *qwer = abcFile(box, "qwer");
    MyAbcFile *abcd = abcFile(box, "abcd");
    QVERIFY(qwer->markEntry(entry(box, "qweraa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdaa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdab"), 1));
    QVERIFY(abcd->markEntry(entry(box, "abcdaa"), 1));

    const QList<Entry *> zero = box->markedEntries(0);
    QCOMPARE(QSet<Entry *>(zero.cbegin(), zero.cend()),
             QSet<Entry *>({entry(box, "qweraa"), entry(box, "abcdaa")}));
    QCOMPARE(zero.size(), 2);
    QCOMPARE(box->markedEntriesCount(1), 2);
    // Over all subsets each entry counts once.
    const QList<Entry *> all = box->markedEntries();
    QCOMPARE(all.size(), 3);
    QCOMPARE(box->markedEntriesCount(), 3);
    QCOMPARE(QSet<Entry *>(all.cbegin(), all.cend()),
             QSet<Entry *>({entry(box, "qweraa"), entry(box, "abcdaa"), entry(box, "abcdab")}));
    QCOMPARE(box->markedEntries(4), QList<Entry *>());
    QCOMPARE(box->markedEntriesCount(4), 0);
}

void TestAnyBox::uniteMemorizeAndRestore()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    MyAbcFile *qwer = abcFile(box, "qwer");
    MyAbcFile *qwas = abcFile(box, "qwas");
    MyAbcFile *abcd = abcFile(box, "abcd");
    // Subset 0 holds four entries of three files; subset 1 narrows it to two of them.
    QVERIFY(qwer->markEntry(entry(box, "qweraa"), 0));
    QVERIFY(qwas->markEntry(entry(box, "qwasaa"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdac"), 0));
    QVERIFY(abcd->markEntry(entry(box, "abcdab"), 0));
    QVERIFY(qwas->markEntry(entry(box, "qwasaa"), 1));
    QVERIFY(abcd->markEntry(entry(box, "abcdab"), 1));

    box->memorizeMarked();
    box->uniteSubsets();
    QCOMPARE(box->countSubsets(), 1);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>({qwer, qwas, abcd}));
    QCOMPARE(box->markedEntriesCount(0), 4);
    QCOMPARE(abcd->markedEntriesCount(0), 2);

    box->unmarkAllEntries();
    QCOMPARE(box->markedEntriesCount(), 0);
    box->restoreMarked();
    QCOMPARE(box->countSubsets(), 2);
    QCOMPARE(box->markedAbcFiles(0), QSet<MyAbcFile *>({qwer, qwas, abcd}));
    QCOMPARE(box->markedAbcFiles(1), QSet<MyAbcFile *>({qwas, abcd}));
    QCOMPARE(box->markedEntriesCount(0), 4);
    const QList<Entry *> narrowed = box->markedEntries(1);
    QCOMPARE(QSet<Entry *>(narrowed.cbegin(), narrowed.cend()),
             QSet<Entry *>({entry(box, "qwasaa"), entry(box, "abcdab")}));

    // The memory is used up: a second restore leaves nothing marked.
    box->restoreMarked();
    QCOMPARE(box->countSubsets(), 0);
    QCOMPARE(box->markedEntriesCount(), 0);

    // Uniting nothing leaves one empty subset 0.
    box->uniteSubsets();
    QCOMPARE(box->countSubsets(), 1);
    QCOMPARE(box->markedEntriesCount(0), 0);
}

void TestAnyBox::storeMarkedEntriesWritesTheirFiles()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    Entry *marked = entry(box, "abcdab");
    Entry *unmarked = entry(box, "qweraa");
    QVERIFY(abcFile(box, "abcd")->markEntry(marked, 0));
    QVERIFY(marked->setField(4, QStringLiteral("2")));
    QVERIFY(unmarked->setField(4, QStringLiteral("5")));
    QVERIFY(box->storeMarkedEntries());
    const QByteArray abcd = TestSupport::readFile(boxPath(NAME_PHOTO) + "/ab/cd/abc");
    QVERIFY(abcd.contains("~abcdab~abcdab~d41d8cd98f00b204e9800998ecf8427e~2~"));
    QCOMPARE(abcd.count('\n'), 3);
    // Files without marks are not written.
    QVERIFY(!TestSupport::readFile(boxPath(NAME_PHOTO) + "/qw/er/abc").contains("~5~"));
}

void TestAnyBox::listFileHoldsAtMost1001Entries()
{
    const QString path = boxPath(NAME_CLIP);
    QVERIFY(StorageSupport::writeAbcFile(path, StorageSupport::remarks("aaaa", 600), "mp4"));
    QVERIFY(StorageSupport::writeAbcFile(path, StorageSupport::remarks("zzzz", 405), "mp4"));
    new MyFolder(NAME_SLD_FOLDER, m_base.data());
    auto box = new ClipBox(NAME_CLIP, m_base.data());
    box->setExtPlayList(NAME_CLIP_PLAYLIST_EXT);
    QCOMPARE(box->getCount(), 1005u);
    box->markAllEntries(0);
    QCOMPARE(box->markedEntriesCount(), 1005);

    QSignalSpy reduced(box, &AnyBox::showReduce);
    const QString list = box->makePlayListFile(QStringLiteral("many"));
    QCOMPARE(list, m_base->completeName() + "/_sld/many.mpl");
    QCOMPARE(reduced.count(), 4);
    const QStringList lines = QString::fromLocal8Bit(TestSupport::readFile(list)).split('\n');
    QCOMPARE(lines.size(), 1002); // 1001 lines, each ended by a line break
    QCOMPARE(lines.last(), QString());
    QCOMPARE(QSet<QString>(lines.cbegin(), lines.cend() - 1).size(), 1001);
    for (int i = 0; i < 1001; ++i)
        QVERIFY2(QFileInfo(lines.at(i)).path().startsWith(path + "/"), qPrintable(lines.at(i)));

    // A second list of the same name replaces the first.
    QList<Entry *> two = box->markedEntries().mid(0, 2);
    QCOMPARE(box->makePlayListFile(QStringLiteral("many"), two), list);
    QCOMPARE(TestSupport::readFile(list).count('\n'), 2);
    QCOMPARE(reduced.count(), 4);
}

void TestAnyBox::listFileLinesAreObjectPaths()
{
    const QString path = boxPath(NAME_BOOK);
    QVERIFY(QDir().mkpath(path + "/qw/er"));
    QVERIFY(TestSupport::writeFile(path + "/qw/er/abc",
                                   (StorageSupport::entryLine("qwerty", "Tolstoy.War.and.Peace.FB2", "1869") + "\n"
                                    + StorageSupport::entryLine("qwerza", "README", "2001") + "\n")
                                       .toUtf8()));
    new MyFolder(NAME_SLD_FOLDER, m_base.data());
    auto box = new BookBox(NAME_BOOK, m_base.data());
    box->setExtPlayList(NAME_BOOK_PLAYLIST_EXT);
    MyAbcFile *file = abcFile(box, "qwer");
    QVERIFY(file);
    const QList<Entry *> entries({file->getEntry("ty"), file->getEntry("za")});
    const QString list = box->makePlayListFile(QStringLiteral("books"), entries);
    QCOMPARE(list, m_base->completeName() + "/_sld/books.tpl");
    QCOMPARE(QString::fromLocal8Bit(TestSupport::readFile(list)),
             path + "/qw/er/ty.FB2\n" + path + "/qw/er/za.README\n");
}

void TestAnyBox::subFileOfClip()
{
    auto box = new ClipBox(NAME_CLIP, m_base.data());
    QVERIFY(QDir().mkpath(boxPath(NAME_CLIP) + "/qw/er"));
    QVERIFY(box->makeSubFile(QStringLiteral("qwerty\nSommer am See,Anna Müller\n10.07.2021")));
    QCOMPARE(TestSupport::readFile(boxPath(NAME_CLIP) + "/qw/er/ty.sub"),
             QByteArray("FORMAT=0\n0 0\nqwerty\nSommer am See,Anna M\xc3\xbcller\n10.07.2021\n"));
    // Written again, the file is replaced whole.
    QVERIFY(box->makeSubFile(QStringLiteral("qwerty\nunknown,unknown\n01.01.2000")));
    QCOMPARE(TestSupport::readFile(boxPath(NAME_CLIP) + "/qw/er/ty.sub"),
             QByteArray("FORMAT=0\n0 0\nqwerty\nunknown,unknown\n01.01.2000\n"));
    // Without a remark there is no place to write to.
    QVERIFY(!box->makeSubFile(QStringLiteral("QWERTY\ntitle\n2000")));
}

void TestAnyBox::subFileOfBookAndMusic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("title and author") << "qwerty\nKrieg und Frieden,Lew Tolstoi\n1869"
                                      << QByteArray("Krieg und Frieden\nLew Tolstoi\n1869\n");
    QTest::newRow("title only") << "qwerty\nAnonymous tale\n1500" << QByteArray("Anonymous tale\n\n1500\n");
    QTest::newRow("two commas") << "qwerty\na,b,c\n1999" << QByteArray("\n\n1999\n");
    QTest::newRow("no date") << "qwerty\nTitle,Author" << QByteArray("Title\nAuthor\n");
    QTest::newRow("remark only") << "qwerty" << QByteArray("\n");
    QTest::newRow("windows line ends") << "qwerty\r\nT,A\r\n2020" << QByteArray("T\nA\n2020\n");
}

void TestAnyBox::subFileOfBookAndMusic()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    auto book = new BookBox(NAME_BOOK, m_base.data());
    auto music = new MusicBox(NAME_MUSIC, m_base.data());
    for (AnyBox *box : {static_cast<AnyBox *>(book), static_cast<AnyBox *>(music)}) {
        QVERIFY(QDir().mkpath(box->completeName() + "/qw/er"));
        QVERIFY(box->makeSubFile(text));
        QCOMPARE(TestSupport::readFile(box->completeName() + "/qw/er/ty.sub"), expected);
    }
}

void TestAnyBox::photoWritesNoSubFile()
{
    auto box = new PhotoBox(NAME_PHOTO, m_base.data());
    QVERIFY(QDir().mkpath(boxPath(NAME_PHOTO) + "/qw/er"));
    QVERIFY(!box->makeSubFile(QStringLiteral("qwerty\nTitle,Author\n10.07.2021")));
    QVERIFY(!QFile::exists(boxPath(NAME_PHOTO) + "/qw/er/ty.sub"));
}

void TestAnyBox::previewWithNothingMarkedStartsNothing()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    box->setExecPreview(StorageSupport::fake("fake_viewer.sh") + " -list %1");
    QProcess process;
    QCOMPARE(box->previewSelected(&process), QString());
    QCOMPARE(box->previewSelected(QStringLiteral("named"), &process), QString());
    QCOMPARE(box->previewSelected(0, &process), QString());
    QCOMPARE(box->previewSelected(0, QStringLiteral("named"), &process), QString());
    QCOMPARE(process.state(), QProcess::NotRunning);
    QCOMPARE(process.error(), QProcess::UnknownError); // never started
    QVERIFY(QDir(m_base->completeName() + "/_sld").isEmpty());
    QVERIFY(!QFile::exists(recordPath()));

    // With marks only in subset 1, subset 0 still has nothing to preview.
    QVERIFY(abcFile(box, "qwas")->markEntry(entry(box, "qwasaa"), 1));
    QCOMPARE(box->countSubsets(), 1); // the file's new subset is the box's first
    QCOMPARE(box->previewSelected(1, &process), QString());
    QCOMPARE(process.state(), QProcess::NotRunning);
}

void TestAnyBox::previewStartsCommandOnList()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    box->setExecPreview(StorageSupport::fake("fake_viewer.sh") + " \"--file list\" %1");
    QVERIFY(abcFile(box, "qwer")->markEntry(entry(box, "qwerab"), 0));
    QVERIFY(abcFile(box, "abcd")->markEntry(entry(box, "abcdac"), 1));

    QProcess process;
    const QString list = box->previewSelected(&process);
    const QString name = QFileInfo(list).completeBaseName();
    QVERIFY2(QRegularExpression("^\\d{9}$").match(name).hasMatch(), qPrintable(name));
    QCOMPARE(QFileInfo(list).path(), m_base->completeName() + "/_sld");
    QCOMPARE(QFileInfo(list).suffix(), NAME_PHOTO_PLAYLIST_EXT);
    // Started, not waited for: the record appears later.
    QTRY_VERIFY(QFile::exists(recordPath()));
    QCOMPARE(recordedArguments(), QStringList({"--file list", list}));
    QStringList listed = recordedList();
    listed.sort();
    const QString photo = boxPath(NAME_PHOTO);
    QCOMPARE(listed, QStringList({photo + "/ab/cd/ac.jpg", photo + "/qw/er/ab.jpg"}));
    QTRY_COMPARE(process.state(), QProcess::NotRunning);
}

void TestAnyBox::previewOfOneSubset()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    box->setExecPreview(StorageSupport::fake("fake_viewer.sh") + " -list %1 ");
    QVERIFY(abcFile(box, "qwer")->markEntry(entry(box, "qwerab"), 0));
    QVERIFY(abcFile(box, "abcd")->markEntry(entry(box, "abcdab"), 0));
    QVERIFY(abcFile(box, "abcd")->markEntry(entry(box, "abcdac"), 1));
    QVERIFY(abcFile(box, "abcd")->markEntry(entry(box, "abcdaa"), 1));
    QCOMPARE(box->markedEntriesCount(1), 2);

    QProcess process;
    const QString list = box->previewSelected(1, QStringLiteral("stage"), &process);
    QCOMPARE(list, m_base->completeName() + "/_sld/stage.sld");
    QTRY_VERIFY(QFile::exists(recordPath()));
    QCOMPARE(recordedArguments(), QStringList({"-list", list}));
    QStringList listed = recordedList();
    listed.sort();
    QCOMPARE(listed, QStringList({boxPath(NAME_PHOTO) + "/ab/cd/aa.jpg", boxPath(NAME_PHOTO) + "/ab/cd/ac.jpg"}));
    QTRY_COMPARE(process.state(), QProcess::NotRunning);
}

void TestAnyBox::presentWithNothingMarkedStillStarts()
{
    PhotoBox *box = photoWithThreeFiles();
    QVERIFY(box);
    box->setExecPresent(StorageSupport::fake("fake_viewer.sh") + " --slideshow %1");
    QProcess process;
    const QString list = box->presentSelected(QStringLiteral("show"), &process);
    QCOMPARE(list, m_base->completeName() + "/_sld/show.sld");
    QVERIFY(QFileInfo(list).isFile());
    QCOMPARE(QFileInfo(list).size(), 0);
    QTRY_VERIFY(QFile::exists(recordPath()));
    QCOMPARE(recordedArguments(), QStringList({"--slideshow", list}));
    QTRY_COMPARE(process.state(), QProcess::NotRunning);

    // With marks the present command gets them all, whatever their subset.
    QFile::remove(recordPath());
    QVERIFY(abcFile(box, "qwer")->markEntry(entry(box, "qweraa"), 0));
    QVERIFY(abcFile(box, "qwas")->markEntry(entry(box, "qwasaa"), 1));
    const QString second = box->presentSelected(&process);
    QTRY_VERIFY(QFile::exists(recordPath()));
    QCOMPARE(recordedArguments(), QStringList({"--slideshow", second}));
    QCOMPARE(recordedList().size(), 2);
    QTRY_COMPARE(process.state(), QProcess::NotRunning);
}

QTEST_GUILESS_MAIN(TestAnyBox)
#include "tst_anybox.moc"
