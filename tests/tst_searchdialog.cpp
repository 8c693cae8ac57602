#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QCalendarWidget>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "loopgap.h"
#include "constants.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "searchdialog.h"
#include "selectionframe.h"
#include "selectionsupport.h"
#include "selectionuisupport.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using SelectionSupport::categoryValue;
using SelectionSupport::entryLine;
using namespace SelectionUiSupport;

using Remarks = QSet<QString>;

class TestSearchDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void twoStagesLeaveTheirUnionInSubsetZero();
    void searchFindingNothingBringsPreviousResultBack();
    void largeBoxGathersSessionsBehindTheShownFrame();
    void deletingTheMiddleStageKeepsTheLaterResult();
    void criteriaAreStoredAsTypedInTheTemplate();
    void remarkOfAGroupMemberFindsItsPrime();
    void wordsInAnyCaseCyrillicAndRegexCharacters();
    void emptyBoxShowsOnlyItsMessage();
    void previewEndsWithTheFrame();
    void missingPreviewProgramIsReported();
    void resultStripShowsTheFoundObjects();

private:
    SearchDialog *openDialog();
    void closeDialog();
    SelectionFrame *stage(int number) const;
    template <class T> T *child(QObject *parent, const char *name) const;
    void addWords(SelectionFrame *frame, const QStringList &present, const QStringList &absent = {});
    void addCaption(SelectionFrame *frame, const QString &caption);
    QString found(SelectionFrame *frame) const;
    QString recordPath() const { return m_dir->path() + QStringLiteral("/viewer.record"); }
    QStringList previewedList();
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    Remarks searchWords(const QStringList &present, const QStringList &absent = {});

    QScopedPointer<QTemporaryDir> m_dir;
    BoxSet m_set;
    AnyBox *m_box = nullptr;
    QScopedPointer<QFrame> m_central;
    SearchDialog *m_dialog = nullptr;
};

void TestSearchDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
    qputenv("TESSARY_FAKE_RECORD", recordPath().toLocal8Bit());
    const unsigned waterSummer = categoryValue(1, 0, 0, 0, 2, 0, 0);
    const QMap<QString, QStringList> catalogue = {
        {"qwer",
         {entryLine("1", "qweraa", "qweraa", "0", waterSummer, "aaaa,aaaf", "Red Sea,John", "10.07.2020"),
          entryLine("1", "qwerab", "qweraa", "0", 0, "aaaa", "Sea gull,unknown", "11.07.2020"),
          entryLine("2", "qwerac", "qwerac", "1", categoryValue(2, 0, 0, 0, 0, 0, 0), "aaab", "unknown,unknown",
                    "01.01.2021")}},
        {"abcd",
         {entryLine("2", "abcdaa", "abcdaa", "0", 0, "aaac", "Harbour,Anna", "15.05.2021"),
          entryLine("3", "abcdab", "abcdab", "0", 0, "aaad", "Old town,Peter", "20.06.2021"),
          entryLine("3", "abcdac", "abcdac", "2", 0, "aaaa,aaab", "Dead sea,Maria", "21.06.2021"),
          entryLine("3", "abcdad", "abcdad", "0", 0, "aaae,aaaf", "Market,unknown", "22.06.2021")}}};
    const QByteArray vocabulary = "aaaa~sea~ocean\naaab~море\naaac~c.d\naaad~(x)*\naaae~cxd\naaaf~Red sea\n";
    const QByteArray sessions = "1~01.01.2021~photo~Holiday at sea\n2~02.01.2021~photo~Town walk\n"
                                "3~03.01.2021~photo~unknown\n";
    m_set = openPhotoBox(*m_dir, catalogue, vocabulary, sessions);
    m_box = m_set.photo;
    QVERIFY(m_box);
    QCOMPARE(m_box->getCount(), 7u);
}

void TestSearchDialog::cleanup()
{
    MyMessageBox::clearAnswers();
    qunsetenv("TESSARY_FAKE_RECORD");
    m_central.reset();
    m_dialog = nullptr;
    delete m_set.tessary;
    delete m_set.settings;
    m_set = BoxSet();
    m_box = nullptr;
    m_dir.reset();
}

SearchDialog *TestSearchDialog::openDialog()
{
    m_central.reset(new QFrame);
    m_dialog = new SearchDialog(m_box, m_central.data());
    // Placed as the main window places its frames.
    (new QVBoxLayout(m_central.data()))->addWidget(m_dialog);
    m_central->resize(1100, 900);
    m_central->show();
    // The sessions' figures are gathered behind the shown frame.
    if (!QTest::qWaitFor([this] { return m_dialog->sessionsGathered(); }))
        qWarning("the sessions were not gathered");
    return m_dialog;
}

void TestSearchDialog::closeDialog()
{
    delete m_dialog;
    m_dialog = nullptr;
}

SelectionFrame *TestSearchDialog::stage(int number) const
{
    return m_dialog->findChild<SelectionFrame *>(QStringLiteral("Stage_%1").arg(number));
}

template <class T> T *TestSearchDialog::child(QObject *parent, const char *name) const
{
    return parent ? parent->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

void TestSearchDialog::addWords(SelectionFrame *frame, const QStringList &present, const QStringList &absent)
{
    for (const QString &word : present) {
        type(frame, "wordEdit", word);
        click(frame, "wordPresentButton");
    }
    for (const QString &word : absent) {
        type(frame, "wordEdit", word);
        click(frame, "wordAbsentButton");
    }
    click(frame, "wordAddButton");
}

void TestSearchDialog::addCaption(SelectionFrame *frame, const QString &caption)
{
    type(frame, "titleEdit", caption);
    click(frame, "titleAddButton");
}

QString TestSearchDialog::found(SelectionFrame *frame) const
{
    auto label = child<QLabel>(frame, "foundRecords");
    return label ? label->text() : QStringLiteral("<no foundRecords>");
}

// The list the fake viewer was started on, as it read it; the record is taken away for the next one.
QStringList TestSearchDialog::previewedList()
{
    if (!QTest::qWaitFor([this]() { return QFile::exists(recordPath()); }, 10000))
        return {QStringLiteral("<no preview started>")};
    QStringList list = fileLines(recordPath() + QStringLiteral(".list"));
    list.sort();
    QFile::remove(recordPath());
    QFile::remove(recordPath() + QStringLiteral(".list"));
    return list;
}

static QStringList paths(const AnyBox *box, const QStringList &remarks)
{
    QStringList list;
    for (const QString &remark : remarks)
        list << objectPath(box, remark);
    list.sort();
    return list;
}

void TestSearchDialog::twoStagesLeaveTheirUnionInSubsetZero()
{
    openDialog();
    QSignalSpy status(m_dialog, &SearchDialog::needUpdateStatus);
    SelectionFrame *first = stage(1);
    QVERIFY(first);
    QCOMPARE(first->stageNumber(), 0);
    QVERIFY(!child<QPushButton>(first, "startButton")->isEnabled());
    QVERIFY(!child<QPushButton>(m_dialog, "createStageButton")->isEnabled());

    addWords(first, {"sea"});
    QCOMPARE(child<QListWidget>(first, "wordList")->item(0)->text(), QStringLiteral("+sea"));
    QCOMPARE(child<QTabWidget>(first, "searchTab")->tabText(2), QStringLiteral("&Keyword *"));
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("2"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "abcdac"}));
    QCOMPARE(status.count(), 1);
    // The stage's result goes to the preview program through a list file in the list folder.
    QCOMPARE(previewedList(), paths(m_box, {"qweraa", "abcdac"}));
    const QString firstList = m_dialog->previewListFile();
    QVERIFY(firstList.startsWith(basePath() + QStringLiteral("/_sld/")));

    click(m_dialog, "createStageButton");
    QVERIFY(!QFile::exists(firstList));
    SelectionFrame *second = stage(2);
    QVERIFY(second);
    QCOMPARE(child<QLabel>(m_dialog, "label_CurrentStage")->text(), QStringLiteral("2"));
    QCOMPARE(child<QLabel>(m_dialog, "label_TotalStage")->text(), QStringLiteral("2"));
    QVERIFY(!child<QPushButton>(m_dialog, "saveButton")->isEnabled());
    addCaption(second, "harbour");
    click(second, "startButton");
    QCOMPARE(found(second), QStringLiteral("1"));
    // The new stage started from the whole box, not from the first stage's result.
    QCOMPARE(markedRemarks(m_box, 1), Remarks({"abcdaa"}));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "abcdac"}));
    QCOMPARE(previewedList(), paths(m_box, {"abcdaa"}));
    QVERIFY(child<QPushButton>(m_dialog, "saveButton")->isEnabled());
    QVERIFY(m_dialog->needSave());

    // Back to the first stage: its own result is shown again.
    click(m_dialog, "prevStageButton");
    QCOMPARE(child<QLabel>(m_dialog, "label_CurrentStage")->text(), QStringLiteral("1"));
    QCOMPARE(previewedList(), paths(m_box, {"qweraa", "abcdac"}));

    // The default name stores no template, but the list of the whole selection is written.
    click(m_dialog, "saveButton");
    QVERIFY(TestSupport::readFile(basePath() + QStringLiteral("/tmp")).isEmpty());
    QStringList anonymous = fileLines(basePath() + QStringLiteral("/_sld/anonymous.sld"));
    anonymous.sort();
    QCOMPARE(anonymous, paths(m_box, {"qweraa", "abcdac", "abcdaa"}));

    const QString lastList = m_dialog->previewListFile();
    QVERIFY(QFile::exists(lastList));
    closeDialog();
    QVERIFY(!QFile::exists(lastList));
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "abcdac", "abcdaa"}));
    QCOMPARE(m_box->markedEntriesCount(0), 3);
}

void TestSearchDialog::searchFindingNothingBringsPreviousResultBack()
{
    openDialog();
    SelectionFrame *first = stage(1);
    QVERIFY(first);
    auto table = child<QTableWidget>(first, "sessionTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3);
    // Every header can be read whole.
    for (int column = 0; column < 4; ++column)
        QVERIFY(table->columnWidth(column) >= table->horizontalHeader()->sectionSizeHint(column));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("02.01.2021"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("01.01.2021 - 15.05.2021"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("Town walk"));
    // The annotation filter hides the other sessions.
    type(first, "sessionAnnFilterEdit", "sea");
    QVERIFY(!table->isRowHidden(0));
    QVERIFY(table->isRowHidden(1));
    QVERIFY(table->isRowHidden(2));
    click(first, "sessionClearAnnFilterButton");
    QVERIFY(!table->isRowHidden(1));
    QVERIFY(!child<QPushButton>(first, "sessionClearAnnFilterButton")->isEnabled());

    table->selectRow(1);
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("2"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qwerac", "abcdaa"}));

    // A later search narrows the result; when it finds nothing the previous result comes back.
    addCaption(first, "no such caption");
    const int shown = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click(first, "startButton");
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Return previous result, because of search list is empty..."));
    QCOMPARE(found(first), QStringLiteral("2"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qwerac", "abcdaa"}));
    QCOMPARE(first->getSteps().size(), 1);

    // A fresh stage that finds nothing says nothing and keeps no subset.
    click(m_dialog, "createStageButton");
    SelectionFrame *second = stage(2);
    QVERIFY(second);
    addCaption(second, "no such caption");
    click(second, "startButton");
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(found(second), QStringLiteral("0"));
    QCOMPARE(m_box->markedEntriesCount(1), 0);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qwerac", "abcdaa"}));
    QVERIFY(!child<QPushButton>(m_dialog, "saveButton")->isEnabled());
    QVERIFY(!child<QPushButton>(m_dialog, "createStageButton")->isEnabled());
    QVERIFY(second->isFresh());

    // The empty stage goes; its result never existed, the first stage's stays.
    click(m_dialog, "deleteStageButton");
    QCOMPARE(child<QStackedWidget>(m_dialog, "stages")->count(), 1);
    QVERIFY(child<QPushButton>(m_dialog, "saveButton")->isEnabled());
    closeDialog();
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qwerac", "abcdaa"}));
}

// The first and the third stage find entries of one catalogue file, the second of another: deleting the
// second must move the third's subset down in both files.
void TestSearchDialog::deletingTheMiddleStageKeepsTheLaterResult()
{
    openDialog();
    addCaption(stage(1), "red");
    click(stage(1), "startButton");
    QCOMPARE(found(stage(1)), QStringLiteral("1"));
    QCOMPARE(previewedList(), paths(m_box, {"qweraa"}));
    click(m_dialog, "createStageButton");
    addCaption(stage(2), "harbour");
    click(stage(2), "startButton");
    QCOMPARE(found(stage(2)), QStringLiteral("1"));
    QCOMPARE(previewedList(), paths(m_box, {"abcdaa"}));
    click(m_dialog, "createStageButton");
    type(stage(3), "remarkEdit", "qwerac");
    click(stage(3), "remarkAddButton");
    click(stage(3), "startButton");
    QCOMPARE(found(stage(3)), QStringLiteral("1"));
    QCOMPARE(markedRemarks(m_box, 2), Remarks({"qwerac"}));

    QCOMPARE(previewedList(), paths(m_box, {"qwerac"}));
    click(m_dialog, "prevStageButton");
    QCOMPARE(child<QLabel>(m_dialog, "label_CurrentStage")->text(), QStringLiteral("2"));
    QCOMPARE(previewedList(), paths(m_box, {"abcdaa"}));
    QSignalSpy status(m_dialog, &SearchDialog::needUpdateStatus);
    click(m_dialog, "deleteStageButton");
    QCOMPARE(status.count(), 1);
    QCOMPARE(child<QStackedWidget>(m_dialog, "stages")->count(), 2);
    QVERIFY(stage(1));
    QVERIFY(stage(2));
    QVERIFY(!stage(3));
    QCOMPARE(child<QListWidget>(stage(2), "remarkList")->item(0)->text(), QStringLiteral("qwerac"));
    QCOMPARE(child<QLabel>(m_dialog, "label_CurrentStage")->text(), QStringLiteral("2"));
    QCOMPARE(child<QLabel>(m_dialog, "label_TotalStage")->text(), QStringLiteral("2"));
    QCOMPARE(m_box->countSubsets(), 2);
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));
    QCOMPARE(markedRemarks(m_box, 1), Remarks({"qwerac"}));
    QCOMPARE(m_box->markedEntriesCount(1), 1);
    QCOMPARE(previewedList(), paths(m_box, {"qwerac"}));

    // The former third stage narrows its own result further without losing it.
    const int shown = MyMessageBox::shownCount();
    addCaption(stage(2), "unknown");
    click(stage(2), "startButton");
    QCOMPARE(MyMessageBox::shownCount(), shown);
    QCOMPARE(found(stage(2)), QStringLiteral("1"));
    QCOMPARE(stage(2)->getSteps().size(), 2);
    closeDialog();
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa", "qwerac"}));
}

void TestSearchDialog::criteriaAreStoredAsTypedInTheTemplate()
{
    openDialog();
    SelectionFrame *first = stage(1);
    type(first, "remarkEdit", "qweraa");
    click(first, "remarkAddButton");
    child<QComboBox>(first, "which_A")->setCurrentIndex(1); // water present
    QCOMPARE(child<QLabel>(first, "label_A")->text(), QStringLiteral("water"));
    QCOMPARE(child<QCheckBox>(first, "season_C")->text(), QStringLiteral("summer"));
    child<QCheckBox>(first, "season_C")->setChecked(true);
    addWords(first, {"Sea"}, {"море"});
    auto from = child<QGroupBox>(first, "dateFromGroupBox");
    auto before = child<QGroupBox>(first, "dateBeforeGroupBox");
    from->setChecked(true);
    before->setChecked(true);
    child<QCalendarWidget>(first, "fromCalendar")->setSelectedDate(QDate(2020, 7, 10));
    child<QCalendarWidget>(first, "beforeCalendar")->setSelectedDate(QDate(2020, 7, 10));
    QCOMPARE(from->title(), QStringLiteral("&From: 10.07.2020"));
    QCOMPARE(first->makeDateRequest(), QStringLiteral("10.07.2020"));
    click(first, "dateAddButton");
    child<QTableWidget>(first, "sessionTable")->selectRow(0);
    child<QCheckBox>(first, "notPrinted")->setChecked(true);
    addCaption(first, "  red   sea ");
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("1"));

    // A second search of the stage: an inverted list that was emptied adds no "~".
    click(first, "remarkClearButton");
    child<QCheckBox>(first, "remarkInvert")->setChecked(true);
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("1"));

    click(m_dialog, "createStageButton");
    SelectionFrame *second = stage(2);
    child<QCheckBox>(second, "season_A")->setChecked(false);
    child<QCheckBox>(second, "printed")->setChecked(true);
    child<QCheckBox>(second, "notPrinted")->setChecked(true);
    from = child<QGroupBox>(second, "dateFromGroupBox");
    from->setChecked(true);
    child<QCalendarWidget>(second, "fromCalendar")->setSelectedDate(QDate(2021, 6, 20));
    QCOMPARE(second->makeDateRequest(), QStringLiteral("20.06.2021-..."));
    click(second, "dateAddButton");
    child<QCheckBox>(second, "dateInvert")->setChecked(true);
    click(second, "startButton");
    QCOMPARE(found(second), QStringLiteral("3"));

    type(m_dialog, "templateName", "summer sea");
    type(m_dialog, "templateDescription", "By the water");
    click(m_dialog, "saveButton");
    QVERIFY(!child<QPushButton>(m_dialog, "saveButton")->isEnabled());
    const QByteArray expected = "<photo:summer sea:By the water>\n"
                                "\t\tA:1\n\t\tB:qweraa\n\t\tC:0\n\t\tD:+water,,,summer\n\t\tE:+Sea-море\n"
                                "\t\tF:red sea\n\t\tG:10.07.2020\n\t:search\n"
                                "\t\tA:1\n\t\tB:\n\t\tC:0\n\t\tD:+water,,,summer\n\t\tE:+Sea-море\n"
                                "\t\tF:red sea\n\t\tG:10.07.2020\n\t:search\n"
                                "\t:plus\n"
                                "\t\tA:\n\t\tB:\n\t\tC:0,1\n\t\tD:\n\t\tE:\n\t\tF:\n\t\tG:~20.06.2021-...\n\t:search\n"
                                "\n";
    QCOMPARE(TestSupport::readFile(basePath() + QStringLiteral("/tmp")), expected);
    QStringList list = fileLines(basePath() + QStringLiteral("/_sld/summer sea.sld"));
    list.sort();
    QCOMPARE(list, paths(m_box, {"qweraa", "qwerac", "abcdaa"}));
}

void TestSearchDialog::remarkOfAGroupMemberFindsItsPrime()
{
    openDialog();
    SelectionFrame *first = stage(1);
    QCOMPARE(first->remarkToResemble("qwerab"), QStringLiteral("qweraa"));
    QCOMPARE(first->remarkToResemble("qwerac"), QStringLiteral("qwerac"));
    QCOMPARE(first->remarkToResemble("zzzzzz"), QStringLiteral("zzzzzz"));
    type(first, "remarkEdit", "qwer");
    QVERIFY(!child<QPushButton>(first, "remarkAddButton")->isEnabled());
    type(first, "remarkEdit", "qwerab");
    QTest::keyClick(child<QLineEdit>(first, "remarkEdit"), Qt::Key_Return);
    QCOMPARE(child<QListWidget>(first, "remarkList")->count(), 1);
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("1"));
    QCOMPARE(markedRemarks(m_box, 0), Remarks({"qweraa"}));
    QCOMPARE(first->getSteps().size(), 1);
    QCOMPARE(first->getSteps().first().remark, QStringLiteral("qwerab"));
}

Remarks TestSearchDialog::searchWords(const QStringList &present, const QStringList &absent)
{
    m_box->unmarkAllEntries();
    openDialog();
    addWords(stage(1), present, absent);
    click(stage(1), "startButton");
    const Remarks result = found(stage(1)) == QLatin1String("0") ? Remarks() : markedRemarks(m_box, 0);
    closeDialog();
    return result;
}

// Words are turned into the keys of the vocabulary whatever their letter case, also Cyrillic ones, and
// characters that mean something in a regular expression are taken as they are.
void TestSearchDialog::wordsInAnyCaseCyrillicAndRegexCharacters()
{
    QCOMPARE(searchWords({"SEA"}), Remarks({"qweraa", "abcdac"}));
    QCOMPARE(searchWords({"Ocean"}), Remarks({"qweraa", "abcdac"}));
    QCOMPARE(searchWords({"МОРЕ"}), Remarks({"qwerac", "abcdac"}));
    QCOMPARE(searchWords({"Море"}, {"sea"}), Remarks({"qwerac"}));
    QCOMPARE(searchWords({"c.d"}), Remarks({"abcdaa"}));
    QCOMPARE(searchWords({"cxd"}), Remarks({"abcdad"}));
    QCOMPARE(searchWords({"(x)*"}), Remarks({"abcdab"}));
    QCOMPARE(searchWords({"sea"}, {"море"}), Remarks({"qweraa"}));
    // A word that is part of a longer one does not break it, in either order.
    QCOMPARE(searchWords({"sea", "red sea"}), Remarks({"qweraa"}));
    QCOMPARE(searchWords({"SEA", "Red Sea"}), Remarks({"qweraa"}));
    QCOMPARE(searchWords({"red sea", "sea"}), Remarks({"qweraa"}));
    QCOMPARE(searchWords({"red sea"}, {"cxd"}), Remarks({"qweraa"}));

    // An unknown word and a word already chosen cannot be added.
    openDialog();
    SelectionFrame *first = stage(1);
    type(first, "wordEdit", "c?d");
    QVERIFY(!child<QPushButton>(first, "wordPresentButton")->isEnabled());
    type(first, "wordEdit", "sea");
    QTest::keyClick(child<QLineEdit>(first, "wordEdit"), Qt::Key_Return);
    QCOMPARE(child<QListWidget>(first, "wordPresentList")->count(), 1);
    type(first, "wordEdit", "OCEAN");
    QVERIFY(!child<QPushButton>(first, "wordAbsentButton")->isEnabled());
    type(first, "wordEdit", "море");
    QTest::keyClick(child<QLineEdit>(first, "wordEdit"), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(child<QListWidget>(first, "wordAbsentList")->count(), 1);
    QCOMPARE(first->makeWordRequest(), QStringLiteral("+sea-море"));
}

void TestSearchDialog::emptyBoxShowsOnlyItsMessage()
{
    m_central.reset(new QFrame);
    auto empty = dynamic_cast<AnyBox *>(m_set.tessary->baseFolder()->unit(NAME_BOOK));
    QVERIFY(empty);
    QCOMPARE(empty->getCount(), 0u);
    m_dialog = new SearchDialog(empty, m_central.data());
    m_central->show();
    QVERIFY(child<QLabel>(m_dialog, "label")->isVisible());
    QVERIFY(!child<QWidget>(m_dialog, "mode")->isVisible());
    QVERIFY(!stage(1));
}

// A preview still open when the frame goes is ended, and its list file goes with it.
void TestSearchDialog::previewEndsWithTheFrame()
{
    m_box->setExecPreview(QLatin1Char('"') + StorageSupport::fake("fake_lingering_viewer.sh") + "\" %1");
    openDialog();
    addCaption(stage(1), "sea");
    click(stage(1), "startButton");
    QCOMPARE(found(stage(1)), QStringLiteral("2"));
    const QString pidPath = recordPath() + QStringLiteral(".pid");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pidPath), 10000);
    const pid_t pid = pid_t(TestSupport::readFile(pidPath).trimmed().toLong());
    QVERIFY(pid > 0);
    QCOMPARE(::kill(pid, 0), 0);
    const QString list = m_dialog->previewListFile();
    QVERIFY(QFile::exists(list));
    closeDialog();
    QVERIFY(!QFile::exists(list));
    QCOMPARE(::kill(pid, 0), -1);
}

void TestSearchDialog::missingPreviewProgramIsReported()
{
    m_box->setExecPreview(m_dir->path() + QStringLiteral("/no-such-viewer %1"));
    openDialog();
    addCaption(stage(1), "harbour");
    const int shown = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click(stage(1), "startButton");
    QCOMPARE(found(stage(1)), QStringLiteral("1"));
    QTRY_COMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().startsWith(QStringLiteral("The preview program cannot be started:\n")));
    QVERIFY(MyMessageBox::lastText().contains(QStringLiteral("no-such-viewer")));
}

static QColor centreOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(48, 48).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

static bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

void TestSearchDialog::resultStripShowsTheFoundObjects()
{
    const QMap<QString, QColor> colours = {{"qweraa", QColor(210, 40, 40)}, {"abcdac", QColor(40, 40, 210)}};
    for (auto it = colours.constBegin(); it != colours.constEnd(); ++it) {
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(it.value());
        const QString path = objectPath(m_box, it.key());
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()) && photo.save(path, "JPG"));
    }
    openDialog();
    auto strip = child<QListView>(m_dialog, "resultView");
    QVERIFY(strip);
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->viewMode(), QListView::IconMode);
    QCOMPARE(strip->model()->rowCount(), 0);

    SelectionFrame *first = stage(1);
    addWords(first, {"sea"});
    click(first, "startButton");
    QCOMPARE(found(first), QStringLiteral("2"));
    QCOMPARE(previewedList(), paths(m_box, {"qweraa", "abcdac"}));
    // Every found object, under its remark, its picture filling in.
    QAbstractItemModel *model = strip->model();
    QCOMPARE(model->rowCount(), 2);
    QMap<QString, int> rowOf;
    for (int row = 0; row < model->rowCount(); ++row)
        rowOf.insert(model->index(row, 0).data().toString(), row);
    QCOMPARE(rowOf.keys(), QStringList({"abcdac", "qweraa"}));
    for (auto it = colours.constBegin(); it != colours.constEnd(); ++it) {
        const QModelIndex index = model->index(rowOf.value(it.key()), 0);
        QTRY_VERIFY2(near(centreOf(index.data(Qt::DecorationRole).value<QIcon>()), it.value()), qPrintable(it.key()));
    }

    // A band below the stage's criteria, across the frame: the objects side by side.
    const QRect firstPlace = strip->visualRect(model->index(0, 0));
    const QRect secondPlace = strip->visualRect(model->index(1, 0));
    QCOMPARE(firstPlace.top(), secondPlace.top());
    QVERIFY(secondPlace.left() >= firstPlace.right());
    auto stages = child<QWidget>(m_dialog, "stages");
    QVERIFY(stages);
    QVERIFY(strip->mapTo(m_dialog, QPoint(0, 0)).y() >= stages->mapTo(m_dialog, QPoint(0, stages->height())).y());
    QVERIFY2(strip->width() > stages->width() / 2, qPrintable(QString::number(strip->width())));

    // A double click previews that object alone.
    const QModelIndex blue = model->index(rowOf.value("abcdac"), 0);
    strip->scrollTo(blue);
    const QPoint centre = strip->visualRect(blue).center();
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(strip->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(previewedList(), paths(m_box, {"abcdac"}));

    // The strip follows the stage shown: a new stage has found nothing yet.
    click(m_dialog, "createStageButton");
    QCOMPARE(model->rowCount(), 0);
    click(m_dialog, "prevStageButton");
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(previewedList(), paths(m_box, {"qweraa", "abcdac"}));
}

// Twenty thousand photos over 3,000 sessions: the frame and its first stage are there at once, the session
// table fills in when every entry has been read, and the window answers meanwhile.
void TestSearchDialog::largeBoxGathersSessionsBehindTheShownFrame()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    QVERIFY(BigBox::write(TestSupport::baseDir(dir), 20000));
    QScopedPointer<Tessary> tessary(new Tessary(settings.data()));
    QString status;
    QVERIFY(tessary->initStatus(status));
    auto box = qobject_cast<AnyBox *>(tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(box);

    LoopGap gap;
    QScopedPointer<QFrame> central(new QFrame);
    m_dialog = new SearchDialog(box, central.data());
    central->show();
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    SelectionFrame *first = stage(1);
    QVERIFY(first);
    auto table = child<QTableWidget>(first, "sessionTable");
    QVERIFY(table);
    QTRY_VERIFY(m_dialog->sessionsGathered());
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QVERIFY(table->isEnabled());
    QCOMPARE(table->rowCount(), 3000);
    // Session 1 brought the first seven photos, all of one day.
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("7"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("03.01.2005"));
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("Session 1"));
    QVERIFY(!child<QWidget>(m_dialog, "sessionProgress")->isVisible());
    central.reset();
    m_dialog = nullptr;
}

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
