#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangement.h"
#include "arrangementrun.h"
#include "arrangementsupport.h"
#include "backuprun.h"
#include "basefolder.h"
#include "constants.h"
#include "firstdialog.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "seenledger.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

static const qint64 MIB = 1048576;

static QByteArray mebibyte(char seed)
{
    QByteArray content(int(MIB), seed);
    content[0] = 'J';
    return content;
}

static QString md5(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
}

// Bytes this process has read through system calls so far (all its threads), or -1 when unknown.
static qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Every file under a folder with its content, to see that nothing changed.
static QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        result.insert(path, TestSupport::readFile(path));
    }
    return result;
}

class TestSeenFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sameCardTwiceReadsNothingTheSecondTime();
    void filesLeftUntickedAreOfferedAsRejected();
    void reformattedCardReusingANameIsNew();
    void brokenLedgerAndUnreadableFileDoNotStopTheListing();
    void duplicatesLeaveTheSourceFolderWhenAsked();
    void stagesDoNotWaitForTheFrameToBeShown();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString srcPath() const { return basePath() + QStringLiteral("/_src"); }
    QString boxPath() const { return basePath() + QStringLiteral("/photo"); }
    QString ledgerPath() const { return basePath() + QStringLiteral("/seen"); }
    QString card(const QString &name = QString()) const
    {
        return m_dir->path() + QStringLiteral("/card") + (name.isEmpty() ? QString() : QLatin1Char('/') + name);
    }

    void openBox();
    FirstDialog *makeFrame();
    void listCard(FirstDialog *frame);
    QListWidget *files(FirstDialog *frame) const { return frame->findChild<QListWidget *>("selectList"); }
    QString text(QWidget *frame, const char *name) const;
    bool enabled(QWidget *frame, const char *button) const;
    void click(QWidget *frame, const char *button) const;
    void clickTickIcon(FirstDialog *frame, int row) const;
    void arrange();
    QStringList ledgerLines() const { return ArrangementSupport::lines(ledgerPath()); }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

void TestSeenFiles::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(card()));
    MyMessageBox::clearAnswers();
    qputenv("TESSARY_FAKE_RECORD", QFile::encodeName(m_dir->path() + QStringLiteral("/viewer.txt")));
}

void TestSeenFiles::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    // Stored copies are read-only; the temporary folder must still go.
    if (m_dir)
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_dir->path()});
    m_dir.reset();
}

void TestSeenFiles::openBox()
{
    m_central.reset();
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, card());
    m_settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP,
                         QLatin1Char('"') + StorageSupport::fake("fake_extractor.sh") + QStringLiteral("\" %1"));
    m_settings->setValue(KEY_PHOTO + KEY_EXT, QStringLiteral("jpg"));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP,
                         QLatin1Char('"') + StorageSupport::fake("fake_viewer.sh") + QStringLiteral("\" -list %1"));
    m_settings->sync();
    m_tessary.reset(new Tessary(m_settings.data()));
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
}

FirstDialog *TestSeenFiles::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new FirstDialog(m_box, m_central.data());
    m_central->resize(800, 600);
    m_central->show();
    return frame;
}

// The card ticked and its files listed, as the user does it.
void TestSeenFiles::listCard(FirstDialog *frame)
{
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    QVERIFY(files(frame));
    QVERIFY(files(frame)->isVisible());
}

QString TestSeenFiles::text(QWidget *frame, const char *name) const
{
    auto label = frame->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

bool TestSeenFiles::enabled(QWidget *frame, const char *button) const
{
    auto widget = frame->findChild<QPushButton *>(QLatin1String(button));
    return widget && widget->isEnabled();
}

void TestSeenFiles::click(QWidget *frame, const char *button) const
{
    auto widget = frame->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY2(widget, button);
    QVERIFY2(widget->isEnabled(), button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A click on the tick icon at the left end of the item.
void TestSeenFiles::clickTickIcon(FirstDialog *frame, int row) const
{
    QListWidget *list = files(frame);
    QVERIFY(list && row < list->count());
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(rect.left() + 8, rect.center().y()));
}

void TestSeenFiles::arrange()
{
    ArrangementRun run(m_box);
    QVERIFY(run.run(QString()));
    QVERIFY(run.addedCount() > 0);
}

// The first time the card is read and copied; once arranged, the second time every file is in the box,
// All ticks nothing, and no file of the card is read.
void TestSeenFiles::sameCardTwiceReadsNothingTheSecondTime()
{
    for (char seed : {'1', '2', '3', '4'})
        QVERIFY(TestSupport::writeFile(card(QStringLiteral("IMG_000%1.jpg").arg(seed)), mebibyte(seed)));
    openBox();
    FirstDialog *frame = makeFrame();
    const qint64 before = bytesReadSoFar();
    listCard(frame);
    // The first listing reads every file.
    QVERIFY(bytesReadSoFar() - before >= 4 * MIB);
    QCOMPARE(files(frame)->item(0)->text(), QDir::toNativeSeparators(card("IMG_0001.jpg")) + " (1.0Mb)");
    click(frame, "selectAllButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("4"));
    click(frame, "selectAgreeButton");
    QCOMPARE(text(frame, "copyFilesResult"), QStringLiteral("4"));
    QCOMPARE(text(frame, "inBoxResult"), QStringLiteral("0"));
    QCOMPARE(text(frame, "rejectedResult"), QStringLiteral("0"));
    QStringList ledger = ledgerLines();
    QCOMPARE(ledger.size(), 4);
    const QFileInfo first(card("IMG_0001.jpg"));
    QCOMPARE(ledger.at(0).left(ledger.at(0).lastIndexOf('~', ledger.at(0).lastIndexOf('~') - 1)),
             md5(mebibyte('1')) + "~1048576~" + QString::number(first.lastModified().toSecsSinceEpoch())
                 + "~photo~copied");
    QVERIFY(ledger.at(0).endsWith("~IMG_0001.jpg"));

    arrange();
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList());
    const QMap<QString, QString> stored = ArrangementSupport::storedEntries(boxPath());
    QCOMPARE(stored.size(), 4);
    QString remarkOfFirst;
    for (const QString &line : stored) {
        if (line.section('~', 3, 3) == md5(mebibyte('1')))
            remarkOfFirst = line.section('~', 1, 1);
    }
    QVERIFY(!remarkOfFirst.isEmpty());

    frame = makeFrame();
    const QMap<QString, QByteArray> boxBefore = contents(basePath());
    const qint64 again = bytesReadSoFar();
    listCard(frame);
    // Only the ledger itself was read, far less than one of the files.
    QVERIFY2(bytesReadSoFar() - again < MIB / 4, qPrintable(QString::number(bytesReadSoFar() - again)));
    QListWidget *list = files(frame);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(0)->text(),
             QDir::toNativeSeparators(card("IMG_0001.jpg")) + " (1.0Mb)\tin box as " + remarkOfFirst);
    for (int row = 0; row < list->count(); ++row) {
        QVERIFY(list->item(row)->text().contains("\tin box as "));
        QVERIFY(!(list->item(row)->flags() & Qt::ItemIsEnabled));
    }
    QVERIFY(!enabled(frame, "selectAllButton"));
    clickTickIcon(frame, 1);
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("0"));
    QVERIFY(!enabled(frame, "selectAgreeButton"));
    // The listing changed nothing in the base folder; only the preview's list is new.
    QMap<QString, QByteArray> boxAfter = contents(basePath());
    for (auto it = boxAfter.begin(); it != boxAfter.end();) {
        if (it.key().startsWith(basePath() + "/_sld/"))
            it = boxAfter.erase(it);
        else
            ++it;
    }
    QCOMPARE(boxAfter, boxBefore);
}

// Files left unticked are offered again as rejected, with the date: All leaves them, a tick by hand
// copies one, and the ledger says so.
void TestSeenFiles::filesLeftUntickedAreOfferedAsRejected()
{
    for (char seed : {'1', '2', '3', '4', '5'})
        QVERIFY(TestSupport::writeFile(card(QStringLiteral("IMG_000%1.jpg").arg(seed)), mebibyte(seed)));
    openBox();
    FirstDialog *frame = makeFrame();
    listCard(frame);
    QListWidget *list = files(frame);
    // The two wanted ones, ticked by their icons.
    clickTickIcon(frame, 0);
    clickTickIcon(frame, 1);
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("2"));
    clickTickIcon(frame, 1);
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("1"));
    clickTickIcon(frame, 1);
    QCOMPARE(text(frame, "selectTotalSize"), QStringLiteral("2.0"));
    click(frame, "selectAgreeButton");
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"IMG_0001.jpg", "IMG_0002.jpg"}));
    const QStringList ledger = ledgerLines();
    QCOMPARE(ledger.size(), 5);
    QCOMPARE(ledger.filter("~photo~copied~").size(), 2);
    QCOMPARE(ledger.filter("~photo~rejected~").size(), 3);
    const QString date = ledger.at(2).section('~', 5, 5);

    frame = makeFrame();
    listCard(frame);
    list = files(frame);
    QCOMPARE(list->count(), 5);
    for (int row : {0, 1}) {
        QCOMPARE(list->item(row)->text(), QDir::toNativeSeparators(card(QStringLiteral("IMG_000%1.jpg").arg(row + 1)))
                                              + " (1.0Mb)\tcopied before (" + date + "), not in box");
    }
    for (int row : {2, 3, 4}) {
        QCOMPARE(list->item(row)->text(), QDir::toNativeSeparators(card(QStringLiteral("IMG_000%1.jpg").arg(row + 1)))
                                              + " (1.0Mb)\trejected before (" + date + ")");
        QVERIFY(list->item(row)->flags() & Qt::ItemIsEnabled);
    }
    click(frame, "selectAllButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("2"));
    QVERIFY(!enabled(frame, "selectAllButton"));
    // A rejected one ticked by hand, through the buttons as well as the icon.
    list->item(3)->setSelected(true);
    QVERIFY(enabled(frame, "selectAddButton"));
    clickTickIcon(frame, 3);
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("3"));
    click(frame, "selectAgreeButton");
    QCOMPARE(text(frame, "rejectedResult"), QStringLiteral("3"));
    QCOMPARE(text(frame, "inBoxResult"), QStringLiteral("0"));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0004.jpg"}));
    // Only the changed verdict is new; the others are known as they were.
    const QStringList after = ledgerLines();
    QCOMPARE(after.size(), 6);
    QCOMPARE(after.mid(0, 5), ledger);
    QVERIFY(after.last().startsWith(md5(mebibyte('4')) + "~1048576~"));
    QVERIFY(after.last().contains("~photo~copied~"));
    QVERIFY(after.last().endsWith("~IMG_0004.jpg"));
}

// A card formatted again names a new photo as an old one was named: its content decides.
void TestSeenFiles::reformattedCardReusingANameIsNew()
{
    const QDateTime shot(QDate(2023, 7, 9), QTime(19, 5));
    QVERIFY(StorageSupport::writeFileAt(card("IMG_0001.jpg"), mebibyte('1'), shot));
    openBox();
    FirstDialog *frame = makeFrame();
    listCard(frame);
    click(frame, "selectAllButton");
    click(frame, "selectAgreeButton");
    arrange();

    QVERIFY(QFile::remove(card("IMG_0001.jpg")));
    QVERIFY(StorageSupport::writeFileAt(card("IMG_0001.jpg"), mebibyte('9'), shot.addDays(400)));
    frame = makeFrame();
    listCard(frame);
    QListWidget *list = files(frame);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QDir::toNativeSeparators(card("IMG_0001.jpg")) + " (1.0Mb)");
    click(frame, "selectAllButton");
    click(frame, "selectAgreeButton");
    QCOMPARE(text(frame, "copyFilesResult"), QStringLiteral("1"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/IMG_0001.jpg"), mebibyte('9'));
    QCOMPARE(ledgerLines().size(), 2);
    QVERIFY(ledgerLines().last().startsWith(md5(mebibyte('9'))));
}

// Lines that do not parse, byte order marks and a line of a megabyte are passed over; a file of the
// card that cannot be read says so in its item and is never ticked. The listing touches nothing.
void TestSeenFiles::brokenLedgerAndUnreadableFileDoNotStopTheListing()
{
    QVERIFY(TestSupport::writeFile(card("good.jpg"), mebibyte('g')));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), card("broken.jpg")));
    openBox();
    SeenLedger::Line rejected;
    rejected.checkSum = md5(mebibyte('g'));
    rejected.size = MIB;
    rejected.modified = 1;
    rejected.boxName = QStringLiteral("photo");
    rejected.verdict = SeenLedger::Rejected;
    rejected.date = QDateTime(QDate(2026, 1, 2), QTime(3, 4));
    rejected.fileName = QStringLiteral("elsewhere.jpg");
    const QByteArray broken = "\xFF\xFE" + SeenLedger::format(rejected).toUtf8() + "\n~~~~\n"
                              + QByteArray(MIB, '~') + "\n" + QByteArray(MIB, 'z') + "\n\xEF\xBB\xBF";
    QVERIFY(TestSupport::writeFile(ledgerPath(), broken));
    FirstDialog *frame = makeFrame();
    const QMap<QString, QByteArray> before = contents(basePath());
    listCard(frame);
    QListWidget *list = files(frame);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QDir::toNativeSeparators(card("broken.jpg")) + " (0.0Mb)\t(!) cannot be read...");
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsEnabled));
    // The first line survived its byte order mark: the same content was rejected under another name.
    QCOMPARE(list->item(1)->text(),
             QDir::toNativeSeparators(card("good.jpg")) + " (1.0Mb)\trejected before (02.01.2026 03:04)");
    QVERIFY(!enabled(frame, "selectAllButton"));
    clickTickIcon(frame, 0);
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("0"));
    QMap<QString, QByteArray> after = contents(basePath());
    for (auto it = after.begin(); it != after.end();) {
        if (it.key().startsWith(basePath() + "/_sld/"))
            it = after.erase(it);
        else
            ++it;
    }
    QCOMPARE(after, before);

    clickTickIcon(frame, 1);
    click(frame, "selectAgreeButton");
    QCOMPARE(text(frame, "copyFilesResult"), QStringLiteral("1"));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"good.jpg"}));
    // The broken ledger is kept as it was; the new line starts on a line of its own.
    const QByteArray ledger = TestSupport::readFile(ledgerPath());
    QVERIFY(ledger.startsWith(broken));
    const QList<QByteArray> added = ledger.mid(broken.size()).split('\n');
    QCOMPARE(added.size(), 3);
    QCOMPARE(added.at(0), QByteArray());
    SeenLedger::Line line;
    QVERIFY(SeenLedger::parse(QString::fromUtf8(added.at(1)), &line));
    QCOMPARE(line.checkSum, md5(mebibyte('g')));
    QCOMPARE(line.verdict, SeenLedger::Copied);
    QCOMPARE(line.fileName, QStringLiteral("good.jpg"));
    QVERIFY(qAbs(line.date.secsTo(QDateTime::currentDateTime())) < 120);

    // The backup keeps the ledger with the other shared files.
    const QString backupDir = m_dir->path() + QStringLiteral("/backup");
    BackupRun backup(m_box, backupDir, {});
    QCOMPARE(backup.run(), BackupRun::Actual);
    QCOMPARE(TestSupport::readFile(backupDir + QStringLiteral("/seen")), ledger);
}

// After an arrangement that left duplicates, one button removes them once asked; a file that changed since
// stays.
void TestSeenFiles::duplicatesLeaveTheSourceFolderWhenAsked()
{
    QVERIFY(QDir().mkpath(srcPath()));
    const QByteArray a("stored long ago"), c("stored and restored for editing"), d("stored as well");
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "qwer",
        {ArrangementSupport::entryLine({"1", "qwerty", "qwerty", md5(a), "0", "0", "unknown", "first.jpg",
                                        "unknown,unknown", "01.01.2020"}),
         ArrangementSupport::entryLine({"1", "qwerzz", "qwerzz", md5(c), "0", "0", "unknown", "second.jpg",
                                        "unknown,unknown", "01.01.2020"}),
         ArrangementSupport::entryLine({"1", "qwerxx", "qwerxx", md5(d), "0", "0", "unknown", "third.jpg",
                                        "unknown,unknown", "01.01.2020"})}));
    QVERIFY(TestSupport::writeFile(srcPath() + "/again.jpg", a));
    QVERIFY(TestSupport::writeFile(srcPath() + "/new1.jpg", "new picture"));
    QVERIFY(TestSupport::writeFile(srcPath() + "/new2.jpg", "new picture"));
    QVERIFY(TestSupport::writeFile(srcPath() + "/other.jpg", d));
    // Restored for editing and back unchanged.
    QVERIFY(TestSupport::writeFile(srcPath() + "/qwerzz.jpg", c));
    openBox();
    m_central.reset(new QFrame);
    auto frame = new Arrangement(m_box, m_central.data());
    m_central->show();
    auto button = frame->findChild<QPushButton *>("removeDuplicatesButton");
    QVERIFY(button);
    QVERIFY(!button->isVisible());
    click(frame, "startButton");
    QCOMPARE(text(frame, "addLabel"), QStringLiteral("1"));
    QCOMPARE(text(frame, "duplicateLabel"), QStringLiteral("3"));
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Remove &duplicates from the source folder"));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()),
             QStringList({"again.jpg", "new2.jpg", "other.jpg", "qwerzz.jpg"}));
    QString newRemark;
    for (const QString &line : ArrangementSupport::storedEntries(boxPath())) {
        if (line.section('~', 7, 7) == "new1.jpg")
            newRemark = line.section('~', 1, 1);
    }
    QVERIFY(!newRemark.isEmpty());

    // Without a yes, duplicates stay.
    MyMessageBox::setNextAnswer(QMessageBox::No);
    click(frame, "removeDuplicatesButton");
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("Files to remove from the source folder: 4. The box already holds the same content. "
                            "Remove them?"));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()).size(), 4);

    // One of them is changed before the user says yes.
    QVERIFY(TestSupport::writeFile(srcPath() + "/other.jpg", "changed meanwhile"));
    const int logBefore = ArrangementSupport::lines(basePath() + "/log").size();
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    click(frame, "removeDuplicatesButton");
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"other.jpg"}));
    QCOMPARE(TestSupport::readFile(srcPath() + "/other.jpg"), QByteArray("changed meanwhile"));
    QVERIFY(!button->isEnabled());
    QCOMPARE(text(frame, "removedLabel"), QStringLiteral("removed: 3, changed since, left: 1"));
    QCOMPARE(ArrangementSupport::storedEntries(boxPath()).size(), 4);

    const QStringList log = ArrangementSupport::lines(basePath() + "/log").mid(logBefore);
    QCOMPARE(log.size(), 8);
    QVERIFY(log.at(0).startsWith("--- REMOVE DUPLICATES OPEN : "));
    QCOMPARE(log.at(1), "    Removed      : " + srcPath() + "/again.jpg (in box as qwerty)");
    QCOMPARE(log.at(2), "    Removed      : " + srcPath() + "/new2.jpg (in box as " + newRemark + ")");
    QCOMPARE(log.at(3), "    Changed, left: " + srcPath() + "/other.jpg");
    QCOMPARE(log.at(4), "    Removed      : " + srcPath() + "/qwerzz.jpg (in box as qwerzz)");
    QCOMPARE(log.at(5), QStringLiteral("    Removed files: 3 of 4 (1 changed since, 0 failed)"));
    QVERIFY(log.at(6).startsWith("--- REMOVE DUPLICATES CLOSE: "));
}

// The frame knows its stage itself: a frame not yet on the screen goes from devices to files and copies.
void TestSeenFiles::stagesDoNotWaitForTheFrameToBeShown()
{
    QVERIFY(TestSupport::writeFile(card("IMG_0001.jpg"), mebibyte('1')));
    openBox();
    QFrame central;
    FirstDialog frame(m_box, &central);
    QVERIFY(!frame.isVisible());
    frame.detectAll();
    frame.detectAgree();
    auto list = frame.findChild<QListWidget *>("selectList");
    QVERIFY(list);
    QCOMPARE(list->count(), 1);
    // A second Ok on the devices changes nothing.
    frame.detectAgree();
    QCOMPARE(list->count(), 1);
    frame.selectAll();
    frame.selectAgree();
    QCOMPARE(ArrangementSupport::fileNames(srcPath()), QStringList({"IMG_0001.jpg"}));
    QCOMPARE(text(&frame, "copyFilesResult"), QStringLiteral("1"));
    frame.selectAgree();
    QCOMPARE(ledgerLines().size(), 1);
}

QTEST_MAIN(TestSeenFiles)
#include "tst_seenfiles.moc"
