#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "searchdialog.h"
#include "selectionframe.h"
#include "selectionsupport.h"
#include "selectionuisupport.h"
#include "storagesupport.h"
#include "templatedialog.h"
#include "tessary.h"
#include "testsupport.h"
#include "withoutcategorydialog.h"
#include "withoutkeyworddialog.h"
#include "withouttitledialog.h"

using SelectionSupport::categoryValue;
using SelectionSupport::entryLine;
using namespace SelectionUiSupport;

using Remarks = QSet<QString>;

class TestSelectDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutFramesKeepUndescribedObjects();
    void limitedToSelectedAndEmptySubsetZero();
    void passFindingNothingGivesBackTheFormerSelection();
    void templateReplaysStageByStage();
    void savedSearchReplaysWithTheSameResult();
    void warningAboveThousandFound();
    void invalidTemplateAndNoTemplates();

private:
    void openBox(const QMap<QString, QStringList> &catalogue, const QByteArray &templates = QByteArray());
    template <class Frame> Frame *openFrame();
    void closeFrame();
    QString text(const char *name) const;
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString tmpPath() const { return basePath() + QLatin1Char('/') + NAME_TMP_FILE; }
    QStringList sortedLines(const QString &path) const;
    QStringList paths(const QStringList &remarks) const;
    bool selectTemplate(const QString &name);

    QScopedPointer<QTemporaryDir> m_dir;
    BoxSet m_set;
    AnyBox *m_box = nullptr;
    QScopedPointer<QFrame> m_central;
    QFrame *m_frame = nullptr;
};

static const QMap<QString, QStringList> DESCRIBED = {
    {"qwer",
     {entryLine("1", "qweraa", "qweraa", "0", categoryValue(1, 0, 0, 0, 0, 0, 0), "UNKNOWN", "Red Sea,John",
                "10.07.2020"),
      entryLine("1", "qwerab", "qwerab", "0", 0, "aaaa", "Unknown,x", "11.07.2020"),
      entryLine("2", "qwerac", "qweraa", "0", 0, "Unknown", "unknown,unknown", "12.07.2020")}},
    {"abcd",
     {entryLine("2", "abcdaa", "abcdaa", "0", categoryValue(2, 0, 0, 0, 0, 0, 0), "aaaa,aaab", "Harbour,Anna",
                "15.05.2021"),
      entryLine("3", "abcdab", "abcdab", "0", categoryValue(0, 0, 1, 0, 0, 0, 0), "unknown", "Old town,UNKNOWN",
                "20.06.2021")}}};

void TestSelectDialogs::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
    qputenv("TESSARY_FAKE_RECORD", (m_dir->path() + QStringLiteral("/viewer.record")).toLocal8Bit());
}

void TestSelectDialogs::cleanup()
{
    MyMessageBox::clearAnswers();
    qunsetenv("TESSARY_FAKE_RECORD");
    m_central.reset();
    m_frame = nullptr;
    delete m_set.tessary;
    delete m_set.settings;
    m_set = BoxSet();
    m_box = nullptr;
    m_dir.reset();
}

void TestSelectDialogs::openBox(const QMap<QString, QStringList> &catalogue, const QByteArray &templates)
{
    m_set = openPhotoBox(*m_dir, catalogue, "aaaa~sea~ocean\naaab~море\n", "1~01.01.2021~photo~First\n");
    m_box = m_set.photo;
    QVERIFY(m_box);
    QVERIFY(TestSupport::writeFile(tmpPath(), templates));
}

template <class Frame> Frame *TestSelectDialogs::openFrame()
{
    m_central.reset(new QFrame);
    auto frame = new Frame(m_box, m_central.data());
    (new QVBoxLayout(m_central.data()))->addWidget(frame);
    m_central->resize(1000, 800);
    m_central->show();
    m_frame = frame;
    return frame;
}

void TestSelectDialogs::closeFrame()
{
    delete m_frame;
    m_frame = nullptr;
}

QString TestSelectDialogs::text(const char *name) const
{
    auto label = m_frame ? m_frame->findChild<QLabel *>(QString::fromLatin1(name)) : nullptr;
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

QStringList TestSelectDialogs::sortedLines(const QString &path) const
{
    // A list file holds one path a line, each ended by a line break.
    const QByteArray bytes = TestSupport::readFile(path);
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        return {QStringLiteral("<last line not ended>")};
    QStringList list = fileLines(path);
    list.sort();
    return list;
}

QStringList TestSelectDialogs::paths(const QStringList &remarks) const
{
    QStringList list;
    for (const QString &remark : remarks)
        list << objectPath(m_box, remark);
    list.sort();
    return list;
}

void TestSelectDialogs::withoutFramesKeepUndescribedObjects()
{
    openBox(DESCRIBED);
    const struct
    {
        int kind;
        QString name;
        QString title;
        Remarks kept;
    } cases[] = {{0, "WithoutCategoryDialog", "Without category", {"qwerab", "qwerac", "abcdab"}},
                 {1, "WithoutKeywordDialog", "Without keywords", {"qweraa", "qwerac", "abcdab"}},
                 {2, "WithoutTitleDialog", "Without caption", {"qwerab", "qwerac", "abcdab"}}};
    for (const auto &item : cases) {
        m_box->unmarkAllEntries();
        SelectDialog *frame = item.kind == 0   ? static_cast<SelectDialog *>(openFrame<WithoutCategoryDialog>())
                              : item.kind == 1 ? static_cast<SelectDialog *>(openFrame<WithoutKeywordDialog>())
                                               : static_cast<SelectDialog *>(openFrame<WithoutTitleDialog>());
        QCOMPARE(frame->objectName(), item.name);
        QCOMPARE(text("title"), item.title);
        QVERIFY(!frame->findChild<QWidget *>("templateList")->isVisible());
        QVERIFY(frame->findChild<QWidget *>("mode")->isVisible());
        auto limited = frame->findChild<QCheckBox *>("onlySelected");
        QVERIFY(limited);
        QVERIFY(!limited->isEnabled());
        QSignalSpy status(frame, &SelectDialog::needUpdateStatus);
        click(frame, "startButton");
        QCOMPARE(text("foundRecords"), QString::number(item.kept.size()));
        QCOMPARE(markedRemarks(m_box, 0), item.kept);
        auto bar = frame->findChild<QProgressBar *>("searchProgress");
        QCOMPARE(bar->maximum(), 5);
        QCOMPARE(bar->value(), 5);
        // One pass per frame.
        QVERIFY(!frame->findChild<QPushButton *>("startButton")->isEnabled());
        QVERIFY(!limited->isEnabled());
        QCOMPARE(status.count(), 1);
        closeFrame();
        QCOMPARE(status.count(), 2);
        QCOMPARE(m_box->countSubsets(), 1);
        QCOMPARE(markedRemarks(m_box, 0), item.kept);
    }
}

void TestSelectDialogs::limitedToSelectedAndEmptySubsetZero()
{
    openBox(DESCRIBED);
    auto qwer = m_box->findChild<MyAbcFile *>("abc_qwer");
    auto abcd = m_box->findChild<MyAbcFile *>("abc_abcd");
    QVERIFY(qwer && abcd);
    QVERIFY(qwer->markEntry(qwer->getEntry("aa"), 0));
    QVERIFY(abcd->markEntry(abcd->getEntry("aa"), 0));
    QVERIFY(abcd->markEntry(abcd->getEntry("ab"), 0));
    auto frame = openFrame<WithoutKeywordDialog>();
    auto limited = frame->findChild<QCheckBox *>("onlySelected");
    QVERIFY(limited->isEnabled());
    limited->setChecked(true);
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("2"));
    QCOMPARE(frame->findChild<QProgressBar *>("searchProgress")->maximum(), 3);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "abcdab"}));
    closeFrame();

    // Marks only in subset 1: the limited pass has nothing in subset 0 and shows a full bar.
    m_box->markAllEntries(0);
    for (MyAbcFile *file : {qwer, abcd}) {
        for (Entry *entry : file->markedEntries(0))
            QVERIFY(file->unmarkEntry(entry, 0));
    }
    QVERIFY(abcd->markEntry(abcd->getEntry("aa"), 1));
    QCOMPARE(markedRemarks(m_box, 1), Remarks({"abcdaa"}));
    frame = openFrame<WithoutKeywordDialog>();
    limited = frame->findChild<QCheckBox *>("onlySelected");
    QVERIFY(limited->isEnabled());
    limited->setChecked(true);
    click(frame, "startButton");
    auto bar = frame->findChild<QProgressBar *>("searchProgress");
    QCOMPARE(bar->maximum(), 1);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(text("foundRecords"), QStringLiteral("0"));
    closeFrame();
    QCOMPARE(markedRemarks(m_box, 1), Remarks({"abcdaa"}));
    QCOMPARE(m_box->markedEntriesCount(0), 0);
}

void TestSelectDialogs::passFindingNothingGivesBackTheFormerSelection()
{
    openBox(DESCRIBED);
    auto abcd = m_box->findChild<MyAbcFile *>("abc_abcd");
    QVERIFY(abcd->markEntry(abcd->getEntry("aa"), 0));
    auto frame = openFrame<WithoutTitleDialog>();
    frame->findChild<QCheckBox *>("onlySelected")->setChecked(true);
    QSignalSpy status(frame, &SelectDialog::needUpdateStatus);
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("0"));
    QCOMPARE(m_box->markedEntriesCount(0), 0);
    closeFrame();
    QCOMPARE(status.count(), 1);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"abcdaa"}));
}

bool TestSelectDialogs::selectTemplate(const QString &name)
{
    auto list = m_frame->findChild<QListWidget *>("templateList");
    for (int row = 0; list && row < list->count(); ++row) {
        if (list->item(row)->text().section(QLatin1Char('\t'), 0, 0) == name) {
            list->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void TestSelectDialogs::templateReplaysStageByStage()
{
    const QByteArray templates = "<photo:two:Sea, then session two>\n"
                                 "\t\tA:1\n\t\tB:\n\t\tC:\n\t\tD:\n\t\tE:\n\t\tF:\n\t\tG:\n\t:search\n"
                                 "\t\tA:\n\t\tB:\n\t\tC:\n\t\tD:\n\t\tE:\n\t\tF:sea\n\t\tG:\n\t:search\n"
                                 "\t:plus\n"
                                 "\t\tA:2\n\t\tB:\n\t\tC:\n\t\tD:\n\t\tE:\n\t\tF:\n\t\tG:\n\t:search\n\n"
                                 "<library:books:Not for photos>\n\t\tA:1\n\t:search\n\n"
                                 "<photo:member:>\n\t\tB:qwerac\n\t\tF:RED\n\t:search\n\n"
                                 "<photo:none:Ocean without sea>\n\t\tE:+OCEAN-море\n\t\tF:harbour\n\t:search\n\n";
    openBox(DESCRIBED, templates);
    auto frame = openFrame<TemplateDialog>();
    QCOMPARE(frame->objectName(), QStringLiteral("TemplateDialog"));
    QCOMPARE(text("title"), QStringLiteral("Template"));
    auto list = frame->findChild<QListWidget *>("templateList");
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("member\t\t---"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("two\t\tSea, then session two"));
    QVERIFY(!frame->findChild<QCheckBox *>("onlySelected")->isVisible());
    QCOMPARE(frame->remarkToResemble("qwerac"), QStringLiteral("qweraa"));

    // No wrap-around at the ends of the list.
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 2);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 2);
    const QString html = frame->findChild<QTextBrowser *>("templateBrowser")->toHtml();
    QVERIFY(html.contains("Stage 2"));
    QVERIFY(frame->findChild<QPushButton *>("startButton")->isEnabled());

    // Stage 1 narrows session 1 to the captions with "sea"; stage 2 starts again from the whole box.
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(text("foundRecords"), QStringLiteral("2"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));
    QCOMPARE(markedRemarks(m_box, 1), Remarks({"abcdaa"}));
    QCOMPARE(sortedLines(basePath() + QStringLiteral("/_sld/two.sld")), paths({"qweraa", "abcdaa"}));
    QVERIFY(!frame->findChild<QPushButton *>("startButton")->isEnabled());

    // Another template: a group member's remark stands for its prime.
    QVERIFY(selectTemplate("member"));
    QCOMPARE(text("foundRecords"), QStringLiteral("0"));
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("1"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));
    closeFrame();
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));

    // A template that finds nothing leaves the selection from before the frame.
    frame = openFrame<TemplateDialog>();
    QVERIFY(selectTemplate("none"));
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("0"));
    QCOMPARE(m_box->markedEntriesCount(), 0);
    closeFrame();
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));

    frame = openFrame<TemplateDialog>();
    QVERIFY(selectTemplate("two"));
    click(frame, "startButton");
    closeFrame();
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "abcdaa"}));
}

void TestSelectDialogs::savedSearchReplaysWithTheSameResult()
{
    openBox(DESCRIBED);
    auto search = openFrame<SearchDialog>();
    auto first = search->findChild<SelectionFrame *>("Stage_1");
    QVERIFY(first);
    type(first, "titleEdit", "sea");
    click(first, "titleAddButton");
    click(first, "startButton");
    click(search, "createStageButton");
    auto second = search->findChild<SelectionFrame *>("Stage_2");
    QVERIFY(second);
    type(second, "wordEdit", "Ocean");
    click(second, "wordPresentButton");
    click(second, "wordAddButton");
    type(second, "remarkEdit", "qwerac");
    click(second, "remarkAddButton");
    type(second, "remarkEdit", "abcdaa");
    click(second, "remarkAddButton");
    click(second, "startButton");
    type(search, "templateName", "saved");
    click(search, "saveButton");
    closeFrame();
    const Remarks searched = markedRemarks(m_box, 0);
    QCOMPARE(searched, Remarks({"qweraa", "abcdaa"}));
    QStringList saved = fileLines(tmpPath());
    QCOMPARE(saved.first(), QStringLiteral("<photo:saved:--->"));
    QVERIFY(saved.contains(QStringLiteral("\t\tB:qwerac,abcdaa")));
    QVERIFY(saved.contains(QStringLiteral("\t\tE:+Ocean")));

    m_box->unmarkAllEntries();
    auto frame = openFrame<TemplateDialog>();
    QVERIFY(selectTemplate("saved"));
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("2"));
    QCOMPARE(sortedLines(basePath() + QStringLiteral("/_sld/saved.sld")), paths({"qweraa", "abcdaa"}));
    closeFrame();
    QCOMPARE(markedRemarks(m_box, 0), searched);
}

void TestSelectDialogs::warningAboveThousandFound()
{
    QMap<QString, QStringList> big;
    for (const QString &rema : {QStringLiteral("qwer"), QStringLiteral("qwas")}) {
        for (const QString &remark : StorageSupport::remarks(rema, rema == "qwer" ? 676 : 325))
            big[rema] << entryLine("1", remark, remark, "0", 0, "unknown", "unknown,unknown", "01.01.2021");
    }
    const QByteArray templates = "<photo:all:>\n\t\tA:1\n\t:search\n\n"
                                 "<photo:most:>\n\t\tB:~qweraa\n\t:search\n\n";
    openBox(big, templates);
    QCOMPARE(m_box->getCount(), 1001u);
    auto frame = openFrame<TemplateDialog>();
    QVERIFY(selectTemplate("most"));
    const int shown = MyMessageBox::shownCount();
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("1000"));
    QCOMPARE(MyMessageBox::shownCount(), shown);
    QCOMPARE(fileLines(basePath() + QStringLiteral("/_sld/most.sld")).size(), 1000);

    QVERIFY(selectTemplate("all"));
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click(frame, "startButton");
    QCOMPARE(text("foundRecords"), QStringLiteral("1001"));
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Selected list is very big. The output will be truncated..."));
    // The list holds 1001 objects at most: all of them here.
    QCOMPARE(fileLines(basePath() + QStringLiteral("/_sld/all.sld")).size(), 1001);
}

void TestSelectDialogs::invalidTemplateAndNoTemplates()
{
    openBox(DESCRIBED, "<photo:bad:Session zero>\n\t\tA:0,1\n\t:search\n\n");
    auto frame = openFrame<TemplateDialog>();
    QVERIFY(selectTemplate("bad"));
    QVERIFY(frame->findChild<QTextBrowser *>("templateBrowser")->toHtml().contains("0"));
    QVERIFY(!frame->findChild<QPushButton *>("startButton")->isEnabled());
    closeFrame();

    QVERIFY(TestSupport::writeFile(tmpPath(), "<library:books:>\n\t\tA:1\n\t:search\n\n"));
    frame = openFrame<TemplateDialog>();
    QVERIFY(frame->findChild<QLabel *>("label_B")->isVisible());
    QVERIFY(!frame->findChild<QWidget *>("templateList")->isVisible());
    closeFrame();
}

QTEST_MAIN(TestSelectDialogs)
#include "tst_selectdialogs.moc"
