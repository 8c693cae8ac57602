#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "companionsupport.h"
#include "testsupport.h"

using namespace CompanionSupport;

// The built Folianto as Tessary runs it: a process of its own, stopped by SIGTERM or by deleting
// its list, that never leaves a viewer behind.
class TestFoliantoProcess : public QObject
{
    Q_OBJECT

private slots:
    void sigTermWithViewerOpenEndsTheViewer();
    void deletedListEndsAnEmptyReader();
};

void TestFoliantoProcess::sigTermWithViewerOpenEndsTheViewer()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A base folder with blanks in its path: the list path is one argument all the same.
    const QString folder = dir.path() + QStringLiteral("/my books/_sld");
    QVERIFY(QDir().mkpath(folder));
    const QString book = dir.path() + QStringLiteral("/my books/ab.pdf");
    const QString list = folder + QStringLiteral("/read list.tpl");
    QVERIFY(TestSupport::writeFile(list, book.toLocal8Bit() + '\n'));
    const QString viewer = dir.path() + QStringLiteral("/pdfviewer");
    QVERIFY(QFile::copy(QStringLiteral(TESSARY_TEST_FAKES "/fake_book_viewer.sh"), viewer));
    const QString set = dir.path() + QStringLiteral("/viewers set.txt");
    QVERIFY(TestSupport::writeFile(set, "pdf=" + viewer.toUtf8() + '\n'));
    const QString record = dir.path() + QStringLiteral("/record");

    QProcess folianto;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("FOLIANTO_FAKE_RECORD"), record);
    folianto.setProcessEnvironment(env);
    folianto.start(QStringLiteral(FOLIANTO_EXE), {QStringLiteral("-list"), list, QStringLiteral("-set"), set});
    QVERIFY(folianto.waitForStarted());
    // The only book opens at once in the viewer the set file names.
    QTRY_COMPARE_WITH_TIMEOUT(recordLines(record).size(), 1, 10000);
    QVERIFY(recordLines(record).at(0).startsWith(QStringLiteral("pdfviewer|") + book + QLatin1Char('|')));
    const qint64 pid = recordLines(record).at(0).section(QLatin1Char('|'), 2).toLongLong();
    QVERIFY(pid > 0);
    QVERIFY(!processGone(pid));

    folianto.terminate();
    QVERIFY(folianto.waitForFinished(5000));
    QCOMPARE(folianto.exitStatus(), QProcess::NormalExit);
    QCOMPARE(folianto.exitCode(), 0);
    QVERIFY(processGone(pid));
}

void TestFoliantoProcess::deletedListEndsAnEmptyReader()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString list = dir.path() + QStringLiteral("/list with blanks.tpl");
    QVERIFY(TestSupport::writeFile(list, ""));
    QProcess folianto;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    folianto.setProcessEnvironment(env);
    folianto.start(QStringLiteral(FOLIANTO_EXE), {QStringLiteral("-list"), list});
    QVERIFY(folianto.waitForStarted());
    QVERIFY(!folianto.waitForFinished(600));
    QVERIFY(QFile::remove(list));
    QVERIFY(folianto.waitForFinished(5000));
    QCOMPARE(folianto.exitStatus(), QProcess::NormalExit);
}

QTEST_MAIN(TestFoliantoProcess)
#include "tst_foliantoprocess.moc"
