#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include "mysplash.h"

class TestMySplash : public QObject
{
    Q_OBJECT

private slots:
    void isCentredFramelessSplashWindow();
    void messagesAreWhiteAndBottomCentred();
    void messageStaysForDisplayTime();
    void inputIgnoredBeforeStartUpIsOver();
    void keyPressClosesAfterActivation();
    void clickClosesAfterActivation();

private:
    static MySplash *makeSplash();
};

MySplash *TestMySplash::makeSplash()
{
    return new MySplash(QStringLiteral(":img/splash_420x290.png"), Qt::AlignBottom | Qt::AlignHCenter, Qt::white);
}

// Lets a pending close of the splash reach its deletion.
static void flushDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMySplash::isCentredFramelessSplashWindow()
{
    QPointer<MySplash> splash = makeSplash();
    QVERIFY(splash->windowFlags().testFlag(Qt::SplashScreen));
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(splash->size(), QSize(420, 290));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(splash->pos(),
             QPoint(screen.left() + (screen.width() - 420) / 2, screen.top() + (screen.height() - 290) / 2));
    QCOMPARE(splash->displayMessageTime(), 700);
    splash->show();
    splash->close();
    flushDeletes();
    QVERIFY(splash.isNull());
}

void TestMySplash::messagesAreWhiteAndBottomCentred()
{
    QScopedPointer<MySplash> splash(makeSplash());
    auto message = splash->findChild<QLabel *>(QStringLiteral("messageLabel"));
    QVERIFY(message);
    QCOMPARE(message->alignment(), Qt::AlignBottom | Qt::AlignHCenter);
    QCOMPARE(message->geometry(), QRect(5, 5, 410, 280));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(message->palette().color(group, QPalette::WindowText), QColor(Qt::white));
    auto picture = splash->findChild<QLabel *>(QStringLiteral("pictureLabel"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(0, 0, 420, 290));
    QVERIFY(!picture->pixmap(Qt::ReturnByValue).isNull());
}

void TestMySplash::messageStaysForDisplayTime()
{
    QScopedPointer<MySplash> splash(makeSplash());
    splash->setDisplayMessageTime(150);
    splash->show();
    QElapsedTimer clock;
    clock.start();
    splash->showMessage(QStringLiteral("Loading..."));
    QVERIFY2(clock.elapsed() >= 140, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(splash->message(), QStringLiteral("Loading..."));
    auto message = splash->findChild<QLabel *>(QStringLiteral("messageLabel"));
    QVERIFY(message);
    QCOMPARE(message->text(), QStringLiteral("Loading..."));
}

void TestMySplash::inputIgnoredBeforeStartUpIsOver()
{
    QPointer<MySplash> splash = makeSplash();
    splash->setDisplayMessageTime(1);
    splash->show();
    QSignalSpy complete(splash.data(), &MySplash::workComplete);
    QTest::keyClick(splash.data(), Qt::Key_Space);
    QTest::mouseClick(splash.data(), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!splash.isNull());
    QVERIFY(splash->isVisible());
    QCOMPARE(complete.count(), 2);
    delete splash;
}

void TestMySplash::keyPressClosesAfterActivation()
{
    QPointer<MySplash> splash = makeSplash();
    splash->setDisplayMessageTime(1);
    splash->show();
    splash->showMessage(QStringLiteral("Tessary is ready..."));
    splash->activateUserAction();
    QVERIFY(!splash.isNull());
    QTest::keyClick(splash.data(), Qt::Key_Escape);
    QTRY_VERIFY(splash.isNull());
}

void TestMySplash::clickClosesAfterActivation()
{
    QPointer<MySplash> splash = makeSplash();
    splash->show();
    splash->activateUserAction();
    // A second activation must not make one click close it twice.
    splash->activateUserAction();
    QTest::mouseClick(splash.data(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_VERIFY(splash.isNull());
}

QTEST_MAIN(TestMySplash)
#include "tst_mysplash.moc"
