#include "startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTranslator>

#include "constants.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "mysplash.h"

#include <cstdio>

static const QString LANGUAGE_DIR = QStringLiteral(":/lng/");

// Test hook for runs without a user: the splash goes at once after its last message and a main window that
// opened is quit again through its Quit command.
static const char *const TEST_QUIT_VARIABLE = "TESSARY_TEST_QUIT";

StartUp::StartUp(const QStringList &arguments, QObject *parent)
    : QObject(parent)
    , m_arguments(arguments)
{
}

StartUp::~StartUp()
{
    if (m_splash) {
        m_splash->disconnect(this);
        delete m_splash;
    }
    shutdown();
}

QString StartUp::settingsFileName(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return QString();
    QString fileName = arguments.at(1).trimmed();
    if (fileName.endsWith(QLatin1Char('/')) || fileName.endsWith(QDir::separator()))
        fileName += QStringLiteral("tessary.ini");
    return fileName;
}

QString StartUp::settingsPath(const QStringList &arguments)
{
    const QString fileName = settingsFileName(arguments);
    if (!fileName.isEmpty())
        return fileName;
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("welmora"), QStringLiteral("tessary"))
        .fileName();
}

MySettings *StartUp::openSettings(const QStringList &arguments)
{
    // Filling in the defaults would write the store back and wipe a file the user has to mend by
    // hand, so a file that cannot be parsed is only looked at, never opened for good.
    if (!MySettings::parsesCompletely(settingsPath(arguments)))
        return nullptr;

    const QString fileName = settingsFileName(arguments);
    MySettings *settings = fileName.isEmpty()
        ? new MySettings(QStringLiteral("welmora"), QStringLiteral("tessary"), MySettings::builtInDefaults())
        : new MySettings(fileName, MySettings::builtInDefaults());
    // The filled-in defaults reach the file at once.
    settings->sync();
    return settings;
}

bool StartUp::run()
{
    m_splash = new MySplash(QStringLiteral(":img/splash_420x290.png"), Qt::AlignBottom | Qt::AlignHCenter, Qt::white);
    m_splash->setDisplayMessageTime(m_displayMessageTime);
    m_splash->show();

    showMessage(tr("Read the settings..."));
    m_settings = openSettings(m_arguments);

    showMessage(tr("Loading languages..."));
    loadTranslators();

    m_succeeded = checkStore() && createMainWindow();
    if (!m_succeeded)
        printReason(m_statusText);

    showMessage(m_statusText);
    m_splash->activateUserAction();
    connect(m_splash, &QObject::destroyed, this, &StartUp::onSplashGone);
    if (m_succeeded)
        QTimer::singleShot(m_closeDelay, m_splash, &QWidget::close);
    return m_succeeded;
}

int StartUp::exec()
{
    connect(this, &StartUp::splashGone, qApp, [](bool succeeded) {
        if (!succeeded)
            QCoreApplication::quit();
    });
    const bool testQuit = qEnvironmentVariableIsSet(TEST_QUIT_VARIABLE);
    if (testQuit)
        connect(this, &StartUp::splashGone, this, &StartUp::quitThroughCommand);
    run();
    if (testQuit && m_splash)
        QTimer::singleShot(0, m_splash, &QWidget::close);
    const int result = QApplication::exec();
    shutdown();
    // A start that never reached the main window is a failure also for whoever started the program.
    return m_succeeded ? result : 1;
}

void StartUp::quitThroughCommand(bool succeeded)
{
    if (!succeeded || !m_mainWindow)
        return;
    QTimer::singleShot(0, m_mainWindow, [this]() {
        QAction *quit = m_mainWindow->findChild<QAction *>(QStringLiteral("quitAction"));
        if (!quit)
            return;
        MyMessageBox::setNextAnswer(QMessageBox::Yes);
        quit->trigger();
    });
}

void StartUp::printReason(const QString &text)
{
    // Whoever started the program from a terminal or a script learns why there is no window.
    const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + text + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void StartUp::shutdown()
{
    delete m_mainWindow;
    m_mainWindow = nullptr;
    delete m_settings;
    m_settings = nullptr;
    delete m_appTranslator;
    m_appTranslator = nullptr;
    delete m_qtTranslator;
    m_qtTranslator = nullptr;
}

void StartUp::showMessage(const QString &text)
{
    if (m_splash)
        m_splash->showMessage(text);
}

void StartUp::loadTranslators()
{
    const QString language = m_settings ? m_settings->value(KEY_GENERAL + KEY_LANGUAGE).toString() : LANGUAGE;
    m_appTranslator = new QTranslator;
    m_qtTranslator = new QTranslator;
    // A language without files leaves the interface in the source language.
    m_appTranslator->load(language, LANGUAGE_DIR);
    m_qtTranslator->load(QStringLiteral("qt_") + language, LANGUAGE_DIR);
    QCoreApplication::installTranslator(m_appTranslator);
    QCoreApplication::installTranslator(m_qtTranslator);
}

bool StartUp::checkStore()
{
    const QString quotedName = QStringLiteral("\n'") + settingsPath(m_arguments) + QLatin1Char('\'');
    switch (m_settings ? m_settings->status() : QSettings::FormatError) {
    case QSettings::AccessError:
        m_statusText = tr("Cannot access the file") + quotedName;
        return false;
    case QSettings::FormatError:
        m_statusText = tr("Error in the configuration file") + quotedName;
        return false;
    case QSettings::NoError:
        break;
    }
    return true;
}

// A base directory that cannot hold the box tree: no name of its own, not there at all, or relative
// (the tree is built from the path as written, which would put it under the file system's root).
static bool baseDirectoryMissing(const QString &boxDir)
{
    if (boxDir.trimmed().isEmpty() || QDir::isRelativePath(boxDir.trimmed()))
        return true;
    const QDir dir(boxDir);
    const QString name = dir.dirName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return true;
    return !dir.exists();
}

bool StartUp::createMainWindow()
{
    // The reason the base folder could not be used goes into the dialog, which stays until the user acts.
    QString problem;
    for (;;) {
        showMessage(tr("Loading..."));
        if (!baseDirectoryMissing(m_settings->text(KEY_GENERAL + KEY_BOX_DIR))) {
            m_mainWindow = new MainWindow(m_settings);
            m_mainWindow->setAppTranslator(m_appTranslator);
            m_mainWindow->setQtTranslator(m_qtTranslator);
            QString status;
            if (m_mainWindow->initStatus(status)) {
                m_statusText = tr("Tessary is ready...");
                return true;
            }
            showMessage(status);
            printReason(status);
            problem = status;
            delete m_mainWindow;
            m_mainWindow = nullptr;
        }
        if (!MainWindow::editSettings(m_settings, nullptr, problem)) {
            m_statusText = tr("Creating Tessary cancelled...");
            return false;
        }
    }
}

void StartUp::onSplashGone()
{
    if (m_succeeded && m_mainWindow)
        m_mainWindow->show();
    emit splashGone(m_succeeded);
}
