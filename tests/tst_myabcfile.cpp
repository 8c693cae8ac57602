#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "abcsupport.h"
#include "basefolder.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "testsupport.h"

class TestMyAbcFile : public QObject
{
    Q_OBJECT

private slots:
    void loadsAndStoresInKeyOrder();
};

void TestMyAbcFile::loadsAndStoresInKeyOrder()
{
    QTemporaryDir dir;
    BaseFolder box(dir.path(), QStringLiteral("box"));
    const QString b = AbcSupport::newEntryLine("qwerzz"), a = AbcSupport::newEntryLine("qweraa");
    QVERIFY(AbcSupport::writeAbc(box.completeName(), "qwer", (b + "\r\n" + a + "\r\n").toUtf8()));
    MyAbcFile *file = AbcSupport::openAbc(&box, "qwer");
    QVERIFY(file->initOk());
    QCOMPARE(file->rema(), QStringLiteral("qwer"));
    QCOMPARE(file->objectName(), QStringLiteral("abc_qwer"));
    QCOMPARE(file->countEntries(), 2);
    QVERIFY(file->store());
    QCOMPARE(TestSupport::readFile(AbcSupport::abcPath(box.completeName(), "qwer")), (a + "\n" + b + "\n").toUtf8());
}

QTEST_MAIN(TestMyAbcFile)
#include "tst_myabcfile.moc"
