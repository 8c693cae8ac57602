#include <QMap>
#include <QRandomGenerator>
#include <QScopedPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "myfolder.h"
#include "photobox.h"
#include "storagesupport.h"

// The box's record of which files hold marks in which subset, checked against a plain model of the
// files' own subsets after every step of long random runs.
class TestSubsetBookkeeping : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomOperationsKeepBoxAndFilesAgreed();
    void randomOperationsKeepBoxAndFilesAgreed_data();
    void emptiedSubsetKeepsLaterNumbers();

private:
    // Per file (by rema) its subsets as sets of remarks, and the memorized copy.
    struct Model
    {
        QMap<QString, QList<QSet<QString>>> subsets;
        QMap<QString, QList<QSet<QString>>> memorized;
    };

    PhotoBox *makeBox();
    QString failure(const Model &model) const;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<BaseFolder> m_base;
    PhotoBox *m_box = nullptr;
    QMap<QString, MyAbcFile *> m_files;
    QMap<QString, QStringList> m_remarks;
};

void TestSubsetBookkeeping::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_base.reset(new BaseFolder(m_dir->path(), QStringLiteral("base")));
    QVERIFY(m_base->initOk());
    m_box = makeBox();
    QVERIFY(m_box);
    QCOMPARE(m_files.size(), 5);
}

void TestSubsetBookkeeping::cleanup()
{
    m_files.clear();
    m_remarks.clear();
    m_box = nullptr;
    m_base.reset();
    m_dir.reset();
}

PhotoBox *TestSubsetBookkeeping::makeBox()
{
    const QString path = m_base->completeName() + QLatin1Char('/') + NAME_PHOTO;
    const QStringList remas = {"qwer", "qwas", "abcd", "abzz", "mnop"};
    for (int i = 0; i < remas.size(); ++i) {
        const QStringList remarks = StorageSupport::remarks(remas.at(i), i + 1);
        if (!StorageSupport::writeAbcFile(path, remarks))
            return nullptr;
        m_remarks.insert(remas.at(i), remarks);
    }
    new MyFolder(NAME_SLD_FOLDER, m_base.data());
    auto box = new PhotoBox(NAME_PHOTO, m_base.data());
    for (const QString &rema : remas)
        m_files.insert(rema, box->findChild<MyAbcFile *>(NAME_ABC_FILE + QLatin1Char('_') + rema));
    if (m_files.values().contains(nullptr))
        return nullptr;
    return box;
}

// Empty text when the box and the files agree with the model, else what differs.
QString TestSubsetBookkeeping::failure(const Model &model) const
{
    int longest = 0;
    for (auto it = model.subsets.cbegin(); it != model.subsets.cend(); ++it) {
        MyAbcFile *file = m_files.value(it.key());
        if (file->countSubsets() != it->size())
            return QStringLiteral("file %1 holds %2 subsets, model %3").arg(it.key()).arg(file->countSubsets())
                .arg(it->size());
        for (int i = 0; i < it->size(); ++i) {
            QSet<QString> marked;
            for (const Entry *entry : file->markedEntries(i))
                marked.insert(entry->getField(1));
            if (marked != it->at(i))
                return QStringLiteral("file %1 subset %2 differs from the model").arg(it.key()).arg(i);
        }
        longest = qMax(longest, it->size());
    }
    if (m_box->countSubsets() != longest)
        return QStringLiteral("box holds %1 subsets, files at most %2").arg(m_box->countSubsets()).arg(longest);
    QSet<MyAbcFile *> everyMarked;
    int allCount = 0;
    for (int i = 0; i <= longest + 1; ++i) {
        QSet<MyAbcFile *> expected;
        int count = 0;
        for (auto it = model.subsets.cbegin(); it != model.subsets.cend(); ++it) {
            if (i < it->size() && !it->at(i).isEmpty()) {
                expected.insert(m_files.value(it.key()));
                count += it->at(i).size();
            }
        }
        everyMarked.unite(expected);
        if (m_box->markedAbcFiles(i) != expected)
            return QStringLiteral("box subset %1 names other files than the files hold").arg(i);
        if (m_box->markedEntriesCount(i) != count)
            return QStringLiteral("box subset %1 counts %2, files %3").arg(i).arg(m_box->markedEntriesCount(i))
                .arg(count);
    }
    for (auto it = model.subsets.cbegin(); it != model.subsets.cend(); ++it) {
        QSet<QString> all;
        for (const QSet<QString> &subset : *it)
            all.unite(subset);
        allCount += all.size();
    }
    if (m_box->markedAbcFiles() != everyMarked || m_box->markedEntriesCount() != allCount)
        return QStringLiteral("the union over all subsets differs");
    return QString();
}

void TestSubsetBookkeeping::randomOperationsKeepBoxAndFilesAgreed_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2026u, 31337u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestSubsetBookkeeping::randomOperationsKeepBoxAndFilesAgreed()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Model model;
    for (const QString &rema : m_files.keys())
        model.subsets.insert(rema, {});
    const QStringList remas = m_files.keys();
    QStringList trail;
    for (int step = 0; step < 3000; ++step) {
        const int longest = m_box->countSubsets();
        const int index = int(random.bounded(longest + 2));
        const QString rema = remas.at(int(random.bounded(remas.size())));
        const QStringList &remarks = m_remarks.value(rema);
        const QString remark = remarks.at(int(random.bounded(remarks.size())));
        MyAbcFile *file = m_files.value(rema);
        QList<QSet<QString>> &own = model.subsets[rema];
        const int operation = int(random.bounded(100));
        if (operation < 35) {
            trail << QStringLiteral("mark %1 in %2").arg(remark).arg(index);
            QVERIFY(file->markEntry(file->getEntry(remark.right(2)), index));
            if (index < own.size())
                own[index].insert(remark);
            else
                own.append(QSet<QString>({remark}));
        } else if (operation < 70) {
            trail << QStringLiteral("unmark %1 in %2").arg(remark).arg(index);
            const bool there = index < own.size() && own.at(index).contains(remark);
            QCOMPARE(file->unmarkEntry(file->getEntry(remark.right(2)), index), there);
            if (there)
                own[index].remove(remark);
        } else if (operation < 78) {
            trail << QStringLiteral("mark all in %1").arg(index);
            m_box->markAllEntries(index);
            for (const QString &r : remas) {
                const QStringList all = m_remarks.value(r);
                QList<QSet<QString>> &subsets = model.subsets[r];
                while (subsets.size() < index)
                    subsets.append(QSet<QString>());
                if (index < subsets.size())
                    subsets[index] = QSet<QString>(all.cbegin(), all.cend());
                else
                    subsets.append(QSet<QString>(all.cbegin(), all.cend()));
            }
        } else if (operation < 86) {
            trail << QStringLiteral("delete %1").arg(index);
            m_box->deleteSubset(index);
            for (QList<QSet<QString>> &subsets : model.subsets) {
                if (index < subsets.size())
                    subsets.removeAt(index);
            }
        } else if (operation < 90) {
            trail << QStringLiteral("unite");
            m_box->uniteSubsets();
            for (QList<QSet<QString>> &subsets : model.subsets) {
                QSet<QString> all;
                for (const QSet<QString> &subset : qAsConst(subsets))
                    all.unite(subset);
                subsets = {all};
            }
        } else if (operation < 95) {
            trail << QStringLiteral("memorize");
            m_box->memorizeMarked();
            model.memorized = model.subsets;
        } else if (operation < 98) {
            trail << QStringLiteral("restore");
            m_box->restoreMarked();
            for (const QString &r : remas)
                model.subsets[r] = model.memorized.value(r);
            model.memorized.clear();
        } else {
            trail << QStringLiteral("unmark all");
            m_box->unmarkAllEntries();
            for (QList<QSet<QString>> &subsets : model.subsets)
                subsets.clear();
        }
        const QString problem = failure(model);
        if (!problem.isEmpty())
            QFAIL(qPrintable(problem + QStringLiteral(" after: ") + trail.mid(qMax(0, trail.size() - 8)).join("; ")));
    }
}

// A search narrows subset 0 to nothing while subset 1 holds the next stage: both keep their numbers,
// and deleting subset 0 moves subset 1 down in every file, also in files whose subset 0 was empty.
void TestSubsetBookkeeping::emptiedSubsetKeepsLaterNumbers()
{
    m_box->markAllEntries(0);
    m_box->markAllEntries(1);
    QCOMPARE(m_box->countSubsets(), 2);
    // Stage 2 keeps only mnop's entries, stage 1 loses everything.
    for (MyAbcFile *file : m_files) {
        for (Entry *entry : file->markedEntries(0))
            QVERIFY(file->unmarkEntry(entry, 0));
        if (file != m_files.value("mnop")) {
            for (Entry *entry : file->markedEntries(1))
                QVERIFY(file->unmarkEntry(entry, 1));
        }
    }
    QCOMPARE(m_box->countSubsets(), 2);
    QCOMPARE(m_box->markedEntriesCount(0), 0);
    QCOMPARE(m_box->markedAbcFiles(1), QSet<MyAbcFile *>({m_files.value("mnop")}));
    QCOMPARE(m_box->markedEntriesCount(1), 5);

    m_box->deleteSubset(0);
    QCOMPARE(m_box->countSubsets(), 1);
    QCOMPARE(m_box->markedAbcFiles(0), QSet<MyAbcFile *>({m_files.value("mnop")}));
    QCOMPARE(m_box->markedEntriesCount(0), 5);
    for (MyAbcFile *file : m_files)
        QCOMPARE(file->countSubsets(), 1);
}

QTEST_GUILESS_MAIN(TestSubsetBookkeeping)
#include "tst_subsetbookkeeping.moc"
