#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "../reader/mainwindow.h"
#include "companionsupport.h"
#include "testsupport.h"

using folianto::MainWindow;
using namespace CompanionSupport;

// Folianto in process, with copies of the fake viewer of tests/fakes standing in for each viewer:
// the copy's name tells which viewer the book went to.
class TestFolianto : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void setFileAddsAndReplacesViewers();
    void booksOpenInTheViewerOfTheirExtension();
    void emptyListShowsNothing();
    void singleBookEndsWithItsViewer();
    void viewerThatCannotStartIsSaid();
    void deletedListClosesBookAndWindow();
    void closingTheWindowEndsEvenAHangingViewer();

    void russianCoversEveryText();

private:
    QString viewer(const QString &name) const;
    QString writeSet() const;
    QString writeList(const QStringList &books) const;
    QStringList arguments(const QString &list) const;
    QStringList record() const { return recordLines(m_record); }
    void letViewerEnd() const;

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_record;
};

void TestFolianto::init()
{
    qunsetenv("FOLIANTO_FAKE_IGNORE_TERM");
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_record = m_dir->path() + QStringLiteral("/record");
    qputenv("FOLIANTO_FAKE_RECORD", m_record.toUtf8());
    for (const char *name : {"pdfviewer", "textviewer", "anyviewer"})
        QVERIFY(QFile::copy(QStringLiteral(TESSARY_TEST_FAKES "/fake_book_viewer.sh"), viewer(QLatin1String(name))));
}

QString TestFolianto::viewer(const QString &name) const
{
    return m_dir->path() + QLatin1Char('/') + name;
}

QString TestFolianto::writeSet() const
{
    const QString set = m_dir->path() + QStringLiteral("/viewers.set");
    const QByteArray text = "  PDF =  " + viewer(QStringLiteral("pdfviewer")).toUtf8() + "  \n"
                            "txt=" + viewer(QStringLiteral("textviewer")).toUtf8() + "\n"
                            "default=" + viewer(QStringLiteral("anyviewer")).toUtf8() + "\n"
                            "djvu=/usr/bin/one=two\n"
                            "a line without the sign\n"
                            "\n";
    TestSupport::writeFile(set, text);
    return set;
}

QString TestFolianto::writeList(const QStringList &books) const
{
    const QString list = m_dir->path() + QStringLiteral("/list.tpl");
    TestSupport::writeFile(list, books.isEmpty() ? QByteArray()
                                                 : (books.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    return list;
}

QStringList TestFolianto::arguments(const QString &list) const
{
    return {QStringLiteral("-list"), list, QStringLiteral("-set"), writeSet()};
}

void TestFolianto::letViewerEnd() const
{
    QVERIFY(TestSupport::writeFile(m_record + QStringLiteral(".exit"), ""));
}

void TestFolianto::setFileAddsAndReplacesViewers()
{
    MainWindow window(arguments(writeList({})));
    const QMap<QString, QString> viewers = window.viewers();
    QCOMPARE(viewers.value(QStringLiteral("pdf")), viewer(QStringLiteral("pdfviewer")));
    QCOMPARE(viewers.value(QStringLiteral("txt")), viewer(QStringLiteral("textviewer")));
    QCOMPARE(viewers.value(QStringLiteral("default")), viewer(QStringLiteral("anyviewer")));
    // The line with two "=" is ignored; the built-in viewers stay.
    QCOMPARE(viewers.value(QStringLiteral("djvu")), QStringLiteral("C:\\Program Files\\Djvu\\WinDjVew-0.5.exe"));
    QCOMPARE(viewers.value(QStringLiteral("fb2")), QStringLiteral("C:\\Program Files\\AlReader2\\AlReader2.exe"));
    QCOMPARE(viewers.size(), 6);

    // Without a set file the built-in table holds.
    MainWindow plain({QStringLiteral("-list"), writeList({})});
    QCOMPARE(plain.viewers().value(QStringLiteral("pdf")),
             QStringLiteral("C:\\Program Files\\Foxit Software\\Foxit Reader\\Foxit Reader.exe"));
    QCOMPARE(plain.viewers().value(QStringLiteral("default")),
             QStringLiteral("C:\\Program Files\\Notepad++\\notepad++.exe"));
    QCOMPARE(plain.viewers().size(), 5);

    const QMap<QString, QString> options = MainWindow::parseOptions(
        {QStringLiteral("-set"), QStringLiteral("-list"), QStringLiteral("my list.tpl"), QStringLiteral("-list"),
         QStringLiteral("other.tpl")});
    QCOMPARE(options.value(QStringLiteral("-set")), QString());
    QCOMPARE(options.value(QStringLiteral("-list")), QStringLiteral("my list.tpl"));
}

void TestFolianto::booksOpenInTheViewerOfTheirExtension()
{
    const QString dir = m_dir->path();
    const QString pdf = dir + QStringLiteral("/books/ab.PDF");
    const QString bare = dir + QStringLiteral("/books/README");
    const QString text = dir + QStringLiteral("/books/cd.txt");
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/books")));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/books/ab.sub"), "Zoology\nAuthor Z\n1970\n"));
    QVERIFY(TestSupport::writeFile(dir + QStringLiteral("/books/cd.sub"), "Alphabet\nAuthor A\n2001\n"));
    QVERIFY(!bare.contains(QLatin1Char('.')));
    MainWindow window(arguments(writeList({pdf, bare, text})));
    window.show();

    auto *books = window.findChild<QTableWidget *>(QStringLiteral("books"));
    auto *open = window.findChild<QToolButton *>(QStringLiteral("openButton"));
    auto *close = window.findChild<QToolButton *>(QStringLiteral("closeButton"));
    auto *nothing = window.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(books && open && close && nothing);
    QVERIFY(books->isVisible());
    QVERIFY(!nothing->isVisible());
    QCOMPARE(books->rowCount(), 3);
    // Sorted by name: the book without a ".sub" file has an empty name and comes first.
    const QStringList expected[] = {{QString(), QString(), QString(), bare},
                                    {QStringLiteral("Alphabet"), QStringLiteral("Author A"),
                                     QStringLiteral("2001"), text},
                                    {QStringLiteral("Zoology"), QStringLiteral("Author Z"),
                                     QStringLiteral("1970"), pdf}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(books->item(row, column)->text(), expected[row].at(column));
            QCOMPARE(books->item(row, column)->toolTip(), expected[row].at(column));
        }
    }
    QCOMPARE(books->currentRow(), 0);

    // The capital "PDF" goes to the pdf viewer.
    books->setCurrentCell(2, 0);
    QVERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_COMPARE(record().size(), 1);
    QVERIFY(record().at(0).startsWith(QStringLiteral("pdfviewer|") + pdf + QLatin1Char('|')));
    QVERIFY(!books->isEnabled());
    QVERIFY(!open->isEnabled());
    QVERIFY(close->isEnabled());
    const qint64 pid = record().at(0).section(QLatin1Char('|'), 2).toLongLong();
    QVERIFY(!processGone(pid));

    // Close ends the viewer and goes back to the table.
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(processGone(pid));
    QVERIFY(books->isEnabled());
    QVERIFY(open->isEnabled());
    QVERIFY(!close->isEnabled());

    // A path without "." is its own extension and so finds the default viewer; Return opens.
    books->setCurrentCell(0, 0);
    QTest::keyClick(books, Qt::Key_Return);
    QTRY_COMPARE(record().size(), 2);
    QVERIFY(record().at(1).startsWith(QStringLiteral("anyviewer|") + bare + QLatin1Char('|')));

    // A viewer that ends by itself brings the table back.
    letViewerEnd();
    QTRY_VERIFY(open->isEnabled());
    QVERIFY(books->isEnabled());
    QVERIFY(!close->isEnabled());
    QVERIFY(QFile::remove(m_record + QStringLiteral(".exit")));

    // Space opens the text with its own viewer; Up on the first row and Down on the last are swallowed.
    books->setCurrentCell(1, 0);
    QTest::keyClick(books, Qt::Key_Down);
    QCOMPARE(books->currentRow(), 2);
    QTest::keyClick(books, Qt::Key_Down);
    QCOMPARE(books->currentRow(), 2);
    QTest::keyClick(books, Qt::Key_Up);
    QTest::keyClick(books, Qt::Key_Space);
    QTRY_COMPARE(record().size(), 3);
    QVERIFY(record().at(2).startsWith(QStringLiteral("textviewer|") + text + QLatin1Char('|')));
    const qint64 textPid = record().at(2).section(QLatin1Char('|'), 2).toLongLong();

    // Go back (its shortcut Escape) ends the viewer and the window.
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    // A shortcut presses its button with a short animation.
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(processGone(textPid));
}

void TestFolianto::emptyListShowsNothing()
{
    MainWindow window({QStringLiteral("-list"), m_dir->path() + QStringLiteral("/missing.tpl")});
    window.show();
    auto *nothing = window.findChild<QLabel *>(QStringLiteral("label"));
    auto *books = window.findChild<QTableWidget *>(QStringLiteral("books"));
    QVERIFY(nothing && books);
    QVERIFY(nothing->isVisible());
    QCOMPARE(nothing->text(), QStringLiteral("Nothing..."));
    QVERIFY(!books->isVisible());
    QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("openButton"))->isEnabled());
    QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("closeButton"))->isEnabled());
    auto *back = window.findChild<QToolButton *>(QStringLiteral("quitButton"));
    QVERIFY(back && back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void TestFolianto::singleBookEndsWithItsViewer()
{
    const QString book = m_dir->path() + QStringLiteral("/ab.txt");
    MainWindow window(arguments(writeList({book})));
    window.show();
    // The only book opens at once.
    QTRY_COMPARE(record().size(), 1);
    QVERIFY(record().at(0).startsWith(QStringLiteral("textviewer|") + book + QLatin1Char('|')));
    QVERIFY(window.isVisible());
    letViewerEnd();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 2000);
    QCOMPARE(window.viewer()->state(), QProcess::NotRunning);
}

// A viewer that is not there is named in the window; the table stays usable and the window stays,
// also for a single book, which would otherwise close with its viewer.
void TestFolianto::viewerThatCannotStartIsSaid()
{
    const QString missing = m_dir->path() + QStringLiteral("/no-such-viewer");
    const QString set = m_dir->path() + QStringLiteral("/missing.set");
    QVERIFY(TestSupport::writeFile(set, "txt=" + missing.toUtf8() + "\npdf=" + viewer("pdfviewer").toUtf8() + "\n"));
    const QString text = m_dir->path() + QStringLiteral("/ab.txt");
    MainWindow single({QStringLiteral("-list"), writeList({text}), QStringLiteral("-set"), set});
    single.show();
    auto problem = single.findChild<QLabel *>(QStringLiteral("viewerProblem"));
    QVERIFY(problem);
    QTRY_VERIFY(problem->isVisible());
    QCOMPARE(problem->text(), QStringLiteral("Cannot start ") + missing);
    // The list is looked at every 200 ms; the window outlives a few looks.
    QVERIFY(!QTest::qWaitFor([&single] { return !single.isVisible(); }, 800));
    QVERIFY(single.findChild<QTableWidget *>(QStringLiteral("books"))->isEnabled());
    single.close();

    const QString pdf = m_dir->path() + QStringLiteral("/cd.pdf");
    MainWindow window({QStringLiteral("-list"), writeList({text, pdf}), QStringLiteral("-set"), set});
    window.show();
    auto *books = window.findChild<QTableWidget *>(QStringLiteral("books"));
    auto *open = window.findChild<QToolButton *>(QStringLiteral("openButton"));
    problem = window.findChild<QLabel *>(QStringLiteral("viewerProblem"));
    QVERIFY(books && open && problem);
    books->setCurrentCell(books->item(0, 3)->text() == text ? 0 : 1, 0);
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_VERIFY(problem->isVisible());
    QCOMPARE(problem->text(), QStringLiteral("Cannot start ") + missing);
    QVERIFY(books->isEnabled());
    QVERIFY(open->isEnabled());
    // Another book opens with its own viewer, and the line goes.
    books->setCurrentCell(books->item(0, 3)->text() == pdf ? 0 : 1, 0);
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_COMPARE(record().size(), 1);
    QVERIFY(record().at(0).startsWith(QStringLiteral("pdfviewer|") + pdf + QLatin1Char('|')));
    QVERIFY(!problem->isVisible());
}

void TestFolianto::deletedListClosesBookAndWindow()
{
    const QString list =
        writeList({m_dir->path() + QStringLiteral("/ab.pdf"), m_dir->path() + QStringLiteral("/cd.pdf")});
    MainWindow window(arguments(list));
    window.show();
    auto *open = window.findChild<QToolButton *>(QStringLiteral("openButton"));
    QVERIFY(open);
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_COMPARE(record().size(), 1);
    const qint64 pid = record().at(0).section(QLatin1Char('|'), 2).toLongLong();
    QVERIFY(QFile::remove(list));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QVERIFY(processGone(pid));
}

void TestFolianto::closingTheWindowEndsEvenAHangingViewer()
{
    qputenv("FOLIANTO_FAKE_IGNORE_TERM", "1");
    MainWindow window(arguments(writeList({m_dir->path() + QStringLiteral("/ab.pdf"),
                                           m_dir->path() + QStringLiteral("/cd.txt")})));
    window.show();
    auto *open = window.findChild<QToolButton *>(QStringLiteral("openButton"));
    QVERIFY(open);
    QTest::mouseClick(open, Qt::LeftButton);
    QTRY_COMPARE(record().size(), 1);
    const qint64 pid = record().at(0).section(QLatin1Char('|'), 2).toLongLong();
    QVERIFY(pid > 0);

    // The frameless window is dragged with the mouse, half transparent while held.
    const QPoint start = window.pos();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(start + QPoint(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    // Opacity is kept in eight bits.
    QVERIFY(qAbs(window.windowOpacity() - 0.5) < 0.01);
    QMouseEvent drag(QEvent::MouseMove, QPointF(5, 5), QPointF(start + QPoint(25, 45)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drag);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(start + QPoint(25, 45)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
    QCOMPARE(window.windowOpacity(), 1.0);
    QTRY_COMPARE(window.pos(), start + QPoint(20, 40));

    // The viewer is asked to end, and killed when it does not within the grace period.
    QVERIFY(window.close());
    QVERIFY(processGone(pid));
    QCOMPARE(window.viewer()->state(), QProcess::NotRunning);
    QCOMPARE(window.viewer()->exitStatus(), QProcess::CrashExit);
}

void TestFolianto::russianCoversEveryText()
{
    // Every message of the program's Russian source is translated.
    QVERIFY(finishedTranslationCount(QStringLiteral(TESSARY_TEST_DATA "/../../reader/lng/ru.ts")) > 10);

    // The compiled catalogue is built into the program and turns the window Russian.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/lng/folianto_ru.qm")));
    QCOMPARE(translator.translate("Folianto", "Nothing..."), QStringLiteral("Ничего нет..."));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    MainWindow window({QStringLiteral("-list"), m_dir->path() + QStringLiteral("/none.tpl")});
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Ничего нет..."));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestFolianto)
#include "tst_folianto.moc"
