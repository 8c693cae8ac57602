#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "altqfile.h"
#include "testsupport.h"

class TestAltQFile : public QObject
{
    Q_OBJECT

private slots:
    void existsLooksAlongTheSearchPath();
    void copyKeepsTimeAndPermissionsAndNeverLosesTheOriginal();
};

// The settings dialog decides "Ok" or "Absent" for the configured programs with this look-up.
void TestAltQFile::existsLooksAlongTheSearchPath()
{
    QTemporaryDir dir;
    const QString bin = dir.path() + QStringLiteral("/bin");
    QVERIFY(QDir().mkpath(bin + QStringLiteral("/subdir")));
    QVERIFY(TestSupport::writeFile(bin + QStringLiteral("/viewer"), "#!/bin/sh\n"));
    const QByteArray oldPath = qgetenv("PATH");
    const QString oldCurrent = QDir::currentPath();
    qputenv("PATH", QByteArray("/nonexistent:") + bin.toLocal8Bit());

    QVERIFY(AltQFile::exists(QStringLiteral("viewer")));
    QVERIFY(AltQFile::exists(QStringLiteral("  viewer ")));
    QVERIFY(!AltQFile::exists(QStringLiteral("Viewer")));
    QVERIFY(!AltQFile::exists(QStringLiteral("viewer.exe")));
    QVERIFY(!AltQFile::exists(QStringLiteral("subdir")));
    QVERIFY(!AltQFile::exists(QString()));
    QVERIFY(AltQFile::exists(bin + QStringLiteral("/viewer")));
    QVERIFY(!AltQFile::exists(bin + QStringLiteral("/missing")));

    // The current directory is searched after the path.
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/local-tool"), "x"));
    QVERIFY(!AltQFile::exists(QStringLiteral("local-tool")));
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool foundHere = AltQFile::exists(QStringLiteral("local-tool"));
    QDir::setCurrent(oldCurrent);
    qputenv("PATH", oldPath);
    QVERIFY(foundHere);
}

void TestAltQFile::copyKeepsTimeAndPermissionsAndNeverLosesTheOriginal()
{
    QTemporaryDir dir;
    const QString original = dir.path() + QStringLiteral("/card photo.jpg");
    QVERIFY(TestSupport::writeFile(original, QByteArray(300000, 'p')));
    QFile::setPermissions(original, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QDateTime taken = QDateTime::currentDateTime().addDays(-400);
    {
        QFile file(original);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(taken, QFileDevice::FileModificationTime));
    }

    const QString copy = dir.path() + QStringLiteral("/copy.jpg");
    QVERIFY(AltQFile(original).copy(copy));
    QCOMPARE(TestSupport::readFile(copy), TestSupport::readFile(original));
    QCOMPARE(QFileInfo(copy).lastModified().toSecsSinceEpoch(), taken.toSecsSinceEpoch());
    QCOMPARE(QFileInfo(copy).permissions(), QFileInfo(original).permissions());

    // A copy that cannot be made reports failure and leaves the original alone.
    QVERIFY(!AltQFile(original).copy(dir.path() + QStringLiteral("/no/such/folder/copy.jpg")));
    QVERIFY(!AltQFile(dir.path() + QStringLiteral("/missing.jpg")).copy(dir.path() + QStringLiteral("/x.jpg")));
    QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/x.jpg")));
    QCOMPARE(QFileInfo(original).size(), 300000);
}

QTEST_MAIN(TestAltQFile)
#include "tst_altqfile.moc"
