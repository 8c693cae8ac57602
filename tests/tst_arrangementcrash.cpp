// An arrangement killed at each of its file-system steps in turn, in a child process, and the next run
// in this process that has to set things right (after a second child, killed while it sets things
// right). The child is this very program, started again with TESSARY_CRASH_CHILD naming its folder and
// TESSARY_TEST_CRASH_STEP the step at which it is killed. The copies go in batches; with batches of two
// files (TESSARY_TEST_BATCH_FILES) the kills also fall between one batch and the next.

#include <QGuiApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementrun.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "mysettings.h"
#include "storagesupport.h"
#include "unittree.h"
#include "testsupport.h"

using namespace ArrangementSupport;

static const char *CHILD_VARIABLE = "TESSARY_CRASH_CHILD";
static const char *STEP_VARIABLE = "TESSARY_TEST_CRASH_STEP";
static const char *BATCH_VARIABLE = "TESSARY_TEST_BATCH_FILES";

// The incoming files: an edited version of the prime qwerty and three new pictures.
static const QStringList INCOMING = {"qwerty.jpg", "lake.jpg", "hill.jpg", "wood.jpg"};

static QByteArray incomingContent(const QString &name)
{
    return "incoming picture " + name.toUtf8() + QByteArray(70000, name.at(0).toLatin1());
}

// The objects that were in the box before, with their content on disk.
static const QMap<QString, QString> OLD_OBJECTS = {
    {"qwerty", "qw/er/ty.JPG"}, {"qweraa", "qw/er/aa.jpg"}, {"asdfgh", "as/df/gh.jpg"}};
static const QString FOREIGN = QStringLiteral("qw/er/zz.jpg");

static MySettings *childSettings(const QString &folder)
{
    auto settings = new MySettings(folder + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
    return settings;
}

// What the child does: one arrangement of the photo box, killed at the step the parent chose.
static int runChild(const QString &folder)
{
    QScopedPointer<MySettings> settings(childSettings(folder));
    UnitTree tessary(settings.data());
    QString status;
    if (!tessary.initStatus(status))
        return 3;
    auto box = dynamic_cast<AnyBox *>(tessary.baseFolder()->unit(NAME_PHOTO));
    if (!box)
        return 4;
    ArrangementRun run(box);
    return run.run(QStringLiteral("killed run")) ? 0 : 5;
}

class TestArrangementCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedAtEveryStepIsSetRightByTheNextRun_data();
    void killedAtEveryStepIsSetRightByTheNextRun();

private:
    void prepare(const QTemporaryDir &dir);
    void checkAfterRecovery(const QTemporaryDir &dir, int step);
    void checkFinal(const QTemporaryDir &dir, int step);
    bool runOnce(const QTemporaryDir &dir, int *added = nullptr);
};

static QString boxOf(const QTemporaryDir &dir)
{
    return TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_PHOTO;
}

static QString srcOf(const QTemporaryDir &dir)
{
    return TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_SRC_FOLDER;
}

// A box whose two catalogue files leave two vacancies in qw/er, one of them holding a file that no
// entry names; the group of qwerty spans both files.
void TestArrangementCrash::prepare(const QTemporaryDir &dir)
{
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP,
                       QLatin1Char('"') + StorageSupport::fake("fake_extractor.sh") + QStringLiteral("\" %1"));
    settings->sync();
    const QString box = boxOf(dir);
    QVERIFY(QDir().mkpath(srcOf(dir)));

    QStringList qwer = {entryLine({"1", "qwerty", "qwerty", StorageSupport::md5sumOf("/dev/null"), "1", "99", "abcd",
                                   "IMG_1.JPG", "Lake,Anna", "01.02.2003"}),
                        entryLine({"1", "qweraa", "qwerty", "aaaa", "0", "0", "unknown", "m.jpg", "unknown,unknown",
                                   "02.02.2002"})};
    for (const QString &remark : StorageSupport::remarks("qwer", 674)) {
        if (remark != "qwerty" && remark != "qweraa")
            qwer << StorageSupport::entryLine(remark, "x.jpg");
    }
    QCOMPARE(qwer.size(), 674);
    QVERIFY(writeEntries(box, "qwer", qwer));
    QStringList asdf = {entryLine({"2", "asdfgh", "qwerty", "cccc", "0", "0", "unknown", "n.jpg", "unknown,unknown",
                                   "03.03.2003"})};
    for (const QString &remark : StorageSupport::remarks("asdf", 676)) {
        if (remark != "asdfgh")
            asdf << StorageSupport::entryLine(remark, "x.jpg");
    }
    QVERIFY(writeEntries(box, "asdf", asdf));
    for (const QString &path : OLD_OBJECTS)
        QVERIFY(TestSupport::writeFile(box + QLatin1Char('/') + path, "old object " + path.toUtf8()));
    QVERIFY(TestSupport::writeFile(box + QLatin1Char('/') + FOREIGN, "foreign"));
    for (const QString &name : INCOMING)
        QVERIFY(TestSupport::writeFile(srcOf(dir) + QLatin1Char('/') + name, incomingContent(name)));
}

// One arrangement in this process, as the frame runs it; true when it ran.
bool TestArrangementCrash::runOnce(const QTemporaryDir &dir, int *added)
{
    QScopedPointer<MySettings> settings(childSettings(dir.path()));
    UnitTree tessary(settings.data());
    QString status;
    if (!tessary.initStatus(status))
        return false;
    auto box = dynamic_cast<AnyBox *>(tessary.baseFolder()->unit(NAME_PHOTO));
    if (!box)
        return false;
    ArrangementRun run(box);
    const bool ran = run.run(QStringLiteral("next run")) && run.recovered();
    if (added)
        *added = run.addedCount();
    return ran;
}

// The object file an entry names, relative to the box.
static QString objectOf(const QString &remark, const QString &originalName)
{
    return remark.left(2) + QLatin1Char('/') + remark.mid(2, 2) + QLatin1Char('/') + remark.mid(4, 2) + QLatin1Char('.')
           + QFileInfo(originalName).suffix();
}

// Right after the run that follows a kill: nothing half done is left.
void TestArrangementCrash::checkAfterRecovery(const QTemporaryDir &dir, int step)
{
    const QString at = QStringLiteral(" (killed at step %1)").arg(step);
    const QString box = boxOf(dir);
    QVERIFY2(!QFileInfo::exists(TestSupport::baseDir(dir) + QLatin1Char('/') + ArrangementRun::JOURNAL_NAME),
             qPrintable("journal left" + at));
    const QMap<QString, QString> entries = storedEntries(box);
    QSet<QString> checkSums;
    for (const QString &line : entries)
        checkSums.insert(Entry(line).getField(3));

    // No source waits whose content an entry already holds.
    for (const QString &name : fileNames(srcOf(dir))) {
        const QString sum = StorageSupport::md5sumOf(srcOf(dir) + QLatin1Char('/') + name);
        QVERIFY2(!checkSums.contains(sum), qPrintable(name + " waits although it is stored" + at));
    }

    // Every file of the box is a catalogue file, an object an entry names, or the foreign file.
    QDirIterator it(box, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(box).relativeFilePath(path);
        if (QFileInfo(path).fileName() == NAME_ABC_FILE || relative == FOREIGN
            || OLD_OBJECTS.values().contains(relative))
            continue;
        const QString remark = relative.left(2) + relative.mid(3, 2) + relative.mid(6, 2);
        QVERIFY2(entries.contains(remark), qPrintable("no entry names " + relative + at));
        const Entry entry(entries.value(remark));
        QCOMPARE(objectOf(remark, entry.getField(7)), relative);
        QCOMPARE(StorageSupport::md5sumOf(path), entry.getField(3));
    }
    // Nothing an entry names and nothing foreign went.
    for (const QString &path : OLD_OBJECTS)
        QCOMPARE(TestSupport::readFile(box + QLatin1Char('/') + path), "old object " + path.toUtf8());
    QCOMPARE(TestSupport::readFile(box + QLatin1Char('/') + FOREIGN), QByteArray("foreign"));

    // The group points at the edited version when it is in the box, at its old prime otherwise.
    QString edited;
    for (const QString &line : entries) {
        if (Entry(line).getField(7) == "qwerty.jpg")
            edited = Entry(line).getField(1);
    }
    const QString prime = edited.isEmpty() ? QStringLiteral("qwerty") : edited;
    // An edited version that waits has not taken its group over yet.
    QVERIFY2(edited.isEmpty() == fileNames(srcOf(dir)).contains("qwerty.jpg"), qPrintable("edited version" + at));
    for (const QString member : {"qwerty", "qweraa", "asdfgh"})
        QVERIFY2(Entry(entries.value(member)).getField(2) == prime, qPrintable(member + " not in the group" + at));
    if (!edited.isEmpty())
        QCOMPARE(Entry(entries.value(edited)).getField(2), edited);
}

// After the runs that take whatever was left: every incoming file is in the box exactly once.
void TestArrangementCrash::checkFinal(const QTemporaryDir &dir, int step)
{
    const QString at = QStringLiteral(" (killed at step %1)").arg(step);
    QVERIFY2(fileNames(srcOf(dir)).isEmpty(), qPrintable(fileNames(srcOf(dir)).join(' ') + " left" + at));
    const QMap<QString, QString> entries = storedEntries(boxOf(dir));
    QMap<QString, int> placed;
    QSet<QString> sessions;
    for (const QString &line : entries) {
        const Entry entry(line);
        if (INCOMING.contains(entry.getField(7))) {
            placed[entry.getField(7)] += 1;
            QCOMPARE(entry.getField(3), StorageSupport::md5sumOf(boxOf(dir) + QLatin1Char('/')
                                                                + objectOf(entry.getField(1), entry.getField(7))));
            if (entry.getField(7) != "qwerty.jpg")
                sessions.insert(entry.getField(0));
        }
    }
    for (const QString &name : INCOMING)
        QVERIFY2(placed.value(name) == 1, qPrintable(name + at));
    // Every session of new objects is recorded, each number once.
    const QStringList lines = ArrangementSupport::lines(TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_SSS_FILE);
    QSet<QString> recorded;
    for (const QString &line : lines) {
        const QString number = line.section(QLatin1Char('~'), 0, 0);
        QVERIFY2(!recorded.contains(number), qPrintable("session recorded twice" + at));
        recorded.insert(number);
    }
    for (const QString &session : qAsConst(sessions))
        QVERIFY2(recorded.contains(session), qPrintable("session " + session + " not recorded" + at));
}

void TestArrangementCrash::killedAtEveryStepIsSetRightByTheNextRun_data()
{
    QTest::addColumn<int>("batchFiles");
    QTest::addColumn<int>("leastSteps");
    QTest::newRow("one batch") << 0 << 15;
    // Two batches of copies and a second try: every batch adds its journal record and its copies.
    QTest::newRow("batches of two") << 2 << 19;
}

void TestArrangementCrash::killedAtEveryStepIsSetRightByTheNextRun()
{
    QFETCH(int, batchFiles);
    QFETCH(int, leastSteps);
    int killed = 0;
    int journalsLeft = 0;
    int killedTwice = 0;
    for (int step = 1; step < 100; ++step) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        prepare(dir);
        if (QTest::currentTestFailed())
            return;

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(CHILD_VARIABLE, dir.path());
        environment.insert(STEP_VARIABLE, QString::number(step));
        if (batchFiles > 0)
            environment.insert(BATCH_VARIABLE, QString::number(batchFiles));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(120000));
        if (child.exitStatus() == QProcess::NormalExit) {
            // The run went through all its steps: the kills are over.
            QCOMPARE(child.exitCode(), 0);
            QVERIFY2(killed >= leastSteps, qPrintable(QStringLiteral("only %1 steps").arg(killed)));
            qInfo("killed at %d steps", killed);
            QVERIFY(journalsLeft >= killed - 1);
            QVERIFY(killedTwice >= killed / 2);
            break;
        }
        ++killed;
        if (QFileInfo::exists(TestSupport::baseDir(dir) + QLatin1Char('/') + ArrangementRun::JOURNAL_NAME)) {
            ++journalsLeft;
            // The run that sets things right is killed too, at one of its first steps.
            environment.insert(STEP_VARIABLE, QString::number(1 + step % 4));
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(child.waitForFinished(120000));
            if (child.exitStatus() == QProcess::CrashExit)
                ++killedTwice;
        }

        QVERIFY2(runOnce(dir), qPrintable(QStringLiteral("run after a kill at step %1").arg(step)));
        checkAfterRecovery(dir, step);
        if (QTest::currentTestFailed())
            return;
        int added = 1;
        for (int more = 0; more < 3 && !fileNames(srcOf(dir)).isEmpty() && added > 0; ++more)
            QVERIFY(runOnce(dir, &added));
        checkFinal(dir, step);
        if (QTest::currentTestFailed())
            return;
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), dir.path()});
    }
    QVERIFY(killed > 0);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString childFolder = qEnvironmentVariable(CHILD_VARIABLE);
    if (!childFolder.isEmpty())
        return runChild(childFolder);
    TestArrangementCrash test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_arrangementcrash.moc"
