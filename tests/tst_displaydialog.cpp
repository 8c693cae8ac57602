#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "boxsupport.h"
#include "constants.h"
// The frame's form header is generated for this program too (see displaydialog.h).
#include "displaydialog.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

using BoxSupport::entry;

class TestDisplayDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsOfTheBoxFilledRowByRowAndPresented();
    void noListsOfTheKind();
    void presentProgramThatCannotStartIsShown();

private:
    QString basePath() const { return TestSupport::baseDir(*m_dir); }
    QString boxPath() const { return basePath() + QStringLiteral("/photo"); }
    QString sldPath() const { return basePath() + QLatin1Char('/') + NAME_SLD_FOLDER; }
    void makeBox(const QString &present);
    bool writeList(const QString &name, const QStringList &remarks, const QDateTime &modified) const;

    // Message boxes shown by this test function.
    int shownBoxes() const { return MyMessageBox::shownCount() - m_shownBefore; }

    int m_shownBefore = 0;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QScopedPointer<Tessary> m_tessary;
    QScopedPointer<QFrame> m_central;
};

void TestDisplayDialog::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    MyMessageBox::clearAnswers();
    m_shownBefore = MyMessageBox::shownCount();
}

void TestDisplayDialog::cleanup()
{
    MyMessageBox::clearAnswers();
    m_central.reset();
    m_tessary.reset();
    m_settings.reset();
    m_dir.reset();
}

void TestDisplayDialog::makeBox(const QString &present)
{
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    m_settings->setValue(KEY_PHOTO + KEY_PRESENT_APP, present);
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "qwer",
        {entry("1", "qwerty", "qwerty", "0", "unknown", "a.jpg", "unknown,unknown", "03.02.2020"),
         entry("1", "qwerab", "qwerab", "0", "unknown", "b.jpg", "unknown,unknown", "01.02.2020")}));
    QVERIFY(ArrangementSupport::writeEntries(
        boxPath(), "asdf", {entry("2", "asdfgh", "asdfgh", "0", "unknown", "c.jpg", "unknown,unknown", "02.02.2020")}));
    m_tessary.reset(BoxSupport::openBoxSet(m_settings.data()));
    QVERIFY(m_tessary);
}

// A list as the box writes it: one stored-object path per line.
bool TestDisplayDialog::writeList(const QString &name, const QStringList &remarks, const QDateTime &modified) const
{
    QByteArray text;
    for (const QString &remark : remarks) {
        text += (boxPath() + '/' + remark.left(2) + '/' + remark.mid(2, 2) + '/' + remark.mid(4) + ".jpg\n")
                    .toLocal8Bit();
    }
    return StorageSupport::writeFileAt(sldPath() + '/' + name, text, modified);
}

void TestDisplayDialog::listsOfTheBoxFilledRowByRowAndPresented()
{
    makeBox('"' + StorageSupport::fake("fake_viewer.sh") + "\" --slideshow %1");
    // Set after the box set is open: the fake extractor records into the same variable.
    const QString record = m_dir->path() + "/present-args";
    qputenv("TESSARY_FAKE_RECORD", record.toLocal8Bit());
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(writeList("summer trip.sld", {"qwerty", "qwerab", "asdfgh"}, now.addDays(-2)));
    // zzzzzz has no catalogue file: it counts, without a date.
    QVERIFY(writeList("single.sld", {"qwerty", "zzzzzz", "qwerty"}, now.addDays(-1)));
    // Newest, but a music list: not offered for photos.
    QVERIFY(writeList("songs.apl", {"qwerty"}, now));
    QVERIFY(TestSupport::writeFile(basePath() + '/' + NAME_TMP_FILE,
                                   "<photo:summer trip:Summer trip>\n\t\tA:1\n\t:search\n\n"
                                   "<music:songs:Loud>\n\t:search\n"));

    m_central.reset(new QFrame);
    auto box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    auto frame = new DisplayDialog(box, m_central.data());
    m_central->show();
    auto table = frame->findChild<QTableWidget *>("displayTable");
    auto noLists = frame->findChild<QLabel *>("label_B");
    auto total = frame->findChild<QLabel *>("total");
    QVERIFY(table && noLists && total);
    QVERIFY(!noLists->isVisible());
    QCOMPARE(total->text(), QStringLiteral("2"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Count"));
    // Newest first; the description comes from the template of that name.
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("single"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("summer trip"));
    QCOMPARE(table->item(0, 3)->text(), QString());
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("Summer trip"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("-"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("-"));
    QCOMPARE(table->currentRow(), 0);

    // One row per tick, top to bottom.
    QTRY_COMPARE(table->item(0, 1)->text(), QStringLiteral("3"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("-"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("03.02.2020"));
    QTRY_COMPARE(table->item(1, 1)->text(), QStringLiteral("3"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("01.02.2020 - 03.02.2020"));

    // Down to the last row; Down again stays there; Space starts it.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 1);
    QTest::keyClick(table, Qt::Key_Space);
    QTRY_VERIFY(QFile::exists(record));
    // The blank in the list's name does not split the argument.
    QCOMPARE(ArrangementSupport::lines(record), QStringList({"--slideshow", sldPath() + "/summer trip.sld"}));
    QCOMPARE(shownBoxes(), 0);
    qunsetenv("TESSARY_FAKE_RECORD");
}

void TestDisplayDialog::noListsOfTheKind()
{
    makeBox("true %1");
    QVERIFY(writeList("songs.apl", {"qwerty"}, QDateTime::currentDateTime()));
    m_central.reset(new QFrame);
    auto box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    auto frame = new DisplayDialog(box, m_central.data());
    m_central->show();
    auto noLists = frame->findChild<QLabel *>("label_B");
    auto mode = frame->findChild<QWidget *>("mode");
    QVERIFY(noLists && mode);
    QVERIFY(noLists->isVisible());
    QCOMPARE(noLists->text(), QStringLiteral("There are no lists..."));
    QVERIFY(!mode->isVisible());
    QVERIFY(!frame->findChild<QLabel *>("label_A")->isVisible());
}

void TestDisplayDialog::presentProgramThatCannotStartIsShown()
{
    makeBox("/nonexistent/viewer %1");
    QVERIFY(writeList("trip.sld", {"qwerty"}, QDateTime::currentDateTime()));
    m_central.reset(new QFrame);
    auto box = dynamic_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    auto frame = new DisplayDialog(box, m_central.data());
    m_central->show();
    auto start = frame->findChild<QPushButton *>("startButton");
    QVERIFY(start);
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(shownBoxes(), 1);
    QVERIFY(MyMessageBox::lastText().startsWith(QStringLiteral("The present program cannot be started")));
}

QTEST_MAIN(TestDisplayDialog)
#include "tst_displaydialog.moc"
