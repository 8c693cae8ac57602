#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "mysplash.h"

class MainWindow;
class MySettings;
class QTranslator;

// The way from process start to a shown main window, or to a message saying why there is none:
// splash, settings store, translators, the check of the box directory with its loop through the
// settings dialog, and the orderly shutdown. The application object must exist already.
class StartUp : public QObject
{
    Q_OBJECT

public:
    explicit StartUp(const QStringList &arguments, QObject *parent = nullptr);
    ~StartUp() override;

    // The settings file named by the command line (program name first), or an empty text when the
    // user-scope store of the organisation is to be used.
    static QString settingsFileName(const QStringList &arguments);
    // The file of the store the arguments name, also for the organisation's store.
    static QString settingsPath(const QStringList &arguments);
    // The store with the defaults filled in and synced; null for a file that cannot be parsed.
    static MySettings *openSettings(const QStringList &arguments);

    // Runs the sequence up to the final splash message; true when the main window is waiting for
    // the splash to go.
    bool run();
    // run(), the event loop and the shutdown: the program's whole life. The exit status is not zero when
    // the main window never opened; the reason then also goes to the standard error.
    int exec();
    // Deletes the main window, the settings store and the translators, in that order.
    void shutdown();

    void setDisplayMessageTime(int ms) { m_displayMessageTime = ms; }
    void setCloseDelay(int ms) { m_closeDelay = ms; }

    MySplash *splash() const { return m_splash; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    MySettings *settings() const { return m_settings; }
    QString statusText() const { return m_statusText; }

signals:
    // The splash has gone; after a failure the program has nothing left to do.
    void splashGone(bool succeeded);

private:
    void showMessage(const QString &text);
    void loadTranslators();
    bool checkStore();
    bool createMainWindow();
    void onSplashGone();
    void quitThroughCommand(bool succeeded);
    static void printReason(const QString &text);

    QStringList m_arguments;
    QPointer<MySplash> m_splash;
    MySettings *m_settings = nullptr;
    QTranslator *m_appTranslator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    MainWindow *m_mainWindow = nullptr;
    QString m_statusText;
    bool m_succeeded = false;
    int m_displayMessageTime = 700;
    int m_closeDelay = 3000;
};
