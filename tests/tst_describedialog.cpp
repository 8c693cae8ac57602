#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedPointer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "abcsupport.h"
#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "category.h"
#include "constants.h"
#include "describedialog.h"
#include "entry.h"
#include "mainwindow.h"
#include "myabcfile.h"
#include "mymessagebox.h"
#include "helperprogram.h"
#include "loopgap.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"
#include "windowstate.h"

static const QString SUM = QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");

// Describing marked objects through the frame, checked in the catalogue and vocabulary on disk.
class TestDescribeDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void describeThreeObjectsApplyMoveOnAndSave();
    void newObjectShowsNothingToApply();
    void removingAllKeywordsStoresUnknown();
    void onlyCaptionModeAndCaptionRules();
    void failedStoreKeepsTheOldFileAndWarns();
    void largeBoxOpensInRemarkOrderWithoutHoldingTheWindow();
    void previewEndsAndListGoesWithTheFrame();
    void missingPreviewProgramIsReportedAndCleanedUp();
    void noSelectionShowsOnlyTheNote();
    void bookBoxHidesWhatItsModelDoesNotUse();
    void russianCategoryLabelsAndBackToEnglish();
    void keywordWithTildeIsRefusedWithAReason();
    void fourModesAndSwitchingCommandsInTheMainWindow();
    void typedCaptionIsAskedAboutBeforeItGoes();
    void pageKeysInTheCalendarChangeTheMonth();
    void languageSwitchRenamesEveryBoxAtOnce();
    void thumbnailFollowsTheCurrentObject();
    void previewFollowsCanBeTurnedOffAndIsRemembered();
    void typingStaysInTheFrameWhenAViewerComesUp();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QLatin1Char('/') + NAME_PHOTO; }
    QString abcPath() const { return AbcSupport::abcPath(boxPath(), QStringLiteral("qwer")); }
    QString wrdPath() const { return basePath() + QLatin1Char('/') + NAME_WRD_FILE; }
    QStringList abcLines() const;
    QString lineOf(const QString &remark) const;

    void openBox(const QStringList &lines, const QString &preview = QString(), const QString &box = NAME_PHOTO);
    // The box with a fake viewer as its preview program; the viewer records what it was given.
    void openWithViewer(const QStringList &lines, const char *viewer = "fake_viewer.sh");
    QString viewerRecord() const { return m_dir->path() + QStringLiteral("/viewer"); }
    DescribeDialog *makeFrame();
    template <class T> T *child(const char *name);
    void click(const char *name);
    void type(const char *name, const QString &text);
    QString currentRemark();

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    DescribeDialog *m_frame = nullptr;
    AnyBox *m_box = nullptr;
};

void TestDescribeDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(basePath()));
    MyMessageBox::clearAnswers();
}

void TestDescribeDialog::cleanup()
{
    m_central.reset();
    m_frame = nullptr;
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
    MyMessageBox::clearAnswers();
}

QStringList TestDescribeDialog::abcLines() const
{
    return QString::fromUtf8(TestSupport::readFile(abcPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString TestDescribeDialog::lineOf(const QString &remark) const
{
    for (const QString &line : abcLines()) {
        if (line.section(QLatin1Char('~'), 1, 1) == remark)
            return line;
    }
    return QString();
}

// The box set as the main window builds it, with the given catalogue lines in qw/er and everything marked.
void TestDescribeDialog::openBox(const QStringList &lines, const QString &preview, const QString &box)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    const QString group = box == NAME_PHOTO ? KEY_PHOTO : KEY_BOOK;
    m_settings->setValue(group + KEY_PREVIEW_APP, preview.isEmpty() ? QStringLiteral("true %1") : preview);
    m_settings->sync();
    const QString path = basePath() + QLatin1Char('/') + box;
    QVERIFY(AbcSupport::writeAbc(path, QStringLiteral("qwer"), (lines.join(QLatin1Char('\n')) + "\n").toUtf8()));
    m_tessary.reset(new Tessary(m_settings.data()));
    QString status;
    QVERIFY(m_tessary->initStatus(status));
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(box));
    QVERIFY(m_box);
    m_box->markAllEntries(0);
}

void TestDescribeDialog::openWithViewer(const QStringList &lines, const char *viewer)
{
    qputenv("TESSARY_FAKE_RECORD", viewerRecord().toUtf8());
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox(lines, QLatin1Char('"') + StorageSupport::fake(QLatin1String(viewer)) + QStringLiteral("\" %1"));
}

DescribeDialog *TestDescribeDialog::makeFrame()
{
    m_central.reset(new QFrame);
    m_frame = new DescribeDialog(m_box, m_central.data());
    m_central->show();
    return m_frame;
}

template <class T> T *TestDescribeDialog::child(const char *name)
{
    T *widget = m_frame->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("missing widget %s", name);
    return widget;
}

void TestDescribeDialog::click(const char *name)
{
    auto button = child<QAbstractButton>(name);
    QVERIFY(button);
    QVERIFY2(button->isEnabled(), name);
    // Check boxes and radio buttons answer to the key a user presses on them; a click at their middle
    // may miss the box and its text.
    if (button->isCheckable())
        QTest::keyClick(button, Qt::Key_Space);
    else
        QTest::mouseClick(button, Qt::LeftButton);
}

void TestDescribeDialog::type(const char *name, const QString &text)
{
    auto edit = child<QLineEdit>(name);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

QString TestDescribeDialog::currentRemark()
{
    const QString text = child<QTextBrowser>("originalBrowser")->toPlainText();
    const QRegularExpression remark(QStringLiteral("Remark\\s+([a-z]{6})"));
    return remark.match(text).captured(1);
}

// ---- the whole story ------------------------------------------------------------------------

void TestDescribeDialog::describeThreeObjectsApplyMoveOnAndSave()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), "aqmz~cat~kitten~\nbcde~dog~\n"));
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab", "IMG_0002.JPG"),
             AbcSupport::newEntryLine("qwerac", "IMG_0003.JPG")});
    makeFrame();
    QVERIFY(child<QWidget>("mode")->isVisible());
    QVERIFY(!child<QWidget>("label_B")->isVisible());
    QCOMPARE(child<QLabel>("title")->text(), QStringLiteral("Fill selected"));
    QCOMPARE(child<QLabel>("total")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLabel>("corrected")->text(), QStringLiteral("0"));
    QCOMPARE(child<QLabel>("uncorrectedPct")->text(), QStringLiteral("100.0"));
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    QVERIFY(!child<QPushButton>("prevUncorrButton")->isEnabled());
    QVERIFY(child<QPushButton>("nextUncorrButton")->isEnabled());
    QVERIFY(!child<QPushButton>("prevCorrButton")->isEnabled());
    QVERIFY(!child<QPushButton>("applyButton")->isEnabled());
    // The category tab carries the box's own labels.
    QCOMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("water"));
    QCOMPARE(child<QGroupBox>("season")->title(), QStringLiteral("Season"));
    QCOMPARE(child<QRadioButton>("picture_E")->text(), QStringLiteral("informative"));

    // Category: water fully, land partly, outside, informative (picture index 1).
    // Each key press moves a tristate box on: unchecked, partly, fully.
    click("which_A");
    click("which_A");
    click("which_C");
    QCOMPARE(child<QCheckBox>("which_A")->checkState(), Qt::Checked);
    QCOMPARE(child<QCheckBox>("which_C")->checkState(), Qt::PartiallyChecked);
    click("where_B");
    click("picture_E");
    auto tabs = child<QTabWidget>("describeTab");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Categ&ory *"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("&Keyword"));
    QVERIFY(child<QPushButton>("applyButton")->isEnabled());
    QVERIFY(child<QPushButton>("categoryOriginalButton")->isEnabled());

    // Keywords: cat found by its beginning, a synonym added on the way, then dog.
    tabs->setCurrentIndex(1);
    type("keywordLineEdit", "ca");
    auto offered = child<QListWidget>("keywordListWidget");
    QCOMPARE(offered->count(), 1);
    QCOMPARE(offered->item(0)->text(), QStringLiteral("cat"));
    QVERIFY(child<QPushButton>("keywordAddButton")->isEnabled());
    QVERIFY(!child<QLineEdit>("synonymLineEdit")->isEnabled());
    QTest::mouseClick(offered->viewport(), Qt::LeftButton, {}, offered->visualItemRect(offered->item(0)).center());
    QCOMPARE(child<QLineEdit>("keywordLineEdit")->text(), QStringLiteral("cat"));
    QVERIFY(!child<QPushButton>("keywordAddButton")->isEnabled());
    QCOMPARE(child<QListWidget>("synonymListWidget")->count(), 1);
    QCOMPARE(child<QListWidget>("synonymListWidget")->item(0)->text(), QStringLiteral("kitten"));
    type("synonymLineEdit", "Kitten");
    QVERIFY(!child<QPushButton>("synonymAddButton")->isEnabled());
    child<QLineEdit>("synonymLineEdit")->clear();
    type("synonymLineEdit", "puss");
    click("synonymAddButton");
    QCOMPARE(child<QListWidget>("synonymListWidget")->count(), 2);
    click("chooseButton");
    QCOMPARE(child<QLineEdit>("keywordLineEdit")->text(), QString());
    type("keywordLineEdit", "dog");
    // Shift+Return in the keyword field chooses.
    QTest::keyClick(child<QLineEdit>("keywordLineEdit"), Qt::Key_Return, Qt::ShiftModifier);
    auto current = child<QListWidget>("listWidget");
    QCOMPARE(current->count(), 2);
    QCOMPARE(current->item(0)->text(), QStringLiteral("cat"));
    QCOMPARE(current->item(0)->toolTip(), QStringLiteral("kitten, puss"));
    QCOMPARE(current->item(1)->toolTip(), QStringLiteral(" - "));
    QCOMPARE(tabs->tabText(1), QStringLiteral("&Keyword *"));

    // Caption with characters that would split the record, date, hardcopies.
    tabs->setCurrentIndex(2);
    type("titleLineEdit", "Sun~set, dusk");
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QStringLiteral("Sun-set; dusk"));
    type("authorLineEdit", "Ann");
    tabs->setCurrentIndex(3);
    auto calendar = child<QCalendarWidget>("dateCalendar");
    QCOMPARE(calendar->selectedDate(), QDate(2021, 7, 10));
    QVERIFY(QMetaObject::invokeMethod(calendar, "activated", Q_ARG(QDate, QDate(2021, 3, 15))));
    QCOMPARE(child<QLabel>("selectedDate")->text(), QStringLiteral("15.03.2021"));
    tabs->setCurrentIndex(4);
    child<QLineEdit>("hardcopyLineEdit")->clear();
    type("hardcopyLineEdit", "2x");
    QCOMPARE(child<QLineEdit>("hardcopyLineEdit")->text(), QStringLiteral("2"));

    const QByteArray before = TestSupport::readFile(abcPath());
    click("applyButton");
    QCOMPARE(child<QLabel>("corrected")->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>("correctedPct")->text(), QStringLiteral("33.3"));
    QCOMPARE(child<QLabel>("uncorrected")->text(), QStringLiteral("2"));
    QCOMPARE(child<QLabel>("uncorrectedPct")->text(), QStringLiteral("66.7"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("Categ&ory"));
    QVERIFY(!child<QPushButton>("applyButton")->isEnabled());
    QVERIFY(child<QPushButton>("prevCorrButton")->isEnabled());
    // Applied means on disk.
    QVERIFY(TestSupport::readFile(abcPath()) != before);
    const unsigned category = 1 + 4 + 512 + (1u << 18) + (1u << 23);
    const QString first = QStringLiteral("1~qweraa~qweraa~%1~2~%2~aqmz,bcde~IMG_0001.JPG~Sun-set; dusk,Ann~15.03.2021")
                              .arg(SUM)
                              .arg(category);
    QCOMPARE(lineOf("qweraa"), first);
    QVERIFY(TestSupport::readFile(wrdPath()).contains("aqmz~cat~kitten~puss~\n"));
    QVERIFY(child<QTextBrowser>("originalBrowser")
                ->toPlainText()
                .contains(QStringLiteral("Water, land; outside; night; winter; informative; pose")));

    // Move on: the second object gets a new word and a partial category.
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerac"));
    click("prevUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerab"));
    tabs->setCurrentIndex(0);
    click("which_B");
    tabs->setCurrentIndex(1);
    type("keywordLineEdit", "horse");
    QVERIFY(child<QPushButton>("keywordAddButton")->isEnabled());
    QTest::keyClick(child<QLineEdit>("keywordLineEdit"), Qt::Key_Return);
    QVERIFY(!child<QPushButton>("keywordAddButton")->isEnabled());
    click("chooseButton");
    click("applyButton");
    QCOMPARE(child<QLabel>("corrected")->text(), QStringLiteral("2"));
    const QString wrd = QString::fromUtf8(TestSupport::readFile(wrdPath()));
    const QRegularExpression horseLine(QStringLiteral("^([a-z]{4})~horse~$"), QRegularExpression::MultilineOption);
    const QString horse = horseLine.match(wrd).captured(1);
    QVERIFY2(!horse.isEmpty(), qPrintable(wrd));
    QCOMPARE(lineOf("qwerab"), QStringLiteral("1~qwerab~qwerab~%1~0~2~%2~IMG_0002.JPG~unknown,unknown~10.07.2021")
                                   .arg(SUM, horse));

    // The last one: only a caption, then Save applies and stores.
    QCOMPARE(currentRemark(), QStringLiteral("qwerab"));
    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerac"));
    tabs->setCurrentIndex(2);
    type("titleLineEdit", "Harbour");
    click("saveButton");
    QCOMPARE(child<QLabel>("corrected")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLabel>("correctedPct")->text(), QStringLiteral("100.0"));
    QCOMPARE(child<QLabel>("uncorrectedPct")->text(), QStringLiteral("0.0"));
    QCOMPARE(abcLines(),
             QStringList({QStringLiteral("1~qweraa~qweraa~%1~2~%2~aqmz,bcde~IMG_0001.JPG~Sun-set; dusk,Ann~15.03.2021")
                              .arg(SUM)
                              .arg(category),
                          QStringLiteral("1~qwerab~qwerab~%1~0~2~%2~IMG_0002.JPG~unknown,unknown~10.07.2021")
                              .arg(SUM, horse),
                          QStringLiteral("1~qwerac~qwerac~%1~0~0~unknown~IMG_0003.JPG~Harbour,unknown~10.07.2021")
                              .arg(SUM)}));
    // Closing keeps the marks and writes nothing new; the catalogue loads back whole.
    m_central.reset();
    QCOMPARE(m_box->markedEntriesCount(0), 3);
    const QStringList loaded = abcLines();
    QCOMPARE(loaded.size(), 3);
    for (const QString &line : loaded)
        QVERIFY(Entry(line).Ok());
}

void TestDescribeDialog::newObjectShowsNothingToApply()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), "aqmz~cat~\n"));
    QStringList fields = AbcSupport::newEntryLine("qweraa").split('~');
    fields[6] = "unknown,zzzz";
    fields[9] = "31.02.2021"; // no such day: shown as today
    openBox({fields.join('~')});
    makeFrame();
    QCOMPARE(child<QListWidget>("listWidget")->count(), 0);
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QString());
    QCOMPARE(child<QLineEdit>("authorLineEdit")->text(), QString());
    QCOMPARE(child<QCalendarWidget>("dateCalendar")->selectedDate(), QDate::currentDate());
    QVERIFY(!child<QPushButton>("applyButton")->isEnabled());
    QVERIFY(!child<QPushButton>("saveButton")->isEnabled());
    QVERIFY(!child<QPushButton>("titleClearButton")->isEnabled());
    QVERIFY(!child<QPushButton>("dateTodayButton")->isEnabled());
    // One object: both buttons of its queue work and stay on it.
    QVERIFY(child<QPushButton>("prevUncorrButton")->isEnabled());
    QVERIFY(child<QPushButton>("nextUncorrButton")->isEnabled());
    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));

    // A change and its undoing: the date back to the original takes the marker away again.
    auto calendar = child<QCalendarWidget>("dateCalendar");
    QVERIFY(QMetaObject::invokeMethod(calendar, "activated", Q_ARG(QDate, QDate(2020, 1, 2))));
    QCOMPARE(child<QTabWidget>("describeTab")->tabText(3), QStringLiteral("&Date *"));
    QVERIFY(child<QPushButton>("applyButton")->isEnabled());
    click("dateOriginalButton");
    QCOMPARE(child<QTabWidget>("describeTab")->tabText(3), QStringLiteral("&Date"));
    QVERIFY(!child<QPushButton>("applyButton")->isEnabled());

    // Applying the hardcopy stores today for the unreadable date.
    type("hardcopyLineEdit", "1");
    click("applyButton");
    QCOMPARE(lineOf("qweraa"), QStringLiteral("1~qweraa~qweraa~%1~1~0~unknown~IMG_0001.JPG~unknown,unknown~%2")
                                   .arg(SUM, QDate::currentDate().toString("dd.MM.yyyy")));
    QCOMPARE(child<QLabel>("correctedPct")->text(), QStringLiteral("100.0"));
    QCOMPARE(child<QLabel>("uncorrected")->text(), QStringLiteral("0"));
}

void TestDescribeDialog::removingAllKeywordsStoresUnknown()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), "aqmz~cat~\nbcde~dog~\n"));
    QStringList fields = AbcSupport::newEntryLine("qweraa").split('~');
    fields[6] = "aqmz,bcde";
    openBox({fields.join('~')});
    makeFrame();
    auto current = child<QListWidget>("listWidget");
    QCOMPARE(current->count(), 2);
    QVERIFY(!child<QPushButton>("removeListButton")->isEnabled());
    current->item(0)->setSelected(true);
    click("removeListButton");
    QCOMPARE(current->count(), 1);
    QCOMPARE(current->item(0)->text(), QStringLiteral("dog"));
    click("clearListButton");
    QCOMPARE(current->count(), 0);
    click("originalListButton");
    QCOMPARE(current->count(), 2);
    click("clearListButton");
    click("applyButton");
    QCOMPARE(lineOf("qweraa").section('~', 6, 6), QStringLiteral("unknown"));
    QVERIFY(child<QTextBrowser>("originalBrowser")->toPlainText().contains(QRegularExpression("Keyword\\s+-\\s")));

    // Removing a synonym rewrites the vocabulary without it.
    child<QTabWidget>("describeTab")->setCurrentIndex(1);
    type("keywordLineEdit", "dog");
    type("synonymLineEdit", "hound");
    click("synonymAddButton");
    type("synonymLineEdit", "cur");
    QTest::keyClick(child<QLineEdit>("synonymLineEdit"), Qt::Key_Return);
    auto synonyms = child<QListWidget>("synonymListWidget");
    QCOMPARE(synonyms->count(), 2);
    synonyms->item(0)->setSelected(true);
    click("removeSynonymButton");
    QCOMPARE(synonyms->count(), 1);
    m_central.reset();
    QVERIFY(TestSupport::readFile(wrdPath()).contains("bcde~dog~cur~\n"));
    QVERIFY(TestSupport::readFile(wrdPath()).contains("aqmz~cat~\n"));
}

void TestDescribeDialog::onlyCaptionModeAndCaptionRules()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    QStringList fields = AbcSupport::newEntryLine("qweraa").split('~');
    fields[8] = "War,Tolstoy,Lev";
    openBox({fields.join('~')});
    makeFrame();
    m_frame->setTabVisible(7);
    auto tabs = child<QTabWidget>("describeTab");
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(tabs->isTabEnabled(3));
    m_frame->setTabVisible(2);
    QCOMPARE(tabs->currentIndex(), 2);
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->isTabEnabled(i), i == 2);
    // More than two parts: the rest is the author.
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QStringLiteral("War"));
    QCOMPARE(child<QLineEdit>("authorLineEdit")->text(), QStringLiteral("Tolstoy Lev"));
    child<QLineEdit>("authorLineEdit")->clear();
    // Pasted text with a tab and a character of the criterion language.
    child<QLineEdit>("authorLineEdit")->insert(QStringLiteral("Leo\tTolstoy|x"));
    click("applyButton");
    QCOMPARE(lineOf("qweraa").section('~', 8, 8), QStringLiteral("War,Leo Tolstoy-x"));
    click("titleClearButton");
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QString());
    QVERIFY(!child<QPushButton>("titleClearButton")->isEnabled());
    click("titleOriginalButton");
    QCOMPARE(child<QLineEdit>("authorLineEdit")->text(), QStringLiteral("Leo Tolstoy-x"));
}

void TestDescribeDialog::failedStoreKeepsTheOldFileAndWarns()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), "aqmz~cat~\n"));
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab")});
    makeFrame();
    const QByteArray oldAbc = TestSupport::readFile(abcPath());
    const QByteArray oldWrd = TestSupport::readFile(wrdPath());
    child<QTabWidget>("describeTab")->setCurrentIndex(1);
    type("keywordLineEdit", "a very long new keyword");
    click("keywordAddButton");
    click("chooseButton");
    type("keywordLineEdit", "cat");
    click("chooseButton");

    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    const int shown = MyMessageBox::shownCount();
    click("applyButton");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains(abcPath()));
    QVERIFY(MyMessageBox::lastText().contains(wrdPath()));
    QCOMPARE(TestSupport::readFile(abcPath()), oldAbc);
    QCOMPARE(TestSupport::readFile(wrdPath()), oldWrd);
    QCOMPARE(QDir(QFileInfo(abcPath()).path()).entryList(QDir::Files), QStringList({"abc"}));
    // Nothing claims success: Save stays usable to try again, and then it succeeds.
    QVERIFY(child<QPushButton>("saveButton")->isEnabled());
    click("saveButton");
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QVERIFY(lineOf("qweraa").section('~', 6, 6).endsWith(QStringLiteral(",aqmz")));
    QVERIFY(TestSupport::readFile(wrdPath()).contains("~a very long new keyword~\n"));
    QVERIFY(!child<QPushButton>("saveButton")->isEnabled());

    // The next object fails too; closing the frame then writes what was applied.
    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerab"));
    child<QTabWidget>("describeTab")->setCurrentIndex(4);
    type("hardcopyLineEdit", "7");
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click("applyButton");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(MyMessageBox::shownCount(), shown + 2);
    QCOMPARE(lineOf("qwerab").section('~', 4, 4), QStringLiteral("0"));
    m_central.reset();
    QCOMPARE(MyMessageBox::shownCount(), shown + 2);
    QCOMPARE(lineOf("qwerab").section('~', 4, 4), QStringLiteral("7"));
}

void TestDescribeDialog::previewEndsAndListGoesWithTheFrame()
{
    const QString record = viewerRecord();
    openWithViewer({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab")});
    makeFrame();
    QTRY_VERIFY(QFile::exists(record));
    const QString list = QString::fromUtf8(TestSupport::readFile(record)).trimmed();
    QVERIFY(list.startsWith(basePath() + QLatin1Char('/') + NAME_SLD_FOLDER + QLatin1Char('/')));
    QCOMPARE(TestSupport::readFile(record + ".list"), (boxPath() + "/qw/er/aa.JPG\n").toUtf8());
    QFile::remove(record);
    click("nextUncorrButton");
    QTRY_VERIFY(QFile::exists(record));
    QCOMPARE(TestSupport::readFile(record + ".list"), (boxPath() + "/qw/er/ab.JPG\n").toUtf8());
    QVERIFY(QFile::exists(list));
    m_central.reset();
    QVERIFY(!QFile::exists(list));
    QCOMPARE(QDir(basePath() + QLatin1Char('/') + NAME_SLD_FOLDER).entryList(QDir::Files), QStringList());
    qunsetenv("TESSARY_FAKE_RECORD");
}

void TestDescribeDialog::missingPreviewProgramIsReportedAndCleanedUp()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab")},
            m_dir->path() + QStringLiteral("/no-such-viewer %1"));
    const int shown = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    makeFrame();
    QTRY_COMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains(QStringLiteral("no-such-viewer")));
    click("nextUncorrButton");
    QCoreApplication::processEvents();
    // Said once only.
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    m_central.reset();
    QCOMPARE(QDir(basePath() + QLatin1Char('/') + NAME_SLD_FOLDER).entryList(QDir::Files), QStringList());
}

void TestDescribeDialog::noSelectionShowsOnlyTheNote()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox({AbcSupport::newEntryLine("qweraa")});
    m_box->unmarkAllEntries();
    makeFrame();
    QVERIFY(child<QLabel>("label_B")->isVisible());
    QCOMPARE(child<QLabel>("label_B")->text(), QStringLiteral("No selection..."));
    QVERIFY(!child<QWidget>("mode")->isVisible());
    QVERIFY(!child<QLabel>("label_A")->isVisible());
    const QByteArray before = TestSupport::readFile(abcPath());
    m_central.reset();
    QCOMPARE(TestSupport::readFile(abcPath()), before);
}

void TestDescribeDialog::bookBoxHidesWhatItsModelDoesNotUse()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox({AbcSupport::newEntryLine("qweraa", "war.pdf")}, QString(), NAME_BOOK);
    makeFrame();
    QVERIFY(!child<QGroupBox>("which")->isVisible());
    QVERIFY(child<QGroupBox>("where")->isVisible());
    QCOMPARE(child<QGroupBox>("where")->title(), QStringLiteral("Home country"));
    QCOMPARE(child<QRadioButton>("where_B")->text(), QStringLiteral("foreign"));
    QCOMPARE(child<QGroupBox>("picture")->title(), QStringLiteral("Genre"));
    QCOMPARE(child<QGroupBox>("method")->title(), QStringLiteral("Style"));
    // A year box: the date reads and writes years only; the sub file follows the description.
    QCOMPARE(child<QCalendarWidget>("dateCalendar")->selectedDate().year(), QDate::currentDate().year());
    click("where_B");
    child<QTabWidget>("describeTab")->setCurrentIndex(2);
    type("titleLineEdit", "War");
    type("authorLineEdit", "Tolstoy");
    click("applyButton");
    const QString line = QString::fromUtf8(TestSupport::readFile(
                                               AbcSupport::abcPath(basePath() + "/" + NAME_BOOK, "qwer")))
                             .trimmed();
    QCOMPARE(line.section('~', 5, 5), QString::number(1u << 18));
    QCOMPARE(line.section('~', 8, 9), QStringLiteral("War,Tolstoy~%1").arg(QDate::currentDate().year()));
    QCOMPARE(TestSupport::readFile(basePath() + "/" + NAME_BOOK + "/qw/er/aa.sub"),
             QStringLiteral("War\nTolstoy\n%1\n").arg(QDate::currentDate().year()).toUtf8());
}

void TestDescribeDialog::russianCategoryLabelsAndBackToEnglish()
{
    QTranslator russian;
    QVERIFY(russian.load(QStringLiteral("ru.qm"), QStringLiteral(":/lng")));
    QVERIFY(QCoreApplication::installTranslator(&russian));
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox({AbcSupport::newEntryLine("qweraa")});
    makeFrame();
    QCOMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("вода"));
    QCOMPARE(child<QGroupBox>("season")->title(), QStringLiteral("Время года"));
    QCOMPARE(child<QRadioButton>("season_C")->text(), QStringLiteral("лето"));
    QCOMPARE(child<QTabWidget>("describeTab")->tabText(0), QStringLiteral("Катег&ория"));
    QCOMPARE(child<QLabel>("title")->text(), QStringLiteral("Описание выбранных"));
    QVERIFY(child<QTextBrowser>("originalBrowser")->toPlainText().contains(QStringLiteral("Ремарка")));
    click("where_B");
    QCOMPARE(child<QTabWidget>("describeTab")->tabText(0), QStringLiteral("Катег&ория *"));

    // Back to English while the frame is open; the edit in progress stays.
    QCoreApplication::removeTranslator(&russian);
    QTRY_COMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("water"));
    QCOMPARE(child<QGroupBox>("season")->title(), QStringLiteral("Season"));
    QCOMPARE(child<QTabWidget>("describeTab")->tabText(0), QStringLiteral("Categ&ory *"));
    QVERIFY(child<QRadioButton>("where_B")->isChecked());
    QVERIFY(child<QTextBrowser>("originalBrowser")->toPlainText().contains(QStringLiteral("Remark")));
}

void TestDescribeDialog::keywordWithTildeIsRefusedWithAReason()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), "aqmz~cat~\n"));
    openBox({AbcSupport::newEntryLine("qweraa")});
    makeFrame();
    const QByteArray before = TestSupport::readFile(wrdPath());
    type("keywordLineEdit", "sun~set");
    const int shown = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click("keywordAddButton");
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains(QStringLiteral("\"~\"")));
    QVERIFY(!child<QPushButton>("chooseButton")->isEnabled());
    m_central.reset();
    QCOMPARE(TestSupport::readFile(wrdPath()), before);
}

// The main window's Fill commands open the frame in its four modes; switching commands closes it.
void TestDescribeDialog::fourModesAndSwitchingCommandsInTheMainWindow()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    QVERIFY(AbcSupport::writeAbc(boxPath(), QStringLiteral("qwer"),
                                 (AbcSupport::newEntryLine("qweraa") + "\n").toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    window->currentBox()->markAllEntries(0);
    const struct
    {
        const char *action;
        int tab;
    } modes[] = {{"fillOnlyCategoryAction", 0}, {"fillOnlyKeywordAction", 1}, {"fillOnlyTitleAction", 2},
                 {"fillAllAction", -1}};
    for (const auto &mode : modes) {
        auto action = window->findChild<QAction *>(QLatin1String(mode.action));
        QVERIFY(action);
        action->trigger();
        auto frame = window->findChild<DescribeDialog *>();
        QVERIFY(frame);
        auto tabs = frame->findChild<QTabWidget *>("describeTab");
        QVERIFY(tabs);
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY2(tabs->isTabEnabled(i) == (mode.tab < 0 || i == mode.tab), mode.action);
        QCOMPARE(tabs->currentIndex(), qMax(mode.tab, 0));
    }

    // A caption applied in the last frame is on disk; the next command closes the frame and the marks stay.
    auto frame = window->findChild<DescribeDialog *>();
    window->show();
    // The layout shows a new frame on the next turn of the event loop.
    QTRY_VERIFY(frame->isVisible());
    auto title = frame->findChild<QLineEdit *>("titleLineEdit");
    QVERIFY(title);
    QTest::keyClicks(title, "Pier");
    QTest::mouseClick(frame->findChild<QPushButton *>("applyButton"), Qt::LeftButton);
    window->findChild<QAction *>("infoAction")->trigger();
    QVERIFY(!window->findChild<DescribeDialog *>());
    QCOMPARE(lineOf("qweraa").section('~', 8, 8), QStringLiteral("Pier,unknown"));
    QCOMPARE(window->currentBox()->markedEntriesCount(), 1);
}

// A caption typed and not applied survives a move, a box switch and a command switch unless the user lets it go.
void TestDescribeDialog::typedCaptionIsAskedAboutBeforeItGoes()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    QVERIFY(AbcSupport::writeAbc(
        boxPath(), QStringLiteral("qwer"),
        (AbcSupport::newEntryLine("qweraa") + "\n" + AbcSupport::newEntryLine("qwerab", "IMG_0002.JPG") + "\n")
            .toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    window->currentBox()->markAllEntries(0);
    window->show();
    window->findChild<QAction *>("fillAllAction")->trigger();
    m_frame = window->findChild<DescribeDialog *>();
    QVERIFY(m_frame);
    QTRY_VERIFY(m_frame->isVisible());
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    type("titleLineEdit", "Pier");
    const int shown = MyMessageBox::shownCount();

    // F2 (the book box) asks; Cancel keeps the frame, the box and the caption.
    MyMessageBox::setNextAnswer(QMessageBox::Cancel);
    QTest::keyClick(child<QLineEdit>("titleLineEdit"), Qt::Key_F2);
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Apply the changes to qweraa?"));
    QCOMPARE(MyMessageBox::lastButtons(), QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(window->findChild<DescribeDialog *>(), m_frame);
    QCOMPARE(window->currentBox()->name(), NAME_PHOTO);
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QStringLiteral("Pier"));
    QCOMPARE(lineOf("qweraa").section('~', 8, 8), QStringLiteral("unknown,unknown"));

    // Moving on asks too; Discard drops the caption and moves. The frame's parts are shown once the
    // window's layout has run.
    QTRY_VERIFY(child<QPushButton>("nextUncorrButton")->isVisible());
    MyMessageBox::setNextAnswer(QMessageBox::Discard);
    QTest::keyClick(child<QLineEdit>("titleLineEdit"), Qt::Key_PageUp);
    // A button's shortcut clicks it after a short animation.
    QTRY_COMPARE(currentRemark(), QStringLiteral("qwerab"));
    QCOMPARE(MyMessageBox::shownCount(), shown + 2);
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QString());
    QVERIFY(!child<QPushButton>("applyButton")->isEnabled());

    // Apply stores the caption and lets the box switch go on.
    type("titleLineEdit", "Dune");
    MyMessageBox::setNextAnswer(QMessageBox::Apply);
    QTest::keyClick(child<QLineEdit>("titleLineEdit"), Qt::Key_F2);
    QCOMPARE(MyMessageBox::shownCount(), shown + 3);
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Apply the changes to qwerab?"));
    QVERIFY(!window->findChild<DescribeDialog *>());
    m_frame = nullptr;
    QCOMPARE(window->currentBox()->name(), NAME_BOOK);
    QCOMPARE(lineOf("qwerab").section('~', 8, 8), QStringLiteral("Dune,unknown"));
    QCOMPARE(lineOf("qweraa").section('~', 8, 8), QStringLiteral("unknown,unknown"));
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
}

// PgUp in the calendar turns its month; the object and what was typed stay, and nothing is asked.
void TestDescribeDialog::pageKeysInTheCalendarChangeTheMonth()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab", "IMG_0002.JPG")});
    makeFrame();
    type("titleLineEdit", "Pier");
    auto calendar = child<QCalendarWidget>("dateCalendar");
    QVERIFY(calendar);
    auto days = calendar->findChild<QTableView *>();
    QVERIFY(days);
    child<QTabWidget>("describeTab")->setCurrentIndex(3);
    days->setFocus();
    QTRY_VERIFY(days->hasFocus());
    const int month = calendar->monthShown();
    const int shown = MyMessageBox::shownCount();
    QSignalSpy next(child<QPushButton>("nextUncorrButton"), &QPushButton::clicked);
    QTest::keyClick(days, Qt::Key_PageUp);
    QVERIFY(calendar->monthShown() != month);
    // A shortcut would click its button after a short animation.
    QVERIFY(!next.wait(500));
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    QCOMPARE(child<QLineEdit>("titleLineEdit")->text(), QStringLiteral("Pier"));
    QCOMPARE(MyMessageBox::shownCount(), shown);
    // Out of the calendar, PgUp moves on again, after the question.
    MyMessageBox::setNextAnswer(QMessageBox::Apply);
    child<QLineEdit>("titleLineEdit")->setFocus();
    QTest::keyClick(child<QLineEdit>("titleLineEdit"), Qt::Key_PageUp);
    QTRY_COMPARE(currentRemark(), QStringLiteral("qwerab"));
    QCOMPARE(MyMessageBox::shownCount(), shown + 1);
}

// The language menu turns the frame on show, every box's category labels and the welcome texts at once.
void TestDescribeDialog::languageSwitchRenamesEveryBoxAtOnce()
{
    QVERIFY(TestSupport::writeFile(wrdPath(), ""));
    QVERIFY(AbcSupport::writeAbc(boxPath(), QStringLiteral("qwer"),
                                 (AbcSupport::newEntryLine("qweraa") + "\n").toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    QTranslator translator;
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    window->setAppTranslator(&translator);
    window->currentBox()->markAllEntries(0);
    window->show();
    window->findChild<QAction *>("fillAllAction")->trigger();
    m_frame = window->findChild<DescribeDialog *>();
    QVERIFY(m_frame);
    QCOMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("water"));
    auto russian = window->findChild<QAction *>("languageAction_ru");
    QVERIFY(russian);
    russian->trigger();
    QTRY_COMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("вода"));
    QCOMPARE(child<QGroupBox>("season")->title(), QStringLiteral("Время года"));
    QCOMPARE(child<QLabel>("title")->text(), QStringLiteral("Описание выбранных"));
    // The boxes not on show are Russian too, without a frame of theirs having been opened.
    auto books = qobject_cast<AnyBox *>(window->boxSet()->baseFolder()->unit(NAME_BOOK));
    QVERIFY(books);
    const auto labels = [books] {
        const Category model = books->category();
        return QStringList({model.subCategory_A().label, model.subCategory_C().label, model.subCategory_D().label,
                            model.subCategory_E().label, model.subCategory_F().label, model.subCategory_G().label});
    };
    QVERIFY(labels().contains(QStringLiteral("Происхождение")));
    QCOMPARE(books->welcomeLabel(), QStringLiteral("Режим работы переключён на книги"));
    QCOMPARE(m_settings->value(KEY_GENERAL + KEY_LANGUAGE).toString(), QStringLiteral("ru"));
    window->findChild<QAction *>("languageAction_en")->trigger();
    QTRY_COMPARE(child<QCheckBox>("which_A")->text(), QStringLiteral("water"));
    QVERIFY(labels().contains(QStringLiteral("Home country")));
    QCoreApplication::removeTranslator(&translator);
}

// Twenty thousand marked objects in thirty catalogue files: the frame opens on the first remark without
// holding up the window, moves on in remark order, and Apply stores the object's file.
void TestDescribeDialog::largeBoxOpensInRemarkOrderWithoutHoldingTheWindow()
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    m_settings->sync();
    QVERIFY(BigBox::write(basePath(), 20000));
    m_tessary.reset(new Tessary(m_settings.data()));
    QString status;
    QVERIFY(m_tessary->initStatus(status));
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    m_box->markAllEntries(0);

    // Until the frame is built the loop has not run: the longest gap so far is the construction's.
    LoopGap gap;
    makeFrame();
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QCOMPARE(child<QLabel>("total")->text(), QStringLiteral("20000"));
    QCOMPARE(currentRemark(), BigBox::remarkOf(0));
    // Past the end of the first catalogue file the next file's first remark follows.
    for (int i = 1; i <= 677; ++i)
        click("nextUncorrButton");
    QCOMPARE(currentRemark(), BigBox::remarkOf(677));
    type("hardcopyLineEdit", QStringLiteral("7"));
    gap.restart();
    click("applyButton");
    QVERIFY2(gap.longestMs() <= LoopGap::allowedMs(200), qPrintable(QString::number(gap.longestMs())));
    QCOMPARE(child<QLabel>("uncorrected")->text(), QStringLiteral("19999"));
    QCOMPARE(child<QLabel>("corrected")->text(), QStringLiteral("1"));

    const Remark applied(BigBox::remarkOf(677));
    const QStringList lines = QString::fromUtf8(TestSupport::readFile(AbcSupport::abcPath(boxPath(), applied.rema())))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QString stored;
    for (const QString &line : lines) {
        if (line.section(QLatin1Char('~'), 1, 1) == applied.remark())
            stored = line;
    }
    QCOMPARE(stored.section(QLatin1Char('~'), 4, 4), QStringLiteral("7"));
}

// The user types a keyword, moves on with Page Up and types on: the viewer started on the next object
// comes up and takes the keyboard, and the frame takes it back for the field the user was typing in.
void TestDescribeDialog::typingStaysInTheFrameWhenAViewerComesUp()
{
    const QString record = viewerRecord();
    openWithViewer({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab")});
    makeFrame();
    m_central->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_central.data()));
    QTRY_VERIFY(QFile::exists(record));
    QVERIFY(QFile::remove(record));
    auto tabs = child<QTabWidget>("describeTab");
    auto keyword = child<QLineEdit>("keywordLineEdit");
    QVERIFY(tabs && keyword);
    tabs->setCurrentWidget(child<QWidget>("keywordTab"));
    keyword->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), keyword);
    QTest::keyClicks(keyword, QStringLiteral("sea"));

    auto process = m_frame->findChild<QProcess *>();
    QVERIFY(process);
    QSignalSpy started(process, &QProcess::started);
    const int shown = MyMessageBox::shownCount();
    QTest::keyClick(keyword, Qt::Key_PageUp);
    // A button's shortcut clicks it after a short animation.
    QTRY_COMPARE(currentRemark(), QStringLiteral("qwerab"));
    QCOMPARE(MyMessageBox::shownCount(), shown);
    QVERIFY(started.count() > 0 || started.wait());
    QTRY_VERIFY(QFile::exists(record));
    QCOMPARE(TestSupport::readFile(record + ".list"), (boxPath() + "/qw/er/ab.JPG\n").toUtf8());

    // The viewer's window: another window that becomes the active one, with nothing of ours in it to type in.
    QWidget viewer;
    viewer.setFocusPolicy(Qt::NoFocus);
    viewer.resize(200, 150);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.activateWindow();
    QTRY_VERIFY(m_central->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), keyword);
    QVERIFY(!viewer.isActiveWindow());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("shore"));
    QCOMPARE(keyword->text(), QStringLiteral("seashore"));

    // A window of ours that takes the keyboard after a start, as a question would, keeps it.
    QVERIFY(QFile::remove(record));
    started.clear();
    QTest::keyClick(keyword, Qt::Key_PageDown);
    QTRY_COMPARE(currentRemark(), QStringLiteral("qweraa"));
    QVERIFY(started.count() > 0 || started.wait());
    QWidget question;
    auto answer = new QLineEdit(&question);
    question.show();
    QVERIFY(QTest::qWaitForWindowExposed(&question));
    question.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), answer);
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), answer);
    QTRY_VERIFY(QFile::exists(record));
    m_central.reset();
    qunsetenv("TESSARY_FAKE_RECORD");
}

QTEST_MAIN(TestDescribeDialog)
// ---- thumbnails ------------------------------------------------------------------------------

static bool writePhoto(const QString &path, const QColor &colour)
{
    QImage image(1200, 900, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "JPG");
}

static QColor centreOf(const QLabel *label)
{
    const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
    if (pixmap.isNull())
        return QColor();
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

static bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

void TestDescribeDialog::thumbnailFollowsTheCurrentObject()
{
    openBox({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab", "IMG_0002.JPG")});
    QVERIFY(writePhoto(boxPath() + "/qw/er/aa.JPG", QColor(210, 40, 40)));
    QVERIFY(writePhoto(boxPath() + "/qw/er/ab.JPG", QColor(40, 40, 210)));
    makeFrame();
    auto thumbnail = child<QLabel>("thumbnailLabel");
    QVERIFY(thumbnail);
    QVERIFY(thumbnail->isVisible());
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    // The frame answers at once; the picture follows, 256 pixels on its long side.
    QTRY_VERIFY(near(centreOf(thumbnail), QColor(210, 40, 40)));
    QCOMPARE(thumbnail->pixmap(Qt::ReturnByValue).size(), QSize(256, 192));

    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerab"));
    QTRY_VERIFY(near(centreOf(thumbnail), QColor(40, 40, 210)));
    click("prevUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qweraa"));
    // Made once, shown again without waiting.
    QVERIFY(near(centreOf(thumbnail), QColor(210, 40, 40)));
}

void TestDescribeDialog::previewFollowsCanBeTurnedOffAndIsRemembered()
{
    const QString record = viewerRecord();
    openWithViewer({AbcSupport::newEntryLine("qweraa"), AbcSupport::newEntryLine("qwerab"),
                    AbcSupport::newEntryLine("qwerac")},
                   "fake_lingering_viewer.sh");
    WindowState::setProgramSettingsFile(m_settings->fileName());
    makeFrame();
    auto follows = child<QCheckBox>("previewFollows");
    QVERIFY(follows);
    QCOMPARE(follows->text(), QStringLiteral("Preview follows the current object"));
    // By default the preview starts on the current object.
    QVERIFY(follows->isChecked());
    auto preview = m_frame->findChild<HelperProgram *>();
    QVERIFY(preview);
    QTRY_VERIFY(QFile::exists(record + ".pid"));
    QVERIFY(preview->running());

    // Unchecked: the viewer goes and does not come back as the user moves on.
    follows->click();
    QVERIFY(!follows->isChecked());
    QTRY_VERIFY(!preview->running());
    click("nextUncorrButton");
    QCOMPARE(currentRemark(), QStringLiteral("qwerab"));
    QVERIFY(!preview->running());
    QVERIFY(!WindowState(m_settings->fileName()).previewFollows(NAME_PHOTO));
    QVERIFY(WindowState(m_settings->fileName()).previewFollows(NAME_BOOK));
    QVERIFY(!TestSupport::readFile(m_settings->fileName()).contains("previewFollows"));

    // The next frame of this box remembers it; checking it again previews the current object.
    makeFrame();
    follows = child<QCheckBox>("previewFollows");
    QVERIFY(follows && !follows->isChecked());
    preview = m_frame->findChild<HelperProgram *>();
    QVERIFY(!preview->running());
    QVERIFY(QFile::remove(record + ".pid"));
    follows->click();
    QTRY_VERIFY(QFile::exists(record + ".pid"));
    QVERIFY(preview->running());
    QCOMPARE(TestSupport::readFile(preview->listFile()), (boxPath() + "/qw/er/aa.JPG\n").toUtf8());
    QVERIFY(WindowState(m_settings->fileName()).previewFollows(NAME_PHOTO));
    m_central.reset();
    WindowState::setProgramSettingsFile(QString());
    qunsetenv("TESSARY_FAKE_RECORD");
}

#include "tst_describedialog.moc"
