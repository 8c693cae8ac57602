#include <QRegularExpression>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "constants.h"
#include "mylogfile.h"
#include "testsupport.h"

class TestMyLogFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void blockAsItLandsOnDisk();
    void eachLineIsOnDiskAtOnce();
    void existingLogIsAppendedTo();
    void unusableUnitWritesNothing();
    void manyLinesAppendedAtOnce();

private:
    QString logPath() const { return m_base->completeName() + QLatin1Char('/') + NAME_LOG_FILE; }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
};

void TestMyLogFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    QVERIFY(m_base->initOk());
}

void TestMyLogFile::cleanup()
{
    m_base.reset();
    m_dir.reset();
}

void TestMyLogFile::blockAsItLandsOnDisk()
{
    auto log = new MyLogFile(NAME_LOG_FILE, m_base.data());
    QVERIFY(log->initOk());
    log->openLog(QStringLiteral("ARRANGEMENT"));
    *log << QStringLiteral("first line") << QStringLiteral("zweite Zeile ü");
    log->closeLog();

    const QByteArray content = TestSupport::readFile(logPath());
    QVERIFY2(!content.startsWith("\xEF\xBB\xBF"), "no byte-order mark");
    const QString text = QString::fromUtf8(content);
    const QString stamp = QStringLiteral("\\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}:\\d{2}\\.\\d{3}");
    const QRegularExpression block(QStringLiteral("^--- ARRANGEMENT OPEN : %1 ---\n"
                                                  "first line\n"
                                                  "zweite Zeile ü\n"
                                                  "--- ARRANGEMENT CLOSE: %1 ---\n"
                                                  "\n$")
                                       .arg(stamp));
    QVERIFY2(block.match(text).hasMatch(), qPrintable(text));
}

void TestMyLogFile::eachLineIsOnDiskAtOnce()
{
    auto log = new MyLogFile(NAME_LOG_FILE, m_base.data());
    log->openLog(QStringLiteral("RESTORE"));
    QVERIFY(TestSupport::readFile(logPath()).startsWith("--- RESTORE OPEN : "));
    QVERIFY(log->add(QStringLiteral("copied qwerty.jpg")));
    QVERIFY(TestSupport::readFile(logPath()).endsWith(" ---\ncopied qwerty.jpg\n"));
    // A program that stops here leaves every line written so far.
    delete log;
    QCOMPARE(TestSupport::readFile(logPath()).count('\n'), 2);
}

void TestMyLogFile::existingLogIsAppendedTo()
{
    QVERIFY(TestSupport::writeFile(logPath(), "--- old ---\n"));
    auto log = new MyLogFile(NAME_LOG_FILE, m_base.data());
    QVERIFY(log->add(QStringLiteral("new")));
    QCOMPARE(TestSupport::readFile(logPath()), QByteArray("--- old ---\nnew\n"));
}

void TestMyLogFile::unusableUnitWritesNothing()
{
    QVERIFY(QDir().mkpath(logPath()));
    auto log = new MyLogFile(NAME_LOG_FILE, m_base.data());
    QVERIFY(!log->initOk());
    QVERIFY(!log->add(QStringLiteral("lost")));
    log->openLog(QStringLiteral("BACKUP"));
    *log << QStringLiteral("lost too");
    log->closeLog();
    QVERIFY(QFileInfo(logPath()).isDir());
    QVERIFY(QDir(logPath()).isEmpty());
}

// A block of lines lands as the same lines one by one would, after a last line that lacked its end.
void TestMyLogFile::manyLinesAppendedAtOnce()
{
    QVERIFY(TestSupport::writeFile(logPath(), "--- old ---"));
    auto log = new MyLogFile(NAME_LOG_FILE, m_base.data());
    QVERIFY(log->addLines({QStringLiteral("    1 Copy a"), QStringLiteral("    2 Copy ü")}));
    QVERIFY(log->addLines({}));
    QVERIFY(log->add(QStringLiteral("after")));
    QCOMPARE(QString::fromUtf8(TestSupport::readFile(logPath())),
             QStringLiteral("--- old ---\n    1 Copy a\n    2 Copy ü\nafter\n"));
}

QTEST_GUILESS_MAIN(TestMyLogFile)
#include "tst_mylogfile.moc"
