#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include "anybox.h"
// The frame's form header is generated for this program too (see arrangement.h).
#include "arrangement.h"
#include "arrangementrun.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "mysourcefile.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using namespace ArrangementSupport;

// The default extractor command line in its Linux form.
static const QString EXIFTOOL_COMMAND =
    QStringLiteral("exiftool -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" %1");
static const QFile::Permissions READ_ONLY = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

// The mode bits of a file; the "user" bits of QFile::permissions() say what this process may do, and
// root may write anything.
static QFile::Permissions modeOf(const QString &path)
{
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

// Every widget of the frame below the Start row, which the run shows stage by stage.
static const QStringList STAGE_WIDGETS = {
    "label_R", "unreadableLabel",
    "label_O", "readingProgress", "label_B", "variousLabel", "label_C", "duplicateProgress", "label_D", "label_E",
    "newLabel", "label_F", "duplicateLabel", "label_G", "arrangementProgress", "label_Q", "label_P", "resembleProgress",
    "label_H", "label_I", "totalLabel", "label_J", "addLabel", "label_K", "remainsLabel", "label_L", "beforeLabel",
    "label_M", "afterLabel", "label_N", "timeLabel"};
static const QStringList RESULT_WIDGETS = {"label_H", "label_I", "totalLabel", "label_J", "addLabel", "label_K",
                                           "remainsLabel", "label_L", "beforeLabel", "label_M", "afterLabel",
                                           "label_N", "timeLabel"};

class TestArrangement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The frame before a run.
    void formShowsSessionAndHidesStages();
    void twoLetterNamesAndRandomChoice();

    // Runs as the user starts them.
    void exiftoolDatesGiveDateAndCategory();
    void emptySourceFolderBringsOldMarksBack();
    void identicalIncomingFilesAreKeptOnce();
    void fileIdenticalToStoredObjectStays();
    void emptyBoxGetsOneNewAbcFile();
    void fullBoxGetsAlphabeticalThenRandomSpace();
    void unusableAbcFileIsLoggedAndSkipped();
    void refusingFolderDoesNotEndTheSearch();
    void editedVersionTakesOverItsGroup();
    void fileNamedAfterAPlaceOfTheSameRunEditsThatObject();
    void tildeInFileNameIsReplaced();
    void bookGetsYearAndSubFile();
    void returnStartsTheRunOnlyOnce();
    void logBlockOnDisk();

    // Catalogue files that cannot be written.
    void failedStoreKeepsItsSourcesAndCarriesOn();
    void failedStoreOfEditedVersionKeepsTheGroup();

    // Incoming files that cannot be taken as they are, places that are not free, runs that were killed.
    void fileGrowingWhileReadStaysForALaterRun();
    void copyCutShortLeavesNoPartOfItInTheBox();
    void fileHeldOpenForWritingWaitsWhole();
    void placeHoldingAFileIsPassedOver();
    void unreadableNameIsReported();
    void interruptedRunIsFinishedFirst();
    void interruptedRunThatCannotBeFinishedStopsTheNext();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QLatin1Char('/') + NAME_PHOTO; }
    QString srcPath() const { return basePath() + QLatin1Char('/') + NAME_SRC_FOLDER; }
    QString inSrc(const QString &name) const { return srcPath() + QLatin1Char('/') + name; }
    QString objectPath(const QString &remark, const QString &extension) const;
    QStringList logLines() const { return lines(basePath() + QLatin1Char('/') + NAME_LOG_FILE); }
    QStringList sessionLines() const { return lines(basePath() + QLatin1Char('/') + NAME_SSS_FILE); }

    void openBox(const QString &extractor = QString(), bool ready = true);
    Arrangement *makeFrame();
    bool hasAllWidgets(Arrangement *frame) const;
    void start(Arrangement *frame, const QString &annotation = QString());
    QString text(Arrangement *frame, const char *name) const;
    bool shown(Arrangement *frame, const QString &name) const;
    bool writeSource(const QString &name, const QByteArray &content) const;
    QStringList newRemarks(const QMap<QString, QString> &before) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
    QSignalSpy *m_statusSpy = nullptr;
};

void TestArrangement::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(srcPath()));
    MyMessageBox::clearAnswers();
}

void TestArrangement::cleanup()
{
    MyMessageBox::clearAnswers();
    delete m_statusSpy;
    m_statusSpy = nullptr;
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    // Stored copies are read-only; the temporary folder must still go.
    if (m_dir) {
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_dir->path()});
    }
    m_dir.reset();
}

QString TestArrangement::objectPath(const QString &remark, const QString &extension) const
{
    const Remark r(remark);
    return boxPath() + QLatin1Char('/') + r.re() + QLatin1Char('/') + r.ma() + QLatin1Char('/') + r.rk()
           + QLatin1Char('.') + extension;
}

// The box set as the main window builds it; the fake extractor (which prints nothing) unless told.
// ready: whether start-up would find every unit usable.
void TestArrangement::openBox(const QString &extractor, bool ready)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    const QString command =
        extractor.isEmpty() ? QLatin1Char('"') + StorageSupport::fake("fake_extractor.sh") + QStringLiteral("\" %1")
                            : extractor;
    m_settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, command);
    m_settings->sync();
    m_tessary.reset(new Tessary(m_settings.data()));
    QString status;
    QCOMPARE(m_tessary->initStatus(status), ready);
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
}

Arrangement *TestArrangement::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new Arrangement(m_box, m_central.data());
    delete m_statusSpy;
    m_statusSpy = new QSignalSpy(frame, &Arrangement::needUpdateStatus);
    m_central->show();
    return frame;
}

bool TestArrangement::hasAllWidgets(Arrangement *frame) const
{
    const QStringList fixed = {"boxPixmap", "title", "label_A", "sessionLabel", "label"};
    for (const QString &name : STAGE_WIDGETS + fixed) {
        if (!frame->findChild<QWidget *>(name))
            return false;
    }
    return frame->findChild<QLineEdit *>("annotationEdit") && frame->findChild<QPushButton *>("startButton");
}

// As the user does it: the annotation typed, then a click on Start.
void TestArrangement::start(Arrangement *frame, const QString &annotation)
{
    auto edit = frame->findChild<QLineEdit *>("annotationEdit");
    auto button = frame->findChild<QPushButton *>("startButton");
    QVERIFY(edit);
    QVERIFY(button);
    QTest::keyClicks(edit, annotation);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_statusSpy->count(), 1);
}

QString TestArrangement::text(Arrangement *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

bool TestArrangement::shown(Arrangement *frame, const QString &name) const
{
    auto widget = frame->findChild<QWidget *>(name);
    return widget && widget->isVisible();
}

bool TestArrangement::writeSource(const QString &name, const QByteArray &content) const
{
    return TestSupport::writeFile(inSrc(name), content);
}

QStringList TestArrangement::newRemarks(const QMap<QString, QString> &before) const
{
    QStringList added;
    const QMap<QString, QString> after = storedEntries(boxPath());
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            added << it.key();
    }
    return added;
}

// ---- the frame before a run ----------------------------------------------------------------

void TestArrangement::formShowsSessionAndHidesStages()
{
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~01.01.2020 10:00:00~photo~First\n"
                                                         "2~02.01.2020 10:00:00~photo~unknown\n"));
    openBox();
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));

    QCOMPARE(text(frame, "title"), QStringLiteral("Arrangement"));
    QCOMPARE(text(frame, "label_A"), QStringLiteral("Session:"));
    QCOMPARE(text(frame, "sessionLabel"), QStringLiteral("3"));
    QCOMPARE(text(frame, "label"), QStringLiteral("&Annotation:"));
    QCOMPARE(frame->findChild<QPushButton *>("startButton")->text(), QStringLiteral("&Start"));
    QCOMPARE(text(frame, "label_O"), QStringLiteral("Searching files in source folder ..."));
    QCOMPARE(text(frame, "label_B"), QStringLiteral("Found various files in source folder:"));
    QCOMPARE(text(frame, "label_C"), QStringLiteral("Searching vacant space and duplicate files ..."));
    QCOMPARE(text(frame, "label_D"), QStringLiteral("Found:"));
    QCOMPARE(text(frame, "label_E"), QStringLiteral("new files:"));
    QCOMPARE(text(frame, "label_F"), QStringLiteral("and duplicate files:"));
    QCOMPARE(text(frame, "label_G"), QStringLiteral("Arrangement new files:"));
    QCOMPARE(text(frame, "label_Q"), QString());
    QCOMPARE(text(frame, "label_P"), QStringLiteral("Resembling update:"));
    QCOMPARE(text(frame, "label_H"), QStringLiteral("Result:"));
    QCOMPARE(text(frame, "label_I"), QStringLiteral("Total new files:"));
    QCOMPARE(text(frame, "label_J"), QStringLiteral("          added:"));
    QCOMPARE(text(frame, "label_K"), QStringLiteral("          remains:"));
    QCOMPARE(text(frame, "label_L"), QStringLiteral("Capacity before:"));
    QCOMPARE(text(frame, "label_M"), QStringLiteral("Capacity after:"));
    QCOMPARE(text(frame, "label_N"), QStringLiteral("Elapsed time:"));
    QCOMPARE(text(frame, "timeLabel"), QStringLiteral("00:00:00"));
    QVERIFY(!frame->findChild<QLabel *>("boxPixmap")->pixmap(Qt::ReturnByValue).isNull());

    for (const QString &name : STAGE_WIDGETS)
        QVERIFY2(!shown(frame, name), qPrintable(name));
    QVERIFY(shown(frame, "startButton"));
    QVERIFY(shown(frame, "annotationEdit"));
    QCOMPARE(frame->focusWidget(), frame->findChild<QWidget *>("annotationEdit"));

    // A language change sets the texts again and leaves the figures alone.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(frame, &change);
    QCOMPARE(text(frame, "label_A"), QStringLiteral("Session:"));
    QCOMPARE(text(frame, "sessionLabel"), QStringLiteral("3"));
}

void TestArrangement::twoLetterNamesAndRandomChoice()
{
    openBox();
    Arrangement *frame = makeFrame();

    const QStringList all = frame->abcSubtract(QStringList());
    QCOMPARE(all.size(), 676);
    QCOMPARE(all.first(), QStringLiteral("aa"));
    QCOMPARE(all.at(1), QStringLiteral("ab"));
    QCOMPARE(all.at(26), QStringLiteral("ba"));
    QCOMPARE(all.last(), QStringLiteral("zz"));

    const QStringList free = frame->abcSubtract(QStringList({"aa", "qw", "zz", "abc"}));
    QCOMPARE(free.size(), 673);
    QVERIFY(!free.contains("aa") && !free.contains("qw") && !free.contains("zz"));

    QObject parent;
    QObject first(&parent);
    first.setObjectName("qw");
    QObject second(&parent);
    second.setObjectName("er");
    const QStringList freeOfObjects = frame->abcSubtract(parent.children());
    QCOMPARE(freeOfObjects.size(), 674);
    QVERIFY(!freeOfObjects.contains("qw") && !freeOfObjects.contains("er"));

    QCOMPARE(frame->abcRnd({"mn"}), QStringLiteral("mn"));
    QSet<QString> drawn;
    for (int i = 0; i < 200; ++i) {
        const QString name = frame->abcRnd({"aa", "bb", "cc"});
        QVERIFY(name == "aa" || name == "bb" || name == "cc");
        drawn.insert(name);
    }
    QCOMPARE(drawn.size(), 3);
}

// ---- runs -----------------------------------------------------------------------------------

void TestArrangement::exiftoolDatesGiveDateAndCategory()
{
    QVERIFY2(!QStandardPaths::findExecutable("exiftool").isEmpty(), "exiftool must be installed for this test");
    QVERIFY(makeDatedJpeg(inSrc("summer.jpg"), 1, QDateTime(QDate(2021, 7, 10), QTime(14, 30))));
    QVERIFY(makeDatedJpeg(inSrc("spring.JPG"), 2, QDateTime(QDate(2019, 4, 15), QTime(8, 5))));
    const QString summerSum = StorageSupport::md5sumOf(inSrc("summer.jpg"));
    const QString springSum = StorageSupport::md5sumOf(inSrc("spring.JPG"));
    QVERIFY(!summerSum.isEmpty() && summerSum != springSum);

    openBox(EXIFTOOL_COMMAND);
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "  Trip   to the lake ");

    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 2);
    QMap<QString, Entry> byName;
    for (const QString &line : entries) {
        const Entry entry(line);
        QVERIFY2(entry.Ok(), qPrintable(line));
        byName.insert(entry.getField(7), entry);
    }
    const Entry summer = byName.value("summer.jpg");
    const Entry spring = byName.value("spring.JPG");
    QVERIFY(summer.Ok() && spring.Ok());

    QCOMPARE(summer.getField(9), QStringLiteral("10.07.2021"));
    QCOMPARE(summer.getField(5), QString::number((2u << 21) + (2u << 19)));
    QCOMPARE(spring.getField(9), QStringLiteral("15.04.2019"));
    QCOMPARE(spring.getField(5), QString::number((1u << 21) + (1u << 19)));
    for (const Entry &entry : {summer, spring}) {
        QCOMPARE(entry.getField(0), QStringLiteral("1"));
        QCOMPARE(entry.getField(2), entry.getField(1));
        QCOMPARE(entry.getField(4), QStringLiteral("0"));
        QCOMPARE(entry.getField(6), QStringLiteral("unknown"));
        QCOMPARE(entry.getField(8), QStringLiteral("unknown,unknown"));
    }
    QCOMPARE(summer.getField(3), summerSum);
    QCOMPARE(spring.getField(3), springSum);

    // The copies keep the incoming extension, are the same bytes and are read-only for everybody.
    const QString summerCopy = objectPath(summer.getField(1), "jpg");
    const QString springCopy = objectPath(spring.getField(1), "JPG");
    QCOMPARE(StorageSupport::md5sumOf(summerCopy), summerSum);
    QCOMPARE(StorageSupport::md5sumOf(springCopy), springSum);
    QCOMPARE(modeOf(summerCopy), READ_ONLY);
    QCOMPARE(modeOf(springCopy), READ_ONLY);
    QVERIFY(fileNames(srcPath()).isEmpty());

    QCOMPARE(sessionLines().size(), 1);
    QVERIFY(sessionLines().first().startsWith("1~"));
    QVERIFY(sessionLines().first().endsWith("~photo~Trip to the lake"));

    QCOMPARE(m_box->markedEntriesCount(0), 2);
    QCOMPARE(m_box->getCount(), 2u);
    QCOMPARE(text(frame, "variousLabel"), QStringLiteral("2"));
    QCOMPARE(text(frame, "totalLabel"), QStringLiteral("2"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("2"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("0"));
    QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(text(frame, "timeLabel")).hasMatch());
}

void TestArrangement::emptySourceFolderBringsOldMarksBack()
{
    QVERIFY(writeEntries(boxPath(), "qwer", {StorageSupport::entryLine("qwerty", "a.jpg")}));
    openBox();
    m_box->markAllEntries(0);
    QCOMPARE(m_box->markedEntriesCount(0), 1);

    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    auto edit = frame->findChild<QLineEdit *>("annotationEdit");
    QTest::keyClicks(edit, "nothing");
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(m_statusSpy->count(), 1);

    for (const QString &name : RESULT_WIDGETS)
        QVERIFY2(shown(frame, name), qPrintable(name));
    QVERIFY(shown(frame, "label_B"));
    QVERIFY(!shown(frame, "label_O"));
    QVERIFY(!shown(frame, "duplicateProgress"));
    QVERIFY(!shown(frame, "arrangementProgress"));
    QVERIFY(!shown(frame, "resembleProgress"));
    QCOMPARE(text(frame, "variousLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "totalLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "beforeLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "afterLabel"), QStringLiteral("1"));

    const QStringList log = logLines();
    QVERIFY(log.contains("Found 0 files: 0 new files and 0 duplicate files"));
    QVERIFY(log.contains("New files added to the box: 0 (Total: 0, remains: 0)"));
    QVERIFY(sessionLines().isEmpty());
    QCOMPARE(m_box->markedEntriesCount(0), 1);
    QCOMPARE(m_box->markedEntries(0).first()->getField(1), QStringLiteral("qwerty"));
}

void TestArrangement::identicalIncomingFilesAreKeptOnce()
{
    openBox();
    QVERIFY(writeSource("a.jpg", "same picture"));
    QVERIFY(writeSource("b.jpg", "same picture"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    QCOMPARE(text(frame, "variousLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "newLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "duplicateLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(fileNames(srcPath()), QStringList({"b.jpg"}));
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(Entry(entries.first()).getField(7), QStringLiteral("a.jpg"));
    for (const QString &line : logLines())
        QVERIFY2(!line.contains("Duplicate"), qPrintable(line));
}

void TestArrangement::fileIdenticalToStoredObjectStays()
{
    const QByteArray content("stored long ago");
    QVERIFY(writeSource("again.jpg", content));
    const QString checkSum = StorageSupport::md5sumOf(inSrc("again.jpg"));
    QVERIFY(writeEntries(boxPath(), "qwer",
                         {entryLine({"1", "qwerty", "qwerty", checkSum, "0", "0", "unknown", "first.jpg",
                                     "unknown,unknown", "01.01.2020"})}));
    openBox();
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    QVERIFY(shown(frame, "duplicateProgress"));
    QCOMPARE(text(frame, "variousLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "newLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "duplicateLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("0"));
    QVERIFY(!shown(frame, "arrangementProgress"));
    QCOMPARE(fileNames(srcPath()), QStringList({"again.jpg"}));
    QCOMPARE(storedEntries(boxPath()).size(), 1);

    const QStringList log = logLines();
    QVERIFY(log.contains("    1 Duplicate file again.jpg and qwerty ..."));
    QVERIFY(log.contains("Found 1 files: 0 new files and 1 duplicate files"));
    QVERIFY(sessionLines().isEmpty());
}

void TestArrangement::emptyBoxGetsOneNewAbcFile()
{
    openBox();
    for (const QString &name : QStringList({"one.jpg", "two.png", "three.jpeg"}))
        QVERIFY(writeSource(name, "picture " + name.toUtf8()));
    QVERIFY(writeSource("notes.txt", "not a photo"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "three");

    const QStringList firstLevel = QDir(boxPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(firstLevel.size(), 1);
    const QStringList secondLevel =
        QDir(boxPath() + '/' + firstLevel.first()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(secondLevel.size(), 1);
    const QString rema = firstLevel.first() + secondLevel.first();
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 3);
    for (const QString &remark : entries.keys())
        QVERIFY(remark.startsWith(rema));

    // An empty box has nothing to search: its bar is full.
    auto bar = frame->findChild<QProgressBar *>("duplicateProgress");
    QVERIFY(bar);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(text(frame, "beforeLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "afterLabel"), QStringLiteral("3"));
    QCOMPARE(m_box->getCount(), 3u);
    QCOMPARE(fileNames(srcPath()), QStringList({"notes.txt"}));
    QCOMPARE(m_box->markedEntriesCount(0), 3);
    QCOMPARE(sessionLines().size(), 1);
}

void TestArrangement::fullBoxGetsAlphabeticalThenRandomSpace()
{
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("qwer", 676)));
    openBox();
    QCOMPARE(m_box->getCount(), 676u);
    for (int i = 0; i < 700; ++i)
        QVERIFY(writeSource(QStringLiteral("f%1.jpg").arg(i, 3, 10, QLatin1Char('0')), QByteArray::number(i)));
    const QMap<QString, QString> before = storedEntries(boxPath());
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    QCOMPARE(text(frame, "addLabel"), QStringLiteral("700"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "afterLabel"), QStringLiteral("1376"));
    QVERIFY(fileNames(srcPath()).isEmpty());

    QMap<QString, QStringList> byRema;
    for (const QString &remark : newRemarks(before))
        byRema[remark.left(4)] << remark;
    QCOMPARE(byRema.size(), 2);
    QString fullRema;
    QString restRema;
    for (auto it = byRema.cbegin(); it != byRema.cend(); ++it)
        (it.value().size() == 676 ? fullRema : restRema) = it.key();
    QVERIFY(!fullRema.isEmpty() && !restRema.isEmpty());
    QCOMPARE(byRema.value(restRema).size(), 24);
    // The existing first-level folder is filled up first.
    QVERIFY(fullRema.startsWith("qw") && restRema.startsWith("qw"));

    // The first new catalogue file is handed out in alphabetical order, the second at random.
    const QRegularExpression copyLine("^ *(\\d+) Copy .* \\(([a-z]{6})\\)$");
    QStringList order;
    for (const QString &line : logLines()) {
        const QRegularExpressionMatch match = copyLine.match(line);
        if (match.hasMatch())
            order << match.captured(2);
    }
    QCOMPARE(order.size(), 700);
    QStringList alphabetical;
    for (const QString &name : frame->abcSubtract(QStringList()))
        alphabetical << fullRema + name;
    QCOMPARE(order.mid(0, 676), alphabetical);
    QStringList firstNames = alphabetical.mid(0, 24);
    for (QString &remark : firstNames)
        remark.replace(0, 4, restRema);
    QVERIFY(order.mid(676) != firstNames);
    QCOMPARE(m_box->markedEntriesCount(0), 700);
}

void TestArrangement::unusableAbcFileIsLoggedAndSkipped()
{
    // A directory where the catalogue file should be: the box cannot use it at all.
    QVERIFY(QDir().mkpath(boxPath() + "/qw/er/abc"));
    openBox(QString(), false);
    auto unusable = m_box->findChild<MyAbcFile *>("abc_qwer");
    QVERIFY(unusable);
    QVERIFY(!unusable->initOk());
    QVERIFY(writeSource("a.jpg", "alpha"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    QVERIFY(logLines().contains("Can not use entry file : " + unusable->completeName()));
    // It offers no vacancies: the object goes into a new catalogue file of the same first-level folder.
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    QVERIFY(entries.firstKey().startsWith("qw"));
    QVERIFY(!entries.firstKey().startsWith("qwer"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QVERIFY(fileNames(srcPath()).isEmpty());
}

// A first-level folder in which no folder can be made (here one of the kernel's, which refuses even
// root) is passed over: the space is made in a new first-level folder instead.
void TestArrangement::refusingFolderDoesNotEndTheSearch()
{
    QVERIFY(QDir().mkpath(boxPath()));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/fdinfo"), boxPath() + "/aa"));
    openBox();
    QVERIFY(m_box->findChild<MyAbcFolder *>("aa"));
    QVERIFY(writeSource("a.jpg", "alpha"));
    QVERIFY(writeSource("b.jpg", "beta"));
    Arrangement *frame = makeFrame();
    start(frame);

    QVERIFY(logLines().filter(QRegularExpression("^Can not use entry file .*/photo/aa/[a-z]{2}/abc$")).size() == 1);
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 2);
    for (const QString &remark : entries.keys())
        QVERIFY(!remark.startsWith("aa"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("2"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("0"));
    QVERIFY(fileNames(srcPath()).isEmpty());
}

void TestArrangement::editedVersionTakesOverItsGroup()
{
    QVERIFY(writeEntries(boxPath(), "qwer",
                         {entryLine({"4", "qweraa", "qwerty", "aaaa", "0", "7", "unknown", "m.jpg", "unknown,unknown",
                                     "02.02.2002"}),
                          entryLine({"4", "qwerty", "qwerty", "bbbb", "2", "12345", "abcd,efgh", "IMG_1.JPG",
                                     "Lake,Anna", "01.02.2003"})}));
    QVERIFY(writeEntries(boxPath(), "asdf",
                         {entryLine({"5", "asdfgh", "qwerty", "cccc", "0", "0", "unknown", "n.jpg", "unknown,unknown",
                                     "03.03.2003"}),
                          entryLine({"5", "asdfzz", "asdfzz", "dddd", "0", "0", "unknown", "o.jpg", "unknown,unknown",
                                     "04.04.2004"})}));
    openBox();
    QVERIFY(writeSource("qwerty.png", "the edited picture"));
    const QString checkSum = StorageSupport::md5sumOf(inSrc("qwerty.png"));
    const QMap<QString, QString> before = storedEntries(boxPath());
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "edited");

    const QStringList added = newRemarks(before);
    QCOMPARE(added.size(), 1);
    const QString remark = added.first();
    QVERIFY(remark != "qwerty");
    const QMap<QString, QString> after = storedEntries(boxPath());
    const Entry edited(after.value(remark));
    QVERIFY(edited.Ok());
    QCOMPARE(edited.getAllFields(),
             entryLine({"4", remark, remark, checkSum, "2", "12345", "abcd,efgh", "qwerty.png", "Lake,Anna",
                        "01.02.2003"}));
    QCOMPARE(StorageSupport::md5sumOf(objectPath(remark, "png")), checkSum);

    // The whole group, the old prime included, now points to the edited version.
    QCOMPARE(Entry(after.value("qwerty")).getField(2), remark);
    QCOMPARE(Entry(after.value("qweraa")).getField(2), remark);
    QCOMPARE(Entry(after.value("asdfgh")).getField(2), remark);
    QCOMPARE(Entry(after.value("asdfzz")).getField(2), QStringLiteral("asdfzz"));
    QCOMPARE(Entry(after.value("qwerty")).getField(4), QStringLiteral("2"));

    QVERIFY(shown(frame, "resembleProgress"));
    QVERIFY(shown(frame, "label_P"));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    // An edited version alone records no session.
    QVERIFY(sessionLines().isEmpty());
    QVERIFY(fileNames(srcPath()).isEmpty());
}

// The only vacancy, qwerzz, goes to a.jpg, first in listing order; qwerzz.jpg, listed after it, is then an
// edited version of the object just placed, as if the two had come one after the other.
void TestArrangement::fileNamedAfterAPlaceOfTheSameRunEditsThatObject()
{
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("qwer", 675)));
    QVERIFY(writeSource("a.jpg", "the first picture"));
    QVERIFY(writeSource("qwerzz.jpg", "its edited version"));
    const QString firstSum = StorageSupport::md5sumOf(inSrc("a.jpg"));
    const QString editedSum = StorageSupport::md5sumOf(inSrc("qwerzz.jpg"));
    openBox();
    const QMap<QString, QString> before = storedEntries(boxPath());
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "both");

    const QStringList added = newRemarks(before);
    QCOMPARE(added.size(), 2);
    QVERIFY(added.contains("qwerzz"));
    const QString edited = added.at(added.indexOf("qwerzz") == 0 ? 1 : 0);
    QVERIFY(!edited.startsWith("qwer"));
    const QMap<QString, QString> after = storedEntries(boxPath());
    const Entry first(after.value("qwerzz"));
    QCOMPARE(first.getField(7), QStringLiteral("a.jpg"));
    QCOMPARE(first.getField(3), firstSum);
    // The group of the first object follows its edited version, which carries its description.
    QCOMPARE(first.getField(2), edited);
    Entry expected(first.getAllFields());
    expected.setField(1, edited);
    expected.setField(2, edited);
    expected.setField(3, editedSum);
    expected.setField(7, QStringLiteral("qwerzz.jpg"));
    QCOMPARE(Entry(after.value(edited)).getAllFields(), expected.getAllFields());
    QCOMPARE(StorageSupport::md5sumOf(objectPath(edited, "jpg")), editedSum);
    QCOMPARE(StorageSupport::md5sumOf(objectPath("qwerzz", "jpg")), firstSum);
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("2"));
    QVERIFY(shown(frame, "resembleProgress"));
    QCOMPARE(sessionLines().size(), 1);
    QVERIFY(fileNames(srcPath()).isEmpty());
}

void TestArrangement::tildeInFileNameIsReplaced()
{
    openBox();
    QVERIFY(writeSource("before~after.jpg", "tilde"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    const Entry entry(entries.first());
    QVERIFY2(entry.Ok(), qPrintable(entries.first()));
    QCOMPARE(entry.getField(7), QStringLiteral("before-after.jpg"));
    QVERIFY(QFileInfo::exists(objectPath(entry.getField(1), "jpg")));

    // A box set opened afresh loads the entry back.
    m_central.reset();
    m_tessary.reset();
    openBox();
    QCOMPARE(m_box->getCount(), 1u);
    const Remark remark(entry.getField(1));
    auto abcFile = m_box->findChild<MyAbcFile *>("abc_" + remark.rema());
    QVERIFY(abcFile);
    QCOMPARE(abcFile->getEntryPart(remark.rk(), 7), QStringLiteral("before-after.jpg"));
}

void TestArrangement::bookGetsYearAndSubFile()
{
    openBox();
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_BOOK));
    QVERIFY(m_box);
    QVERIFY(StorageSupport::writeFileAt(inSrc("novel.txt"), "Once upon a time",
                                        QDateTime(QDate(1999, 5, 6), QTime(12, 0))));
    QVERIFY(writeSource("photo.jpg", "not a book"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "books");

    const QString libraryPath = basePath() + QLatin1Char('/') + NAME_BOOK;
    const QMap<QString, QString> entries = storedEntries(libraryPath);
    QCOMPARE(entries.size(), 1);
    const Entry entry(entries.first());
    QCOMPARE(entry.getField(9), QStringLiteral("1999"));
    QCOMPARE(entry.getField(5), QStringLiteral("0"));
    const Remark remark(entry.getField(1));
    const QString folder = libraryPath + QLatin1Char('/') + remark.re() + QLatin1Char('/') + remark.ma();
    QCOMPARE(TestSupport::readFile(folder + QLatin1Char('/') + remark.rk() + ".sub"),
             QByteArray("unknown\nunknown\n1999\n"));
    QVERIFY(QFileInfo::exists(folder + QLatin1Char('/') + remark.rk() + ".txt"));
    QCOMPARE(fileNames(srcPath()), QStringList({"photo.jpg"}));
    QVERIFY(sessionLines().first().endsWith("~library~books"));
}

void TestArrangement::returnStartsTheRunOnlyOnce()
{
    openBox();
    QVERIFY(writeSource("a.jpg", "first"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    auto edit = frame->findChild<QLineEdit *>("annotationEdit");
    auto button = frame->findChild<QPushButton *>("startButton");
    QTest::keyClicks(edit, "by return");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(m_statusSpy->count(), 1);
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QVERIFY(!button->isEnabled());
    QVERIFY(edit->isReadOnly());
    // The Return was consumed: the text is untouched and stays so.
    QCOMPARE(edit->text(), QStringLiteral("by return"));

    // Nothing starts a second run.
    QVERIFY(writeSource("b.jpg", "second"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    frame->pressStartButton();
    QCOMPARE(m_statusSpy->count(), 1);
    QCOMPARE(fileNames(srcPath()), QStringList({"b.jpg"}));
    QCOMPARE(sessionLines().size(), 1);
    QVERIFY(sessionLines().first().endsWith("~photo~by return"));
    QVERIFY(!button->isEnabled());
    QVERIFY(shown(frame, "label_H"));
}

void TestArrangement::logBlockOnDisk()
{
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "7~01.01.2020 10:00:00~photo~Old\n"));
    openBox();
    QVERIFY(writeSource("a.jpg", "alpha"));
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    const QString remark = entries.firstKey();
    QCOMPARE(Entry(entries.first()).getField(0), QStringLiteral("8"));
    const QStringList log = logLines();
    QCOMPARE(log.size(), 8);
    QVERIFY(QRegularExpression("^--- ARRANGEMENT OPEN : \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.\\d{3} ---$")
                .match(log.at(0))
                .hasMatch());
    QCOMPARE(log.at(1), QStringLiteral("Total sessions: 1"));
    QCOMPARE(log.at(2), QStringLiteral("Current session number: 8"));
    QCOMPARE(log.at(3), QStringLiteral("Found 1 files: 1 new files and 0 duplicate files"));
    QCOMPARE(log.at(4),
             QStringLiteral("    1 Copy %1 to %2 (%3)").arg(inSrc("a.jpg"), objectPath(remark, "jpg"), remark));
    QCOMPARE(log.at(5), QStringLiteral("New files added to the box: 1 (Total: 1, remains: 0)"));
    QVERIFY(QRegularExpression("^--- ARRANGEMENT CLOSE: \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.\\d{3} ---$")
                .match(log.at(6))
                .hasMatch());
    QCOMPARE(log.at(7), QString());
    QCOMPARE(sessionLines().size(), 2);
    QVERIFY(sessionLines().last().startsWith("8~"));
}

// ---- catalogue files that cannot be written ----------------------------------------------------

// Replaces a loaded catalogue file by a directory: no save file can be renamed onto it, not even by
// root, so every store of it fails.
static bool blockAbcFile(const QString &path)
{
    return QFile::remove(path) && QDir().mkdir(path);
}

void TestArrangement::failedStoreKeepsItsSourcesAndCarriesOn()
{
    // One vacancy in each of two catalogue files, so each incoming file goes to another one.
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("qwer", 675)));
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("asdf", 675)));
    openBox();
    auto blocked = m_box->findChild<MyAbcFile *>("abc_asdf");
    QVERIFY(blocked);
    QVERIFY(blockAbcFile(blocked->completeName()));
    QVERIFY2(!blocked->store(), "a directory in place of the catalogue file must make the store fail");

    QVERIFY(writeSource("a.jpg", "alpha"));
    QVERIFY(writeSource("b.jpg", "beta"));
    const int shownBefore = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame, "half");

    QCOMPARE(MyMessageBox::shownCount(), shownBefore + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains(blocked->completeName()));
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);

    // The file placed into qwer is in the box with its entry; the other one waits in the source folder.
    const QStringList stored = newRemarks(QMap<QString, QString>());
    QStringList placed;
    for (const QString &remark : stored) {
        if (remark.startsWith("qwer") && !StorageSupport::remarks("qwer", 675).contains(remark))
            placed << remark;
        QVERIFY(!remark.startsWith("asdf") || StorageSupport::remarks("asdf", 675).contains(remark));
    }
    QCOMPARE(placed, QStringList({"qwerzz"}));
    const Entry entry(storedEntries(boxPath()).value("qwerzz"));
    const QString placedName = entry.getField(7);
    QVERIFY(placedName == "a.jpg" || placedName == "b.jpg");
    const QString waiting = placedName == "a.jpg" ? "b.jpg" : "a.jpg";
    QCOMPARE(fileNames(srcPath()), QStringList({waiting}));
    QVERIFY(QFileInfo::exists(objectPath("qwerzz", "jpg")));
    // No orphan copy is left where the failed catalogue file would have pointed.
    QCOMPARE(fileNames(boxPath() + "/as/df"), QStringList());
    QVERIFY(!blocked->getUsedName().contains("zz"));
    QCOMPARE(blocked->getUsedName().size(), 675);

    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("1"));
    QCOMPARE(m_box->getCount(), 1351u);
    QCOMPARE(m_box->markedEntriesCount(0), 1);
    QCOMPARE(m_box->markedEntries(0).first()->getField(1), QStringLiteral("qwerzz"));
    QCOMPARE(sessionLines().size(), 1);
    const QStringList log = logLines();
    QVERIFY(log.contains("(!) Can not store entry file " + blocked->completeName()));
    QVERIFY(log.contains("New files added to the box: 1 (Total: 2, remains: 1)"));

    // Once the catalogue file is repaired, a later run places the waiting file at the same place: no
    // copy was left behind to collide with.
    const QString blockedPath = blocked->completeName();
    m_central.reset();
    m_tessary.reset();
    QVERIFY(QDir().rmdir(blockedPath));
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("asdf", 675)));
    openBox();
    Arrangement *later = makeFrame();
    QVERIFY(hasAllWidgets(later));
    start(later, "rest");
    QCOMPARE(text(later, "addLabel"), QStringLiteral("1"));
    QVERIFY(fileNames(srcPath()).isEmpty());
    QCOMPARE(Entry(storedEntries(boxPath()).value("asdfzz")).getField(7), waiting);
    QCOMPARE(fileNames(boxPath() + "/as/df"), QStringList({"abc", "zz.jpg"}));
}

void TestArrangement::failedStoreOfEditedVersionKeepsTheGroup()
{
    QStringList full = {entryLine({"3", "qwerty", "qwerty", "bbbb", "1", "99", "abcd", "IMG_1.JPG", "Lake,Anna",
                                   "01.02.2003"}),
                        entryLine({"3", "qweraa", "qwerty", "aaaa", "0", "0", "unknown", "m.jpg", "unknown,unknown",
                                   "02.02.2002"})};
    for (const QString &remark : StorageSupport::remarks("qwer", 676)) {
        if (remark != "qwerty" && remark != "qweraa")
            full << StorageSupport::entryLine(remark, "x.jpg");
    }
    QVERIFY(writeEntries(boxPath(), "qwer", full));
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("asdf", 675)));
    openBox();
    auto blocked = m_box->findChild<MyAbcFile *>("abc_asdf");
    QVERIFY(blocked);
    QVERIFY(blockAbcFile(blocked->completeName()));
    QVERIFY(!blocked->store());
    const QMap<QString, QString> before = storedEntries(boxPath());

    QVERIFY(writeSource("qwerty.jpg", "edited"));
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    Arrangement *frame = makeFrame();
    QVERIFY(hasAllWidgets(frame));
    start(frame);

    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(fileNames(srcPath()), QStringList({"qwerty.jpg"}));
    QCOMPARE(fileNames(boxPath() + "/as/df"), QStringList());
    // The group keeps its prime, in memory and on disk.
    auto qwer = m_box->findChild<MyAbcFile *>("abc_qwer");
    QVERIFY(qwer);
    QCOMPARE(qwer->getEntryPart("aa", 2), QStringLiteral("qwerty"));
    QCOMPARE(qwer->getEntryPart("ty", 2), QStringLiteral("qwerty"));
    QCOMPARE(storedEntries(boxPath()), before);
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("0"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("1"));
    QCOMPARE(m_box->getCount(), 1351u);
    QCOMPARE(m_box->markedEntriesCount(0), 0);
    QVERIFY(sessionLines().isEmpty());
}

// ---- incoming files that cannot be taken as they are, places that are not free, killed runs ------

// A card reader still writing: the extractor (which runs after the checksums) appends to the file
// while the flag file exists.
void TestArrangement::fileGrowingWhileReadStaysForALaterRun()
{
    const QString script = m_dir->path() + "/growing_extractor.sh";
    const QString flag = m_dir->path() + "/still-writing";
    const QString body = QStringLiteral("#!/bin/sh\nif [ -f '%1' ]; then printf 'tail' >> \"$1/movie.jpg\"; fi\n");
    QVERIFY(TestSupport::writeFile(script, body.arg(flag).toUtf8()));
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(TestSupport::writeFile(flag, ""));
    QVERIFY(writeSource("movie.jpg", "head of the movie "));
    QVERIFY(writeSource("still.jpg", "a finished picture"));
    openBox(QLatin1Char('"') + script + QStringLiteral("\" %1"));
    Arrangement *frame = makeFrame();
    start(frame);

    // The finished picture is placed; the growing one waits whole in the source folder.
    QCOMPARE(fileNames(srcPath()), QStringList({"movie.jpg"}));
    QVERIFY(TestSupport::readFile(inSrc("movie.jpg")).startsWith("head of the movie tail"));
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(Entry(entries.first()).getField(7), QStringLiteral("still.jpg"));
    const Remark placed(entries.firstKey());
    const QStringList inFolder = fileNames(boxPath() + "/" + placed.re() + "/" + placed.ma());
    QCOMPARE(QSet<QString>(inFolder.cbegin(), inFolder.cend()), QSet<QString>({"abc", placed.rk() + ".jpg"}));
    QCOMPARE(inFolder.size(), 2);
    QVERIFY(logLines().contains("(!) The file changed while it was read, it stays in the source folder: "
                                + inSrc("movie.jpg")));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("1"));

    // Once it is complete, a later run takes it with all its content.
    QVERIFY(QFile::remove(flag));
    const QByteArray whole = TestSupport::readFile(inSrc("movie.jpg"));
    Arrangement *later = makeFrame();
    start(later);
    QVERIFY(fileNames(srcPath()).isEmpty());
    const QStringList added = newRemarks(entries);
    QCOMPARE(added.size(), 1);
    QCOMPARE(TestSupport::readFile(objectPath(added.first(), "jpg")), whole);
    QCOMPARE(Entry(storedEntries(boxPath()).value(added.first())).getField(3),
             StorageSupport::md5sumOf(objectPath(added.first(), "jpg")));
}

// A writer that holds its file open through a run, without changing it while the run looks: the file
// is not taken, however still it seems, and comes in whole once the writer has closed it.
void TestArrangement::fileHeldOpenForWritingWaitsWhole()
{
    QVERIFY(writeSource("still.jpg", "a finished picture"));
    QProcess writer;
    writer.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec cat >> \"$0\""), inSrc("held.jpg")});
    QVERIFY(writer.waitForStarted());
    writer.write("the first part, ");
    QTRY_COMPARE(QFileInfo(inSrc("held.jpg")).size(), qint64(16));
    openBox();
    Arrangement *frame = makeFrame();
    start(frame);

    QCOMPARE(fileNames(srcPath()), QStringList({"held.jpg"}));
    QCOMPARE(TestSupport::readFile(inSrc("held.jpg")), QByteArray("the first part, "));
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(Entry(entries.first()).getField(7), QStringLiteral("still.jpg"));
    QVERIFY(logLines().contains("(!) The file changed while it was read, it stays in the source folder: "
                                + inSrc("held.jpg")));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("1"));

    writer.write("and the rest");
    writer.closeWriteChannel();
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitCode(), 0);
    Arrangement *later = makeFrame();
    start(later);
    QVERIFY(fileNames(srcPath()).isEmpty());
    const QStringList added = newRemarks(entries);
    QCOMPARE(added.size(), 1);
    QCOMPARE(TestSupport::readFile(objectPath(added.first(), "jpg")), QByteArray("the first part, and the rest"));
}

// A file-size limit stands in for a full disk: the copy fails part way (root too).
void TestArrangement::copyCutShortLeavesNoPartOfItInTheBox()
{
    openBox();
    QVERIFY(writeSource("big.jpg", QByteArray(600 * 1024, 'b')));
    QVERIFY(writeSource("small.jpg", "small"));
    Arrangement *frame = makeFrame();
    struct rlimit saved;
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lowered = saved;
    lowered.rlim_cur = 256 * 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &lowered) == 0);
    auto edit = frame->findChild<QLineEdit *>("annotationEdit");
    auto button = frame->findChild<QPushButton *>("startButton");
    QVERIFY(edit && button);
    QTest::mouseClick(button, Qt::LeftButton);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(m_statusSpy->count(), 1);

    QCOMPARE(fileNames(srcPath()), QStringList({"big.jpg"}));
    QCOMPARE(QFileInfo(inSrc("big.jpg")).size(), 600 * 1024);
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 1);
    QCOMPARE(Entry(entries.first()).getField(7), QStringLiteral("small.jpg"));
    // Nothing but the catalogue and the small copy lies in the box.
    QStringList files;
    QDirIterator it(boxPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QFileInfo(it.next()).fileName();
    QStringList expected = {"abc", Remark(entries.firstKey()).rk() + ".jpg"};
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
    QVERIFY(logLines().contains("(!) Try is not success..."));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("1"));
    QVERIFY(!QFileInfo::exists(basePath() + "/" + ArrangementRun::JOURNAL_NAME));
}

void TestArrangement::placeHoldingAFileIsPassedOver()
{
    // The only vacancy of the box, qwerzz, holds a file that no entry names.
    QVERIFY(StorageSupport::writeAbcFile(boxPath(), StorageSupport::remarks("qwer", 675)));
    QVERIFY(TestSupport::writeFile(boxPath() + "/qw/er/zz.jpg", "left here by hand"));
    openBox();
    QVERIFY(writeSource("a.jpg", "alpha"));
    Arrangement *frame = makeFrame();
    start(frame);

    QCOMPARE(TestSupport::readFile(boxPath() + "/qw/er/zz.jpg"), QByteArray("left here by hand"));
    QVERIFY(logLines().contains("(!) The place " + boxPath() + "/qw/er/zz.jpg"
                                + " holds a file that no entry names, another place is taken"));
    // The file went to another place, in the same run.
    const QStringList added = newRemarks(QMap<QString, QString>());
    QStringList placed;
    for (const QString &remark : added) {
        if (!remark.startsWith("qwer"))
            placed << remark;
    }
    QCOMPARE(placed.size(), 1);
    QCOMPARE(TestSupport::readFile(objectPath(placed.first(), "jpg")), QByteArray("alpha"));
    QVERIFY(!storedEntries(boxPath()).contains("qwerzz"));
    QVERIFY(fileNames(srcPath()).isEmpty());
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "remainsLabel"), QStringLiteral("0"));
}

void TestArrangement::unreadableNameIsReported()
{
    openBox();
    // Latin-1 bytes in a UTF-8 locale: no text names this file.
    const QByteArray rawName = QFile::encodeName(srcPath()) + "/caf\xe9.jpg";
    const int fd = ::open(rawName.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "coffee", 6), ssize_t(6));
    ::close(fd);
    QVERIFY(writeSource("tea.jpg", "tea"));
    Arrangement *frame = makeFrame();
    start(frame);

    QVERIFY(logLines().contains("(!) The name of this file cannot be read, it stays in the source folder: " + srcPath()
                                + "/caf\\xe9.jpg"));
    QVERIFY(shown(frame, "label_R"));
    QVERIFY(shown(frame, "unreadableLabel"));
    QCOMPARE(text(frame, "label_R"), QStringLiteral("Unreadable file names:"));
    QCOMPARE(text(frame, "unreadableLabel"), QStringLiteral("1"));
    QVERIFY(::access(rawName.constData(), F_OK) == 0);
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(fileNames(srcPath()), QStringList());
    ::unlink(rawName.constData());
}

// What a run killed after storing its catalogue leaves: the journal, a stored entry whose source still
// waits, a copy whose entry was never stored, no session.
void TestArrangement::interruptedRunIsFinishedFirst()
{
    QVERIFY(writeSource("a.jpg", "alpha"));
    QVERIFY(writeSource("b.jpg", "beta"));
    QVERIFY(writeSource("c.jpg", "gamma"));
    const QString alphaSum = StorageSupport::md5sumOf(inSrc("a.jpg"));
    QVERIFY(writeEntries(boxPath(), "qwer",
                         {entryLine({"1", "qwerab", "qwerab", alphaSum, "0", "0", "unknown", "a.jpg", "unknown,unknown",
                                     "01.01.2020"})}));
    QVERIFY(TestSupport::writeFile(boxPath() + "/qw/er/ab.jpg", "alpha"));
    QVERIFY(TestSupport::writeFile(boxPath() + "/qw/er/cd.jpg", "bet"));
    // The source of this whole copy went after the copy was made.
    QVERIFY(TestSupport::writeFile(boxPath() + "/qw/er/ef.jpg", "delta"));
    qint64 size = 0;
    qint64 alphaTime = 0;
    qint64 betaTime = 0;
    QVERIFY(MySourceFile::fileStamp(inSrc("a.jpg"), size, alphaTime));
    QVERIFY(MySourceFile::fileStamp(inSrc("b.jpg"), size, betaTime));
    QVERIFY(TestSupport::writeFile(basePath() + "/" + ArrangementRun::JOURNAL_NAME,
                                   QStringLiteral("run~photo~1~Before the cut\n"
                                                  "place~qwerab~5~%1~~a.jpg\n"
                                                  "place~qwercd~4~%2~~b.jpg\n"
                                                  "place~qweref~5~7~~d%7Ee.jpg\n"
                                                  "place~qwe")
                                       .arg(alphaTime)
                                       .arg(betaTime)
                                       .toUtf8()));
    openBox();
    Arrangement *frame = makeFrame();
    QCOMPARE(text(frame, "sessionLabel"), QStringLiteral("1"));
    start(frame, "after");

    QVERIFY(!QFileInfo::exists(basePath() + "/" + ArrangementRun::JOURNAL_NAME));
    const QStringList log = logLines();
    QVERIFY(log.contains("(!) The arrangement of session 1 was interrupted, it is finished first"));
    QVERIFY(log.contains("(!) Interrupted arrangement: 1 files placed, 2 taken back"));
    QVERIFY(log.contains("(!) Put back into the source folder: " + inSrc("d~e.jpg")));
    QVERIFY(log.contains("(!) Taken back: " + boxPath() + "/qw/er/cd.jpg"));
    // The killed run's session is recorded with its annotation; this run is the next one.
    QCOMPARE(sessionLines().size(), 2);
    QVERIFY(sessionLines().at(0).startsWith("1~"));
    QVERIFY(sessionLines().at(0).endsWith("~photo~Before the cut"));
    QVERIFY(sessionLines().at(1).startsWith("2~"));
    QVERIFY(sessionLines().at(1).endsWith("~photo~after"));
    QCOMPARE(text(frame, "sessionLabel"), QStringLiteral("2"));

    // a.jpg was in the box already and is gone from the source folder; b.jpg and c.jpg are placed now.
    QVERIFY(fileNames(srcPath()).isEmpty());
    QCOMPARE(TestSupport::readFile(boxPath() + "/qw/er/ab.jpg"), QByteArray("alpha"));
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(entries.size(), 4);
    QStringList names;
    for (const QString &line : entries) {
        const Entry entry(line);
        names << entry.getField(7);
        if (entry.getField(1) != "qwerab")
            QCOMPARE(entry.getField(0), QStringLiteral("2"));
    }
    names.sort();
    QCOMPARE(names, QStringList({"a.jpg", "b.jpg", "c.jpg", "d-e.jpg"}));
    for (const QString &line : entries) {
        const Entry entry(line);
        QCOMPARE(StorageSupport::md5sumOf(objectPath(entry.getField(1), "jpg")), entry.getField(3));
    }
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("3"));
}

// The killed run had stored an edited version; its group spans a catalogue file that cannot be written
// now. Nothing new is placed until that is repaired, and the user is told.
void TestArrangement::interruptedRunThatCannotBeFinishedStopsTheNext()
{
    QVERIFY(writeEntries(boxPath(), "qwer",
                         {entryLine({"3", "qwerty", "qwerty", "bbbb", "1", "99", "abcd", "IMG_1.JPG", "Lake,Anna",
                                     "01.02.2003"}),
                          entryLine({"3", "qwerab", "qwerab", "cccc", "1", "99", "abcd", "qwerty.jpg", "Lake,Anna",
                                     "01.02.2003"})}));
    QVERIFY(writeEntries(boxPath(), "asdf",
                         {entryLine({"5", "asdfgh", "qwerty", "dddd", "0", "0", "unknown", "n.jpg", "unknown,unknown",
                                     "03.03.2003"})}));
    QVERIFY(TestSupport::writeFile(boxPath() + "/qw/er/ab.jpg", "edited"));
    const QString journal = basePath() + "/" + ArrangementRun::JOURNAL_NAME;
    const QByteArray journalText = "run~photo~4~unknown\nplace~qwerab~6~1~qwerty~qwerty.jpg\n";
    QVERIFY(TestSupport::writeFile(journal, journalText));
    QVERIFY(writeSource("new.jpg", "new"));
    openBox();
    auto blocked = m_box->findChild<MyAbcFile *>("abc_asdf");
    QVERIFY(blocked);
    const QString blockedPath = blocked->completeName();
    QVERIFY(blockAbcFile(blockedPath));

    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    const int shownBefore = MyMessageBox::shownCount();
    Arrangement *frame = makeFrame();
    start(frame);
    QCOMPARE(MyMessageBox::shownCount(), shownBefore + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QVERIFY(MyMessageBox::lastText().contains("interrupted arrangement"));
    QVERIFY(logLines().contains("(!) Can not store entry file " + blockedPath));
    QVERIFY(logLines().contains("(!) The interrupted arrangement cannot be finished, no file is placed"));
    QCOMPARE(TestSupport::readFile(journal), journalText);
    QCOMPARE(fileNames(srcPath()), QStringList({"new.jpg"}));
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("0"));
    QVERIFY(sessionLines().isEmpty());

    // Repaired, the next run relinks the group to the edited version, and places the new file.
    m_central.reset();
    m_tessary.reset();
    QVERIFY(QDir().rmdir(blockedPath));
    QVERIFY(writeEntries(boxPath(), "asdf",
                         {entryLine({"5", "asdfgh", "qwerty", "dddd", "0", "0", "unknown", "n.jpg", "unknown,unknown",
                                     "03.03.2003"})}));
    openBox();
    Arrangement *later = makeFrame();
    start(later);
    QVERIFY(!QFileInfo::exists(journal));
    const QMap<QString, QString> entries = storedEntries(boxPath());
    QCOMPARE(Entry(entries.value("qwerty")).getField(2), QStringLiteral("qwerab"));
    QCOMPARE(Entry(entries.value("asdfgh")).getField(2), QStringLiteral("qwerab"));
    QCOMPARE(text(later, "addLabel"), QStringLiteral("1"));
    QVERIFY(fileNames(srcPath()).isEmpty());
}

QTEST_MAIN(TestArrangement)
#include "tst_arrangement.moc"
