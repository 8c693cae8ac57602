#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
// The frame's form header is generated for this program too (see firstdialog.h).
#include "firstdialog.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

static const qint64 MIB = 1048576;

// Content of one MiB that differs with the seed.
static QByteArray mebibyte(char seed)
{
    QByteArray content(int(MIB), seed);
    content[0] = 'J';
    return content;
}

class TestFirstDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStepsCommandOpensTheFrame();
    void settingGivesDevicesWithToolTips();
    void devicesAreDetectedWithTheirStates();
    void everyDeviceMissingLeavesNothingToTick();
    void tickingDevicesCountsTheirFiles();
    void tickingFilesCountsNumberAndSize();
    void previewGetsAtMostAThousandFiles();
    void copyNeverReplacesAWaitingFile();
    void failedCopyLeavesNothingBehind();
    void arrowKeysStopAtTheEnds();
    void previewEndsWithTheFrame();
    void offeredFilesShowTheirThumbnails();
    void uncheckedPreviewWaitsForTheUser();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString srcPath() const { return basePath() + QStringLiteral("/_src"); }
    QString device(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }
    QString record() const { return m_dir->path() + QStringLiteral("/viewer.txt"); }

    void openBox(const QString &firstDir, const QString &preview = QString());
    // A card with one photo and a preview program that stays until it is ended, writing its process id.
    void openCardWithSlowViewer();
    FirstDialog *makeFrame();
    template <class T> T *child(FirstDialog *frame, const char *name) const;
    QString text(FirstDialog *frame, const char *name) const;
    void click(FirstDialog *frame, const char *button) const;
    bool enabled(FirstDialog *frame, const char *button) const;
    QStringList logLines() const { return ArrangementSupport::lines(basePath() + QStringLiteral("/log")); }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
    AnyBox *m_box = nullptr;
};

void TestFirstDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
    qputenv("TESSARY_FAKE_RECORD", QFile::encodeName(record()));
}

void TestFirstDialog::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_box = nullptr;
    m_dir.reset();
}

// The photo box with the devices given; the preview is the fake viewer unless told.
void TestFirstDialog::openBox(const QString &firstDir, const QString &preview)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_GENERAL + KEY_FIRST_DIR, firstDir);
    m_settings->setValue(KEY_PHOTO + KEY_EXT, QStringLiteral("jpg, raf"));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP,
                         preview.isEmpty() ? QLatin1Char('"') + StorageSupport::fake("fake_viewer.sh")
                                                 + QStringLiteral("\" -list %1")
                                           : preview);
    m_settings->sync();
    m_tessary.reset(new Tessary(m_settings.data()));
    m_box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
}

void TestFirstDialog::openCardWithSlowViewer()
{
    const QString viewer = m_dir->path() + "/slow viewer.sh";
    QVERIFY(TestSupport::writeFile(viewer, "#!/bin/sh\necho $$ > \"$TESSARY_FAKE_RECORD\"\nexec sleep 60\n"));
    QVERIFY(QFile::setPermissions(viewer, QFile::permissions(viewer) | QFile::ExeOwner));
    QVERIFY(QDir().mkpath(device("card")));
    QVERIFY(TestSupport::writeFile(device("card/1.jpg"), "1"));
    openBox(device("card"), QLatin1Char('"') + viewer + "\" %1");
}

FirstDialog *TestFirstDialog::makeFrame()
{
    m_central.reset(new QFrame);
    auto frame = new FirstDialog(m_box, m_central.data());
    m_central->show();
    // Shortcuts reach only the active window.
    m_central->activateWindow();
    if (!QTest::qWaitForWindowActive(m_central.data()))
        qWarning("The frame's window did not become active");
    return frame;
}

template <class T> T *TestFirstDialog::child(FirstDialog *frame, const char *name) const
{
    return frame->findChild<T *>(QLatin1String(name));
}

QString TestFirstDialog::text(FirstDialog *frame, const char *name) const
{
    auto label = child<QLabel>(frame, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void TestFirstDialog::click(FirstDialog *frame, const char *button) const
{
    auto widget = child<QPushButton>(frame, button);
    QVERIFY2(widget, button);
    QVERIFY2(widget->isEnabled(), button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

bool TestFirstDialog::enabled(FirstDialog *frame, const char *button) const
{
    auto widget = child<QPushButton>(frame, button);
    return widget && widget->isEnabled();
}

void TestFirstDialog::firstStepsCommandOpensTheFrame()
{
    QVERIFY(QDir().mkpath(device("card")));
    QVERIFY(TestSupport::writeFile(device("card/a.jpg"), "a"));
    openBox(device("card"));
    MainWindow window(m_settings.data());
    QAction *firstSteps = window.findChild<QAction *>("firstStepsAction");
    QVERIFY(firstSteps);
    firstSteps->trigger();
    auto frame = window.centralWidget()->findChild<FirstDialog *>();
    QVERIFY(frame);
    QCOMPARE(frame->objectName(), QStringLiteral("FirstDialog"));
    QCOMPARE(child<QListWidget>(frame, "detectList")->item(0)->text(), device("card") + "\t1 files");
}

void TestFirstDialog::settingGivesDevicesWithToolTips()
{
    openBox(QStringLiteral("f:, h:"));
    FirstDialog *frame = makeFrame();
    auto list = child<QListWidget>(frame, "detectList");
    QVERIFY(list);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("f:\t(!) device not detected..."));
    QCOMPARE(list->item(1)->text(), QStringLiteral("h:\t(!) device not detected..."));

    openBox(QStringLiteral(" g: | My  camera ,, a|b|c, h:"));
    frame = makeFrame();
    list = child<QListWidget>(frame, "detectList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("g:\t(!) device not detected..."));
    QCOMPARE(list->item(0)->toolTip(), QStringLiteral("My camera"));
    QCOMPARE(list->item(1)->toolTip(), QString());
}

void TestFirstDialog::devicesAreDetectedWithTheirStates()
{
    QVERIFY(QDir().mkpath(device("empty/sub")));
    QVERIFY(QDir().mkpath(device("card/DCIM")));
    QVERIFY(TestSupport::writeFile(device("empty/notes.txt"), "not a photo"));
    QVERIFY(TestSupport::writeFile(device("empty/sub/deep.jpg"), "in a sub-folder"));
    QVERIFY(TestSupport::writeFile(device("card/a.jpg"), "a"));
    QVERIFY(TestSupport::writeFile(device("card/b.JPG"), "b"));
    QVERIFY(TestSupport::writeFile(device("card/c.raf"), "c"));
    QVERIFY(TestSupport::writeFile(device("card/DCIM/d.jpg"), "in a sub-folder"));
    openBox(device("missing") + ", " + device("empty") + "|Empty stick, " + device("card") + "|Camera");
    FirstDialog *frame = makeFrame();

    QCOMPARE(text(frame, "title"), QStringLiteral("First preparation"));
    QCOMPARE(text(frame, "label_A"), QStringLiteral("Detect removable devices... complete"));
    auto list = child<QListWidget>(frame, "detectList");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), device("missing") + "\t(!) device not detected...");
    QCOMPARE(list->item(1)->text(), device("empty") + "\t(!) device is empty...");
    QCOMPARE(list->item(1)->toolTip(), QStringLiteral("Empty stick"));
    QCOMPARE(list->item(2)->text(), device("card") + "\t3 files");
    QCOMPARE(list->item(2)->toolTip(), QStringLiteral("Camera"));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(child<QFrame>(frame, "detectFrame")->isVisible());
    QVERIFY(!child<QFrame>(frame, "selectFrame")->isVisible());
    QVERIFY(!child<QFrame>(frame, "resultFrame")->isVisible());
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("0"));

    // An unusable device cannot be ticked, not even through All.
    QVERIFY(!enabled(frame, "detectAddButton"));
    QVERIFY(!enabled(frame, "detectAgreeButton"));
    click(frame, "detectAllButton");
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("3"));
    list->setCurrentRow(1);
    QVERIFY(!enabled(frame, "detectAddButton"));
    QVERIFY(!enabled(frame, "detectSubstractButton"));
    QVERIFY(!enabled(frame, "detectAllButton"));
    QVERIFY(enabled(frame, "detectNothingButton"));
    QVERIFY(enabled(frame, "detectAgreeButton"));
}

void TestFirstDialog::everyDeviceMissingLeavesNothingToTick()
{
    openBox(device("one") + "," + device("two"));
    FirstDialog *frame = makeFrame();
    for (const char *button : {"detectNothingButton", "detectSubstractButton", "detectAddButton", "detectAllButton",
                               "detectAgreeButton"})
        QVERIFY2(!enabled(frame, button), button);
    // The keyboard cannot get past the disabled button either.
    auto agree = child<QPushButton>(frame, "detectAgreeButton");
    QSignalSpy clicks(agree, &QPushButton::clicked);
    QTest::keyClick(child<QListWidget>(frame, "detectList"), Qt::Key_Asterisk, Qt::ControlModifier);
    QVERIFY(!clicks.wait(300));
    QVERIFY(child<QFrame>(frame, "detectFrame")->isVisible());
}

void TestFirstDialog::tickingDevicesCountsTheirFiles()
{
    QVERIFY(QDir().mkpath(device("card1")));
    QVERIFY(QDir().mkpath(device("card2")));
    for (const char *name : {"a.jpg", "b.jpg"})
        QVERIFY(TestSupport::writeFile(device("card1/") + name, name));
    for (const char *name : {"c.jpg", "d.jpg", "e.raf"})
        QVERIFY(TestSupport::writeFile(device("card2/") + name, name));
    openBox(device("card1") + "," + device("card2"));
    FirstDialog *frame = makeFrame();
    auto list = child<QListWidget>(frame, "detectList");
    QVERIFY(enabled(frame, "detectAddButton"));
    QVERIFY(!enabled(frame, "detectSubstractButton"));
    click(frame, "detectAddButton");
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("2"));
    QVERIFY(!enabled(frame, "detectAddButton"));
    QVERIFY(enabled(frame, "detectSubstractButton"));
    list->setCurrentRow(1);
    // "+" ticks the current device, as the button does.
    QTest::keyClick(list, Qt::Key_Plus);
    // A shortcut clicks its button the way a mouse does, shortly after.
    QTRY_COMPARE(text(frame, "detectFiles"), QStringLiteral("5"));
    QVERIFY(!enabled(frame, "detectAllButton"));
    click(frame, "detectSubstractButton");
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("2"));
    click(frame, "detectNothingButton");
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("0"));
    QVERIFY(!enabled(frame, "detectAgreeButton"));
    click(frame, "detectAllButton");
    QCOMPARE(text(frame, "detectFiles"), QStringLiteral("5"));
    click(frame, "detectAgreeButton");
    QVERIFY(!child<QFrame>(frame, "detectFrame")->isVisible());
    QVERIFY(child<QFrame>(frame, "selectFrame")->isVisible());
    QCOMPARE(child<QListWidget>(frame, "selectList")->count(), 5);
}

void TestFirstDialog::tickingFilesCountsNumberAndSize()
{
    QVERIFY(QDir().mkpath(device("card")));
    for (char seed : {'1', '2', '3'})
        QVERIFY(TestSupport::writeFile(device("card/IMG_000") + seed + ".jpg", mebibyte(seed)));
    QVERIFY(TestSupport::writeFile(device("card/small.raf"), QByteArray(104858, 'r'))); // 0.1 MiB
    openBox(device("card"));
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");

    auto list = child<QListWidget>(frame, "selectList");
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    // Grouped by type: the jpg files before the raf file.
    QCOMPARE(list->item(0)->text(), QDir::toNativeSeparators(device("card/IMG_0001.jpg")) + " (1.0Mb)");
    QCOMPARE(list->item(3)->text(), QDir::toNativeSeparators(device("card/small.raf")) + " (0.1Mb)");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("0"));
    QCOMPARE(text(frame, "selectTotalSize"), QStringLiteral("0.0"));
    QCOMPARE(text(frame, "label_L"), QStringLiteral("Mb"));
    for (const char *button : {"selectNothingButton", "selectSubstractButton", "selectAddButton", "selectAgreeButton"})
        QVERIFY2(!enabled(frame, button), button);
    QVERIFY(enabled(frame, "selectAllButton"));

    // The three photos of one MiB each.
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    list->item(2)->setSelected(true);
    QVERIFY(enabled(frame, "selectAddButton"));
    QVERIFY(!enabled(frame, "selectSubstractButton"));
    click(frame, "selectAddButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("3"));
    QCOMPARE(text(frame, "selectTotalSize"), QStringLiteral("3.0"));
    QVERIFY(!enabled(frame, "selectAddButton"));
    QVERIFY(enabled(frame, "selectSubstractButton"));
    QVERIFY(enabled(frame, "selectAgreeButton"));
    click(frame, "selectAllButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("4"));
    QCOMPARE(text(frame, "selectTotalSize"), QStringLiteral("3.1"));
    QVERIFY(!enabled(frame, "selectAllButton"));
    list->clearSelection();
    list->item(1)->setSelected(true);
    click(frame, "selectSubstractButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("3"));
    QCOMPARE(text(frame, "selectTotalSize"), QStringLiteral("2.1"));
    click(frame, "selectNothingButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("0"));
    QVERIFY(!enabled(frame, "selectAgreeButton"));

    // The preview got the candidates' list.
    QTRY_VERIFY(QFileInfo::exists(record()));
    const QStringList arguments = ArrangementSupport::lines(record());
    QCOMPARE(arguments.size(), 2);
    QCOMPARE(arguments.at(0), QStringLiteral("-list"));
    QVERIFY(arguments.at(1).startsWith(basePath() + "/_sld/"));
    QVERIFY(arguments.at(1).endsWith(".sld"));
    QCOMPARE(ArrangementSupport::lines(record() + ".list"),
             QStringList({QDir::toNativeSeparators(device("card/IMG_0001.jpg")),
                          QDir::toNativeSeparators(device("card/IMG_0002.jpg")),
                          QDir::toNativeSeparators(device("card/IMG_0003.jpg")),
                          QDir::toNativeSeparators(device("card/small.raf"))}));
}

void TestFirstDialog::previewGetsAtMostAThousandFiles()
{
    QVERIFY(QDir().mkpath(device("big card")));
    for (int i = 0; i < 1001; ++i) {
        const QString name = QStringLiteral("P%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        QVERIFY(TestSupport::writeFile(device("big card/") + name, "x"));
    }
    openBox(device("big card"));
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click(frame, "detectAgreeButton");
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning"));
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Selected list is very big. Displaying is restrict..."));
    QCOMPARE(child<QListWidget>(frame, "selectList")->count(), 1001);
    QTRY_VERIFY(QFileInfo::exists(record()));
    const QStringList listed = ArrangementSupport::lines(record() + ".list");
    QCOMPARE(listed.size(), 1000);
    QCOMPARE(listed.last(), QDir::toNativeSeparators(device("big card/P0999.jpg")));
    // The list path with its blank reached the viewer as one argument.
    QCOMPARE(ArrangementSupport::lines(record()).size(), 2);
    click(frame, "selectAllButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("1001"));
}

// Two cameras name their files alike: a waiting file is never replaced, the same content is not copied
// twice, and a different file gets a free name.
void TestFirstDialog::copyNeverReplacesAWaitingFile()
{
    QVERIFY(QDir().mkpath(device("card")));
    QVERIFY(QDir().mkpath(srcPath()));
    const QDateTime shot(QDate(2023, 7, 9), QTime(19, 5));
    QVERIFY(StorageSupport::writeFileAt(device("card/IMG_0001.jpg"), mebibyte('1'), shot));
    QVERIFY(StorageSupport::writeFileAt(device("card/IMG_0002.jpg"), mebibyte('2'), shot));
    QVERIFY(StorageSupport::writeFileAt(device("card/IMG_0003.jpg"), mebibyte('3'), shot));
    QVERIFY(StorageSupport::writeFileAt(device("card/IMG_0004.jpg"), mebibyte('4'), shot));
    QVERIFY(TestSupport::writeFile(srcPath() + "/IMG_0001.jpg", mebibyte('1')));
    QVERIFY(TestSupport::writeFile(srcPath() + "/IMG_0002.jpg", "the other camera's photo"));
    // The same photo copied under a new name by an earlier run is found again.
    QVERIFY(TestSupport::writeFile(srcPath() + "/IMG_0003.jpg", "an edited photo"));
    QVERIFY(TestSupport::writeFile(srcPath() + "/IMG_0003_1.jpg", mebibyte('3')));
    openBox(device("card"));
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    click(frame, "selectAllButton");
    click(frame, "selectAgreeButton");

    QVERIFY(child<QFrame>(frame, "resultFrame")->isVisible());
    QVERIFY(!child<QFrame>(frame, "selectFrame")->isVisible());
    QCOMPARE(child<QProgressBar>(frame, "copyProgress")->value(), 4);
    QCOMPARE(text(frame, "detectFilesResult"), QStringLiteral("4"));
    QCOMPARE(text(frame, "selectFilesResult"), QStringLiteral("4"));
    QCOMPARE(text(frame, "copyFilesResult"), QStringLiteral("4"));
    QCOMPARE(ArrangementSupport::fileNames(srcPath()),
             QStringList({"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0002_1.jpg", "IMG_0003.jpg", "IMG_0003_1.jpg",
                          "IMG_0004.jpg"}));
    QCOMPARE(TestSupport::readFile(srcPath() + "/IMG_0002.jpg"), QByteArray("the other camera's photo"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/IMG_0002_1.jpg"), mebibyte('2'));
    QCOMPARE(TestSupport::readFile(srcPath() + "/IMG_0003.jpg"), QByteArray("an edited photo"));
    QCOMPARE(TestSupport::readFile(srcPath() + "/IMG_0004.jpg"), mebibyte('4'));
    // The copies keep the time the photo was taken, which the arrangement falls back on.
    QCOMPARE(QFileInfo(srcPath() + "/IMG_0004.jpg").lastModified(), shot);
    QCOMPARE(QDir(srcPath()).entryList(QDir::Files | QDir::Hidden).size(), 6);

    const QStringList log = logLines();
    QCOMPARE(log.size(), 7);
    QVERIFY(log.at(0).startsWith("--- FIRST STEPS OPEN : "));
    QCOMPARE(log.at(1), "    Already there: " + device("card/IMG_0001.jpg") + " as " + srcPath() + "/IMG_0001.jpg");
    QCOMPARE(log.at(2), "    Name taken   : " + device("card/IMG_0002.jpg") + " copied as " + srcPath()
                            + "/IMG_0002_1.jpg");
    QCOMPARE(log.at(3), "    Already there: " + device("card/IMG_0003.jpg") + " as " + srcPath()
                            + "/IMG_0003_1.jpg");
    QCOMPARE(log.at(4), QStringLiteral("    Copied files : 4 of 4 (2 already there, 1 under a new name, 0 failed)"));
    QVERIFY(log.at(5).startsWith("--- FIRST STEPS CLOSE: "));
}

void TestFirstDialog::failedCopyLeavesNothingBehind()
{
    QVERIFY(QDir().mkpath(device("card")));
    for (char seed : {'1', '2', '3'})
        QVERIFY(TestSupport::writeFile(device("card/IMG_000") + seed + ".jpg", mebibyte(seed)));
    openBox(device("card"));
    // A leftover of a copy interrupted earlier; hidden, so no arrangement ever took it for a photo.
    QVERIFY(TestSupport::writeFile(srcPath() + "/.tessary-part-IMG_0009.jpg", "half"));
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    click(frame, "selectAllButton");
    // The card is pulled out in the middle: one file is gone.
    QVERIFY(QFile::remove(device("card/IMG_0002.jpg")));
    click(frame, "selectAgreeButton");
    QCOMPARE(text(frame, "selectFilesResult"), QStringLiteral("3"));
    QCOMPARE(text(frame, "copyFilesResult"), QStringLiteral("2"));
    QCOMPARE(QDir(srcPath()).entryList(QDir::Files | QDir::Hidden), QStringList({"IMG_0001.jpg", "IMG_0003.jpg"}));
    QVERIFY(logLines().contains("    Not copied   : " + device("card/IMG_0002.jpg")));
}

void TestFirstDialog::arrowKeysStopAtTheEnds()
{
    QVERIFY(QDir().mkpath(device("a")));
    QVERIFY(QDir().mkpath(device("b")));
    QVERIFY(TestSupport::writeFile(device("a/1.jpg"), "1"));
    QVERIFY(TestSupport::writeFile(device("b/2.jpg"), "2"));
    QVERIFY(TestSupport::writeFile(device("b/3.jpg"), "3"));
    openBox(device("a") + "," + device("b"));
    FirstDialog *frame = makeFrame();
    auto devices = child<QListWidget>(frame, "detectList");
    QTest::keyClick(devices, Qt::Key_Up);
    QCOMPARE(devices->currentRow(), 0);
    QTest::keyClick(devices, Qt::Key_Down);
    QCOMPARE(devices->currentRow(), 1);
    QTest::keyClick(devices, Qt::Key_Down);
    QCOMPARE(devices->currentRow(), 1);
    // Keyboard only: Ctrl++ ticks all, Ctrl+* goes on to the files.
    QTest::keyClick(devices, Qt::Key_Plus, Qt::ControlModifier);
    QTRY_COMPARE(text(frame, "detectFiles"), QStringLiteral("3"));
    QTest::keyClick(devices, Qt::Key_Asterisk, Qt::ControlModifier);
    auto files = child<QListWidget>(frame, "selectList");
    QTRY_VERIFY(files->isVisible());
    QCOMPARE(files->count(), 3);
    files->setCurrentRow(2);
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(files->currentRow(), 2);
    files->setCurrentRow(0);
    QTest::keyClick(files, Qt::Key_Up);
    QCOMPARE(files->currentRow(), 0);
}

// The frame ends its preview and removes the list, whatever the program would have done.
void TestFirstDialog::previewEndsWithTheFrame()
{
    openCardWithSlowViewer();
    QVERIFY(!QTest::currentTestFailed());
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    QTRY_VERIFY(!ArrangementSupport::lines(record()).isEmpty());
    const QString pid = ArrangementSupport::lines(record()).first();
    QVERIFY(QFileInfo::exists("/proc/" + pid));
    QCOMPARE(QDir(basePath() + "/_sld").entryList(QDir::Files).size(), 1);
    m_central.reset();
    QVERIFY(!QFileInfo::exists("/proc/" + pid));
    QCOMPARE(QDir(basePath() + "/_sld").entryList(QDir::Files).size(), 0);

    // A preview program that is not there is reported, not taken for a running preview.
    openBox(device("card"), QStringLiteral("no-such-viewer-anywhere %1"));
    frame = makeFrame();
    click(frame, "detectAddButton");
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    click(frame, "detectAgreeButton");
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("The preview program cannot be started:\nno-such-viewer-anywhere %1"));
    QVERIFY(child<QFrame>(frame, "selectFrame")->isVisible());
}

QTEST_MAIN(TestFirstDialog)
static QColor centreOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(64, 64).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

static bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

void TestFirstDialog::offeredFilesShowTheirThumbnails()
{
    QVERIFY(QDir().mkpath(device("card")));
    const QList<QColor> colours = {QColor(210, 40, 40), QColor(40, 40, 210)};
    for (int i = 0; i < colours.size(); ++i) {
        QImage photo(1600, 1200, QImage::Format_RGB32);
        photo.fill(colours.at(i));
        QVERIFY(photo.save(device("card/IMG_000%1.jpg").arg(i + 1), "JPG"));
    }
    QVERIFY(TestSupport::writeFile(device("card/raw.raf"), QByteArray(4096, 'r')));
    openBox(device("card"));
    FirstDialog *frame = makeFrame();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    auto list = child<QListWidget>(frame, "selectList");
    QVERIFY(list);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->iconSize(), QSize(64, 64));
    // The files are listed at once; their pictures follow.
    QTRY_VERIFY(near(centreOf(list->item(0)->icon()), colours.at(0)));
    QTRY_VERIFY(near(centreOf(list->item(1)->icon()), colours.at(1)));
    QVERIFY(!list->item(2)->icon().isNull());

    // Ticking draws the tick over the picture, which stays.
    const QImage unticked = list->item(0)->icon().pixmap(64, 64).toImage();
    click(frame, "selectAllButton");
    QCOMPARE(text(frame, "selectFiles"), QStringLiteral("3"));
    const QImage ticked = list->item(0)->icon().pixmap(64, 64).toImage();
    QVERIFY(ticked != unticked);
    QVERIFY(near(centreOf(list->item(0)->icon()), colours.at(0)));
}

void TestFirstDialog::uncheckedPreviewWaitsForTheUser()
{
    openCardWithSlowViewer();
    QVERIFY(!QTest::currentTestFailed());
    FirstDialog *frame = makeFrame();
    auto follows = child<QCheckBox>(frame, "previewFollows");
    QVERIFY(follows);
    QVERIFY(follows->isChecked());
    follows->click();
    click(frame, "detectAddButton");
    click(frame, "detectAgreeButton");
    QCOMPARE(child<QListWidget>(frame, "selectList")->count(), 1);
    // No viewer was started: no list was written for one.
    QVERIFY(!QFileInfo::exists(record()));
    QCOMPARE(QDir(basePath() + "/_sld").entryList(QDir::Files).size(), 0);

    follows->click();
    QTRY_VERIFY(!ArrangementSupport::lines(record()).isEmpty());
    const QString pid = ArrangementSupport::lines(record()).first();
    QVERIFY(QFileInfo::exists("/proc/" + pid));
    QCOMPARE(QDir(basePath() + "/_sld").entryList(QDir::Files).size(), 1);
    follows->click();
    QTRY_VERIFY(!QFileInfo::exists("/proc/" + pid));
    QCOMPARE(QDir(basePath() + "/_sld").entryList(QDir::Files).size(), 0);
}

#include "tst_firstdialog.moc"
