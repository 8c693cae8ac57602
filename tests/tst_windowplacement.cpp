#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "mainwindow.h"
#include "mysetdialog.h"
#include "mysettings.h"
#include "testsupport.h"
#include "mymessagebox.h"
#include "windowplacement.h"
#include "windowstate.h"

// The main window and the settings dialog on screens of several sizes: small laptop screens with a panel,
// the offscreen test screen, and a large screen where the preferred size and the centring hold.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placementShrinksOnlyWhereNeeded_data();
    void placementShrinksOnlyWhereNeeded();
    void mainWindowOpensInsideTheTestScreen();
    void mainWindowOnSmallScreens_data();
    void mainWindowOnSmallScreens();
    void mainWindowOnLargeScreenKeepsSizeAndCentre();
    void settingsDialogOnSmallScreens_data();
    void settingsDialogOnSmallScreens();
    void settingsDialogOnLargeScreenKeepsSize();
    void mainWindowComesBackWhereItWasLeft();

private:
    // The window's frame, with the decoration WindowPlacement allows for (the test screen draws none).
    static QRect frameRect(const QWidget *window);
    // The widget lies whole inside the window's client area and is shown.
    static bool visibleInside(const QWidget *widget, const QWidget *window);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
};

void TestWindowPlacement::init()
{
    m_dir.reset(new QTemporaryDir);
    m_settings.reset(TestSupport::makeSettings(*m_dir));
}

void TestWindowPlacement::cleanup()
{
    m_settings.reset();
    m_dir.reset();
}

QRect TestWindowPlacement::frameRect(const QWidget *window)
{
    // A top-level window's position is that of its frame.
    const QMargins frame = WindowPlacement::frameAllowance(window);
    return QRect(window->pos(), window->size() + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
}

bool TestWindowPlacement::visibleInside(const QWidget *widget, const QWidget *window)
{
    if (!widget || !widget->isVisible() || widget->height() <= 0 || widget->width() <= 0)
        return false;
    const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return window->rect().contains(inWindow);
}

static void addScreens()
{
    QTest::addColumn<QRect>("available");
    // A 1024 x 600 netbook with a 27-pixel top panel, a 1280 x 720 screen with a bottom panel, and the bare
    // 1024 x 600 screen.
    QTest::newRow("1024x600 top panel") << QRect(0, 27, 1024, 573);
    QTest::newRow("1280x720 bottom panel") << QRect(0, 0, 1280, 680);
    QTest::newRow("1024x600") << QRect(0, 0, 1024, 600);
    QTest::newRow("second screen 1280x720") << QRect(1920, 0, 1280, 720);
}

void TestWindowPlacement::placementShrinksOnlyWhereNeeded_data()
{
    QTest::addColumn<QSize>("preferred");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("client");
    const QMargins frame(4, 36, 4, 4);
    // Large enough: preferred size, frame centred with integer division.
    QTest::newRow("large") << QSize(920, 700) << QRect(0, 0, 1920, 1080)
                           << QRect((1920 - 928) / 2 + 4, (1080 - 740) / 2 + 36, 920, 700);
    // Too low: as high as the room, full width kept.
    QTest::newRow("low") << QSize(920, 700) << QRect(0, 27, 1024, 573)
                         << QRect((1024 - 928) / 2 + 4, 27 + 36, 920, 533);
    QTest::newRow("narrow and low") << QSize(1200, 800) << QRect(100, 0, 1024, 600) << QRect(104, 36, 1016, 560);
}

void TestWindowPlacement::placementShrinksOnlyWhereNeeded()
{
    QFETCH(QSize, preferred);
    QFETCH(QRect, available);
    QFETCH(QRect, client);
    QCOMPARE(WindowPlacement::placement(preferred, QMargins(4, 36, 4, 4), available), client);
}

void TestWindowPlacement::mainWindowOpensInsideTheTestScreen()
{
    // The offscreen test screen (800 x 600) is lower than the window's 730 pixels of minimum height.
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(free.height() < 730 + 40);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    QVERIFY2(free.contains(frameRect(window.data())), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                  .arg(window->x()).arg(window->y())
                                                                  .arg(window->width()).arg(window->height())));
    QVERIFY(visibleInside(window->menuBar(), window.data()));
    QVERIFY(visibleInside(window->statusBar(), window.data()));
}

void TestWindowPlacement::mainWindowOnSmallScreens_data()
{
    addScreens();
}

void TestWindowPlacement::mainWindowOnSmallScreens()
{
    QFETCH(QRect, available);
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    WindowPlacement::fit(window.data(), window->sizeHint().expandedTo(QSize(700, 730)), available);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    QVERIFY(available.contains(frameRect(window.data())));
    QVERIFY(window->height() < 730);
    // Title (the frame's top is on the screen), menu bar, every tool bar and the status line are there.
    QVERIFY(frameRect(window.data()).top() >= available.top());
    QVERIFY(visibleInside(window->menuBar(), window.data()));
    const QList<QToolBar *> toolBars = window->findChildren<QToolBar *>();
    QCOMPARE(toolBars.size(), 6);
    for (const QToolBar *toolBar : toolBars)
        QVERIFY2(visibleInside(toolBar, window.data()), qPrintable(toolBar->objectName()));
    QVERIFY(visibleInside(window->statusBar(), window.data()));
    QVERIFY(visibleInside(window->findChild<QWidget *>(QStringLiteral("statusLabel")), window.data()));
    QVERIFY(visibleInside(window->centralWidget(), window.data()));
}

void TestWindowPlacement::mainWindowOnLargeScreenKeepsSizeAndCentre()
{
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    const QRect available(0, 0, 1920, 1080);
    const QSize preferred = window->sizeHint().expandedTo(QSize(700, 730));
    WindowPlacement::fit(window.data(), preferred, available);
    QCOMPARE(window->size(), preferred);
    const QRect frame = frameRect(window.data());
    QCOMPARE(frame.left(), (1920 - frame.width()) / 2);
    QCOMPARE(frame.top(), (1080 - frame.height()) / 2);
}

void TestWindowPlacement::settingsDialogOnSmallScreens_data()
{
    addScreens();
}

void TestWindowPlacement::settingsDialogOnSmallScreens()
{
    QFETCH(QRect, available);
    MySetDialog dialog(m_settings.data());
    WindowPlacement::fit(&dialog, QSize(920, 700), available);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(available.contains(frameRect(&dialog)));
    auto buttonBox = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(buttonBox);
    QVERIFY(visibleInside(buttonBox->button(QDialogButtonBox::Ok), &dialog));
    QVERIFY(visibleInside(buttonBox->button(QDialogButtonBox::Cancel), &dialog));
    // The tabs scroll instead of being squeezed; every tab is still reachable.
    auto tabs = dialog.findChild<QTabWidget *>(QStringLiteral("mySetTabWidget"));
    auto scrollArea = dialog.findChild<QScrollArea *>(QStringLiteral("mySetScrollArea"));
    QVERIFY(tabs && scrollArea);
    QCOMPARE(scrollArea->widget(), tabs);
    QVERIFY(tabs->height() >= tabs->minimumSizeHint().height());
    if (tabs->minimumSizeHint().height() > scrollArea->viewport()->height())
        QVERIFY(scrollArea->verticalScrollBar()->maximum() > 0);
    for (const char *name : {"boxDirLineEdit", "firstDirAddButton", "firstDirDeleteButton"}) {
        auto widget = dialog.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(widget && widget->isVisible() && widget->height() > 0, name);
    }
}

void TestWindowPlacement::settingsDialogOnLargeScreenKeepsSize()
{
    // As created on the test screen: inside it.
    MySetDialog dialog(m_settings.data());
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frameRect(&dialog)));
    // On a large screen: the form's 920 x 700, centred, nothing scrolls.
    WindowPlacement::fit(&dialog, QSize(920, 700), QRect(0, 0, 1920, 1080));
    const QRect frame = frameRect(&dialog);
    QCOMPARE(frame.left(), (1920 - frame.width()) / 2);
    QCOMPARE(frame.top(), (1080 - frame.height()) / 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(920, 700));
    auto scrollArea = dialog.findChild<QScrollArea *>(QStringLiteral("mySetScrollArea"));
    QVERIFY(scrollArea);
    QCOMPARE(scrollArea->verticalScrollBar()->maximum(), 0);
}

void TestWindowPlacement::mainWindowComesBackWhereItWasLeft()
{
    // First start on a 1024 x 600 netbook with a top panel: a comfortable size, but inside the free area,
    // and small enough a minimum to fit there.
    const QRect netbook(0, 27, 1024, 573);
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    QVERIFY(window->minimumWidth() <= 800 && window->minimumHeight() <= 540);
    WindowPlacement::fit(window.data(), QSize(1200, 860), netbook);
    QVERIFY(netbook.contains(frameRect(window.data())));
    QCOMPARE(window->width(), 1024 - 8);

    // The user moves and sizes it on the (800 x 600) test screen, then quits.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    const QRect left(4, 50, 792, 540);
    window->setGeometry(left);
    QTRY_COMPARE(window->geometry(), left);
    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(window->close());
    window.reset();
    const WindowState state(m_settings->fileName());
    QCOMPARE(state.geometry(), left);
    // Not one of the user's settings: a file of its own beside them.
    QVERIFY(!TestSupport::readFile(m_settings->fileName()).contains("geometry"));
    QCOMPARE(QFileInfo(state.fileName()).absolutePath(), QFileInfo(m_settings->fileName()).absolutePath());

    // The next start puts it back.
    window.reset(new MainWindow(m_settings.data()));
    const QMargins allowance = WindowPlacement::frameAllowance(window.data());
    QCOMPARE(QRect(window->pos() + QPoint(allowance.left(), allowance.top()), window->size()), left);
    window.reset();

    // Left on a screen that is gone: it comes back whole on the screen there is.
    QVERIFY(WindowState(m_settings->fileName()).setGeometry(QRect(3000, 2000, 1100, 900)));
    window.reset(new MainWindow(m_settings.data()));
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(free.contains(frameRect(window.data())), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                  .arg(window->x()).arg(window->y())
                                                                  .arg(window->width()).arg(window->height())));
    // Partly off the netbook's edge: moved in, its size kept where it fits.
    const QMargins frame(4, 36, 4, 4);
    QCOMPARE(WindowPlacement::restored(QRect(500, 300, 900, 500), frame, netbook),
             QRect(1024 - 4 - 900, 27 + 573 - 4 - 500, 900, 500));
    QCOMPARE(WindowPlacement::restored(QRect(-200, 0, 1500, 900), frame, netbook), QRect(4, 27 + 36, 1016, 533));
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
