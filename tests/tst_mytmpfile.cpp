#include <QDir>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "constants.h"
#include "mysettings.h"
#include "mytmpfile.h"
#include "mywrdfile.h"
#include "unittree.h"
#include "testsupport.h"

namespace {

// A whole box set in a temporary directory, so that templates can be checked against real boxes.
class BoxSet
{
public:
    BoxSet()
        : settings(TestSupport::makeSettings(dir))
        , boxes(new UnitTree(settings.data()))
    {
        tmp = dynamic_cast<MyTmpFile *>(boxes->baseFolder()->unit(NAME_TMP_FILE));
        wrd = dynamic_cast<MyWrdFile *>(boxes->baseFolder()->unit(NAME_WRD_FILE));
    }

    QString path() const { return TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_TMP_FILE; }
    QByteArray content() const { return TestSupport::readFile(path()); }
    bool write(const QByteArray &content) const { return TestSupport::writeFile(path(), content); }

    QTemporaryDir dir;
    QScopedPointer<MySettings> settings;
    QScopedPointer<UnitTree> boxes;
    MyTmpFile *tmp = nullptr;
    MyWrdFile *wrd = nullptr;
};

MyTmpFile::task makeTask(const QString &session, const QString &remark, const QString &hardcopy,
                         const QString &category, const QString &keyword, const QString &caption, const QString &date,
                         bool plus = false)
{
    MyTmpFile::task t;
    t.session = session;
    t.remark = remark;
    t.hardcopy = hardcopy;
    t.category = category;
    t.keyword = keyword;
    t.caption = caption;
    t.date = date;
    t.plus = plus;
    return t;
}

// One task as "session|remark|hardcopy|category|keyword|caption|date|plus", for comparisons.
QString text(const MyTmpFile::task &t)
{
    return QStringList({t.session, t.remark, t.hardcopy, t.category, t.keyword, t.caption, t.date,
                        t.plus ? "plus" : "-"})
        .join('|');
}

QStringList texts(const QList<MyTmpFile::task> &tasks)
{
    QStringList list;
    for (const MyTmpFile::task &t : tasks)
        list << text(t);
    return list;
}

const QByteArray SEA_BLOCK = "<photo:sea:Summer trips>\n"
                             "\t\tA:1,3\n\t\tB:qwerty\n\t\tC:0\n\t\tD:+water,outside\n\t\tE:+cat\n\t\tF:Red Sea\n"
                             "\t\tG:01.01.2010-31.12.2010\n\t:search\n"
                             "\t:plus\n"
                             "\t\tA:\n\t\tB:~abcdef\n\t\tC:1\n\t\tD:\n\t\tE:\n\t\tF:\n\t\tG:...-01.01.2010\n\t:search\n"
                             "\n";

} // namespace

class TestMyTmpFile : public QObject
{
    Q_OBJECT

private slots:
    void unitIsPartOfBoxSet();
    void writtenInFileFormat();
    void writtenTemplateReadsBack();
    void headerWithoutDescription();
    void headerWithTooManyParts();
    void headerRules();
    void laterTemplateOfNameWins();
    void lastTaskWithoutSearchIsLost();
    void otherLinesAreIgnored();
    void byteOrderMarksAndUtf8();
    void damagedFileKeepsWhatItCan();
    void headerBreakersAreRefused();
    void criterionLineBreaksStayOnTheirLine();
    void appendAfterUnterminatedLine();
    void unwritableFileKeepsTemplateInMemory();
    void checkSessionsAndHardcopies();
    void checkRemarksAndCaptions();
    void checkDates();
    void checkYearDates();
    void checkCategories();
    void checkKeywords();
    void viewShowsStages();
    void viewOfUnknownTemplate();
};

void TestMyTmpFile::unitIsPartOfBoxSet()
{
    BoxSet set;
    QVERIFY(set.tmp);
    QVERIFY(set.tmp->initOk());
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templatesCount(), 0);
    QVERIFY(set.tmp->templates().isEmpty());
    QVERIFY(set.tmp->describes().isEmpty());
}

void TestMyTmpFile::writtenInFileFormat()
{
    BoxSet set;
    const QList<MyTmpFile::task> tasks = {
        makeTask("1,3", "qwerty", "0", "+water,outside", "+cat", "Red Sea", "01.01.2010-31.12.2010"),
        makeTask("", "~abcdef", "1", "", "", "", "...-01.01.2010", true)};
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "sea", "Summer trips", tasks));
    QCOMPARE(set.content(), SEA_BLOCK);
    QVERIFY(set.tmp->addTask(NAME_MUSIC, "empty", "", {}));
    QCOMPARE(set.content(), SEA_BLOCK + "<music:empty:--->\n\n");
}

void TestMyTmpFile::writtenTemplateReadsBack()
{
    BoxSet set;
    const QList<MyTmpFile::task> tasks = {
        makeTask("1,3", "qwerty", "0", "+water,outside", "+cat", "Red Sea", "01.01.2010-31.12.2010"),
        makeTask("", "~abcdef", "1", "", "", "", "...-01.01.2010", true)};
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "sea", "Summer trips", tasks));
    QVERIFY(set.tmp->addTask(NAME_BOOK, "novels", "Long ones", {makeTask("", "", "", ",,,,belles", "", "", "")}));
    // In memory at once, with its owner.
    QCOMPARE(texts(set.tmp->getTask("sea")), texts(tasks));
    QCOMPARE(set.tmp->own("novels"), NAME_BOOK);

    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templatesCount(), 1);
    QCOMPARE(set.tmp->templatesCount(NAME_PHOTO), 1);
    QCOMPARE(set.tmp->templatesCount(NAME_BOOK), 0);
    QCOMPARE(texts(set.tmp->getTask("sea")), texts(tasks));
    QCOMPARE(set.tmp->describes().value("sea"), QStringLiteral("Summer trips"));
    QCOMPARE(set.tmp->own("sea"), NAME_PHOTO);
    QVERIFY(set.tmp->getTask("novels").isEmpty());
    QCOMPARE(set.tmp->own("novels"), QString());

    set.tmp->loadTemplates(NAME_BOOK);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"novels"}));
    QCOMPARE(texts(set.tmp->getTask("novels")), QStringList({"|||,,,,belles||||-"}));
}

void TestMyTmpFile::headerWithoutDescription()
{
    BoxSet set;
    QVERIFY(set.write("<photo:sea:>\n\t\tA:2\n\t:search\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->describes().value("sea"), QStringLiteral("---"));
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"2|||||||-"}));
    set.tmp->loadTemplates(NAME_BOOK);
    QCOMPARE(set.tmp->templatesCount(), 0);
    QVERIFY(set.tmp->describes().isEmpty());
}

void TestMyTmpFile::headerWithTooManyParts()
{
    BoxSet set;
    QVERIFY(set.write("<photo:sea:x>\n\t\tA:1\n\t:search\n"
                      "<photo:a:b:c>\n\t\tA:2\n\t:search\n"
                      "<photo:lake:y>\n\t\tA:3\n\t:search\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"lake", "sea"}));
    // The bad header closed sea, and its task went nowhere.
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"1|||||||-"}));
    QCOMPARE(texts(set.tmp->getTask("lake")), QStringList({"3|||||||-"}));
    QVERIFY(!set.tmp->describes().contains("a"));
}

void TestMyTmpFile::headerRules()
{
    BoxSet set;
    QVERIFY(set.write("  <  photo :  deep   sea : blue   water >  \n\t\tA:1\n\t:search\n"
                      "<photo::nameless>\n\t\tA:2\n\t:search\n"
                      "<library:sea:books>\n\t\tA:3\n\t:search\n"
                      "<photo:pond:x\n\t\tA:4\n\t:search\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"deep sea"}));
    QCOMPARE(set.tmp->describes().value("deep sea"), QStringLiteral("blue water"));
    QCOMPARE(texts(set.tmp->getTask("deep sea")), QStringList({"1|||||||-"}));
    set.tmp->loadTemplates(NAME_BOOK);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"sea"}));
    // "<photo:pond:x" is no header, so its task lines still belong to the library template.
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"3|||||||-", "4|||||||-"}));
}

void TestMyTmpFile::laterTemplateOfNameWins()
{
    BoxSet set;
    QVERIFY(set.write("<photo:sea:first>\n\t\tA:1\n\t:search\n\t\tA:2\n\t:search\n\n"
                      "<library:sea:books>\n\t\tA:9\n\t:search\n\n"
                      "<photo:sea:second>\n\t\tA:3\n\t:search\n\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templatesCount(), 1);
    QCOMPARE(set.tmp->describes().value("sea"), QStringLiteral("second"));
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"3|||||||-"}));

    // Storing a template of a known name replaces it in memory and, after loading, from the file too.
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "sea", "third", {makeTask("4", "", "", "", "", "", "")}));
    QCOMPARE(set.tmp->describes().value("sea"), QStringLiteral("third"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"4|||||||-"}));
}

void TestMyTmpFile::lastTaskWithoutSearchIsLost()
{
    BoxSet set;
    QVERIFY(set.write("<photo:sea:x>\n\t\tA:1\n\t:search\n\t:plus\n\t\tA:2\n\t\tB:qwerty\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"1|||||||-"}));
}

void TestMyTmpFile::otherLinesAreIgnored()
{
    BoxSet set;
    QVERIFY(set.write("\t\tA:0\n:search\n"
                      "<photo:sea:x>\r\n"
                      "comment line\r\n\t:plus\r\n\t\tE:  +cat   -dog \r\n\t\tH:7\r\n\t\tA:1\r\n\t:search   \r\n"
                      "\t\tG:2010\r\n:searching\r\n"));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templatesCount(), 1);
    // ":searching" starts with ":search" and closes the second task.
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"1||||+cat -dog|||plus", "||||||2010|-"}));
}

void TestMyTmpFile::damagedFileKeepsWhatItCan()
{
    BoxSet set;
    QByteArray content = SEA_BLOCK;
    content += '\0';
    content += "\xff\xfe garbage <<>> ::: \n";
    content += "<photo:lake:kept>\n\t\tA:5\n\t:search\n";
    // A copy of sea cut off in the middle of its second task.
    content += SEA_BLOCK.left(SEA_BLOCK.indexOf("\t:plus") + 20);
    QVERIFY(set.write(content));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"lake", "sea"}));
    QCOMPARE(texts(set.tmp->getTask("lake")), QStringList({"5|||||||-"}));
    // The cut-off copy of sea is the later one: its complete first task survives.
    QCOMPARE(set.tmp->getTask("sea").size(), 1);
    QCOMPARE(set.tmp->getTask("sea").first().session, QStringLiteral("1,3"));
}

void TestMyTmpFile::headerBreakersAreRefused()
{
    BoxSet set;
    const QList<MyTmpFile::task> tasks = {makeTask("1", "", "", "", "", "", "")};
    const QStringList badNames = {"a:b", "<sea", "sea>", "two\nlines", "cr\rname", "", "   "};
    for (const QString &name : badNames)
        QVERIFY2(!set.tmp->addTask(NAME_PHOTO, name, "fine", tasks), qPrintable(name));
    for (const QString &description : {QStringLiteral("at 10:30"), QStringLiteral("<b>"), QStringLiteral("a\nb")})
        QVERIFY(!set.tmp->addTask(NAME_PHOTO, "sea", description, tasks));
    QVERIFY(!set.tmp->addTask("pho:to", "sea", "fine", tasks));
    QVERIFY(!set.tmp->addTask("", "sea", "fine", tasks));
    QVERIFY(set.tmp->templates().isEmpty());
    QCOMPARE(set.content(), QByteArray());

    QVERIFY(set.tmp->addTask(NAME_PHOTO, "lake", "fine", tasks));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"lake"}));
}

void TestMyTmpFile::criterionLineBreaksStayOnTheirLine()
{
    BoxSet set;
    const QList<MyTmpFile::task> tasks = {makeTask("1", "", "", "", "", "Red\n<photo:evil:x>\r\nSea", "")};
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "sea", "captions", tasks));
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "lake", "after", {makeTask("2", "", "", "", "", "", "")}));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"lake", "sea"}));
    QCOMPARE(set.tmp->getTask("sea").size(), 1);
    QCOMPARE(set.tmp->getTask("sea").first().caption, QStringLiteral("Red <photo:evil:x> Sea"));
    QCOMPARE(texts(set.tmp->getTask("lake")), QStringList({"2|||||||-"}));
}

void TestMyTmpFile::appendAfterUnterminatedLine()
{
    BoxSet set;
    QVERIFY(set.write("<photo:sea:x>\n\t\tA:1\n\t:search"));
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "lake", "y", {makeTask("2", "", "", "", "", "", "")}));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"1|||||||-"}));
    QCOMPARE(texts(set.tmp->getTask("lake")), QStringList({"2|||||||-"}));
}

void TestMyTmpFile::unwritableFileKeepsTemplateInMemory()
{
    BoxSet set;
    QVERIFY(QFile::remove(set.path()));
    QVERIFY(QDir().mkdir(set.path()));
    QVERIFY(!set.tmp->addTask(NAME_PHOTO, "sea", "x", {makeTask("2", "", "", "", "", "", "")}));
    QCOMPARE(texts(set.tmp->getTask("sea")), QStringList({"2|||||||-"}));
    QCOMPARE(set.tmp->templatesCount(NAME_PHOTO), 1);
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templatesCount(), 0);
}

void TestMyTmpFile::checkSessionsAndHardcopies()
{
    BoxSet set;
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("0,3", "", "", "", "", "", "")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("3, 12", "", "0", "", "", "", "")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("~3", "", "0,1", "", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("x", "", "", "", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("-3", "", "", "", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "-1", "", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "one", "", "", "", "")));

    QVERIFY(set.tmp->addTask(NAME_PHOTO, "bad", "x", {makeTask("0,3", "", "0, two", "", "", "", "")}));
    bool ok = true;
    const QString html = set.tmp->viewTask("bad", &ok);
    QVERIFY(!ok);
    QVERIFY(html.contains("<td> <s>0</s>, 3 </td>"));
    QVERIFY(html.contains("<td> 0, <s>two</s> </td>"));
}

void TestMyTmpFile::checkRemarksAndCaptions()
{
    BoxSet set;
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "qwerty, abcdef", "", "", "", "any <thing>", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "qwerty,QWERTY", "", "", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "~abcde", "", "", "", "", "")));

    QVERIFY(set.tmp->addTask(NAME_PHOTO, "r", "x", {makeTask("", "~qwerty,abc", "", "", "", "  Red <Sea> ", "")}));
    bool ok = true;
    const QString html = set.tmp->viewTask("r", &ok);
    QVERIFY(!ok);
    QVERIFY(html.contains("<td> ~ qwerty, <s>abc</s> </td>"));
    // Captions are not tested, and their text cannot break the page.
    QVERIFY(html.contains("<td> Red &lt;Sea&gt; </td>"));
}

void TestMyTmpFile::checkDates()
{
    BoxSet set;
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "31.12.2010-01.01.2010")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "...-01.01.2010")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "01.01.2010-...")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "01.01.2010-01.01.2010, 15.05.2012")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "~ 01.01.2010 - 31.12.2010")));
    // Items of more than two parts are not tested.
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "a-b-c")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "2010")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "...-...")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "", "", "31.02.2010")));

    const QString dates = "31.12.2010-01.01.2010,...-01.01.2010";
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "d", "x", {makeTask("", "", "", "", "", "", dates)}));
    bool ok = true;
    QVERIFY(set.tmp->viewTask("d", &ok).contains("<td> <s>31.12.2010-01.01.2010</s>, ...-01.01.2010 </td>"));
    QVERIFY(!ok);
}

void TestMyTmpFile::checkYearDates()
{
    BoxSet set;
    QVERIFY(set.tmp->checkTask(NAME_MUSIC, makeTask("", "", "", "", "", "", "2005,1999-2005,...-2010")));
    QVERIFY(!set.tmp->checkTask(NAME_MUSIC, makeTask("", "", "", "", "", "", "05.05.2005")));
    QVERIFY(!set.tmp->checkTask(NAME_BOOK, makeTask("", "", "", "", "", "", "2010-2005")));
}

void TestMyTmpFile::checkCategories()
{
    BoxSet set;
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "+water-Sky,inside|outside,day,,chronicle,pose", "",
                                                    "", "")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "~,,,winter", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "+water+unicorn", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", ",Inside", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", ",inside|native", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", ",,,,,pose,extra", "", "", "")));

    // Each box is checked against its own model.
    QVERIFY(set.tmp->checkTask(NAME_BOOK, makeTask("", "", "", ",native,classic,youth,belles,poesy", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_BOOK, makeTask("", "", "", ",inside", "", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_MUSIC, makeTask("", "", "", ",,,,chronicle", "", "", "")));
    QVERIFY(set.tmp->checkTask(NAME_MUSIC, makeTask("", "", "", ",,vocal,solo,jazz", "", "", "")));

    QVERIFY(set.tmp->addTask(NAME_PHOTO, "c", "x", {makeTask("", "", "", "+water,inside|native,,summer", "", "", "")}));
    bool ok = true;
    QVERIFY(set.tmp->viewTask("c", &ok).contains("<td> +water, <s>inside|native</s>, , summer </td>"));
    QVERIFY(!ok);
}

void TestMyTmpFile::checkKeywords()
{
    BoxSet set;
    QVERIFY(set.wrd);
    QVERIFY(set.wrd->addNewWord("cat"));
    QVERIFY(set.wrd->addNewWord("Red Sea"));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "+cat - red  sea", "", "")));
    QVERIFY(set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "~CAT,+cat", "", "")));
    QVERIFY(!set.tmp->checkTask(NAME_PHOTO, makeTask("", "", "", "", "+cat-dog", "", "")));

    QVERIFY(set.tmp->addTask(NAME_PHOTO, "k", "x", {makeTask("", "", "", "", "~ +cat, +cat-dog", "", "")}));
    bool ok = true;
    QVERIFY(set.tmp->viewTask("k", &ok).contains("<td> ~ +cat, <s>+cat-dog</s> </td>"));
    QVERIFY(!ok);
}

void TestMyTmpFile::viewShowsStages()
{
    BoxSet set;
    const QList<MyTmpFile::task> tasks = {makeTask("1", "", "", "", "", "", ""),
                                          makeTask("", "", "0", "", "", "", ""),
                                          makeTask("", "qwerty", "", "", "", "", "", true)};
    QVERIFY(set.tmp->addTask(NAME_PHOTO, "sea", "Summer", tasks));
    set.tmp->loadTemplates(NAME_PHOTO);
    bool ok = true;
    const QString html = set.tmp->viewTask("sea", &ok);
    QVERIFY(ok);
    const QString table = "<table width = 100%>";
    const QString expected =
        table + "<tr> <td width = 20%> <b>Name</b> </td> <td>sea</td> </tr> "
        + "<tr> <td> <b>Description</b> </td> <td>Summer</td> </tr> </table>"
        + table + "<tr> <td align = right> <b>Stage 1</b> </td> </tr></table><hr />"
        + table + "<tr> <td width = 20%> <b> Session </b> </td> <td> 1 </td> </tr></table>"
        + table + "<tr> <td width = 10% align = right>specify... </td> <td> </td> </tr></table>"
        + table + "<tr> <td width = 20%> <b> Hardcopy </b> </td> <td> 0 </td> </tr></table>"
        + table + "<tr> <td align = right> <b>Stage 2</b> </td> </tr></table><hr />"
        + table + "<tr> <td width = 20%> <b> Remark </b> </td> <td> qwerty </td> </tr></table>";
    QCOMPARE(html, expected);
}

// A UTF-8 byte-order mark before the first header is skipped; after a UTF-16 one the templates
// appended later still read back as UTF-8.
void TestMyTmpFile::byteOrderMarksAndUtf8()
{
    BoxSet set;
    QVERIFY(set.write("\xef\xbb\xbf" + SEA_BLOCK));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"sea"}));

    QVERIFY(set.write("\xff\xfe\n"));
    QVERIFY(set.tmp->addTask(NAME_PHOTO, QStringLiteral("Über"), QStringLiteral("Straße"),
                             {makeTask("", "", "", "", "", "Café", "")}));
    set.tmp->loadTemplates(NAME_PHOTO);
    QCOMPARE(set.tmp->templates().keys(), QStringList({"Über"}));
    QCOMPARE(set.tmp->describes().value("Über"), QStringLiteral("Straße"));
    QCOMPARE(set.tmp->getTask("Über").first().caption, QStringLiteral("Café"));
}

void TestMyTmpFile::viewOfUnknownTemplate()
{
    BoxSet set;
    bool ok = true;
    const QString html = set.tmp->viewTask("nothing", &ok);
    QVERIFY(!ok);
    QVERIFY(html.contains("<b>Name</b> </td> <td>nothing</td>"));
    QVERIFY(!html.contains("Stage"));
    // A caller that does not ask for the verdict still gets the page.
    QVERIFY(!set.tmp->viewTask("nothing", nullptr).isEmpty());
}

QTEST_MAIN(TestMyTmpFile)
#include "tst_mytmpfile.moc"
