// A repair from the backup killed between its two file-system steps (the damaged file kept in the
// quarantine, the checked copy renamed over it), and right after the second, in a child process; then the
// check this process makes of what the kill left. The child is this very program, started again with
// TESSARY_REPAIR_CHILD naming its folder and TESSARY_TEST_REPAIR_CRASH the step at which it is killed.

#include <QGuiApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "backuprun.h"
#include "basefolder.h"
#include "constants.h"
#include "mirrorcheck.h"
#include "mysettings.h"
#include "repairrun.h"
#include "storagesupport.h"
#include "testsupport.h"
#include "unittree.h"
#include "verifyrun.h"

using ArrangementSupport::entryLine;

static const char *CHILD_VARIABLE = "TESSARY_REPAIR_CHILD";
static const char *STEP_VARIABLE = "TESSARY_TEST_REPAIR_CRASH";

static QString md5(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
}

static const QByteArray PRIME = QByteArrayLiteral("the prime photo, as it was stored");
static const QByteArray OTHER = QByteArrayLiteral("another photo");

// One scan of the box and one check of its backup, as the frame makes them.
struct Checked
{
    QScopedPointer<MySettings> settings;
    QScopedPointer<UnitTree> tree;
    AnyBox *box = nullptr;
    QScopedPointer<VerifyRun> run;
    QScopedPointer<MirrorCheck> mirror;

    explicit Checked(const QString &folder)
        : settings(new MySettings(folder + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults()))
        , tree(new UnitTree(settings.data()))
        , box(dynamic_cast<AnyBox *>(tree->baseFolder()->unit(NAME_PHOTO)))
    {
        if (!box)
            return;
        run.reset(new VerifyRun(box));
        run->scan();
        mirror.reset(new MirrorCheck(box, *run, folder + QStringLiteral("/backup")));
        mirror->runHere();
    }
};

static int runChild(const QString &folder)
{
    Checked checked(folder);
    if (!checked.box)
        return 3;
    RepairRun repair(checked.box, checked.mirror->repairable());
    return repair.run() == 2 ? 0 : 4;
}

class TestRepairCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedRepairLeavesEveryObjectWholeOrRepaired_data();
    void killedRepairLeavesEveryObjectWholeOrRepaired();
};

static bool flipByte(const QString &path)
{
    const QDateTime time = QFileInfo(path).lastModified();
    QByteArray content = TestSupport::readFile(path);
    content[0] = char(content.at(0) ^ 0x01);
    return StorageSupport::writeFileAt(path, content, time);
}

void TestRepairCrash::killedRepairLeavesEveryObjectWholeOrRepaired_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("repaired");
    QTest::newRow("killed between the quarantine and the rename") << "quarantined" << false;
    QTest::newRow("killed right after the rename") << "renamed" << true;
}

void TestRepairCrash::killedRepairLeavesEveryObjectWholeOrRepaired()
{
    QFETCH(QString, step);
    QFETCH(bool, repaired);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    settings->setValue(KEY_GENERAL + KEY_CPY_DIR, dir.path() + QStringLiteral("/backup"));
    settings->sync();
    const QString base = TestSupport::baseDir(dir);
    const QString box = base + QStringLiteral("/photo");
    QVERIFY(TestSupport::writeFile(base + "/sss", "1~05.12.2026 21:14:06~photo~Trip\n"));
    QVERIFY(ArrangementSupport::writeEntries(
        box, "qwer",
        {entryLine({"1", "qweras", "qweras", md5(PRIME), "0", "0", "unknown", "IMG_1.jpg", "unknown,unknown",
                    "10.07.2021"}),
         entryLine({"1", "qwerty", "qwerty", md5(OTHER), "0", "0", "unknown", "IMG_2.jpg", "unknown,unknown",
                    "10.07.2021"})}));
    // The repair takes the objects in remark order: qweras first.
    const QString prime = box + "/qw/er/as.jpg";
    const QString other = box + "/qw/er/ty.jpg";
    QVERIFY(TestSupport::writeFile(prime, PRIME));
    QVERIFY(TestSupport::writeFile(other, OTHER));
    {
        Checked clean(dir.path());
        QVERIFY(clean.box);
        BackupRun backup(clean.box, dir.path() + "/backup", clean.run->backupList());
        QCOMPARE(backup.run(), BackupRun::Actual);
    }
    QVERIFY(flipByte(prime));
    QVERIFY(flipByte(other));
    const QByteArray damaged = TestSupport::readFile(prime);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CHILD_VARIABLE, dir.path());
    environment.insert(STEP_VARIABLE, step);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    // Never missing: the object's name holds the damaged file or the repaired one.
    QVERIFY(QFileInfo(prime).isFile());
    QCOMPARE(TestSupport::readFile(prime), repaired ? PRIME : damaged);
    // The damaged file is in the quarantine either way.
    const QStringList kept = QDir(base + "/_bad/photo/qw/er").entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(kept.first().startsWith("as.jpg."));
    QCOMPARE(TestSupport::readFile(base + "/_bad/photo/qw/er/" + kept.first()), damaged);
    // The other object was not reached.
    QVERIFY(QFileInfo(other).isFile());

    {
        Checked after(dir.path());
        QVERIFY(after.box);
        // A copy the kill left half-way is no file of the box.
        const QString odd = after.run->oddFiles().join(' ');
        QVERIFY2(!odd.contains(".tessary-part-"), qPrintable(odd));
        QCOMPARE(after.mirror->count(MirrorCheck::BoxDamaged), repaired ? 1 : 2);
        QCOMPARE(after.mirror->count(MirrorCheck::Good), repaired ? 1 : 0);
        QCOMPARE(after.mirror->count(MirrorCheck::Unrecoverable), 0);
        RepairRun repair(after.box, after.mirror->repairable());
        QCOMPARE(repair.run(), repaired ? 1 : 2);
    }
    Checked final(dir.path());
    QVERIFY(final.box);
    QString report;
    QVERIFY(final.run->fileOk(report));
    QVERIFY(final.mirror->passed());
    QCOMPARE(TestSupport::readFile(prime), PRIME);
    QCOMPARE(TestSupport::readFile(other), OTHER);
    // Nothing half-done is left beside the objects.
    QCOMPARE(QDir(box + "/qw/er").entryList(QDir::Files | QDir::Hidden), QStringList({"abc", "as.jpg", "ty.jpg"}));
    // The quarantine is never emptied: every damaged file kept is still there (the prime's twice when the
    // repair that was killed had already kept it).
    QCOMPARE(QDir(base + "/_bad/photo/qw/er").entryList(QDir::Files).size(), repaired ? 2 : 3);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString childFolder = qEnvironmentVariable(CHILD_VARIABLE);
    if (!childFolder.isEmpty())
        return runChild(childFolder);
    TestRepairCrash test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_repaircrash.moc"
