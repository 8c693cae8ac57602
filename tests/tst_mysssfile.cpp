#include <QDateTime>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "constants.h"
#include "mysssfile.h"
#include "testsupport.h"

class TestMySssFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyFileStartsAtOne();
    void numberingFollowsLargestValidLine();
    void invalidLinesAreIgnored();
    void laterLineWithSameNumberWins();
    void unknownAnnotationReadsAsEmpty();
    void addWritesOneLineAndCounts();
    void addSimplifiesWhiteSpace();
    void annotationWithTildeAndLineBreaksReadsBackAfterRestart();
    void addFailsOnUnusableUnit();
    void utf8ByteOrderMarkIsSkipped();
    void utf16ByteOrderMarkIsNotGuessed();
    void largestSessionNumberIsTheLast();

private:
    QString sssPath() const { return m_base->completeName() + QLatin1Char('/') + NAME_SSS_FILE; }
    MySssFile *reopen();

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
};

void TestMySssFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    QVERIFY(m_base->initOk());
}

void TestMySssFile::cleanup()
{
    m_base.reset();
    m_dir.reset();
}

// A fresh object reads the file as the next program start would.
MySssFile *TestMySssFile::reopen()
{
    delete m_base->unit(NAME_SSS_FILE);
    return new MySssFile(NAME_SSS_FILE, m_base.data());
}

void TestMySssFile::emptyFileStartsAtOne()
{
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QVERIFY(sss->initOk());
    QCOMPARE(sss->currentSessionNumber(), 1u);
    QCOMPARE(sss->countSessions(), 0u);
    QCOMPARE(sss->sessionDateCreation(1), QString());
    QCOMPARE(sss->sessionAnnotation(1), QString());
}

void TestMySssFile::numberingFollowsLargestValidLine()
{
    QVERIFY(TestSupport::writeFile(sssPath(), "3~01.01.2020 10:00:00~photo~first\n"
                                              "7~02.01.2020 10:00:00~clip~second\r\n"
                                              "5~03.01.2020 10:00:00~music~third\n"));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->currentSessionNumber(), 8u);
    QCOMPARE(sss->countSessions(), 3u);
    QCOMPARE(sss->sessionDateCreation(7), QStringLiteral("02.01.2020 10:00:00"));
    QCOMPARE(sss->sessionAnnotation(7), QStringLiteral("second"));
    QCOMPARE(sss->sessionAnnotation(5), QStringLiteral("third"));
    QCOMPARE(sss->sessionAnnotation(4), QString());
}

void TestMySssFile::invalidLinesAreIgnored()
{
    QVERIFY(TestSupport::writeFile(sssPath(), "0~01.01.2020 10:00:00~photo~zero\n"
                                              "x~01.01.2020 10:00:00~photo~not a number\n"
                                              "9~01.01.2020 10:00:00~~no box\n"
                                              "10~~photo~no date\n"
                                              "11~01.01.2020 10:00:00~photo\n"
                                              "12~01.01.2020 10:00:00~photo~a~b\n"
                                              "\n"
                                              " 2 ~ 01.01.2020 10:00:00 ~ photo ~ kept \n"));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->countSessions(), 1u);
    QCOMPARE(sss->currentSessionNumber(), 3u);
    QCOMPARE(sss->sessionAnnotation(2), QStringLiteral("kept"));
    QCOMPARE(sss->sessionDateCreation(9), QString());
    // Skipped lines stay in the file.
    QVERIFY(TestSupport::readFile(sssPath()).contains("x~01.01.2020"));
}

void TestMySssFile::laterLineWithSameNumberWins()
{
    QVERIFY(TestSupport::writeFile(sssPath(), "4~01.01.2020 10:00:00~photo~old\n"
                                              "4~05.05.2021 11:00:00~photo~new\n"));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->sessionAnnotation(4), QStringLiteral("new"));
    QCOMPARE(sss->sessionDateCreation(4), QStringLiteral("05.05.2021 11:00:00"));
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->currentSessionNumber(), 5u);
}

void TestMySssFile::unknownAnnotationReadsAsEmpty()
{
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QVERIFY(sss->add(NAME_PHOTO, QString()));
    QVERIFY(sss->add(NAME_PHOTO, QStringLiteral("An UNKNOWN place")));
    QCOMPARE(sss->sessionAnnotation(1), QString());
    // In memory the annotation is kept as given; the file decides after a restart.
    QCOMPARE(sss->sessionAnnotation(2), QStringLiteral("An UNKNOWN place"));
    QVERIFY(TestSupport::readFile(sssPath()).contains("~photo~unknown\n"));

    sss = reopen();
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->sessionAnnotation(1), QString());
    QCOMPARE(sss->sessionAnnotation(2), QString());
}

void TestMySssFile::addWritesOneLineAndCounts()
{
    QVERIFY(TestSupport::writeFile(sssPath(), "11~01.01.2020 10:00:00~clip~old\n"));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY(sss->add(NAME_PHOTO, QStringLiteral("Trip to the lake")));
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(sss->currentSessionNumber(), 13u);
    QCOMPARE(sss->countSessions(), 2u);
    const QString created = sss->sessionDateCreation(12);
    const QDateTime stamp = QDateTime::fromString(created, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    QVERIFY2(stamp.isValid(), qPrintable(created));
    QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);

    const QByteArray expected = "11~01.01.2020 10:00:00~clip~old\n12~" + created.toUtf8() + "~photo~Trip to the lake\n";
    QCOMPARE(TestSupport::readFile(sssPath()), expected);
}

void TestMySssFile::addSimplifiesWhiteSpace()
{
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QVERIFY(sss->add(NAME_BOOK, QStringLiteral("  two  words\tand   more ")));
    QCOMPARE(sss->sessionAnnotation(1), QStringLiteral("two words and more"));
    QVERIFY(TestSupport::readFile(sssPath()).endsWith("~library~two words and more\n"));
}

void TestMySssFile::annotationWithTildeAndLineBreaksReadsBackAfterRestart()
{
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QVERIFY(sss->add(NAME_CLIP, QStringLiteral("Lake~Trip\nday two\r\nÜber ~ alles")));
    QVERIFY(sss->add(NAME_MUSIC, QStringLiteral("second")));
    const QString expected = QStringLiteral("Lake-Trip day two Über - alles");
    QCOMPARE(sss->sessionAnnotation(1), expected);

    const QByteArray onDisk = TestSupport::readFile(sssPath());
    QCOMPARE(onDisk.count('\n'), 2);
    QCOMPARE(onDisk.count('~'), 6);

    sss = reopen();
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->currentSessionNumber(), 3u);
    QCOMPARE(sss->sessionAnnotation(1), expected);
    QCOMPARE(sss->sessionAnnotation(2), QStringLiteral("second"));
}

void TestMySssFile::addFailsOnUnusableUnit()
{
    // A directory where the file should be makes the unit unusable.
    QVERIFY(QDir().mkpath(sssPath()));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QVERIFY(!sss->initOk());
    QVERIFY(!sss->add(NAME_PHOTO, QStringLiteral("lost")));
    QCOMPARE(sss->currentSessionNumber(), 1u);
    QCOMPARE(sss->countSessions(), 0u);
    QCOMPARE(sss->sessionAnnotation(1), QString());
}

void TestMySssFile::utf8ByteOrderMarkIsSkipped()
{
    QVERIFY(TestSupport::writeFile(sssPath(), "\xef\xbb\xbf" "3~01.01.2020 10:00:00~photo~\xc3\x9c" "ber\n"));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->countSessions(), 1u);
    QCOMPARE(sss->currentSessionNumber(), 4u);
    QCOMPARE(sss->sessionAnnotation(3), QStringLiteral("Über"));
}

// A file that begins with a UTF-16 byte-order mark is still read as UTF-8: the sessions appended to it
// read back after a restart, and the line with the mark stays in the file as it was.
void TestMySssFile::utf16ByteOrderMarkIsNotGuessed()
{
    const QByteArray marked = "\xff\xfe" "5~01.01.2020 10:00:00~photo~old\n";
    QVERIFY(TestSupport::writeFile(sssPath(), marked));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->countSessions(), 0u);
    QVERIFY(sss->add(NAME_PHOTO, QStringLiteral("Über den Wolken")));
    QVERIFY(sss->add(NAME_CLIP, QStringLiteral("second")));

    sss = reopen();
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->currentSessionNumber(), 3u);
    QCOMPARE(sss->sessionAnnotation(1), QStringLiteral("Über den Wolken"));
    QCOMPARE(sss->sessionAnnotation(2), QStringLiteral("second"));
    QVERIFY(TestSupport::readFile(sssPath()).startsWith(marked));
}

// 4294967295 is the largest number an entry holds: it is given once, and then no session is recorded
// at all instead of numbers starting again at 0 or 1. A number beyond it is no session number.
void TestMySssFile::largestSessionNumberIsTheLast()
{
    const QByteArray before = "4294967294~01.01.2020 10:00:00~photo~a\n"
                              "4294967296~01.01.2020 10:00:00~photo~too large\n"
                              "99999999999999999999~01.01.2020 10:00:00~photo~far too large\n";
    QVERIFY(TestSupport::writeFile(sssPath(), before));
    auto sss = new MySssFile(NAME_SSS_FILE, m_base.data());
    QCOMPARE(sss->countSessions(), 1u);
    QCOMPARE(sss->currentSessionNumber(), 4294967295u);
    QVERIFY(sss->sessionNumberLeft());
    QVERIFY(sss->add(NAME_PHOTO, QStringLiteral("last")));
    QCOMPARE(sss->sessionAnnotation(4294967295u), QStringLiteral("last"));
    QCOMPARE(sss->currentSessionNumber(), 0u);
    QVERIFY(!sss->sessionNumberLeft());
    const QByteArray full = TestSupport::readFile(sssPath());
    QVERIFY(full.startsWith(before + "4294967295~"));

    QVERIFY(!sss->add(NAME_PHOTO, QStringLiteral("refused")));
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->sessionAnnotation(0), QString());
    QCOMPARE(TestSupport::readFile(sssPath()), full);

    sss = reopen();
    QCOMPARE(sss->countSessions(), 2u);
    QCOMPARE(sss->currentSessionNumber(), 0u);
    QVERIFY(!sss->sessionNumberLeft());
    QVERIFY(!sss->add(NAME_PHOTO, QStringLiteral("refused")));
    QCOMPARE(TestSupport::readFile(sssPath()), full);
}

QTEST_GUILESS_MAIN(TestMySssFile)
#include "tst_mysssfile.moc"
