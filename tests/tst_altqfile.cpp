#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "altqfile.h"
#include "testsupport.h"

class TestAltQFile : public QObject
{
    Q_OBJECT

private slots:
    void existsLooksAlongTheSearchPath();
    void copyKeepsTimeAndPermissionsAndNeverLosesTheOriginal();
    void copyRefusesAnExistingTarget();
    void copyCutShortLeavesNothingBehind();
    void copyOfAnEmptyFileAndFolderSync();
    void copyFromAnotherFileSystem();
    void copiesMadeTogetherThenSyncedAndReadBack();
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

// Restores the file-size limit of this process however the test ends.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool isSet() const { return m_set; }

private:
    struct rlimit m_saved;
    void (*m_oldHandler)(int);
    bool m_set = false;
};

void TestAltQFile::copyRefusesAnExistingTarget()
{
    QTemporaryDir dir;
    const QString original = dir.path() + QStringLiteral("/new.jpg");
    const QString existing = dir.path() + QStringLiteral("/old.jpg");
    QVERIFY(TestSupport::writeFile(original, "the new picture"));
    QVERIFY(TestSupport::writeFile(existing, "the old picture, longer than the new one"));

    QVERIFY(!AltQFile(original).copy(existing));
    QCOMPARE(TestSupport::readFile(existing), QByteArray("the old picture, longer than the new one"));
    QCOMPARE(TestSupport::readFile(original), QByteArray("the new picture"));

    // Not through a link either: a dangling one stays as it is and nothing appears where it points.
    const QString link = dir.path() + QStringLiteral("/link.jpg");
    QVERIFY(QFile::link(dir.path() + QStringLiteral("/nowhere.jpg"), link));
    QVERIFY(!AltQFile(original).copy(link));
    QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/nowhere.jpg")));
    QVERIFY(QFileInfo(link).isSymLink());
}

// A file-size limit makes the copy fail after its first blocks (it works for root too): the part
// written is removed, and the original stays whole.
void TestAltQFile::copyCutShortLeavesNothingBehind()
{
    QTemporaryDir dir;
    const QString original = dir.path() + QStringLiteral("/video.mp4");
    QByteArray content(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 7 + i / 4096);
    QVERIFY(TestSupport::writeFile(original, content));
    const QString copy = dir.path() + QStringLiteral("/copy.mp4");
    bool copied = true;
    {
        FileSizeLimit limit(1024 * 1024);
        QVERIFY(limit.isSet());
        copied = AltQFile(original).copy(copy);
    }
    QVERIFY(!copied);
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(TestSupport::readFile(original), content);

    // Without the limit the same copy is whole, to the last byte.
    QVERIFY(AltQFile(original).copy(copy));
    QCOMPARE(TestSupport::readFile(copy), content);
}

void TestAltQFile::copyOfAnEmptyFileAndFolderSync()
{
    QTemporaryDir dir;
    const QString original = dir.path() + QStringLiteral("/empty.txt");
    QVERIFY(TestSupport::writeFile(original, QByteArray()));
    // The copy keeps the nanoseconds of the modification time too.
    const struct timespec times[2] = {{1000000000, 123456789}, {1000000000, 987654321}};
    QVERIFY(utimensat(AT_FDCWD, QFile::encodeName(original).constData(), times, 0) == 0);
    const QString copy = dir.path() + QStringLiteral("/copy.txt");
    QVERIFY(AltQFile(original).copy(copy));
    QVERIFY(QFileInfo::exists(copy));
    QCOMPARE(QFileInfo(copy).size(), 0);
    struct stat status;
    QVERIFY(stat(QFile::encodeName(copy).constData(), &status) == 0);
    QCOMPARE(qint64(status.st_mtim.tv_sec), qint64(1000000000));
    QCOMPARE(qint64(status.st_mtim.tv_nsec), qint64(987654321));

    QVERIFY(AltQFile::syncFolder(dir.path()));
    QVERIFY(!AltQFile::syncFolder(dir.path() + QStringLiteral("/missing")));
    QVERIFY(!AltQFile::syncFolder(original));
}

// Between file systems the kernel may refuse to copy by itself; the buffered loop takes over.
void TestAltQFile::copyFromAnotherFileSystem()
{
    QTemporaryDir memory(QStringLiteral("/dev/shm/tst_altqfile-XXXXXX"));
    if (!memory.isValid())
        QSKIP("no memory file system at /dev/shm");
    const QString original = memory.path() + QStringLiteral("/card.jpg");
    QByteArray content(2 * 1024 * 1024 + 3, Qt::Uninitialized);
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 13 + i / 1000);
    QVERIFY(TestSupport::writeFile(original, content));
    QTemporaryDir dir;
    const QString copy = dir.path() + QStringLiteral("/card.jpg");
    QVERIFY(AltQFile(original).copy(copy));
    QCOMPARE(TestSupport::readFile(copy), content);
    QCOMPARE(QFileInfo(copy).lastModified(), QFileInfo(original).lastModified());
}

// Many copies made without waiting for the disk, then synced together and each compared with its source:
// the same file, time and permissions as a synced copy, and a copy that differs by one byte is caught.
void TestAltQFile::copiesMadeTogetherThenSyncedAndReadBack()
{
    QTemporaryDir dir;
    const QString original = dir.path() + QStringLiteral("/card.jpg");
    QByteArray content(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 7 + i / 4096);
    QVERIFY(TestSupport::writeFile(original, content));
    const struct timespec times[2] = {{1200000000, 1}, {1200000000, 555}};
    QVERIFY(utimensat(AT_FDCWD, QFile::encodeName(original).constData(), times, 0) == 0);

    const QString copy = dir.path() + QStringLiteral("/copy.jpg");
    QVERIFY(AltQFile(original).copyUnsynced(copy));
    QVERIFY(AltQFile::syncData(copy));
    QVERIFY(AltQFile::syncFolder(dir.path()));
    QCOMPARE(TestSupport::readFile(copy), content);
    struct stat status;
    QVERIFY(stat(QFile::encodeName(copy).constData(), &status) == 0);
    QCOMPARE(qint64(status.st_mtim.tv_nsec), qint64(555));
    QCOMPARE(QFileInfo(copy).permissions(), QFileInfo(original).permissions());
    QVERIFY(AltQFile::sameContent(original, copy));

    // Never over a file already there, which stays as it was.
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/taken.jpg"), "kept"));
    QVERIFY(!AltQFile(original).copyUnsynced(dir.path() + QStringLiteral("/taken.jpg")));
    QCOMPARE(TestSupport::readFile(dir.path() + QStringLiteral("/taken.jpg")), QByteArray("kept"));
    QVERIFY(!AltQFile(original).copyUnsynced(dir.path() + QStringLiteral("/no/folder/copy.jpg")));
    QVERIFY(!AltQFile::syncData(dir.path() + QStringLiteral("/missing.jpg")));

    // One byte changed deep inside, one byte missing at the end, a missing file: not the same.
    QByteArray changed = content;
    changed[int(2 * 1024 * 1024 + 5)] = char(changed.at(int(2 * 1024 * 1024 + 5)) ^ 1);
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/changed.jpg"), changed));
    QVERIFY(!AltQFile::sameContent(original, dir.path() + QStringLiteral("/changed.jpg")));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/short.jpg"), content.left(content.size() - 1)));
    QVERIFY(!AltQFile::sameContent(original, dir.path() + QStringLiteral("/short.jpg")));
    QVERIFY(!AltQFile::sameContent(dir.path() + QStringLiteral("/short.jpg"), original));
    QVERIFY(!AltQFile::sameContent(original, dir.path() + QStringLiteral("/missing.jpg")));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/empty1"), QByteArray()));
    QVERIFY(TestSupport::writeFile(dir.path() + QStringLiteral("/empty2"), QByteArray()));
    QVERIFY(AltQFile::sameContent(dir.path() + QStringLiteral("/empty1"), dir.path() + QStringLiteral("/empty2")));
}

QTEST_GUILESS_MAIN(TestAltQFile)
#include "tst_altqfile.moc"
