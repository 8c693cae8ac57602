#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QProcess>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include <sys/stat.h>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "constants.h"
#include "mysettings.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"
// The frame's form header is generated for this program too (see verifydialog.h).
#include "verifydialog.h"

using ArrangementSupport::entryLine;
using ArrangementSupport::lines;

static QString md5(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
}

// The content of the two stored photos of the clean box.
static const QByteArray PRIME_CONTENT = QByteArrayLiteral("the prime photo");
static const QByteArray MEMBER_CONTENT = QByteArrayLiteral("a photo like the prime");

class TestVerifyDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The scan and its verdicts.
    void checkCommandOpensTheFrame();
    void cleanBoxPassesEveryCheck();
    void faultIsReported_data();
    void faultIsReported();
    void changedFileIsReportedTwice();
    void firstOfRepeatedLinesStandsForItsRemark();
    void reportsAreTheRowsOfTheirTables();
    void largeStoredFileIsStreamed();
    void subFilesOfABookBox();

    // The backup.
    void cleanBoxBacksUpWithoutTouchingTheBox();
    void secondBackupCopiesNothingAndEndsActual();
    void changedTargetIsCopiedAgain();
    void backupFolderThatCannotBeCreated();
    void subFolderThatCannotBeCreated();
    void backupInsideTheBaseFolderIsRefused();
    void interruptedBackupIsMadeGoodByTheNext();

    // The backup copy checked against the catalogue, and the box repaired from it.
    void damagedBoxCopyIsRepairedFromTheBackup();
    void missingBoxCopyIsRestoredFromTheBackup();
    void damagedBackupCopyIsReplacedByTheNextBackup();
    void bothCopiesDamagedChangeNothing();
    void strayAndChangedBackupFilesAreReported();
    void manifestIsCheckedByMd5sum();
    void vanishedBackupIsReported();
    void copyThatFailsItsCheckChangesNothing();
    void leavingTheFrameStopsTheCheck();
    void fiveVerdictsEachGetTheirRoom();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QStringLiteral("/photo"); }
    QString backupPath() const { return m_dir->path() + QStringLiteral("/backup"); }
    QString stored(const QString &relative) const { return boxPath() + QLatin1Char('/') + relative; }

    void openBox(const QString &backupDir = QString(), const QString &boxName = NAME_PHOTO);
    void writeCleanBox();
    VerifyDialog *makeFrame();
    QString status(VerifyDialog *frame, const char *name) const;
    QString detail(VerifyDialog *frame, const char *name) const;
    QString backup(VerifyDialog *frame);
    QStringList logBlock(const QString &title = QStringLiteral("BACKUP")) const;
    QString checkBackup(VerifyDialog *frame);
    QString repair(VerifyDialog *frame, QMessageBox::StandardButton answer = QMessageBox::Yes);
    QMap<QString, QString> snapshot(const QString &root) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

void TestVerifyDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestVerifyDialog::cleanup()
{
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    m_dir.reset();
}

void TestVerifyDialog::openBox(const QString &backupDir, const QString &boxName)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_GENERAL + KEY_CPY_DIR, backupDir.isEmpty() ? backupPath() : backupDir);
    m_settings->sync();
    m_tessary.reset(new Tessary(m_settings.data()));
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(boxName));
    QVERIFY(m_box);
}

// Two sessions, one keyword, a prime qwerty and its member qweras in qw/er, and a prime asdfgh in as/df.
void TestVerifyDialog::writeCleanBox()
{
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~photo~Trip\n"
                                                          "2~06.12.2026 10:00:00~photo~unknown\n"));
    QVERIFY(TestSupport::writeFile(basePath() + "/wrd", "aqmz~cat~kitten~\nbcde~dog~\n"));
    QVERIFY(TestSupport::writeFile(basePath() + "/tmp", "a template\n"));
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "qwer",
        {entryLine({"1", "qwerty", "qwerty", md5(PRIME_CONTENT), "0", "0", "aqmz,bcde", "IMG_1.JPG",
                    "unknown,unknown", "10.07.2021"}),
         entryLine({"2", "qweras", "qwerty", md5(MEMBER_CONTENT), "1", "0", "unknown", "IMG_2.jpg", "Lake,Ann",
                    "11.07.2021"})}));
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "asdf",
        {entryLine({"2", "asdfgh", "asdfgh", md5("third"), "0", "0", "aqmz", "IMG_3.jpg", "unknown,unknown",
                    "01.01.2020"})}));
    const QDateTime taken(QDate(2021, 7, 10), QTime(14, 30));
    QVERIFY(StorageSupport::writeFileAt(stored("qw/er/ty.JPG"), PRIME_CONTENT, taken));
    QVERIFY(StorageSupport::writeFileAt(stored("qw/er/as.jpg"), MEMBER_CONTENT, taken.addDays(1)));
    QVERIFY(StorageSupport::writeFileAt(stored("as/df/gh.jpg"), "third", taken.addDays(2)));
}

VerifyDialog *TestVerifyDialog::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new VerifyDialog(m_box, m_central.data());
    m_central->show();
    return frame;
}

QString TestVerifyDialog::status(VerifyDialog *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QString TestVerifyDialog::detail(VerifyDialog *frame, const char *name) const
{
    auto browser = frame->findChild<QTextBrowser *>(name);
    // Table cells come out on lines of their own; one blank between them reads as the row does.
    return browser ? browser->toPlainText().simplified() : QStringLiteral("<missing %1>").arg(name);
}

// As the user does it: a click on Start; returns the status shown afterwards.
QString TestVerifyDialog::backup(VerifyDialog *frame)
{
    auto button = frame->findChild<QPushButton *>("backupButton");
    if (!button || !button->isEnabled() || !frame->findChild<QGroupBox *>("copyGroup")->isEnabled())
        return QStringLiteral("<no backup offered>");
    QTest::mouseClick(button, Qt::LeftButton);
    return status(frame, "copyResult");
}

// The lines of the last block with that title in the log.
QStringList TestVerifyDialog::logBlock(const QString &title) const
{
    const QStringList all = lines(basePath() + "/log");
    int open = -1;
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).startsWith("--- " + title + " OPEN : "))
            open = i;
    }
    return open < 0 ? QStringList() : all.mid(open);
}

// A click on "Check the backup copy"; waits for the verdict and returns it.
QString TestVerifyDialog::checkBackup(VerifyDialog *frame)
{
    auto button = frame->findChild<QPushButton *>("mirrorButton");
    if (!button || !button->isVisible() || !button->isEnabled())
        return QStringLiteral("<no check offered>");
    QTest::mouseClick(button, Qt::LeftButton);
    // The pass runs beside the window, which answers meanwhile.
    if (button->isEnabled() || status(frame, "mirrorStatus") != QLatin1String("..."))
        return QStringLiteral("<the check did not start>");
    if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 60000))
        return QStringLiteral("<the check did not end>");
    return status(frame, "mirrorStatus");
}

// A click on "Repair from backup", answered; returns the result shown afterwards.
QString TestVerifyDialog::repair(VerifyDialog *frame, QMessageBox::StandardButton answer)
{
    auto button = frame->findChild<QPushButton *>("repairButton");
    if (!button || !button->isEnabled())
        return QStringLiteral("<no repair offered>");
    MyMessageBox::clearAnswers();
    MyMessageBox::setNextAnswer(answer);
    QTest::mouseClick(button, Qt::LeftButton);
    return status(frame, "repairResult");
}

// One byte of a file changed, its size, time and permissions kept: what rot does to a disk.
static bool flipByte(const QString &path, int at = 0)
{
    const QFileInfo info(path);
    const QDateTime time = info.lastModified();
    const QFile::Permissions permissions = QFile::permissions(path);
    QByteArray content = TestSupport::readFile(path);
    if (content.isEmpty() || !QFile::setPermissions(path, permissions | QFile::WriteOwner))
        return false;
    content[at] = char(content.at(at) ^ 0x01);
    return StorageSupport::writeFileAt(path, content, time) && QFile::setPermissions(path, permissions);
}

static int runMd5sumCheck(const QString &folder, QByteArray *output = nullptr)
{
    QProcess md5sum;
    md5sum.setWorkingDirectory(folder);
    md5sum.setProcessChannelMode(QProcess::MergedChannels);
    md5sum.start(QStringLiteral("md5sum"),
                 {QStringLiteral("-c"), QStringLiteral("--quiet"), QStringLiteral("MD5SUMS")});
    if (!md5sum.waitForFinished(60000) || md5sum.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = md5sum.readAll();
    return md5sum.exitCode();
}

// Every file under root: relative path to size, modification time and digest.
QMap<QString, QString> TestVerifyDialog::snapshot(const QString &root) const
{
    QMap<QString, QString> result;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        result.insert(path.mid(root.size()), QStringLiteral("%1 %2 %3")
                                                 .arg(info.size())
                                                 .arg(info.lastModified().toMSecsSinceEpoch())
                                                 .arg(md5(TestSupport::readFile(path))));
    }
    return result;
}

void TestVerifyDialog::checkCommandOpensTheFrame()
{
    openBox();
    writeCleanBox();
    MainWindow window(m_settings.data());
    QAction *check = window.findChild<QAction *>("checkAction");
    QVERIFY(check);
    check->trigger();
    auto frame = window.centralWidget()->findChild<VerifyDialog *>();
    QVERIFY(frame);
    QCOMPARE(frame->objectName(), QStringLiteral("VerifyDialog"));
    QCOMPARE(status(frame, "fileStatus"), QStringLiteral("ok"));
}

void TestVerifyDialog::cleanBoxPassesEveryCheck()
{
    openBox();
    writeCleanBox();
    VerifyDialog *frame = makeFrame();
    for (const char *name : {"sssStatus", "wrdStatus", "abcStatus", "fileStatus"})
        QCOMPARE(status(frame, name), QStringLiteral("ok"));
    QCOMPARE(frame->totalFilesInBox(), 5);
    QVERIFY(frame->findChild<QGroupBox *>("copyGroup")->isEnabled());
    QVERIFY(frame->findChild<QGroupBox *>("copyGroup")->isVisible());
    QVERIFY(!frame->findChild<QProgressBar *>("scanProgress")->isVisible());
    QCOMPARE(frame->findChild<QProgressBar *>("abcProgress")->value(), 2);
    QCOMPARE(status(frame, "backupFolder"), QDir::toNativeSeparators(backupPath()));
    QCOMPARE(frame->focusWidget(), frame->findChild<QPushButton *>("backupButton"));
    QCOMPARE(detail(frame, "fileStatusDetail"), QStringLiteral("All files is accurate..."));
    QCOMPARE(detail(frame, "sssStatusDetail"), basePath() + QStringLiteral("/sss... ok"));
    QVERIFY(detail(frame, "abcStatusDetail").contains(boxPath() + "/as/df/abc... ok"));
    QVERIFY(detail(frame, "abcStatusDetail").contains(boxPath() + "/qw/er/abc... ok"));
}

enum Fault {
    ThreeFieldSession,
    FiveFieldSession,
    DuplicateSession,
    DuplicateKey,
    RemarkTwice,
    WrongFolder,
    MissingFile,
    BadDate,
    UnknownKey,
    LinkToNonPrime,
    LinkToNothing,
    StrayFile,
    UnknownSubFile
};

void TestVerifyDialog::faultIsReported_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("statusLabel");
    QTest::addColumn<QString>("detailWidget");
    QTest::addColumn<QString>("finding");
    // Every heading and every finding ends with "..."; the abc report has one heading per abc file.
    QTest::addColumn<int>("dots");

    QTest::newRow("session line of 3 fields") << int(ThreeFieldSession) << "sssStatus" << "sssStatusDetail"
                                              << "Session 2: is absent..." << 2;
    QTest::newRow("session line of 5 fields") << int(FiveFieldSession) << "sssStatus" << "sssStatusDetail"
                                              << "Session 2: is absent..." << 2;
    QTest::newRow("session twice") << int(DuplicateSession) << "sssStatus" << "sssStatusDetail"
                                   << "Session 1: is nonunique..." << 2;
    QTest::newRow("key twice") << int(DuplicateKey) << "wrdStatus" << "wrdStatusDetail" << "aqmz: is nonunique..." << 2;
    QTest::newRow("remark used twice") << int(RemarkTwice) << "abcStatus" << "abcStatusDetail"
                                       << "qweras: multiple use..." << 4;
    QTest::newRow("entry in the wrong folder") << int(WrongFolder) << "abcStatus" << "abcStatusDetail"
                                               << "zxcvbn: not belong..." << 3;
    QTest::newRow("stored file missing") << int(MissingFile) << "abcStatus" << "abcStatusDetail"
                                         << "qweras: linked file is absent..." << 3;
    QTest::newRow("bad date") << int(BadDate) << "abcStatus" << "abcStatusDetail" << "asdfgh: date is wrong..." << 3;
    QTest::newRow("unknown key") << int(UnknownKey) << "abcStatus" << "abcStatusDetail"
                                 << "asdfgh: index of keyword 'zzzz' is unknown..." << 3;
    QTest::newRow("link to a member") << int(LinkToNonPrime) << "abcStatus" << "abcStatusDetail"
                                      << "asdfgh: resembling remark is not a prime..." << 3;
    QTest::newRow("link to nothing") << int(LinkToNothing) << "abcStatus" << "abcStatusDetail"
                                     << "asdfgh: resembling remark is wrong..." << 3;
    QTest::newRow("stray file") << int(StrayFile) << "fileStatus" << "fileStatusDetail"
                                << "File notes.txt: is odd..." << 2;
    QTest::newRow("sub file of no entry in a photo box") << int(UnknownSubFile) << "fileStatus"
                                                         << "fileStatusDetail" << "File gh.sub: is odd..." << 2;
}

// One fault in an otherwise clean box gives its one finding, one caution, and no backup.
void TestVerifyDialog::faultIsReported()
{
    QFETCH(int, fault);
    QFETCH(QString, statusLabel);
    QFETCH(QString, detailWidget);
    QFETCH(QString, finding);
    QFETCH(int, dots);
    openBox();
    writeCleanBox();
    const QString asdf = "2~asdfgh~asdfgh~" + md5("third") + "~0~0~aqmz~IMG_3.jpg~unknown,unknown~01.01.2020";
    const QString linked = "2~asdfgh~%1~" + md5("third") + "~0~0~aqmz~IMG_3.jpg~unknown,unknown~01.01.2020";
    switch (Fault(fault)) {
    case ThreeFieldSession:
        QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~photo~Trip\n"
                                                              "2~06.12.2026 10:00:00~photo\n"));
        break;
    case FiveFieldSession:
        QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~photo~Trip\n"
                                                              "2~06.12.2026 10:00:00~photo~a~b\n"));
        break;
    case DuplicateSession:
        QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~photo~Trip\n"
                                                              "2~06.12.2026 10:00:00~photo~unknown\n"
                                                              "1~07.12.2026 10:00:00~photo~again\n"));
        break;
    case DuplicateKey:
        QVERIFY(TestSupport::writeFile(basePath() + "/wrd", "aqmz~cat~\nbcde~dog~\naqmz~kitten~\n"));
        break;
    case RemarkTwice: {
        QStringList abc = lines(stored("qw/er/abc"));
        abc << abc.last();
        QVERIFY(ArrangementSupport::writeEntries(boxPath(), "qwer", abc));
        break;
    }
    case WrongFolder:
        QVERIFY(ArrangementSupport::writeEntries(
            boxPath(), "asdf",
            {asdf, "2~zxcvbn~zxcvbn~" + md5("x") + "~0~0~aqmz~IMG_3.jpg~unknown,unknown~01.01.2020"}));
        break;
    case MissingFile:
        QVERIFY(QFile::remove(stored("qw/er/as.jpg")));
        break;
    case BadDate:
        QVERIFY(ArrangementSupport::writeEntries(boxPath(), "asdf", {QString(asdf).replace("01.01.2020", "2020")}));
        break;
    case UnknownKey:
        QVERIFY(ArrangementSupport::writeEntries(boxPath(), "asdf", {QString(asdf).replace("~aqmz~", "~zzzz,aqmz~")}));
        break;
    case LinkToNonPrime:
        QVERIFY(ArrangementSupport::writeEntries(boxPath(), "asdf", {linked.arg("qweras")}));
        break;
    case LinkToNothing:
        QVERIFY(ArrangementSupport::writeEntries(boxPath(), "asdf", {linked.arg("qwerzz")}));
        break;
    case StrayFile:
        QVERIFY(TestSupport::writeFile(stored("as/df/notes.txt"), "left here"));
        break;
    case UnknownSubFile:
        // A photo box writes no sub files, so one is a stored file without an entry.
        QVERIFY(TestSupport::writeFile(stored("as/df/gh.sub"), "asdfgh\n"));
        break;
    }

    VerifyDialog *frame = makeFrame();
    for (const char *name : {"sssStatus", "wrdStatus", "abcStatus", "fileStatus"}) {
        const bool faulty = statusLabel == QLatin1String(name);
        QCOMPARE(status(frame, name), faulty ? QStringLiteral("caution") : QStringLiteral("ok"));
    }
    const QString text = detail(frame, detailWidget.toLatin1().constData());
    QVERIFY2(text.contains(finding), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("...")), dots);
    QVERIFY(!frame->findChild<QGroupBox *>("copyGroup")->isEnabled());
    QCOMPARE(backup(frame), QStringLiteral("<no backup offered>"));
    QVERIFY(!QFileInfo::exists(backupPath()));
}

void TestVerifyDialog::changedFileIsReportedTwice()
{
    openBox();
    writeCleanBox();
    QVERIFY(TestSupport::writeFile(stored("qw/er/ty.JPG"), "edited by someone"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(status(frame, "sssStatus"), QStringLiteral("ok"));
    QCOMPARE(status(frame, "wrdStatus"), QStringLiteral("ok"));
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("caution"));
    QCOMPARE(status(frame, "fileStatus"), QStringLiteral("caution"));
    QVERIFY(detail(frame, "abcStatusDetail").contains("qwerty: checksum wrong..."));
    QVERIFY(!detail(frame, "abcStatusDetail").contains("qweras:"));
    QVERIFY(detail(frame, "fileStatusDetail").contains("File ty.JPG: is odd..."));
    QVERIFY(!frame->findChild<QGroupBox *>("copyGroup")->isEnabled());
}

// A file edited by hand may list its remarks out of order and one twice: the first line of a remark
// is the one its stored file is checked against, and the report still lists the remarks in order.
void TestVerifyDialog::firstOfRepeatedLinesStandsForItsRemark()
{
    openBox();
    writeCleanBox();
    const QStringList clean = lines(stored("qw/er/abc"));
    QCOMPARE(clean.size(), 2);
    QString other = clean.first();
    other.replace(md5(PRIME_CONTENT), md5("another picture"));
    const auto absent = [](const QString &remark) {
        return entryLine({"2", remark, remark, md5("not stored"), "0", "0", "aqmz", "IMG_4.jpg", "unknown,unknown",
                          "01.01.2020"});
    };
    QVERIFY(ArrangementSupport::writeEntries(boxPath(), "qwer",
                                             {absent("qwerzz"), clean.last(), clean.first(), other, absent("qweraa")}));
    VerifyDialog *frame = makeFrame();
    QVERIFY(detail(frame, "fileStatusDetail").contains("All files is accurate"));
    const QString abc = detail(frame, "abcStatusDetail");
    QVERIFY(abc.contains("qwerty: multiple use..."));
    QVERIFY(abc.contains("qweraa: linked file is absent..."));
    QVERIFY(abc.indexOf("qweraa:") < abc.indexOf("qwerzz: linked file is absent..."));
}

// The reports byte for byte, as the detail widgets receive them.
void TestVerifyDialog::reportsAreTheRowsOfTheirTables()
{
    openBox();
    writeCleanBox();
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "3~05.12.2026 21:14:06~photo~Trip\n"
                                                          "3~06.12.2026 10:00:00~photo~unknown\n"));
    QVERIFY(TestSupport::writeFile(stored("as/df/notes.txt"), "left here"));
    VerifyDialog *frame = makeFrame();
    QString report;
    QVERIFY(!frame->sssOk(basePath() + "/sss", report));
    const QString row = "<tr> <td width = 10% align = right>Session %1: </td> <td> %2 </td> </tr>";
    QCOMPARE(report, "<p><b>" + basePath() + "/sss</b>... caution<table width = 100%>"
                         + row.arg("1", "is absent...") + row.arg("2", "is absent...")
                         + row.arg("3", "is nonunique...") + "</table></p>");
    QVERIFY(frame->abcOk(boxPath() + "/qw/er/abc", report));
    QCOMPARE(report, "<p>" + boxPath() + "/qw/er/abc... ok</p>");
    QVERIFY(!frame->fileOk(report));
    QCOMPARE(report, "<p><b>" + boxPath() + "/as/df</b>... caution<table width = 100%>"
                         "<tr> <td width = 20% align = right> File <b>notes.txt</b>: </td> <td> is odd... </td> "
                         "</tr></table></p>");
    QVERIFY(frame->wrdOk(basePath() + "/wrd", report));
    QCOMPARE(report, "<p>" + basePath() + "/wrd... ok</p>");
}

// A stored file larger than the memory the scan may take gets its true digest all the same.
void TestVerifyDialog::largeStoredFileIsStreamed()
{
    openBox();
    writeCleanBox();
    const QString video = stored("as/df/gh.jpg");
    const qint64 size = 384 * 1024 * 1024;
    {
        QFile file(video);
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        QVERIFY(file.write("third") == 5);
        QVERIFY(file.resize(size)); // sparse: quick to make, read back as zeros
    }
    const QString digest = StorageSupport::md5sumOf(video);
    QCOMPARE(digest.size(), 32);
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "asdf",
        {"2~asdfgh~asdfgh~" + digest + "~0~0~aqmz~IMG_3.jpg~unknown,unknown~01.01.2020"}));
    const qint64 peakBefore = StorageSupport::peakResidentKiB();
    QVERIFY(peakBefore > 0);
    VerifyDialog *frame = makeFrame();
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("ok"));
    QCOMPARE(status(frame, "fileStatus"), QStringLiteral("ok"));
    QVERIFY2(StorageSupport::peakResidentKiB() - peakBefore < 64 * 1024,
             qPrintable(QString::number(StorageSupport::peakResidentKiB() - peakBefore)));
}

// Boxes of books, clips and music keep a sub file beside each described object; it belongs to the box
// when its entry does.
void TestVerifyDialog::subFilesOfABookBox()
{
    openBox(QString(), NAME_BOOK);
    const QString library = basePath() + "/library";
    QVERIFY(TestSupport::writeFile(basePath() + "/sss", "1~05.12.2026 21:14:06~library~Shelf\n"));
    QVERIFY(ArrangementSupport::writeEntries(
        library, "bkbk",
        {"1~bkbkaa~bkbkaa~" + md5("a book") + "~0~0~unknown~Novel.pdf~Novel,Author~1999"}));
    QVERIFY(TestSupport::writeFile(library + "/bk/bk/aa.pdf", "a book"));
    QVERIFY(TestSupport::writeFile(library + "/bk/bk/aa.sub", "Novel\nAuthor\n1999\n"));
    QVERIFY(TestSupport::writeFile(library + "/bk/bk/zz.sub", "Nobody\n"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("ok"));
    QCOMPARE(status(frame, "fileStatus"), QStringLiteral("caution"));
    QCOMPARE(detail(frame, "fileStatusDetail"), library + "/bk/bk... caution File zz.sub: is odd...");

    QVERIFY(QFile::remove(library + "/bk/bk/zz.sub"));
    frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(TestSupport::readFile(backupPath() + "/library/bk/bk/aa.sub"), QByteArray("Novel\nAuthor\n1999\n"));
    QCOMPARE(TestSupport::readFile(backupPath() + "/library/bk/bk/aa.pdf"), QByteArray("a book"));
}

void TestVerifyDialog::cleanBoxBacksUpWithoutTouchingTheBox()
{
    openBox();
    writeCleanBox();
    QVERIFY(QFile::setPermissions(stored("qw/er/ty.JPG"), QFile::ReadOwner | QFile::ReadGroup));
    const QMap<QString, QString> before = snapshot(basePath());
    VerifyDialog *frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(frame->backupState(), 1);
    QCOMPARE(status(frame, "curFile"), QStringLiteral("all"));
    QCOMPARE(status(frame, "label_GB"), QStringLiteral("File:"));
    QVERIFY(!frame->findChild<QPushButton *>("backupButton")->isEnabled());
    auto progress = frame->findChild<QProgressBar *>("copyProgress");
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(progress->maximum(), 8); // tmp, wrd, sss, two abc files, three photos
    // The box is as it was, apart from the log.
    QMap<QString, QString> after = snapshot(basePath());
    after.remove("/log");
    QMap<QString, QString> beforeWithoutLog = before;
    beforeWithoutLog.remove("/log");
    QCOMPARE(after, beforeWithoutLog);
    // The backup mirrors the base folder: same bytes, same modification times.
    QMap<QString, QString> mirrored = snapshot(backupPath());
    // Beside the copies, the manifest of the stored files.
    QCOMPARE(mirrored.keys(), QStringList({"/photo/MD5SUMS", "/photo/as/df/abc", "/photo/as/df/gh.jpg",
                                           "/photo/qw/er/abc", "/photo/qw/er/as.jpg", "/photo/qw/er/ty.JPG", "/sss",
                                           "/tmp", "/wrd"}));
    mirrored.remove("/photo/MD5SUMS");
    for (auto it = mirrored.constBegin(); it != mirrored.constEnd(); ++it)
        QCOMPARE(it.value(), beforeWithoutLog.value(it.key()));
    const QStringList block = logBlock();
    QCOMPARE(block.size(), 6);
    QCOMPARE(block.at(1), QStringLiteral("    Backup box   : photo"));
    QCOMPARE(block.at(2), QStringLiteral("    Backup files : 8 copied, 0 already current"));
    QCOMPARE(block.at(3), QStringLiteral("    Backup status: actual"));
    QVERIFY(block.at(4).startsWith("--- BACKUP CLOSE: "));
    QCOMPARE(block.at(5), QString());
}

static ino_t inodeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

void TestVerifyDialog::secondBackupCopiesNothingAndEndsActual()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString target = backupPath() + "/photo/qw/er/ty.JPG";
    const ino_t inode = inodeOf(target);
    QVERIFY(inode != 0);
    VerifyDialog *frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(frame->backupState(), 1);
    QCOMPARE(inodeOf(target), inode);
    QCOMPARE(logBlock().at(2), QStringLiteral("    Backup files : 0 copied, 8 already current"));
    QCOMPARE(logBlock().at(3), QStringLiteral("    Backup status: actual"));
}

// A target whose time or size differs from its original is not current, whatever its name says.
void TestVerifyDialog::changedTargetIsCopiedAgain()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString truncated = backupPath() + "/photo/qw/er/ty.JPG";
    const QString older = backupPath() + "/photo/qw/er/as.jpg";
    const QDateTime primeTime = QFileInfo(stored("qw/er/ty.JPG")).lastModified();
    QVERIFY(StorageSupport::writeFileAt(truncated, PRIME_CONTENT.left(3), primeTime));
    QVERIFY(StorageSupport::writeFileAt(older, MEMBER_CONTENT, QDateTime(QDate(2001, 1, 1), QTime(1, 1))));
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    QCOMPARE(TestSupport::readFile(truncated), PRIME_CONTENT);
    QCOMPARE(QFileInfo(older).lastModified(), QFileInfo(stored("qw/er/as.jpg")).lastModified());
    QCOMPARE(logBlock().at(2), QStringLiteral("    Backup files : 2 copied, 6 already current"));
}

void TestVerifyDialog::backupFolderThatCannotBeCreated()
{
    // A file where a folder of the path should be stops root as well as anyone.
    const QString blocker = m_dir->path() + "/blocker";
    QVERIFY(TestSupport::writeFile(blocker, "not a folder"));
    openBox(blocker + "/backup");
    writeCleanBox();
    VerifyDialog *frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("Do not create backup folder..."));
    QCOMPARE(frame->backupState(), 2);
    QCOMPARE(status(frame, "curFile"), QDir::toNativeSeparators(blocker + "/backup"));
    const QStringList block = logBlock();
    QCOMPARE(block.size(), 6);
    QCOMPARE(block.at(2), "    Backup folder cannot be created: " + QDir::toNativeSeparators(blocker + "/backup"));
    QCOMPARE(block.at(3), QStringLiteral("    Backup status: can not update..."));
    QVERIFY(block.at(4).startsWith("--- BACKUP CLOSE: "));
}

void TestVerifyDialog::subFolderThatCannotBeCreated()
{
    openBox();
    writeCleanBox();
    QVERIFY(QDir().mkpath(backupPath() + "/photo"));
    QVERIFY(TestSupport::writeFile(backupPath() + "/photo/qw", "in the way"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("do not create folder..."));
    QCOMPARE(frame->backupState(), 3);
    QCOMPARE(status(frame, "curFile"), QDir::toNativeSeparators(backupPath() + "/photo/qw/er"));
    QCOMPARE(status(frame, "label_GB"), QStringLiteral("Folder:"));
    QCOMPARE(logBlock().at(3), QStringLiteral("    Backup status: can not update..."));
    // Nothing was copied before the folders stood.
    QVERIFY(!QFileInfo::exists(backupPath() + "/sss"));
}

void TestVerifyDialog::backupInsideTheBaseFolderIsRefused()
{
    openBox(TestSupport::baseDir(*m_dir) + "/photo");
    writeCleanBox();
    const QMap<QString, QString> before = snapshot(boxPath());
    VerifyDialog *frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("Do not create backup folder..."));
    QCOMPARE(snapshot(boxPath()), before);
}

// The backup stops at a file that cannot be read; nothing half-written stays, and the next backup
// clears what an earlier interruption left and brings the copy up to date.
void TestVerifyDialog::interruptedBackupIsMadeGoodByTheNext()
{
    openBox();
    writeCleanBox();
    VerifyDialog *frame = makeFrame();
    // Gone between the scan and the backup: qw/er/as.jpg comes after as/df and before qw/er/ty.JPG.
    const QString vanished = stored("qw/er/as.jpg");
    const QDateTime time = QFileInfo(vanished).lastModified();
    QVERIFY(QFile::rename(vanished, m_dir->path() + "/aside.jpg"));
    QCOMPARE(backup(frame), QStringLiteral("copying is not complete..."));
    QCOMPARE(frame->backupState(), 4);
    QCOMPARE(status(frame, "curFile"), QDir::toNativeSeparators(vanished));
    QCOMPARE(logBlock().at(2), "    Backup file cannot be copied: " + QDir::toNativeSeparators(vanished));
    QCOMPARE(logBlock().at(3), QStringLiteral("    Backup status: can not update..."));
    QVERIFY(QFileInfo::exists(backupPath() + "/photo/as/df/gh.jpg"));
    QVERIFY(QFileInfo::exists(backupPath() + "/photo/qw/er/abc"));
    QCOMPARE(QDir(backupPath() + "/photo/qw/er").entryList(QDir::Files | QDir::Hidden), QStringList({"abc"}));

    // What a harder interruption (power lost in the middle of a copy) would have left behind.
    const QString leftover = backupPath() + "/photo/qw/er/.tessary-part-ty.JPG";
    QVERIFY(TestSupport::writeFile(leftover, PRIME_CONTENT.left(4)));
    QVERIFY(QFile::rename(m_dir->path() + "/aside.jpg", vanished));
    QCOMPARE(QFileInfo(vanished).lastModified(), time);

    frame = makeFrame();
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QVERIFY(!QFileInfo::exists(leftover));
    // The three files copied before the interruption are current; the rest comes now.
    QCOMPARE(logBlock().at(2), QStringLiteral("    Backup files : 5 copied, 3 already current"));
    QMap<QString, QString> box = snapshot(basePath());
    QMap<QString, QString> mirrored = snapshot(backupPath());
    QVERIFY(mirrored.remove("/photo/MD5SUMS") == 1);
    QCOMPARE(mirrored.size(), 8);
    for (auto it = mirrored.constBegin(); it != mirrored.constEnd(); ++it)
        QCOMPARE(it.value(), box.value(it.key()));
}

// The box copy of qwerty rots; the backup holds the good one. The check says so, the repair puts the good
// copy back (the damaged one kept aside), the box passes again and the backup goes on.
void TestVerifyDialog::damagedBoxCopyIsRepairedFromTheBackup()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString prime = stored("qw/er/ty.JPG");
    const QString mirror = backupPath() + "/photo/qw/er/ty.JPG";
    QVERIFY(flipByte(prime, 4));
    const QByteArray damaged = TestSupport::readFile(prime);

    VerifyDialog *frame = makeFrame();
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("caution"));
    QCOMPARE(backup(frame), QStringLiteral("<no backup offered>"));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QVERIFY(!frame->findChild<QLabel *>("mirrorStatus")->isVisible());
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QCOMPARE(status(frame, "label_M"), QStringLiteral("Backup copy:"));
    const QString report = detail(frame, "mirrorStatusDetail");
    QVERIFY2(report.startsWith(QDir::toNativeSeparators(backupPath() + "/photo") + "... caution"), qPrintable(report));
    QVERIFY2(report.contains("qwerty: box copy checksum wrong, it can be repaired from the backup... " + prime + " "
                             + mirror),
             qPrintable(report));
    // One finding: the two other objects and the shared files are good in both places.
    QCOMPARE(report.count(QStringLiteral("...")), 2);
    auto progress = frame->findChild<QProgressBar *>("scanProgress");
    QCOMPARE(progress->maximum(), 3 + 2 * 5); // three backup copies, box and backup copies of five shared files
    QCOMPARE(progress->value(), progress->maximum());
    QVERIFY(logBlock("BACKUP CHECK").contains("    Check status : caution"));

    // Asked first: a No changes nothing.
    QCOMPARE(repair(frame, QMessageBox::No), QString());
    QCOMPARE(TestSupport::readFile(prime), damaged);
    QCOMPARE(repair(frame), QStringLiteral("1 repaired, 0 not repaired"));
    QVERIFY(MyMessageBox::lastText().contains("Objects to repair from the backup copy: 1."));
    QCOMPARE(TestSupport::readFile(prime), PRIME_CONTENT);
    QCOMPARE(QFileInfo(prime).lastModified(), QFileInfo(mirror).lastModified());
    QVERIFY(!(QFile::permissions(prime) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    // The damaged file is kept, under the box name, its path and the time of the repair.
    const QString quarantine = basePath() + "/_bad/photo/qw/er";
    const QStringList kept = QDir(quarantine).entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(QRegularExpression("^ty\\.JPG\\.\\d{8}-\\d{6}$").match(kept.first()).hasMatch(), qPrintable(kept.first()));
    QCOMPARE(TestSupport::readFile(quarantine + "/" + kept.first()), damaged);
    QVERIFY(QDir(boxPath() + "/qw/er").entryList(QDir::Files | QDir::Hidden).size() == 3);
    const QStringList block = logBlock("REPAIR");
    QCOMPARE(block.size(), 6);
    QCOMPARE(block.at(1), QStringLiteral("    Repair box   : photo"));
    QCOMPARE(block.at(2), "    qwerty repaired: " + prime + " from " + mirror + ", damaged copy kept as " + quarantine
                              + "/" + kept.first());
    QCOMPARE(block.at(3), QStringLiteral("    Repair status: 1 repaired, 0 not repaired"));
    QVERIFY(block.at(4).startsWith("--- REPAIR CLOSE: "));

    // The frame scanned again by itself: the box passes and the backup goes on.
    for (const char *name : {"sssStatus", "wrdStatus", "abcStatus", "fileStatus"})
        QCOMPARE(status(frame, name), QStringLiteral("ok"));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(runMd5sumCheck(backupPath() + "/photo"), 0);
    QCOMPARE(checkBackup(makeFrame()), QStringLiteral("ok"));
}

void TestVerifyDialog::missingBoxCopyIsRestoredFromTheBackup()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString member = stored("qw/er/as.jpg");
    QVERIFY(QFile::remove(member));
    VerifyDialog *frame = makeFrame();
    QVERIFY(detail(frame, "abcStatusDetail").contains("qweras: linked file is absent..."));
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(detail(frame, "mirrorStatusDetail")
                .contains("qweras: box copy is absent, it can be restored from the backup..."));
    QCOMPARE(repair(frame), QStringLiteral("1 repaired, 0 not repaired"));
    QCOMPARE(TestSupport::readFile(member), MEMBER_CONTENT);
    QCOMPARE(QFileInfo(member).lastModified(), QFileInfo(backupPath() + "/photo/qw/er/as.jpg").lastModified());
    // Nothing was damaged, so nothing is kept aside.
    QVERIFY(!QFileInfo::exists(basePath() + "/_bad/photo/qw/er"));
    QCOMPARE(logBlock("REPAIR").at(2),
             "    qweras repaired: " + member + " restored from " + backupPath() + "/photo/qw/er/as.jpg");
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("ok"));
    QVERIFY(frame->findChild<QGroupBox *>("copyGroup")->isEnabled());
}

// A backup copy that rotted keeps its time and size, so a plain backup takes it for current; after the
// check has found it, the next backup replaces it.
void TestVerifyDialog::damagedBackupCopyIsReplacedByTheNextBackup()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString mirror = backupPath() + "/photo/qw/er/ty.JPG";
    QVERIFY(flipByte(mirror));
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    QCOMPARE(logBlock().at(2), QStringLiteral("    Backup files : 0 copied, 8 already current"));
    QVERIFY(TestSupport::readFile(mirror) != PRIME_CONTENT);
    // The manifest tells the rot to md5sum too.
    QByteArray said;
    QCOMPARE(runMd5sumCheck(backupPath() + "/photo", &said), 1);
    QVERIFY2(said.contains("qw/er/ty.JPG: FAILED"), said.constData());

    VerifyDialog *frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(detail(frame, "mirrorStatusDetail")
                .contains("qwerty: backup copy checksum wrong, the next backup replaces it..."));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
    const QMap<QString, QString> box = snapshot(boxPath());
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(logBlock().at(2), QStringLiteral("    Backup files : 1 copied, 7 already current"));
    QCOMPARE(TestSupport::readFile(mirror), PRIME_CONTENT);
    QCOMPARE(snapshot(boxPath()), box);
    QCOMPARE(runMd5sumCheck(backupPath() + "/photo"), 0);
    QCOMPARE(checkBackup(makeFrame()), QStringLiteral("ok"));
}

// Box copy and backup copy both disagree with the entry: nothing can tell the good bytes, nothing changes.
void TestVerifyDialog::bothCopiesDamagedChangeNothing()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    QVERIFY(flipByte(stored("qw/er/ty.JPG")));
    QVERIFY(flipByte(backupPath() + "/photo/qw/er/ty.JPG"));
    QVERIFY(flipByte(stored("as/df/gh.jpg"), 1));
    QVERIFY(flipByte(backupPath() + "/photo/as/df/gh.jpg", 2));
    QMap<QString, QString> before = snapshot(m_dir->path());
    VerifyDialog *frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    const QString report = detail(frame, "mirrorStatusDetail");
    // The same bytes in both places point at the catalogue line rather than at the files.
    QVERIFY2(report.contains("qwerty: both copies disagree with the entry, both copies agree with each other..."),
             qPrintable(report));
    QVERIFY2(report.contains("asdfgh: both copies disagree with the entry, unrecoverable..."), qPrintable(report));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QCOMPARE(backup(frame), QStringLiteral("<no backup offered>"));
    QMap<QString, QString> after = snapshot(m_dir->path());
    before.remove("/base/log");
    after.remove("/base/log");
    QCOMPARE(after, before);
    QVERIFY(!QFileInfo::exists(basePath() + "/_bad"));
}

void TestVerifyDialog::strayAndChangedBackupFilesAreReported()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString stray = backupPath() + "/photo/qw/er/notes.txt";
    QVERIFY(TestSupport::writeFile(stray, "left here"));
    QVERIFY(flipByte(backupPath() + "/sss"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    const QString report = detail(frame, "mirrorStatusDetail");
    QVERIFY2(report.contains("notes.txt: is not in the catalogue... " + stray), qPrintable(report));
    QVERIFY2(report.contains("sss: backup copy differs from the box... " + basePath() + "/sss " + backupPath()
                             + "/sss"),
             qPrintable(report));
    // The manifest is no object.
    QVERIFY(!report.contains("MD5SUMS"));
    QCOMPARE(report.count(QStringLiteral("...")), 3);
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    QCOMPARE(TestSupport::readFile(backupPath() + "/sss"), TestSupport::readFile(basePath() + "/sss"));
    QCOMPARE(TestSupport::readFile(stray), QByteArray("left here"));
    frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QCOMPARE(detail(frame, "mirrorStatusDetail").count(QStringLiteral("...")), 2);
}

// Names with a blank and with a backslash, as md5sum writes and reads them.
void TestVerifyDialog::manifestIsCheckedByMd5sum()
{
    openBox();
    writeCleanBox();
    QStringList qwer = lines(stored("qw/er/abc"));
    qwer << entryLine({"2", "qwerab", "qwerab", md5("blank"), "0", "0", "unknown", "IMG 4.j pg", "unknown,unknown",
                       "11.07.2021"})
         << entryLine({"2", "qwerac", "qwerac", md5("backslash"), "0", "0", "unknown", "IMG_5.j\\pg",
                       "unknown,unknown", "11.07.2021"});
    QVERIFY(ArrangementSupport::writeEntries(boxPath(), "qwer", qwer));
    QVERIFY(TestSupport::writeFile(stored("qw/er/ab.j pg"), "blank"));
    QVERIFY(TestSupport::writeFile(stored("qw/er/ac.j\\pg"), "backslash"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(status(frame, "fileStatus"), QStringLiteral("ok"));
    QCOMPARE(backup(frame), QStringLiteral("copying is successful complete..."));
    const QString manifest = backupPath() + "/photo/MD5SUMS";
    const QStringList written = lines(manifest);
    QCOMPARE(written.size(), 5);
    QVERIFY(written.contains(md5(PRIME_CONTENT) + "  qw/er/ty.JPG"));
    QVERIFY(written.contains(md5("blank") + "  qw/er/ab.j pg"));
    QVERIFY(written.contains("\\" + md5("backslash") + "  qw/er/ac.j\\\\pg"));
    QByteArray said;
    QCOMPARE(runMd5sumCheck(backupPath() + "/photo", &said), 0);
    QCOMPARE(said, QByteArray());
    // Written whole: no temporary is left beside it.
    QCOMPARE(QDir(backupPath() + "/photo").entryList(QDir::Files | QDir::Hidden), QStringList({"MD5SUMS"}));
    QVERIFY(flipByte(backupPath() + "/photo/qw/er/ac.j\\pg"));
    QCOMPARE(runMd5sumCheck(backupPath() + "/photo"), 1);
}

// The backup folder goes away between the steps: the check and the repair say so, the box stays as it was.
void TestVerifyDialog::vanishedBackupIsReported()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    QVERIFY(flipByte(stored("qw/er/ty.JPG")));
    const QByteArray damaged = TestSupport::readFile(stored("qw/er/ty.JPG"));
    VerifyDialog *frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QVERIFY(QDir(backupPath()).removeRecursively());
    QCOMPARE(repair(frame), QStringLiteral("0 repaired, 1 not repaired"));
    QCOMPARE(TestSupport::readFile(stored("qw/er/ty.JPG")), damaged);
    QCOMPARE(QDir(boxPath() + "/qw/er").entryList(QDir::Files | QDir::Hidden).size(), 3);
    QVERIFY(!QFileInfo::exists(basePath() + "/_bad"));
    QCOMPARE(logBlock("REPAIR").at(2),
             "    qwerty not repaired: the backup copy is missing: " + stored("qw/er/ty.JPG"));
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("caution"));
    // With the backup folder gone the check is not offered; one that goes during the check is reported.
    QVERIFY(!frame->findChild<QPushButton *>("mirrorButton")->isEnabled());
    QVERIFY(QDir().mkpath(backupPath()));
    frame = makeFrame();
    QVERIFY(QDir(backupPath()).removeRecursively());
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(detail(frame, "mirrorStatusDetail").contains(backupPath() + ": the backup folder cannot be read..."));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QVERIFY(logBlock("BACKUP CHECK").contains("    Check status : the backup folder cannot be read..."));
}

// The backup copy rots between the check and the repair: its copy is checked before it replaces anything,
// so it is removed again and the damaged box file stays as it was.
void TestVerifyDialog::copyThatFailsItsCheckChangesNothing()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    const QString prime = stored("qw/er/ty.JPG");
    QVERIFY(flipByte(prime));
    const QMap<QString, QString> box = snapshot(boxPath());
    VerifyDialog *frame = makeFrame();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(flipByte(backupPath() + "/photo/qw/er/ty.JPG", 3));
    QCOMPARE(repair(frame), QStringLiteral("0 repaired, 1 not repaired"));
    QCOMPARE(logBlock("REPAIR").at(2), "    qwerty not repaired: the copy's checksum is wrong: " + prime);
    QCOMPARE(logBlock("REPAIR").at(3), QStringLiteral("    Repair status: 0 repaired, 1 not repaired"));
    QCOMPARE(snapshot(boxPath()), box);
    QVERIFY(!QFileInfo::exists(basePath() + "/_bad"));
    // The rescan shows the box as it is, and the next check finds nothing to repair from.
    QCOMPARE(status(frame, "abcStatus"), QStringLiteral("caution"));
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(detail(frame, "mirrorStatusDetail")
                .contains("qwerty: both copies disagree with the entry, unrecoverable..."));
    QVERIFY(!frame->findChild<QPushButton *>("repairButton")->isEnabled());
}

// The check only reads: leaving the frame in the middle ends it at once and it reports nothing.
void TestVerifyDialog::leavingTheFrameStopsTheCheck()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    // A large backup copy keeps the pass busy long enough to be left.
    const QString mirror = backupPath() + "/photo/as/df/gh.jpg";
    {
        QFile file(mirror);
        QVERIFY(QFile::setPermissions(mirror, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(qint64(8) * 1024 * 1024 * 1024)); // sparse: hashing it takes many seconds
    }
    VerifyDialog *frame = makeFrame();
    auto button = frame->findChild<QPushButton *>("mirrorButton");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(status(frame, "mirrorStatus"), QStringLiteral("..."));
    // Meanwhile the window answers and the bar moves with the files already read.
    auto progress = frame->findChild<QProgressBar *>("scanProgress");
    QVERIFY(progress && progress->isVisible());
    QTRY_VERIFY(progress->value() > 0);
    QCOMPARE(status(frame, "mirrorStatus"), QStringLiteral("..."));
    QVERIFY(progress->value() < progress->maximum());
    QElapsedTimer clock;
    clock.start();
    m_central.reset();
    QCoreApplication::processEvents();
    // Far less than hashing 8 GiB; no check block was written.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(logBlock("BACKUP CHECK").isEmpty());
}

// With the fifth verdict and its buttons shown, every widget gets the room it asks for and none covers
// another.
void TestVerifyDialog::fiveVerdictsEachGetTheirRoom()
{
    openBox();
    writeCleanBox();
    QCOMPARE(backup(makeFrame()), QStringLiteral("copying is successful complete..."));
    QVERIFY(flipByte(stored("qw/er/ty.JPG")));
    m_central.reset(new QFrame);
    auto layout = new QVBoxLayout(m_central.data());
    layout->setContentsMargins(0, 0, 0, 0);
    auto frame = new VerifyDialog(m_box, m_central.data());
    layout->addWidget(frame);
    m_central->resize(1024, 600);
    m_central->show();
    QCOMPARE(checkBackup(frame), QStringLiteral("caution"));
    QVERIFY(frame->findChild<QPushButton *>("repairButton")->isEnabled());
    QCoreApplication::processEvents();
    QList<QWidget *> shown;
    // The form's body lies in a scroll area on low screens; its widgets are the ones laid out.
    QWidget *body = frame->findChild<QWidget *>("bodyContents");
    QVERIFY(body);
    for (QWidget *widget : body->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisible())
            continue;
        shown << widget;
        const QSize hint = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= hint.width() && widget->height() >= hint.height(),
                 qPrintable(QStringLiteral("%1 %2x%3 < %4x%5")
                                .arg(widget->objectName())
                                .arg(widget->width())
                                .arg(widget->height())
                                .arg(hint.width())
                                .arg(hint.height())));
    }
    QVERIFY(shown.size() >= 15);
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!shown.at(i)->geometry().intersects(shown.at(j)->geometry()),
                     qPrintable(shown.at(i)->objectName() + " covers " + shown.at(j)->objectName()));
    }
}

QTEST_MAIN(TestVerifyDialog)
#include "tst_verifydialog.moc"
