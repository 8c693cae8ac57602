#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "abcsupport.h"
#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "boxsupport.h"
#include "constants.h"
#include "entry.h"
#include "frameatwork.h"
#include "loopgap.h"
#include "mainwindow.h"
#include "myabcfile.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "remark.h"
#include "resembledialog.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"
#include "thumbnailcache.h"

#include <sys/stat.h>

// Grouping resembling objects through the frame, checked in the catalogue on disk and in the marks.
class TestResembleDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void groupFromTwoSingles();
    void primeWithMembersJoinsAndTakesOver();
    void allUniqueLeavesEveryMemberItsOwnPrime();
    void markedMemberBringsItsGroupAndOldMarksReturn();
    void keyboardDrivesTheButtons();
    void failedStoreChangesNothing();
    void previewsEndAndListsGo();
    void noSelectionShowsOnlyTheNote();
    void rowsFollowTheLanguage();
    void switchingCommandsLeavesThePrimesMarked();
    void unappliedGroupIsAskedAboutBeforeTheFrameGoes();
    void rowsShowTheirObjects();
    void onlyRowsInSightAreFetchedAndOnlyChangedRowsRepaint();
    void largeBoxFillsInWhileTheWindowAnswers();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QLatin1Char('/') + NAME_PHOTO; }
    QString abcPath() const { return AbcSupport::abcPath(boxPath(), QStringLiteral("qwer")); }
    QString sldPath() const { return basePath() + QLatin1Char('/') + NAME_SLD_FOLDER; }
    // remark -> field 2, as stored on disk.
    QMap<QString, QString> links() const;
    QStringList rows();
    QListView *list();
    int currentRow();
    int fontWeight(int row);
    QIcon icon(int row);
    QStringList markedRemarks() const;

    static QString line(const QString &remark, const QString &prime);
    void openBox(const QStringList &lines, const QStringList &marked, const QString &preview = QString());
    ResembleDialog *makeFrame();
    void select(int row);
    void press(const char *name);
    QString buttonText(const char *name);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    ResembleDialog *m_frame = nullptr;
    AnyBox *m_box = nullptr;
    QScopedPointer<QSignalSpy> m_statusSpy;
};

void TestResembleDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(basePath()));
    MyMessageBox::clearAnswers();
}

void TestResembleDialog::cleanup()
{
    m_statusSpy.reset();
    m_central.reset();
    m_frame = nullptr;
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
    MyMessageBox::clearAnswers();
}

QString TestResembleDialog::line(const QString &remark, const QString &prime)
{
    QStringList fields = AbcSupport::newEntryLine(remark).split(QLatin1Char('~'));
    fields[2] = prime;
    return fields.join(QLatin1Char('~'));
}

QMap<QString, QString> TestResembleDialog::links() const
{
    QMap<QString, QString> result;
    const QStringList lines =
        QString::fromUtf8(TestSupport::readFile(abcPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &text : lines) {
        const Entry entry(text);
        if (entry.Ok())
            result.insert(entry.getField(1), entry.getField(2));
    }
    return result;
}

QStringList TestResembleDialog::rows()
{
    QStringList texts;
    QListView *view = list();
    for (int i = 0; view && view->model() && i < view->model()->rowCount(); ++i)
        texts << view->model()->index(i, 0).data().toString();
    return texts;
}

QListView *TestResembleDialog::list()
{
    return m_frame ? m_frame->findChild<QListView *>(QStringLiteral("resembleList")) : nullptr;
}

int TestResembleDialog::currentRow()
{
    QListView *view = list();
    return view && view->currentIndex().isValid() ? view->currentIndex().row() : -1;
}

// The weight the row is drawn with: the model's font, or the view's own where it gives none.
int TestResembleDialog::fontWeight(int row)
{
    const QVariant font = list()->model()->index(row, 0).data(Qt::FontRole);
    return font.isValid() ? font.value<QFont>().weight() : list()->font().weight();
}

QIcon TestResembleDialog::icon(int row)
{
    return list()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
}

QStringList TestResembleDialog::markedRemarks() const
{
    QStringList remarks;
    for (const Entry *entry : m_box->markedEntries(0))
        remarks << entry->getField(1);
    remarks.sort();
    return remarks;
}

void TestResembleDialog::openBox(const QStringList &lines, const QStringList &marked, const QString &preview)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, preview.isEmpty() ? QStringLiteral("true %1") : preview);
    m_settings->sync();
    QVERIFY(AbcSupport::writeAbc(boxPath(), QStringLiteral("qwer"), (lines.join(QLatin1Char('\n')) + "\n").toUtf8()));
    m_tessary.reset(new Tessary(m_settings.data()));
    QString status;
    QVERIFY(m_tessary->initStatus(status));
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    auto file = m_box->findChild<MyAbcFile *>(QStringLiteral("abc_qwer"));
    QVERIFY(file);
    for (const QString &remark : marked)
        QVERIFY(file->markEntry(file->getEntry(remark.right(2)), 0));
}

ResembleDialog *TestResembleDialog::makeFrame()
{
    m_central.reset(new QFrame);
    m_frame = new ResembleDialog(m_box, m_central.data());
    m_statusSpy.reset(new QSignalSpy(m_frame, &ResembleDialog::needUpdateStatus));
    m_central->show();
    return m_frame;
}

void TestResembleDialog::select(int row)
{
    QListView *view = list();
    QVERIFY(view && view->model());
    QVERIFY(row < view->model()->rowCount());
    view->scrollTo(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    QCOMPARE(currentRow(), row);
}

void TestResembleDialog::press(const char *name)
{
    auto button = m_frame->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY(button);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString TestResembleDialog::buttonText(const char *name)
{
    auto button = m_frame->findChild<QPushButton *>(QLatin1String(name));
    return button ? button->text() : QStringLiteral("<missing>");
}

// ---- stories --------------------------------------------------------------------------------

void TestResembleDialog::groupFromTwoSingles()
{
    openBox({line("qweraa", "qweraa"), line("qwerab", "qwerab"), line("qwerzz", "qwerzz")}, {"qweraa", "qwerab"});
    makeFrame();
    QCOMPARE(m_frame->findChild<QLabel *>("title")->text(), QStringLiteral("Resemble"));
    QVERIFY(m_frame->findChild<QWidget *>("mode")->isVisible());
    QCOMPARE(rows(), QStringList({"qweraa ...", "qwerab ..."}));
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("- - -"));
    QCOMPARE(m_frame->findChild<QProgressBar *>("progressBar")->maximum(), 2);
    QVERIFY(!m_frame->findChild<QPushButton *>("applyButton")->isEnabled());
    QVERIFY(!m_frame->findChild<QPushButton *>("uniqueButton")->isEnabled());
    QCOMPARE(buttonText("addButton"), QStringLiteral("&Create"));

    press("addButton");
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qweraa"));
    QCOMPARE(fontWeight(0), 75);
    QCOMPARE(fontWeight(1), 50);
    QCOMPARE(buttonText("addButton"), QStringLiteral("&Remove"));
    QVERIFY(!m_frame->findChild<QPushButton *>("applyButton")->isEnabled());
    select(1);
    QCOMPARE(buttonText("addButton"), QStringLiteral("A&dd"));
    QVERIFY(!m_frame->findChild<QPushButton *>("uniqueButton")->isEnabled());
    press("addButton");
    QVERIFY(m_frame->findChild<QPushButton *>("changeButton")->isEnabled());
    press("applyButton");

    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qweraa"}, {"qwerab", "qweraa"}, {"qwerzz", "qwerzz"}}));
    QCOMPARE(rows(), QStringList({"qweraa ...\tassociate with 1 following remarks", "... qwerab"}));
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("- - -"));
    QTRY_COMPARE(m_frame->findChild<QProgressBar *>("progressBar")->value(), 2);
    QCOMPARE(currentRow(), 0);
    QCOMPARE(m_statusSpy->count(), 0);

    // Closing leaves the primes marked.
    m_central.reset();
    QCOMPARE(m_statusSpy->count(), 1);
    QCOMPARE(markedRemarks(), QStringList({"qweraa"}));
}

void TestResembleDialog::primeWithMembersJoinsAndTakesOver()
{
    openBox({line("qweraa", "qweraa"), line("qwerba", "qwerba"), line("qwerbb", "qwerba"), line("qwerbc", "qwerba")},
            {"qweraa", "qwerba"});
    makeFrame();
    QCOMPARE(rows(), QStringList({"qweraa ...", "qwerba ...\tassociate with 2 following remarks", "... qwerbb",
                                  "... qwerbc"}));
    QCOMPARE(markedRemarks(), QStringList({"qweraa", "qwerba", "qwerbb", "qwerbc"}));
    // Members cannot be added on their own.
    select(2);
    QVERIFY(!m_frame->findChild<QPushButton *>("addButton")->isEnabled());
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("&Unique"));

    select(0);
    press("addButton");
    select(1);
    press("addButton");
    // The prime's members came along.
    QVERIFY(!m_frame->findChild<QPushButton *>("uniqueButton")->isEnabled());
    select(1);
    QVERIFY(m_frame->findChild<QPushButton *>("changeButton")->isEnabled());
    press("changeButton");
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qwerba"));
    QCOMPARE(fontWeight(1), 75);
    QCOMPARE(fontWeight(0), 50);
    press("applyButton");

    QCOMPARE(links(), (QMap<QString, QString>{
                          {"qweraa", "qwerba"}, {"qwerba", "qwerba"}, {"qwerbb", "qwerba"}, {"qwerbc", "qwerba"}}));
    QCOMPARE(rows(), QStringList({"qwerba ...\tassociate with 3 following remarks", "... qweraa", "... qwerbb",
                                  "... qwerbc"}));

    // A second Apply in the same frame: one member leaves the group again.
    select(3);
    press("uniqueButton");
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("&Return back"));
    select(0);
    QVERIFY(!m_frame->findChild<QPushButton *>("addButton")->isEnabled());
    press("applyButton");
    QCOMPARE(links(), (QMap<QString, QString>{
                          {"qweraa", "qwerba"}, {"qwerba", "qwerba"}, {"qwerbb", "qwerba"}, {"qwerbc", "qwerbc"}}));
    QCOMPARE(rows(), QStringList({"qwerba ...\tassociate with 2 following remarks", "... qweraa", "... qwerbb",
                                  "qwerbc ..."}));
    m_central.reset();
    QCOMPARE(markedRemarks(), QStringList({"qwerba", "qwerbc"}));
}

void TestResembleDialog::allUniqueLeavesEveryMemberItsOwnPrime()
{
    openBox({line("qwerba", "qwerba"), line("qwerbb", "qwerba"), line("qwerbc", "qwerba")}, {"qwerba"});
    makeFrame();
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("All &unique"));
    press("uniqueButton");
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("&Return all"));
    QVERIFY(!m_frame->findChild<QPushButton *>("addButton")->isEnabled());
    press("uniqueButton");
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("All &unique"));
    QVERIFY(!m_frame->findChild<QPushButton *>("applyButton")->isEnabled());
    press("uniqueButton");
    press("applyButton");
    QCOMPARE(links(), (QMap<QString, QString>{{"qwerba", "qwerba"}, {"qwerbb", "qwerbb"}, {"qwerbc", "qwerbc"}}));
    QCOMPARE(rows(), QStringList({"qwerba ...", "qwerbb ...", "qwerbc ..."}));
    m_central.reset();
    QCOMPARE(markedRemarks(), QStringList({"qwerba", "qwerbb", "qwerbc"}));
}

// A marked member stands for its group, so the group's prime is listed and written too.
void TestResembleDialog::markedMemberBringsItsGroupAndOldMarksReturn()
{
    openBox({line("qweraa", "qweraa"), line("qwerba", "qwerba"), line("qwerbb", "qwerba"), line("qwerca", "nosuch")},
            {"qwerbb", "qweraa", "qwerca"});
    makeFrame();
    QCOMPARE(rows(), QStringList({"qweraa ...", "qwerba ...\tassociate with 1 following remarks", "... qwerbb",
                                  "qwerca ..."}));
    // Creating a group and taking it back again leaves nothing to apply.
    select(3);
    press("addButton");
    select(0);
    press("addButton");
    QVERIFY(m_frame->findChild<QPushButton *>("applyButton")->isEnabled());
    select(3);
    press("addButton");
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("- - -"));
    QVERIFY(!m_frame->findChild<QPushButton *>("applyButton")->isEnabled());
    const QByteArray before = TestSupport::readFile(abcPath());
    m_central.reset();
    QCOMPARE(m_statusSpy->count(), 0);
    QCOMPARE(TestSupport::readFile(abcPath()), before);
    QCOMPARE(markedRemarks(), QStringList({"qweraa", "qwerbb", "qwerca"}));

    // A link to no entry is repaired by the next Apply: the object becomes its own prime.
    makeFrame();
    select(0);
    press("addButton");
    select(3);
    press("addButton");
    press("applyButton");
    QCOMPARE(links(), (QMap<QString, QString>{
                          {"qweraa", "qweraa"}, {"qwerba", "qwerba"}, {"qwerbb", "qwerba"}, {"qwerca", "qweraa"}}));
}

void TestResembleDialog::keyboardDrivesTheButtons()
{
    openBox({line("qweraa", "qweraa"), line("qwerab", "qwerab")}, {"qweraa", "qwerab"});
    makeFrame();
    QListView *list = this->list();
    QVERIFY(list);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Plus);
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qweraa"));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Plus);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qwerab"));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(links().value("qweraa"), QStringLiteral("qweraa"));
    QTest::keyClick(list, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qwerab"}, {"qwerab", "qwerab"}}));
    // "-" on a member sets it apart.
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Minus);
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("&Return back"));
}

void TestResembleDialog::failedStoreChangesNothing()
{
    openBox({line("qweraa", "qweraa"), line("qwerab", "qwerab")}, {"qweraa", "qwerab"});
    makeFrame();
    press("addButton");
    select(1);
    press("addButton");
    const QByteArray before = TestSupport::readFile(abcPath());

    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    const int shown = MyMessageBox::shownCount();
    press("applyButton");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains(abcPath()));
    QCOMPARE(TestSupport::readFile(abcPath()), before);
    // The group is still being built and can be applied once the disk takes it.
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qweraa"));
    QCOMPARE(rows(), QStringList({"qweraa ...", "qwerab ..."}));
    press("applyButton");
    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qweraa"}, {"qwerab", "qweraa"}}));
    // Without a successful Apply the old marks would come back; after it, the primes stay.
    m_central.reset();
    QCOMPARE(markedRemarks(), QStringList({"qweraa"}));
}

void TestResembleDialog::previewsEndAndListsGo()
{
    const QString record = m_dir->path() + QStringLiteral("/viewer");
    qputenv("TESSARY_FAKE_RECORD", record.toUtf8());
    openBox({line("qweraa", "qweraa"), line("qwerab", "qwerab")}, {"qweraa", "qwerab"},
            QLatin1Char('"') + StorageSupport::fake("fake_viewer.sh") + QStringLiteral("\" %1"));
    makeFrame();
    QTRY_VERIFY(QFile::exists(record));
    QCOMPARE(TestSupport::readFile(record + ".list"),
             (boxPath() + "/qw/er/aa.JPG\n" + boxPath() + "/qw/er/ab.JPG\n").toUtf8());
    press("addButton");
    select(1);
    press("addButton");
    // Pool (empty now), group and prime lists: the group list holds the member, the prime list the prime.
    const QStringList lists = QDir(sldPath()).entryList(QDir::Files);
    QCOMPARE(lists.size(), 3);
    QVERIFY(lists.at(1).endsWith(QStringLiteral("_2.sld")));
    QCOMPARE(TestSupport::readFile(sldPath() + "/" + lists.at(1)), (boxPath() + "/qw/er/ab.JPG\n").toUtf8());
    QCOMPARE(TestSupport::readFile(sldPath() + "/" + lists.at(2)), (boxPath() + "/qw/er/aa.JPG\n").toUtf8());
    m_central.reset();
    QCOMPARE(QDir(sldPath()).entryList(QDir::Files), QStringList());
    qunsetenv("TESSARY_FAKE_RECORD");

    // A preview program that does not exist is reported once, and its list goes all the same.
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, m_dir->path() + QStringLiteral("/no-such-viewer %1"));
    m_box->setExecPreview(m_dir->path() + QStringLiteral("/no-such-viewer %1"));
    const int shown = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    makeFrame();
    QTRY_COMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    m_central.reset();
    QCOMPARE(QDir(sldPath()).entryList(QDir::Files), QStringList());
}

void TestResembleDialog::noSelectionShowsOnlyTheNote()
{
    openBox({line("qweraa", "qweraa")}, {});
    makeFrame();
    QVERIFY(m_frame->findChild<QLabel *>("label_B")->isVisible());
    QCOMPARE(m_frame->findChild<QLabel *>("label_B")->text(), QStringLiteral("No selections..."));
    QVERIFY(!m_frame->findChild<QWidget *>("mode")->isVisible());
    m_central.reset();
    QCOMPARE(m_box->markedEntriesCount(), 0);
}

void TestResembleDialog::rowsFollowTheLanguage()
{
    openBox({line("qwerba", "qwerba"), line("qwerbb", "qwerba")}, {"qwerba"});
    makeFrame();
    QTranslator russian;
    QVERIFY(russian.load(QStringLiteral("ru.qm"), QStringLiteral(":/lng")));
    QVERIFY(QCoreApplication::installTranslator(&russian));
    QTRY_COMPARE(rows(), QStringList({"qwerba ...\tсвязан со следующими ремарками: 1", "... qwerbb"}));
    QCOMPARE(m_frame->findChild<QLabel *>("title")->text(), QStringLiteral("Похожие"));
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("Отделить &всех"));
    QCOMPARE(buttonText("addButton"), QStringLiteral("&Создать"));
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("- - -"));
    QCoreApplication::removeTranslator(&russian);
    QTRY_COMPARE(rows(), QStringList({"qwerba ...\tassociate with 1 following remarks", "... qwerbb"}));
    QCOMPARE(buttonText("uniqueButton"), QStringLiteral("All &unique"));
}

// Add similar in the main window: the group is written by Apply; the next command closes the frame,
// which leaves the primes marked and refreshes the status line.
void TestResembleDialog::switchingCommandsLeavesThePrimesMarked()
{
    QVERIFY(AbcSupport::writeAbc(boxPath(), QStringLiteral("qwer"),
                                 (QStringList({line("qweraa", "qweraa"), line("qwerab", "qwerab"),
                                               line("qwerac", "qwerac")})
                                      .join('\n')
                                  + '\n')
                                     .toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    m_box = window->currentBox();
    m_box->markAllEntries(0);
    auto status = window->findChild<QLabel *>(QStringLiteral("statusLabel"));
    QVERIFY(status);
    window->findChild<QAction *>(QStringLiteral("addSimilarAction"))->trigger();
    m_frame = window->findChild<ResembleDialog *>();
    QVERIFY(m_frame);
    QCOMPARE(rows(), QStringList({"qweraa ...", "qwerab ...", "qwerac ..."}));
    // The layout shows a new frame on the next turn of the event loop.
    QTRY_VERIFY(m_frame->isVisible());
    press("addButton");
    select(2);
    press("addButton");
    press("applyButton");
    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qweraa"}, {"qwerab", "qwerab"}, {"qwerac", "qweraa"}}));

    window->findChild<QAction *>(QStringLiteral("infoAction"))->trigger();
    QVERIFY(!window->findChild<ResembleDialog *>());
    m_frame = nullptr;
    QCOMPARE(markedRemarks(), QStringList({"qweraa", "qwerab"}));
    QCOMPARE(status->text(), QStringLiteral("<b>photo</b> (2 / 3)"));
}

// A group built and not applied is not dropped by another command: Cancel stays, Apply writes it.
void TestResembleDialog::unappliedGroupIsAskedAboutBeforeTheFrameGoes()
{
    QVERIFY(AbcSupport::writeAbc(
        boxPath(), QStringLiteral("qwer"),
        (QStringList({line("qweraa", "qweraa"), line("qwerab", "qwerab")}).join('\n') + '\n').toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    window->show();
    m_box = window->currentBox();
    m_box->markAllEntries(0);
    window->findChild<QAction *>(QStringLiteral("addSimilarAction"))->trigger();
    m_frame = window->findChild<ResembleDialog *>();
    QVERIFY(m_frame);
    QTRY_VERIFY(m_frame->isVisible());
    press("addButton");
    select(1);
    press("addButton");
    const int shown = MyMessageBox::shownCount();

    MyMessageBox::setNextAnswer(QMessageBox::Cancel);
    window->findChild<QAction *>(QStringLiteral("infoAction"))->trigger();
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Apply the changes to qweraa?"));
    QCOMPARE(window->findChild<ResembleDialog *>(), m_frame);
    QCOMPARE(m_frame->findChild<QLabel *>("prime")->text(), QStringLiteral("qweraa"));
    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qweraa"}, {"qwerab", "qwerab"}}));

    MyMessageBox::setNextAnswer(QMessageBox::Apply);
    window->findChild<QAction *>(QStringLiteral("infoAction"))->trigger();
    QVERIFY(!window->findChild<ResembleDialog *>());
    m_frame = nullptr;
    QCOMPARE(links(), (QMap<QString, QString>{{"qweraa", "qweraa"}, {"qwerab", "qweraa"}}));
    QCOMPARE(markedRemarks(), QStringList({"qweraa"}));
}

// ---- thumbnails ------------------------------------------------------------------------------

static bool writePhoto(const QString &path, const QColor &colour)
{
    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "JPG");
}

static QColor centreOf(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

static bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

void TestResembleDialog::rowsShowTheirObjects()
{
    openBox({line("qweraa", "qweraa"), line("qwerab", "qwerab"), line("qwerac", "qwerac")},
            {"qweraa", "qwerab", "qwerac"});
    QVERIFY(writePhoto(boxPath() + "/qw/er/aa.JPG", QColor(210, 40, 40)));
    QVERIFY(writePhoto(boxPath() + "/qw/er/ab.JPG", QColor(40, 190, 40)));
    // qwerac's file is missing: it keeps a stand-in picture and the frame goes on.
    makeFrame();
    QListView *list = this->list();
    auto large = m_frame->findChild<QLabel *>("thumbnailLabel");
    QVERIFY(list && large);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->iconSize(), QSize(96, 96));
    const auto iconCentre = [this](int row) { return centreOf(icon(row).pixmap(96, 96)); };
    QTRY_VERIFY(near(iconCentre(0), QColor(210, 40, 40)));
    QTRY_VERIFY(near(iconCentre(1), QColor(40, 190, 40)));
    QVERIFY(!icon(2).isNull());
    // The selected row's object, larger.
    QTRY_VERIFY(near(centreOf(large->pixmap(Qt::ReturnByValue)), QColor(210, 40, 40)));
    QCOMPARE(large->pixmap(Qt::ReturnByValue).size(), QSize(256, 192));
    select(1);
    QTRY_VERIFY(near(centreOf(large->pixmap(Qt::ReturnByValue)), QColor(40, 190, 40)));

    // Grouping marks the rows; their pictures stay.
    select(0);
    press("addButton");
    select(1);
    press("addButton");
    QVERIFY(near(iconCentre(0), QColor(210, 40, 40)));
    QVERIFY(near(iconCentre(1), QColor(40, 190, 40)));
}

// The rows in sight of the row in the list, as the user sees them.
static QList<int> rowsInSight(QListView *view)
{
    QList<int> rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        if (view->visualRect(view->model()->index(row, 0)).intersects(view->viewport()->rect()))
            rows << row;
    }
    return rows;
}

static ino_t inodeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// Sixty photos in one catalogue file and a group in another: a thumbnail is made only for the rows the
// view shows, a press repaints only its rows, and Apply writes only the file whose links change.
void TestResembleDialog::onlyRowsInSightAreFetchedAndOnlyChangedRowsRepaint()
{
    QStringList lines{line("asdfaa", "asdfaa"), line("asdfab", "asdfaa")};
    QStringList marked{"asdfaa"};
    for (int i = 0; i < 60; ++i) {
        const QString remark =
            QStringLiteral("qwer") + QLatin1Char(char('a' + i / 26)) + QLatin1Char(char('a' + i % 26));
        lines << line(remark, remark);
        marked << remark;
    }
    QVERIFY(AbcSupport::writeAbc(boxPath(), QStringLiteral("asdf"), (lines.mid(0, 2).join('\n') + '\n').toUtf8()));
    openBox(lines.mid(2), marked.mid(1));
    auto asdf = m_box->findChild<MyAbcFile *>(QStringLiteral("abc_asdf"));
    QVERIFY(asdf);
    QVERIFY(asdf->markEntry(asdf->getEntry(QStringLiteral("aa")), 0));
    for (int i = 0; i < 60; ++i)
        QVERIFY(writePhoto(boxPath() + "/qw/er/" + marked.at(i + 1).right(2) + ".JPG", QColor(30 + i * 3, 90, 160)));
    makeFrame();
    m_central->resize(900, 500);
    QListView *view = list();
    QVERIFY(view);
    QCOMPARE(view->model()->rowCount(), 62);
    QCOMPARE(rows().mid(0, 3),
             QStringList({"asdfaa ...\tassociate with 1 following remarks", "... asdfab", "qweraa ..."}));

    // The rows in sight get their thumbnails; the rows below are not decoded at all.
    const auto thumbnailMade = [this](int row) {
        const QString remark = QRegularExpression(QStringLiteral("[a-z]{6}")).match(rows().value(row)).captured();
        const QString path = boxPath() + '/' + remark.left(2) + '/' + remark.mid(2, 2) + '/' + remark.right(2) + ".JPG";
        return QFile::exists(ThumbnailCache::thumbnailPath(path, 96));
    };
    QList<int> inSight = rowsInSight(view);
    QVERIFY(!inSight.isEmpty() && inSight.size() < 20);
    QTRY_VERIFY(thumbnailMade(inSight.last()));
    QTRY_VERIFY(near(centreOf(icon(inSight.last()).pixmap(96, 96)), QColor(30 + (inSight.last() - 2) * 3, 90, 160)));
    // The view measures every row by its last one, whose thumbnail is made too.
    for (int row = inSight.last() + 3; row < 61; ++row)
        QVERIFY2(!thumbnailMade(row), qPrintable(QString::number(row)));
    view->scrollToBottom();
    inSight = rowsInSight(view);
    QVERIFY(inSight.contains(61));
    QTRY_VERIFY(thumbnailMade(61));
    QVERIFY(!thumbnailMade(inSight.first() - 10));

    // Create and Add repaint the rows they change and no others; thumbnails arriving repaint their icons.
    view->scrollToTop();
    QSignalSpy repainted(view->model(), &QAbstractItemModel::dataChanged);
    const auto repaintedRows = [&repainted]() {
        QSet<int> changedRows;
        for (const QList<QVariant> &signal : qAsConst(repainted)) {
            if (signal.at(2).value<QVector<int>>() == QVector<int>{Qt::DecorationRole})
                continue;
            for (int row = signal.at(0).toModelIndex().row(); row <= signal.at(1).toModelIndex().row(); ++row)
                changedRows.insert(row);
        }
        repainted.clear();
        return changedRows;
    };
    select(3);
    repaintedRows();
    press("addButton");
    QCOMPARE(repaintedRows(), QSet<int>({3}));
    select(0);
    press("addButton");
    QCOMPARE(repaintedRows(), QSet<int>({0, 1}));
    select(0);
    press("changeButton");
    QCOMPARE(repaintedRows(), QSet<int>({0, 3}));

    // Apply writes qwer, whose qweraa joins asdfaa; asdf's links stay as they are and its file is not written.
    const QString asdfPath = AbcSupport::abcPath(boxPath(), QStringLiteral("asdf"));
    const QByteArray asdfBefore = TestSupport::readFile(asdfPath);
    const ino_t asdfInode = inodeOf(asdfPath);
    const ino_t qwerInode = inodeOf(abcPath());
    QVERIFY(asdfInode != 0 && qwerInode != 0);
    press("applyButton");
    QCOMPARE(links().value("qwerab"), QStringLiteral("asdfaa"));
    QCOMPARE(links().value("qweraa"), QStringLiteral("qweraa"));
    QVERIFY(inodeOf(abcPath()) != qwerInode);
    QCOMPARE(inodeOf(asdfPath), asdfInode);
    QCOMPARE(TestSupport::readFile(asdfPath), asdfBefore);
    QCOMPARE(rows().mid(0, 4), QStringList({"asdfaa ...\tassociate with 2 following remarks", "... asdfab",
                                            "... qwerab", "qweraa ..."}));
}

// ---- a large box ----------------------------------------------------------------------------

// Twenty thousand objects in groups of five, all marked: the frame shows "Please wait..." and answers
// while it gathers them, then the same rows a small box would give; a group built over them is
// written and the frame goes, the event loop never held up for long.
void TestResembleDialog::largeBoxFillsInWhileTheWindowAnswers()
{
    const int count = 20000;
    QVERIFY(BigBox::write(basePath(), count));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    m_box->markAllEntries(0);
    QCOMPARE(m_box->markedEntriesCount(0), count);

    m_central.reset(new QFrame);
    m_central->show();
    // A frame that goes while it gathers leaves the marks and the cursor as they were.
    m_frame = new ResembleDialog(m_box, m_central.data());
    QVERIFY(FrameAtWork::isAtWork(m_frame));
    QVERIFY(QApplication::overrideCursor());
    QCoreApplication::processEvents();
    delete m_frame;
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_box->markedEntriesCount(0), count);

    LoopGap gap;
    m_frame = new ResembleDialog(m_box, m_central.data());
    m_frame->show();
    QVERIFY(FrameAtWork::isAtWork(m_frame));
    QVERIFY(m_frame->findChild<QLabel *>("label_A")->isVisible());
    QTRY_VERIFY(m_frame->findChild<QWidget *>("mode")->isVisible());
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QVERIFY(!FrameAtWork::isAtWork(m_frame));
    QVERIFY(!m_frame->findChild<QLabel *>("label_A")->isVisible());

    const QStringList shown = rows();
    QCOMPARE(shown.size(), count);
    QCOMPARE(shown.mid(0, 7),
             QStringList({"aaaaaa ...\tassociate with 4 following remarks", "... aaaaab", "... aaaaac", "... aaaaad",
                          "... aaaaae", "aaaaaf ...\tassociate with 4 following remarks", "... aaaaag"}));
    // Groups run over the ends of the catalogue files (676 objects each) as in a small box.
    QCOMPARE(shown.at(675), QStringLiteral("aaaazz ...\tassociate with 4 following remarks"));
    QCOMPARE(shown.at(676), QStringLiteral("... aaabaa"));
    QCOMPARE(shown.filter(QStringLiteral(" ...\tassociate with 4 following remarks")).size(), count / 5);
    QCOMPARE(shown.last(), QStringLiteral("... ") + BigBox::remarkOf(count - 1));
    QCOMPARE(m_frame->findChild<QProgressBar *>("progressBar")->maximum(), count);
    QCOMPARE(m_box->markedEntriesCount(0), count);
    QCOMPARE(buttonText("addButton"), QStringLiteral("&Create"));

    // The first group takes in the second; only their rows change.
    gap.restart();
    press("addButton");
    select(5);
    press("addButton");
    press("applyButton");
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QCOMPARE(rows().mid(0, 11),
             QStringList({"aaaaaa ...\tassociate with 9 following remarks", "... aaaaab", "... aaaaac", "... aaaaad",
                          "... aaaaae", "... aaaaaf", "... aaaaag", "... aaaaah", "... aaaaai", "... aaaaaj",
                          "aaaaak ...\tassociate with 4 following remarks"}));
    QCOMPARE(rows().size(), count);
    const QByteArray stored = TestSupport::readFile(AbcSupport::abcPath(boxPath(), QStringLiteral("aaaa")));
    QVERIFY(stored.contains("~aaaaaf~aaaaaa~"));
    QVERIFY(stored.contains("~aaaaag~aaaaaa~"));
    QVERIFY(stored.contains("~aaaaak~aaaaak~"));

    gap.restart();
    m_central.reset();
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QCOMPARE(m_box->markedEntriesCount(0), count / 5 - 1);
    for (const Entry *entry : m_box->markedEntries(0))
        QCOMPARE(entry->getField(2), entry->getField(1));
}

QTEST_MAIN(TestResembleDialog)
#include "tst_resembledialog.moc"
