#include <QDir>
#include <QRandomGenerator>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "abcsupport.h"
#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mysettings.h"
#include "resemblerun.h"
#include "unittree.h"
#include "testsupport.h"

// The grouping work without the frame: whatever the user does, every Apply leaves each entry of the
// box linked to an entry that is its own prime, on disk as in memory.
class TestResembleRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyApplyKeepsTheCatalogueConsistent_data();
    void everyApplyKeepsTheCatalogueConsistent();
    void buttonsFollowTheStates();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QLatin1Char('/') + NAME_PHOTO; }
    void openBox(const QMap<QString, QString> &links);
    // remark -> field 2 of every entry on disk.
    QMap<QString, QString> storedLinks() const;
    static QString consistencyFault(const QMap<QString, QString> &links);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<UnitTree> m_tessary;
    AnyBox *m_box = nullptr;
};

void TestResembleRun::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(basePath()));
}

void TestResembleRun::cleanup()
{
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
}

void TestResembleRun::openBox(const QMap<QString, QString> &links)
{
    QMap<QString, QStringList> files;
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        QStringList fields = AbcSupport::newEntryLine(it.key()).split(QLatin1Char('~'));
        fields[2] = it.value();
        files[it.key().left(4)] << fields.join(QLatin1Char('~'));
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(AbcSupport::writeAbc(boxPath(), it.key(), (it.value().join('\n') + '\n').toUtf8()));
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    m_tessary.reset(new UnitTree(m_settings.data()));
    QString status;
    QVERIFY(m_tessary->initStatus(status));
    m_box = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    QVERIFY(m_box);
}

QMap<QString, QString> TestResembleRun::storedLinks() const
{
    QMap<QString, QString> links;
    const QStringList firstLevel = QDir(boxPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &re : firstLevel) {
        const QStringList secondLevel = QDir(boxPath() + '/' + re).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &ma : secondLevel) {
            const QStringList lines = QString::fromUtf8(TestSupport::readFile(AbcSupport::abcPath(boxPath(), re + ma)))
                                          .split('\n', Qt::SkipEmptyParts);
            for (const QString &line : lines) {
                const Entry entry(line);
                if (entry.Ok())
                    links.insert(entry.getField(1), entry.getField(2));
            }
        }
    }
    return links;
}

QString TestResembleRun::consistencyFault(const QMap<QString, QString> &links)
{
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        if (!links.contains(it.value()) || links.value(it.value()) != it.value())
            return it.key() + QStringLiteral(" -> ") + it.value() + QStringLiteral(" -> ") + links.value(it.value());
    }
    return QString();
}

void TestResembleRun::everyApplyKeepsTheCatalogueConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void TestResembleRun::everyApplyKeepsTheCatalogueConsistent()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    // Twenty objects in two catalogue files, in groups of one to four.
    QStringList remarks;
    for (const QString &rema : {QStringLiteral("qwer"), QStringLiteral("asdf")}) {
        for (char c = 'a'; c < 'k'; ++c)
            remarks << rema + QStringLiteral("a") + QLatin1Char(c);
    }
    QMap<QString, QString> links;
    QString prime;
    for (const QString &remark : qAsConst(remarks)) {
        if (prime.isEmpty() || random.bounded(3) == 0)
            prime = remark;
        links.insert(remark, prime);
    }
    openBox(links);
    QVERIFY(consistencyFault(storedLinks()).isEmpty());

    int applies = 0;
    for (int round = 0; round < 6; ++round) {
        // A few objects marked, members among them.
        m_box->unmarkAllEntries();
        for (MyAbcFile *file : m_box->findChildren<MyAbcFile *>()) {
            for (const QString &key : file->getUsedName()) {
                if (random.bounded(4) == 0)
                    file->markEntry(file->getEntry(key), 0);
            }
        }
        if (m_box->markedEntriesCount() == 0)
            continue;
        ResembleRun run(m_box);
        QVERIFY(!run.isEmpty());
        for (int step = 0; step < 40; ++step) {
            const int row = int(random.bounded(quint32(run.rowCount())));
            switch (random.bounded(3)) {
            case 0:
                run.pressAdd(row);
                break;
            case 1:
                run.pressUnique(row);
                break;
            default:
                run.pressChange(row);
                break;
            }
            if (run.canApply() && random.bounded(8) == 0) {
                QVERIFY(run.apply());
                ++applies;
                const QString fault = consistencyFault(storedLinks());
                QVERIFY2(fault.isEmpty(), qPrintable(fault));
                QVERIFY(run.currentPrime().isEmpty());
            }
        }
        run.finish();
        // After an Apply the marks are primes only.
        if (run.applied()) {
            for (const Entry *entry : m_box->markedEntries(0))
                QCOMPARE(entry->getField(2), entry->getField(1));
        }
    }
    QVERIFY(applies > 0);
}

void TestResembleRun::buttonsFollowTheStates()
{
    openBox({{"qweraa", "qweraa"}, {"qwerba", "qwerba"}, {"qwerbb", "qwerba"}});
    m_box->markAllEntries(0);
    ResembleRun run(m_box);
    QCOMPARE(run.rowCount(), 3);
    QCOMPARE(run.rowRemark(1), QStringLiteral("qwerba"));
    QCOMPARE(run.addMode(0), ResembleRun::AddCreate);
    QCOMPARE(run.addMode(2), ResembleRun::AddDisabled);
    QCOMPARE(run.uniqueMode(0), ResembleRun::UniqueDisabled);
    QCOMPARE(run.uniqueMode(1), ResembleRun::UniqueAllUnique);
    QCOMPARE(run.uniqueMode(2), ResembleRun::UniqueUnique);
    QVERIFY(!run.canApply());
    run.pressUnique(2);
    QCOMPARE(run.uniqueMode(1), ResembleRun::UniqueReturnAll);
    QCOMPARE(run.addMode(0), ResembleRun::AddDisabled);
    QVERIFY(run.canApply());
    run.pressUnique(1);
    QCOMPARE(run.state("qwerbb"), ResembleRun::Untouched);
    run.pressAdd(1);
    QCOMPARE(run.state("qwerbb"), ResembleRun::InGroup);
    QCOMPARE(run.uniqueMode(2), ResembleRun::UniqueDisabled);
    QVERIFY(run.canApply());
    QCOMPARE(run.addMode(0), ResembleRun::AddAdd);
    QCOMPARE(run.groupEntries().size(), 1);
    QCOMPARE(run.primeEntries().first()->getField(1), QStringLiteral("qwerba"));
    QCOMPARE(run.poolEntries().size(), 1);
    run.pressAdd(1);
    QVERIFY(run.currentPrime().isEmpty());
    QVERIFY(!run.canApply());
}

QTEST_MAIN(TestResembleRun)
#include "tst_resemblerun.moc"
