#include <QCheckBox>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "boxsupport.h"
#include "constants.h"
#include "entry.h"
#include "mymessagebox.h"
#include "mysettings.h"
// The frames' form header is generated for this program too (see restoredialog.h).
#include "restoreeditdialog.h"
#include "restoreotherdialog.h"
#include "restoreprintdialog.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using BoxSupport::entry;

class TestRestore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingMarkedShowsNoSelections();
    void editKeepsTheFileWaitingInTheSourceFolder();
    void printTwiceCountsTwoHardcopiesWithLabels();
    void clearLeavesSubFolders();
    void clearForEditingTakesOnlyUnchangedCopies();
    void labelsThatCannotBeWrittenAreShown();
    void originalFilenameWithoutLabels();
    void labelsOnRequestForFollowingUsage();
    void burnerThatCannotStart();
    void burnerGetsLabelAndFolder();
    void burnerErrorIsReported();
    void burnerStopsWithItsFrame();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QStringLiteral("/photo"); }
    QString srcPath() const { return basePath() + QLatin1Char('/') + NAME_SRC_FOLDER; }
    QString dstPath() const { return basePath() + QLatin1Char('/') + NAME_DST_FOLDER; }
    QString abcPath(const QString &rema) const
    {
        return boxPath() + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2) + QStringLiteral("/abc");
    }
    QStringList logLines() const { return ArrangementSupport::lines(basePath() + QStringLiteral("/log")); }

    void makeBox(const QString &burner = QString());
    template <class Frame> Frame *makeFrame();
    void start(QFrame *frame);
    QString text(QFrame *frame, const char *name) const;
    QPushButton *button(QFrame *frame, const char *name) const;

    // Message boxes shown by this test function.
    int shownBoxes() const { return MyMessageBox::shownCount() - m_shownBefore; }

    int m_shownBefore = 0;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

void TestRestore::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
    m_shownBefore = MyMessageBox::shownCount();
}

void TestRestore::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    m_dir.reset();
}

// Four described photos in two catalogue files, each stored object with its own content.
void TestRestore::makeBox(const QString &burner)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    if (!burner.isEmpty())
        m_settings->setValue(KEY_GENERAL + KEY_BURN_CD, burner);
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "qwer",
        {entry("1", "qwerty", "qwerty", "0", "abcd", "IMG_0001.JPG", "Sea,Ann", "01.02.2020", 1),
         entry("1", "qwerab", "qwerty", "2", "unknown", "IMG_0002.jpg", "unknown,unknown", "02.02.2020")}));
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "asdf",
        {entry("2", "asdfgh", "asdfgh", "0", "abcd", "lonely.png", "Lonely title", "03.02.2020", 1),
         entry("2", "asdfzz", "asdfzz", "5", "abcd", "three.jpg", "a,b,c", "04.02.2020", 1)}));
    QVERIFY(BoxSupport::writeObject(boxPath(), "qwerty", "JPG", "first object"));
    QVERIFY(BoxSupport::writeObject(boxPath(), "qwerab", "jpg", "second object, longer"));
    QVERIFY(BoxSupport::writeObject(boxPath(), "asdfgh", "png", "third"));
    QVERIFY(BoxSupport::writeObject(boxPath(), "asdfzz", "jpg", "fourth"));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
}

template <class Frame> Frame *TestRestore::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new Frame(m_box, m_central.data());
    m_central->show();
    return frame;
}

void TestRestore::start(QFrame *frame)
{
    QPushButton *startButton = button(frame, "startButton");
    QVERIFY(startButton);
    QVERIFY(startButton->isEnabled());
    QTest::mouseClick(startButton, Qt::LeftButton);
    QVERIFY(!startButton->isEnabled());
}

QString TestRestore::text(QFrame *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QPushButton *TestRestore::button(QFrame *frame, const char *name) const
{
    return frame->findChild<QPushButton *>(name);
}

void TestRestore::nothingMarkedShowsNoSelections()
{
    makeBox();
    auto frame = makeFrame<RestorePrintDialog>();
    auto noSelection = frame->findChild<QLabel *>("label_B");
    auto mode = frame->findChild<QWidget *>("mode");
    QVERIFY(noSelection && mode);
    QVERIFY(noSelection->isVisible());
    QCOMPARE(noSelection->text(), QStringLiteral("No selections..."));
    QVERIFY(!mode->isVisible());
    QCOMPARE(text(frame, "title"), QStringLiteral("For printing"));
}

// A restore for editing never overwrites the file waiting in the source folder: it may be an edited
// version that the arrangement has not taken in yet.
void TestRestore::editKeepsTheFileWaitingInTheSourceFolder()
{
    makeBox();
    QVERIFY(TestSupport::writeFile(srcPath() + "/qwerty.JPG", "edited by the user"));
    const QByteArray abcBefore = TestSupport::readFile(abcPath("qwer"));
    m_box->markAllEntries(0);

    auto frame = makeFrame<RestoreEditDialog>();
    QCOMPARE(text(frame, "title"), QStringLiteral("For editing"));
    QCOMPARE(text(frame, "destination"), srcPath());
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>not empty</b> / existing files: 1"));
    QVERIFY(button(frame, "clearButton")->isEnabled());
    QCOMPARE(text(frame, "select"), QStringLiteral("4"));
    QCOMPARE(text(frame, "selectSize"), QStringLiteral("0.0"));
    QCOMPARE(text(frame, "remain"), QStringLiteral("4"));
    QCOMPARE(text(frame, "time"), QStringLiteral("00:00:00:000"));

    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    start(frame);

    QCOMPARE(TestSupport::readFile(srcPath() + "/qwerty.JPG"), QByteArray("edited by the user"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/qwerab.jpg"), QByteArray("second object, longer"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/asdfgh.png"), QByteArray("third"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/asdfzz.jpg"), QByteArray("fourth"));
    QVERIFY(QFileInfo(srcPath() + "/asdfgh.png").permissions() & QFile::WriteOther);
    QCOMPARE(text(frame, "restore"), QStringLiteral("3"));
    QCOMPARE(text(frame, "remain"), QStringLiteral("1"));
    QCOMPARE(text(frame, "remainSize"), QStringLiteral("0.0"));
    QCOMPARE(text(frame, "currentRemark"), QStringLiteral(" "));
    QCOMPARE(frame->findChild<QProgressBar *>("progressBar")->value(), 4);
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>not empty</b> / existing files: 4"));
    QVERIFY(!button(frame, "clearButton")->isEnabled());
    // The frame says what did not come out.
    QCOMPARE(shownBoxes(), 1);
    QVERIFY(MyMessageBox::lastText().startsWith(QStringLiteral("1 of 4 objects were not restored")));

    // Nothing of the catalogue changes for editing.
    QCOMPARE(TestSupport::readFile(abcPath("qwer")), abcBefore);

    const QStringList log = logLines();
    QVERIFY(log.first().startsWith(QStringLiteral("--- RESTORE OPEN : ")));
    const QString copied = QRegularExpression::escape(boxPath() + "/qw/er/ab.jpg") + " to "
                           + QRegularExpression::escape(srcPath() + "/qwerab.jpg");
    QCOMPARE(log.filter(QRegularExpression("^    [1-3] Copy " + copied + "$")).size(), 1);
    QCOMPARE(log.filter(QStringLiteral(" Copy ")).size(), 3);
    QCOMPARE(log.filter(QStringLiteral("(!)")).size(), 2);
    QVERIFY(log.filter(QStringLiteral("(!)")).first().contains(srcPath() + "/qwerty.JPG"));
    QVERIFY(log.at(log.size() - 2).startsWith(QStringLiteral("--- RESTORE CLOSE: ")));
}

// Each print restore counts one hardcopy per object restored; the labels list every marked object.
void TestRestore::printTwiceCountsTwoHardcopiesWithLabels()
{
    makeBox();
    m_box->markAllEntries(0);
    QStringList expected;
    for (const Entry *marked : m_box->markedEntries()) {
        const QString remark = marked->getField(1);
        expected << (remark == "qwerty"   ? "qwerty~01.02.2020~Sea~Ann"
                     : remark == "qwerab" ? "qwerab~02.02.2020~~"
                     : remark == "asdfgh" ? "asdfgh~03.02.2020~Lonely title~"
                                          : "asdfzz~04.02.2020~a~");
    }

    auto frame = makeFrame<RestorePrintDialog>();
    QPushButton *burn = button(frame, "onCDButton");
    QVERIFY(burn);
    QVERIFY(!burn->isEnabled());
    QVERIFY(!frame->findChild<QLabel *>("label_K")->isVisible());
    QVERIFY(!button(frame, "makeLabelsButton")->isVisible());
    QVERIFY(!frame->findChild<QCheckBox *>("useOriginalFilename")->isVisible());
    start(frame);
    QCOMPARE(shownBoxes(), 0);
    QCOMPARE(text(frame, "restore"), QStringLiteral("4"));
    QCOMPARE(text(frame, "remain"), QStringLiteral("0"));
    QCOMPARE(TestSupport::readFile(dstPath() + "/qwerty.JPG"), QByteArray("first object"));
    QCOMPARE(TestSupport::readFile(dstPath() + "/labels.txt"), (expected.join('\n') + '\n').toUtf8());
    QVERIFY(burn->isEnabled());
    QVERIFY(frame->findChild<QLabel *>("label_K")->isVisible());
    QCOMPARE(text(frame, "label_K"), QStringLiteral("Insert disk in CDROM drive and press button..."));

    QMap<QString, QString> stored = ArrangementSupport::storedEntries(boxPath());
    QCOMPARE(stored.value("qwerty").section('~', 4, 4), QStringLiteral("1"));
    QCOMPARE(stored.value("qwerab").section('~', 4, 4), QStringLiteral("3"));
    QCOMPARE(stored.value("asdfzz").section('~', 4, 4), QStringLiteral("6"));

    // The second print of the same selection, after the destination was cleared.
    frame = makeFrame<RestorePrintDialog>();
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(button(frame, "clearButton"), Qt::LeftButton);
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>empty</b>"));
    start(frame);
    stored = ArrangementSupport::storedEntries(boxPath());
    QCOMPARE(stored.value("qwerty").section('~', 4, 4), QStringLiteral("2"));
    QCOMPARE(stored.value("asdfgh").section('~', 4, 4), QStringLiteral("2"));
    QCOMPARE(stored.value("asdfzz"),
             entry("2", "asdfzz", "asdfzz", "7", "abcd", "three.jpg", "a,b,c", "04.02.2020", 1));
    QCOMPARE(ArrangementSupport::fileNames(dstPath()),
             QStringList({"asdfgh.png", "asdfzz.jpg", "labels.txt", "qwerab.jpg", "qwerty.JPG"}));
}

// Clear removes files only; a destination holding only folders counts as empty.
void TestRestore::clearLeavesSubFolders()
{
    makeBox();
    QVERIFY(QDir().mkpath(dstPath() + "/album/inner"));
    QVERIFY(TestSupport::writeFile(dstPath() + "/album/kept.txt", "kept"));
    QVERIFY(TestSupport::writeFile(dstPath() + "/old.jpg", "old"));
    QVERIFY(TestSupport::writeFile(dstPath() + "/.hidden", "hidden"));
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestoreOtherDialog>();
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>not empty</b> / existing files: 2"));
    QPushButton *clear = button(frame, "clearButton");
    QVERIFY(clear->isEnabled());
    // Asked first; No keeps everything.
    MyMessageBox::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(shownBoxes(), 1);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("Remove 2 files from the folder\n%1?\nSub-folders stay.").arg(dstPath()));
    QVERIFY(QFile::exists(dstPath() + "/old.jpg"));
    QVERIFY(clear->isEnabled());
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>empty</b>"));
    QVERIFY(!clear->isEnabled());
    QVERIFY(!QFile::exists(dstPath() + "/old.jpg"));
    QVERIFY(!QFile::exists(dstPath() + "/.hidden"));
    QCOMPARE(TestSupport::readFile(dstPath() + "/album/kept.txt"), QByteArray("kept"));
    QVERIFY(QFileInfo(dstPath() + "/album/inner").isDir());

    // A new frame over the folders alone sees an empty destination.
    frame = makeFrame<RestoreOtherDialog>();
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>empty</b>"));
    QVERIFY(!button(frame, "clearButton")->isEnabled());
}

// The source folder is shared: Clear in the editing restore removes only this box's copies as they were
// restored; an edited copy, another box's incoming file and the user's own file stay.
void TestRestore::clearForEditingTakesOnlyUnchangedCopies()
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    const QByteArray contents[] = {"first object", "second object", "third"};
    const char *remarks[] = {"qwerty", "qwerab", "qwerac"};
    QStringList lines;
    for (int i = 0; i < 3; ++i) {
        QStringList fields = entry("1", remarks[i], remarks[i], "0", "abcd", QStringLiteral("IMG_%1.jpg").arg(i),
                                   "unknown,unknown", "01.02.2020", 1)
                                 .split('~');
        fields[3] = QString::fromLatin1(QCryptographicHash::hash(contents[i], QCryptographicHash::Md5).toHex());
        lines << fields.join('~');
        QVERIFY(BoxSupport::writeObject(boxPath(), remarks[i], "jpg", contents[i]));
    }
    QVERIFY(ArrangementSupport::writeEntries(boxPath(), "qwer", lines));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
    // Waiting beside the copies: a book box's incoming file named like a remark, and the user's own.
    QVERIFY(TestSupport::writeFile(srcPath() + "/zxcvbn.pdf", "a book, its only copy"));
    QVERIFY(TestSupport::writeFile(srcPath() + "/IMG_7777.JPG", "a new photo"));
    m_box->markAllEntries(0);
    start(makeFrame<RestoreEditDialog>());
    QCOMPARE(ArrangementSupport::fileNames(srcPath()),
             QStringList({"IMG_7777.JPG", "qwerab.jpg", "qwerac.jpg", "qwerty.jpg", "zxcvbn.pdf"}));
    QVERIFY(TestSupport::writeFile(srcPath() + "/qwerab.jpg", "second object, edited"));

    auto frame = makeFrame<RestoreEditDialog>();
    QPushButton *clear = button(frame, "clearButton");
    QVERIFY(clear && clear->isEnabled());
    MyMessageBox::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Remove 2 unchanged copies restored for editing from the "
                                                      "folder\n%1?\nqwerac.jpg\nqwerty.jpg\nEdited copies and all "
                                                      "other files stay.")
                                           .arg(srcPath()));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()).size(), 5);
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"IMG_7777.JPG", "qwerab.jpg", "zxcvbn.pdf"}));
    QCOMPARE(TestSupport::readFile(srcPath() + "/qwerab.jpg"), QByteArray("second object, edited"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/zxcvbn.pdf"), QByteArray("a book, its only copy"));
    QCOMPARE(text(frame, "destinationStatus"), QStringLiteral("<b>not empty</b> / existing files: 3"));
    // Nothing left to clear is said, and nothing goes.
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(MyMessageBox::lastText().startsWith(QStringLiteral("No file of the folder")));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()).size(), 3);
}

void TestRestore::labelsThatCannotBeWrittenAreShown()
{
    makeBox();
    // A folder where the labels file should go: it cannot be replaced by a file.
    QVERIFY(QDir().mkpath(dstPath() + "/labels.txt"));
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestorePrintDialog>();
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    start(frame);
    QCOMPARE(shownBoxes(), 1);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("The labels file cannot be written:\n%1").arg(dstPath() + "/labels.txt"));
    QCOMPARE(text(frame, "restore"), QStringLiteral("4"));
}

void TestRestore::originalFilenameWithoutLabels()
{
    makeBox();
    const QByteArray abcBefore = TestSupport::readFile(abcPath("asdf"));
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestoreOtherDialog>();
    QCOMPARE(text(frame, "title"), QStringLiteral("For following usage"));
    auto original = frame->findChild<QCheckBox *>("useOriginalFilename");
    QPushButton *labels = button(frame, "makeLabelsButton");
    QVERIFY(original && labels);
    QVERIFY(original->isVisible());
    QVERIFY(labels->isVisible());
    QVERIFY(labels->isEnabled());
    QTest::mouseClick(original, Qt::LeftButton, Qt::NoModifier, QPoint(4, original->height() / 2));
    QVERIFY(original->isChecked());
    QVERIFY(!labels->isEnabled());
    start(frame);
    QVERIFY(!original->isEnabled());
    QVERIFY(!labels->isEnabled());
    QVERIFY(button(frame, "onCDButton")->isEnabled());
    QCOMPARE(ArrangementSupport::fileNames(dstPath()),
             QStringList({"IMG_0001.JPG", "IMG_0002.jpg", "lonely.png", "three.jpg"}));
    QCOMPARE(TestSupport::readFile(dstPath() + "/lonely.png"), QByteArray("third"));
    // No hardcopy is counted for other use.
    QCOMPARE(TestSupport::readFile(abcPath("asdf")), abcBefore);
}

void TestRestore::labelsOnRequestForFollowingUsage()
{
    makeBox();
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestoreOtherDialog>();
    start(frame);
    QVERIFY(!QFile::exists(dstPath() + "/labels.txt"));
    QPushButton *labels = button(frame, "makeLabelsButton");
    QVERIFY(labels->isEnabled());
    QTest::mouseClick(labels, Qt::LeftButton);
    QVERIFY(!labels->isEnabled());
    QCOMPARE(ArrangementSupport::lines(dstPath() + "/labels.txt").size(), 4);
    QVERIFY(ArrangementSupport::lines(dstPath() + "/labels.txt").contains("asdfgh~03.02.2020~Lonely title~"));
}

void TestRestore::burnerThatCannotStart()
{
    makeBox(QStringLiteral("/nonexistent/burner burn /l %1 /d %2"));
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestorePrintDialog>();
    start(frame);
    QTest::mouseClick(button(frame, "onCDButton"), Qt::LeftButton);
    QTRY_COMPARE(text(frame, "label_K"), QStringLiteral("The burning process cannot be started..."));
    QVERIFY(!button(frame, "onCDButton")->isEnabled());
    const QStringList log = logLines();
    QVERIFY(log.filter(QStringLiteral("--- BURNING OPEN : ")).size() == 1);
    QVERIFY(log.filter(QStringLiteral("--- BURNING CLOSE: ")).size() == 1);
    QCOMPARE(log.filter(QStringLiteral("(!) The burning process cannot be started")).size(), 1);
}

void TestRestore::burnerGetsLabelAndFolder()
{
    const QString record = m_dir->path() + "/burner-args";
    qputenv("TESSARY_FAKE_RECORD", record.toLocal8Bit());
    qunsetenv("TESSARY_FAKE_EXIT");
    makeBox('"' + StorageSupport::fake("fake_burner.sh") + "\" burn /l %1 /d %2 /erase /eject");
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestorePrintDialog>();
    start(frame);
    QTest::mouseClick(button(frame, "onCDButton"), Qt::LeftButton);
    QTRY_COMPARE(text(frame, "label_K"), QStringLiteral("The burning process is complete"));
    QCOMPARE(ArrangementSupport::lines(record),
             QStringList({"burn", "/l", "photo_" + QDate::currentDate().toString("ddMMyyyy"), "/d", dstPath(),
                          "/erase", "/eject"}));
    QCOMPARE(frame->burnStatus(), 1);
    const QStringList log = logLines();
    QCOMPARE(log.filter(QStringLiteral("fake burner: writing 7")).size(), 1);
    QCOMPARE(log.filter(QStringLiteral("Burner exit code: 0")).size(), 1);
    QVERIFY(log.at(log.size() - 2).startsWith(QStringLiteral("--- BURNING CLOSE: ")));
    qunsetenv("TESSARY_FAKE_RECORD");
}

// A failed burn says what the burner said; Burn is offered again and a second disc counts no hardcopy.
void TestRestore::burnerErrorIsReported()
{
    const QString record = m_dir->path() + "/burner-args";
    qputenv("TESSARY_FAKE_RECORD", record.toLocal8Bit());
    qputenv("TESSARY_FAKE_EXIT", "3");
    qputenv("TESSARY_FAKE_MESSAGE", "error: no writable disc in the drive");
    makeBox('"' + StorageSupport::fake("fake_burner.sh") + "\" %1 %2");
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestorePrintDialog>();
    start(frame);
    const QMap<QString, QString> counted = ArrangementSupport::storedEntries(boxPath());
    QPushButton *burn = button(frame, "onCDButton");
    QTest::mouseClick(burn, Qt::LeftButton);
    QTRY_COMPARE(text(frame, "label_K"), QStringLiteral("The burning process ended with an error (exit code 3)\n"
                                                        "fake burner: writing 2\n"
                                                        "error: no writable disc in the drive"));
    QCOMPARE(logLines().filter(QStringLiteral("Burner exit code: 3")).size(), 1);
    QCOMPARE(logLines().filter(QStringLiteral("error: no writable disc in the drive")).size(), 1);
    QVERIFY(burn->isEnabled());

    qunsetenv("TESSARY_FAKE_EXIT");
    qunsetenv("TESSARY_FAKE_MESSAGE");
    QFile::remove(record);
    QTest::mouseClick(burn, Qt::LeftButton);
    QTRY_COMPARE(text(frame, "label_K"), QStringLiteral("The burning process is complete"));
    QCOMPARE(frame->burnStatus(), 1);
    QVERIFY(QFile::exists(record));
    QCOMPARE(logLines().filter(QStringLiteral("Burner exit code: 0")).size(), 1);
    QVERIFY(burn->isEnabled());
    QCOMPARE(ArrangementSupport::storedEntries(boxPath()), counted);
    qunsetenv("TESSARY_FAKE_RECORD");
}

// A frame replaced during a burn takes its burner with it, and the log block is closed.
void TestRestore::burnerStopsWithItsFrame()
{
    const QString record = m_dir->path() + "/burner-args";
    qputenv("TESSARY_FAKE_RECORD", record.toLocal8Bit());
    qputenv("TESSARY_FAKE_SLEEP", "60");
    makeBox('"' + StorageSupport::fake("fake_burner.sh") + "\" %1 %2");
    m_box->markAllEntries(0);
    auto frame = makeFrame<RestorePrintDialog>();
    start(frame);
    QTest::mouseClick(button(frame, "onCDButton"), Qt::LeftButton);
    QCOMPARE(text(frame, "label_K"), QStringLiteral("Burning... "));
    QTRY_VERIFY(QFile::exists(record + ".pid"));
    const QByteArray pid = TestSupport::readFile(record + ".pid").trimmed();
    QVERIFY(!pid.isEmpty());
    QVERIFY(QFileInfo::exists("/proc/" + pid));
    m_central.reset();
    QVERIFY(!QFileInfo::exists("/proc/" + pid));
    const QStringList log = logLines();
    QCOMPARE(log.filter(QStringLiteral("(!) The burning process was stopped")).size(), 1);
    QVERIFY(log.at(log.size() - 2).startsWith(QStringLiteral("--- BURNING CLOSE: ")));
    qunsetenv("TESSARY_FAKE_SLEEP");
    qunsetenv("TESSARY_FAKE_RECORD");
}

QTEST_MAIN(TestRestore)
#include "tst_restore.moc"
