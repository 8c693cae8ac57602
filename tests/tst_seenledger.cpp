#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "seencheck.h"
#include "seenledger.h"
#include "testsupport.h"

static const QString MD5_A = QStringLiteral("0123456789abcdef0123456789abcdef");
static const QString MD5_B = QStringLiteral("fedcba9876543210fedcba9876543210");

static SeenLedger::Line lineOf(const QString &checkSum, const QString &name, SeenLedger::Verdict verdict,
                               qint64 size = 5242880, qint64 modified = 1690000000)
{
    SeenLedger::Line line;
    line.checkSum = checkSum;
    line.size = size;
    line.modified = modified;
    line.boxName = QStringLiteral("photo");
    line.verdict = verdict;
    line.date = QDateTime(QDate(2026, 12, 5), QTime(21, 14));
    line.fileName = name;
    return line;
}

class TestSeenLedger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void awkwardNamesAreStoredSafelyAndReadBack();
    void brokenLedgerCostsOnlyItsBrokenLines();
    void laterVerdictsWinAndStampsGiveChecksums();

private:
    QString ledgerPath() const { return m_dir->path() + QStringLiteral("/seen"); }
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestSeenLedger::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

// A name with "~", "%", a line break and letters of any script stays one line with seven fields.
void TestSeenLedger::awkwardNamesAreStoredSafelyAndReadBack()
{
    const QString tilde = QStringLiteral("holiday~2023 100%.jpg");
    const QString newline = QStringLiteral("two\nlines\r.jpg");
    const QString cyrillic = QStringLiteral("Озеро %41.jpg");
    SeenLedger ledger(ledgerPath());
    QVERIFY(ledger.append({lineOf(MD5_A, tilde, SeenLedger::Copied), lineOf(MD5_B, newline, SeenLedger::Rejected)}));
    QVERIFY(ledger.append({lineOf(MD5_B, cyrillic, SeenLedger::Copied)}));

    const QStringList written = QString::fromUtf8(TestSupport::readFile(ledgerPath())).split('\n');
    QCOMPARE(written.size(), 4);
    QCOMPARE(written.at(3), QString());
    QCOMPARE(written.at(0),
             MD5_A + QStringLiteral("~5242880~1690000000~photo~copied~05.12.2026 21:14~holiday%7E2023 100%25.jpg"));
    QCOMPARE(written.at(1).section('~', 6), QStringLiteral("two%0Alines%0D.jpg"));
    QCOMPARE(written.at(2).section('~', 6), QStringLiteral("Озеро %2541.jpg"));
    for (const QString &line : written.mid(0, 3))
        QCOMPARE(line.count('~'), 6);

    SeenLedger again(ledgerPath());
    QVERIFY(again.read());
    QCOMPARE(again.lines().size(), 3);
    QCOMPARE(again.skippedCount(), 0);
    QCOMPARE(again.lines().at(0).fileName, tilde);
    QCOMPARE(again.lines().at(1).fileName, newline);
    QCOMPARE(again.lines().at(1).verdict, SeenLedger::Rejected);
    QCOMPARE(again.lines().at(2).fileName, cyrillic);
    QCOMPARE(again.lines().at(0).date, QDateTime(QDate(2026, 12, 5), QTime(21, 14)));
    QCOMPARE(again.checkSumOf(tilde, 5242880, 1690000000), MD5_A);
}

// Byte order marks, fields missing or wrong, a line of a megabyte and a line cut off by a stop: each
// costs its own line only, and the next append starts on a line of its own.
void TestSeenLedger::brokenLedgerCostsOnlyItsBrokenLines()
{
    const QByteArray good = SeenLedger::format(lineOf(MD5_A, "a.jpg", SeenLedger::Copied)).toUtf8();
    QByteArray content = "\xFF\xFE" + good + "\r\n";
    content += "not a line at all\n";
    content += SeenLedger::format(lineOf(MD5_B, "b.jpg", SeenLedger::Copied)).toUtf8().replace("copied", "kept")
               + "\n";
    content += QByteArray(1024 * 1024, 'x') + "~1~2~photo~copied~05.12.2026 21:14~big.jpg\n";
    content += "ABCDEF0123456789ABCDEF0123456789~1~2~photo~copied~05.12.2026 21:14~upper.jpg\n";
    content += MD5_B.toUtf8() + "~-1~2~photo~copied~05.12.2026 21:14~negative.jpg\n";
    content += MD5_B.toUtf8() + "~1~2~photo~copied~31.02.2026 21:14~date.jpg\n";
    content += MD5_B.toUtf8() + "~1~2~photo~rejected~05.12.2026 21:14~bad%zzname.jpg\n";
    content += MD5_B.toUtf8() + "~1~2~photo~rejected~05.12.2026 21:14~c.jpg~\n";
    content += "\n";
    content += SeenLedger::format(lineOf(MD5_B, "d.jpg", SeenLedger::Rejected)).toUtf8() + "\n";
    content += MD5_A.toUtf8() + "~1~2~photo~rej";
    QVERIFY(TestSupport::writeFile(ledgerPath(), content));

    SeenLedger ledger(ledgerPath());
    QVERIFY(ledger.read());
    QCOMPARE(ledger.lines().size(), 2);
    QCOMPARE(ledger.lines().at(0).fileName, QStringLiteral("a.jpg"));
    QCOMPARE(ledger.lines().at(1).fileName, QStringLiteral("d.jpg"));
    QCOMPARE(ledger.skippedCount(), 9);

    QVERIFY(ledger.append({lineOf(MD5_B, "e.jpg", SeenLedger::Copied)}));
    // Nothing before was rewritten: the file grew by a line end and the new line.
    const QByteArray after = TestSupport::readFile(ledgerPath());
    QVERIFY(after.startsWith(content));
    QCOMPARE(after.mid(content.size()),
             "\n" + SeenLedger::format(lineOf(MD5_B, "e.jpg", SeenLedger::Copied)).toUtf8() + "\n");
    SeenLedger again(ledgerPath());
    QVERIFY(again.read());
    QCOMPARE(again.lines().size(), 3);
    QCOMPARE(again.lines().last().fileName, QStringLiteral("e.jpg"));

    // A ledger written whole in UTF-16 gives nothing, and nothing breaks.
    const QString text = QString::fromUtf8(good + "\n");
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QVERIFY(TestSupport::writeFile(ledgerPath(), utf16));
    QVERIFY(again.read());
    QCOMPARE(again.lines().size(), 0);
}

// The last verdict on a content in a box is the one that counts; a file's name, size and time give
// the checksum recorded for it, and a file the ledger knows with the same verdict adds no line.
void TestSeenLedger::laterVerdictsWinAndStampsGiveChecksums()
{
    SeenLedger ledger(ledgerPath());
    SeenLedger::Line other = lineOf(MD5_B, "b.jpg", SeenLedger::Copied);
    other.boxName = QStringLiteral("clip");
    QVERIFY(ledger.append({lineOf(MD5_A, "a.jpg", SeenLedger::Rejected), other}));
    QVERIFY(ledger.append({lineOf(MD5_A, "a.jpg", SeenLedger::Copied)}));
    QVERIFY(ledger.read());
    QCOMPARE(ledger.lastVerdict(MD5_A, "photo")->verdict, SeenLedger::Copied);
    QVERIFY(!ledger.lastVerdict(MD5_B, "photo"));
    QCOMPARE(ledger.lastVerdict(MD5_B, "clip")->verdict, SeenLedger::Copied);
    QCOMPARE(ledger.checkSumOf("a.jpg", 5242880, 1690000000), MD5_A);
    QCOMPARE(ledger.checkSumOf("a.jpg", 5242880, 1690000001), QString());
    QCOMPARE(ledger.checkSumOf("a.jpg", 5242881, 1690000000), QString());

    SeenCheck check("photo", {}, &ledger);
    SeenCheck::Offer known;
    known.checkSum = MD5_A;
    known.fileName = "a.jpg";
    known.known = true;
    known.state = SeenCheck::CopiedBefore;
    SeenCheck::Offer unknown = known;
    unknown.known = false;
    unknown.fileName = "a copy.jpg";
    SeenCheck::Offer failed = known;
    failed.checkSum = MD5_B;
    const QDateTime now(QDate(2026, 12, 8), QTime(1, 0));
    // Content found in the box counts as copied: a line only when the ledger does not know the file.
    SeenCheck::Offer inBox = unknown;
    inBox.state = SeenCheck::InBox;
    inBox.fileName = "in box.jpg";
    SeenCheck::Offer inBoxKnown = known;
    inBoxKnown.state = SeenCheck::InBox;
    const QList<SeenLedger::Line> lines =
        check.verdicts({known, unknown, known, failed, inBox, inBoxKnown}, {1, 1, 0, -1, 0, 0}, now);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(2).fileName, QStringLiteral("in box.jpg"));
    QCOMPARE(lines.at(2).verdict, SeenLedger::Copied);
    QCOMPARE(lines.at(0).fileName, QStringLiteral("a copy.jpg"));
    QCOMPARE(lines.at(0).verdict, SeenLedger::Copied);
    QCOMPARE(lines.at(1).fileName, QStringLiteral("a.jpg"));
    QCOMPARE(lines.at(1).verdict, SeenLedger::Rejected);
    QCOMPARE(lines.at(1).date, now);
}

QTEST_GUILESS_MAIN(TestSeenLedger)
#include "tst_seenledger.moc"
