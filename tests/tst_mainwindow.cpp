#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "constants.h"
#include "mainwindow.h"
#include "mymessagebox.h"
#include "mysettings.h"
#include "tessary.h"
#include "testsupport.h"
#include "windowplacement.h"
#include "windowsupport.h"

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithPhotoWelcome();
    void actionsCarryTextsShortcutsAndTips();
    void menusAndToolBars();

    void commandReplacesWorkingFrame_data();
    void commandReplacesWorkingFrame();
    void f4SwitchesToMusicWithoutAsking();
    void clipBoxStatus();
    void arrangementUpdatesStatusLine();

    void languageMenuOffersProgramTranslations();
    void storedRussianChecksSecondEntry();
    void unknownStoredLanguageLeavesEnglish();
    void switchingLanguageAppliesAndIsStored();

    void quitAnsweredNoKeepsRunning();
    void closeButtonAsksSameQuestion();
    void aboutBox();
    void aboutBoxIsModalAndCloses();

    void settingsAcceptedRefreshesBoxSet();
    void settingsNewBaseDirAsksForRestart();
    void settingsCancelledChangesNothing();

private:
    MainWindow *makeWindow(const QString &language = QString());
    static QWidget *workingFrame(MainWindow *window);
    static QAction *action(MainWindow *window, const QString &name);
    static QString statusText(MainWindow *window);
    static QList<QAction *> languageActions(MainWindow *window);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
};

void TestMainWindow::init()
{
    m_dir.reset(new QTemporaryDir);
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    MyMessageBox::clearAnswers();
}

void TestMainWindow::cleanup()
{
    // Every answer a test queued must have been asked for.
    QCOMPARE(MyMessageBox::pendingAnswers(), 0);
    m_settings.reset();
    m_dir.reset();
}

MainWindow *TestMainWindow::makeWindow(const QString &language)
{
    if (!language.isEmpty())
        m_settings->setValue(KEY_GENERAL + KEY_LANGUAGE, language);
    return new MainWindow(m_settings.data());
}

QWidget *TestMainWindow::workingFrame(MainWindow *window)
{
    const QList<QFrame *> frames = window->centralWidget()->findChildren<QFrame *>(QString(),
                                                                                   Qt::FindDirectChildrenOnly);
    return frames.size() == 1 ? frames.first() : nullptr;
}

QAction *TestMainWindow::action(MainWindow *window, const QString &name)
{
    return window->findChild<QAction *>(name);
}

QString TestMainWindow::statusText(MainWindow *window)
{
    auto label = window->findChild<QLabel *>(QStringLiteral("statusLabel"));
    return label ? label->text() : QStringLiteral("<no status label>");
}

QList<QAction *> TestMainWindow::languageActions(MainWindow *window)
{
    auto menu = window->findChild<QMenu *>(QStringLiteral("languageMenu"));
    return menu ? menu->actions() : QList<QAction *>();
}

void TestMainWindow::startsWithPhotoWelcome()
{
    QScopedPointer<MainWindow> window(makeWindow());
    // 800 x 540 (a 1024 x 600 screen with its panel), lowered only as far as the free screen area (with room for the decoration) demands.
    const QRect free = WindowPlacement::availableArea(window.data());
    const QMargins decoration = WindowPlacement::frameAllowance(window.data());
    const QSize room(free.width() - decoration.left() - decoration.right(),
                     free.height() - decoration.top() - decoration.bottom());
    QCOMPARE(window->minimumSize(), QSize(800, 540).boundedTo(room));
    QCOMPARE(window->windowTitle(), QStringLiteral("It's Tessary"));
    QCOMPARE(window->currentBox()->name(), NAME_PHOTO);

    QWidget *frame = workingFrame(window.data());
    QVERIFY(frame);
    QCOMPARE(frame->metaObject()->className(), "BoxSelect");
    auto title = frame->findChild<QLabel *>(QStringLiteral("title"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("The operation mode is switched to work with photos"));
    QVERIFY(frame->findChild<QLabel *>(QStringLiteral("boxPixmap")));
    QVERIFY(frame->findChild<QFrame *>(QStringLiteral("line")));

    QCOMPARE(statusText(window.data()), QStringLiteral("<b>photo</b> (0 / 0)"));
    QAction *photo = action(window.data(), QStringLiteral("photoBoxAction"));
    QVERIFY(photo);
    QVERIFY(photo->isChecked());
}

void TestMainWindow::actionsCarryTextsShortcutsAndTips()
{
    QScopedPointer<MainWindow> window(makeWindow());
    const struct
    {
        const char *name;
        const char *text;
        const char *shortcut;
        const char *toolTip;
    } expected[] = {
        {"settingsAction", "Settings", "Ctrl+/", "Setting the program parameters"},
        {"aboutAction", "About", "", "About this program"},
        {"quitAction", "Quit", "Ctrl+Q", "Finish the work and close the program"},
        {"photoBoxAction", "Images", "F1", "Start working with image collection"},
        {"bookBoxAction", "Books", "F2", "Start working with book library"},
        {"videoBoxAction", "Video", "F3", "Start working with a film library"},
        {"musicBoxAction", "Music", "F4", "Start working with a music box"},
        {"firstStepsAction", "First steps", "", "Transfer files from media and their rejection"},
        {"arrangementAction", "Arrangement", "", "Placement of files in the box"},
        {"selectDialogAction", "Dialog", "", "Select objects using the dialog box"},
        {"selectTemplateAction", "Template", "", "Select objects using the existing templates"},
        {"selectOutCategoryAction", "Without category", "", "Select the objects that have not been filled category"},
        {"selectOutKeywordAction", "Without keyword", "", "Select the objects that have no keywords"},
        {"selectOutTitleAction", "Without caption", "", "Select objects untitled"},
        {"displayAction", "Display", "", "Show selected objects"},
        {"addSimilarAction", "Add similar", "", "Create a group of similar objects"},
        {"restoringForEditingAction", "For editing", "", "Return the selected objects for editing"},
        {"restoringForPrintingAction", "For printing", "", "Return the selected objects to print them"},
        {"restoringForFollowingUsageAction", "For following usage", "", "Return the selected objects"},
        {"fillAllAction", "All", "", "Write a description of the object completely"},
        {"fillOnlyCategoryAction", "Only category", "", "Define the category of the object"},
        {"fillOnlyKeywordAction", "Only keyword", "", "Make a list of keywords for the object"},
        {"fillOnlyTitleAction", "Only caption", "", "Sign object"},
        {"checkAction", "Start", "", "Check the box for any errors"},
        {"infoAction", "Show information", "", "Information about the content"},
    };
    int commands = 0;
    for (QAction *candidate : window->findChildren<QAction *>()) {
        if (candidate->objectName().endsWith(QLatin1String("Action")))
            ++commands;
    }
    QCOMPARE(commands, 25);
    for (const auto &item : expected) {
        QAction *act = action(window.data(), QLatin1String(item.name));
        QVERIFY2(act, item.name);
        QCOMPARE(act->text(), QLatin1String(item.text));
        QCOMPARE(act->shortcut(), QKeySequence(QLatin1String(item.shortcut)));
        QCOMPARE(act->toolTip(), QLatin1String(item.toolTip));
        QVERIFY(act->statusTip().isEmpty());
    }
    for (const char *box : {"photoBoxAction", "bookBoxAction", "videoBoxAction", "musicBoxAction"}) {
        QVERIFY(action(window.data(), QLatin1String(box))->isCheckable());
        QVERIFY(action(window.data(), QLatin1String(box))->actionGroup()->isExclusive());
    }
}

void TestMainWindow::menusAndToolBars()
{
    QScopedPointer<MainWindow> window(makeWindow());
    QStringList titles;
    for (QAction *menu : window->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&...", "&Boxes", "S&ource", "&Select", "&Action on selected", "&Verify", "&Info"}));

    // Each menu's entries, submenu entries after a ">", separators as "-".
    const auto entries = [](const QList<QAction *> &actions) {
        QStringList texts;
        for (QAction *entry : actions) {
            texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            if (entry->menu() && entry->text() != QLatin1String("&Language")) {
                for (QAction *sub : entry->menu()->actions())
                    texts << QStringLiteral(">") + sub->text();
            }
        }
        return texts.join(QLatin1Char('|'));
    };
    QStringList menus;
    for (QAction *menu : window->menuBar()->actions())
        menus << entries(menu->menu()->actions());
    QCOMPARE(menus, QStringList({"Settings|About|-|&Language|-|Quit", "Images|Books|Video|Music",
                                 "First steps|Arrangement",
                                 "Dialog|Template|-|Without category|Without keyword|Without caption",
                                 "Display|Add similar|-|&Restoring|>For editing|>For printing|>For following usage|"
                                 "&Fill|>All|>Only category|>Only keyword|>Only caption",
                                 "Start", "Show information"}));

    QStringList toolBars;
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        toolBars << bar->windowTitle() + QLatin1Char(':') + entries(bar->actions());
    QCOMPARE(toolBars, QStringList({"Boxes:Images|Books|Video|Music", "Write:First steps|Arrangement|All",
                                    "Read:Dialog|Template|Display",
                                    "Restoring:For editing|For printing|For following usage",
                                    "Misc:Start|Show information", "Base:Settings|About|Quit"}));
}

void TestMainWindow::commandReplacesWorkingFrame_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("frameName");
    QTest::newRow("first steps") << "firstStepsAction" << "FirstDialog";
    QTest::newRow("arrangement") << "arrangementAction" << "Arrangement";
    QTest::newRow("select dialog") << "selectDialogAction" << "SearchDialog";
    QTest::newRow("template") << "selectTemplateAction" << "TemplateDialog";
    QTest::newRow("without category") << "selectOutCategoryAction" << "WithoutCategoryDialog";
    QTest::newRow("without keyword") << "selectOutKeywordAction" << "WithoutKeywordDialog";
    QTest::newRow("without caption") << "selectOutTitleAction" << "WithoutTitleDialog";
    QTest::newRow("display") << "displayAction" << "DisplayDialog";
    QTest::newRow("add similar") << "addSimilarAction" << "ResembleDialog";
    QTest::newRow("for editing") << "restoringForEditingAction" << "RestoreEditDialog";
    QTest::newRow("for printing") << "restoringForPrintingAction" << "RestorePrintDialog";
    QTest::newRow("for following usage") << "restoringForFollowingUsageAction" << "RestoreOtherDialog";
    QTest::newRow("fill all") << "fillAllAction" << "DescribeDialog";
    QTest::newRow("only category") << "fillOnlyCategoryAction" << "DescribeDialog";
    QTest::newRow("only keyword") << "fillOnlyKeywordAction" << "DescribeDialog";
    QTest::newRow("only caption") << "fillOnlyTitleAction" << "DescribeDialog";
    QTest::newRow("check") << "checkAction" << "VerifyDialog";
    QTest::newRow("info") << "infoAction" << "BoxInfo";
    QTest::newRow("images") << "photoBoxAction" << "BoxSelect";
    QTest::newRow("books") << "bookBoxAction" << "BoxSelect";
    QTest::newRow("video") << "videoBoxAction" << "BoxSelect";
    QTest::newRow("music") << "musicBoxAction" << "BoxSelect";
}

void TestMainWindow::commandReplacesWorkingFrame()
{
    QFETCH(QString, actionName);
    QFETCH(QString, frameName);
    QScopedPointer<MainWindow> window(makeWindow());
    // Start from some other frame, so that a command never finds its own frame in place.
    QAction *info = action(window.data(), QStringLiteral("infoAction"));
    QVERIFY(info);
    info->trigger();
    QPointer<QWidget> oldCentral = window->centralWidget();
    QPointer<QWidget> oldFrame = workingFrame(window.data());
    QVERIFY(oldFrame);

    QAction *command = action(window.data(), actionName);
    QVERIFY(command);
    command->trigger();

    QVERIFY(oldFrame.isNull());
    QVERIFY(oldCentral.isNull());
    QWidget *frame = workingFrame(window.data());
    QVERIFY(frame);
    QCOMPARE(frame->objectName(), frameName);
    QCOMPARE(frame->parentWidget(), window->centralWidget());
}

void TestMainWindow::f4SwitchesToMusicWithoutAsking()
{
    QScopedPointer<MainWindow> window(makeWindow());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.data()));
    auto music = qobject_cast<AnyBox *>(window->boxSet()->baseFolder()->unit(NAME_MUSIC));
    QVERIFY(music);
    music->addCount(5);

    QAction *fillAll = action(window.data(), QStringLiteral("fillAllAction"));
    QVERIFY(fillAll);
    fillAll->trigger();
    QPointer<QWidget> describe = workingFrame(window.data());
    QVERIFY(describe);
    const int boxesAsked = MyMessageBox::shownCount();

    QTest::keyClick(window.data(), Qt::Key_F4);

    QVERIFY(describe.isNull());
    QCOMPARE(MyMessageBox::shownCount(), boxesAsked);
    QCOMPARE(window->currentBox(), music);
    QVERIFY(action(window.data(), QStringLiteral("musicBoxAction"))->isChecked());
    QVERIFY(!action(window.data(), QStringLiteral("photoBoxAction"))->isChecked());
    QCOMPARE(statusText(window.data()), QStringLiteral("<b>music</b> (%1 / 5)").arg(music->markedEntriesCount()));
    QWidget *frame = workingFrame(window.data());
    QVERIFY(frame);
    auto title = frame->findChild<QLabel *>(QStringLiteral("title"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("The operation mode is switched to work with musics"));
}

void TestMainWindow::clipBoxStatus()
{
    QScopedPointer<MainWindow> window(makeWindow());
    auto clip = qobject_cast<AnyBox *>(window->boxSet()->baseFolder()->unit(NAME_CLIP));
    QVERIFY(clip);
    clip->addCount(3);
    QAction *video = action(window.data(), QStringLiteral("videoBoxAction"));
    QVERIFY(video);
    video->trigger();
    QCOMPARE(window->currentBox(), clip);
    QCOMPARE(statusText(window.data()), QStringLiteral("<b>clip</b> (%1 / 3)").arg(clip->markedEntriesCount()));
    auto title = workingFrame(window.data())->findChild<QLabel *>(QStringLiteral("title"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("The operation mode is switched to work with clips"));
}

// The arrangement command places the waiting files and the status line shows them marked at once.
void TestMainWindow::arrangementUpdatesStatusLine()
{
    m_settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, QStringLiteral("true %1"));
    QScopedPointer<MainWindow> window(makeWindow());
    const QString source = TestSupport::baseDir(*m_dir) + QLatin1Char('/') + NAME_SRC_FOLDER + QLatin1Char('/');
    QVERIFY(TestSupport::writeFile(source + "one.jpg", "first picture"));
    QVERIFY(TestSupport::writeFile(source + "two.JPG", "second picture"));
    QVERIFY(TestSupport::writeFile(source + "notes.txt", "not for the photo box"));

    QAction *arrangement = action(window.data(), QStringLiteral("arrangementAction"));
    QVERIFY(arrangement);
    arrangement->trigger();
    QWidget *frame = workingFrame(window.data());
    QVERIFY(frame);
    QCOMPARE(frame->metaObject()->className(), "Arrangement");
    auto start = frame->findChild<QPushButton *>(QStringLiteral("startButton"));
    QVERIFY(start);
    QTest::mouseClick(start, Qt::LeftButton);

    QTRY_COMPARE(statusText(window.data()), QStringLiteral("<b>photo</b> (2 / 2)"));
    QVERIFY(!start->isEnabled());
    QVERIFY(QFileInfo::exists(source + "notes.txt"));
    QVERIFY(!QFileInfo::exists(source + "one.jpg"));
}

void TestMainWindow::languageMenuOffersProgramTranslations()
{
    QScopedPointer<MainWindow> window(makeWindow());
    const QList<QAction *> languages = languageActions(window.data());
    QCOMPARE(languages.size(), 2);
    QCOMPARE(languages.at(0)->text(), QStringLiteral("&1 English"));
    QCOMPARE(languages.at(0)->data().toString(), QStringLiteral("en"));
    QVERIFY(languages.at(1)->text().startsWith(QLatin1String("&2 ")));
    QCOMPARE(languages.at(1)->data().toString(), QStringLiteral("ru"));
    for (QAction *language : languages)
        QVERIFY(language->isCheckable());
    QVERIFY(languages.at(0)->isChecked());
    QVERIFY(!languages.at(1)->isChecked());
}

void TestMainWindow::storedRussianChecksSecondEntry()
{
    QScopedPointer<MainWindow> window(makeWindow(QStringLiteral("ru")));
    const QList<QAction *> languages = languageActions(window.data());
    QCOMPARE(languages.size(), 2);
    QVERIFY(!languages.at(0)->isChecked());
    QVERIFY(languages.at(1)->isChecked());
}

void TestMainWindow::unknownStoredLanguageLeavesEnglish()
{
    QScopedPointer<MainWindow> window(makeWindow(QStringLiteral("de")));
    const QList<QAction *> languages = languageActions(window.data());
    QCOMPARE(languages.size(), 2);
    QVERIFY(languages.at(0)->isChecked());
    QVERIFY(!languages.at(1)->isChecked());
}

void TestMainWindow::switchingLanguageAppliesAndIsStored()
{
    QTranslator appTranslator;
    QTranslator qtTranslator;
    QCoreApplication::installTranslator(&appTranslator);
    QCoreApplication::installTranslator(&qtTranslator);
    QScopedPointer<MainWindow> window(makeWindow());
    window->setAppTranslator(&appTranslator);
    window->setQtTranslator(&qtTranslator);
    window->show();

    const QList<QAction *> languages = languageActions(window.data());
    QCOMPARE(languages.size(), 2);
    languages.at(1)->trigger();
    QVERIFY(languages.at(1)->isChecked());
    QVERIFY(!languages.at(0)->isChecked());
    QCOMPARE(m_settings->value(KEY_GENERAL + KEY_LANGUAGE).toString(), QStringLiteral("ru"));
    QCOMPARE(TestSupport::readFile(m_settings->fileName()).contains("language=ru"), true);
    // The toolkit's own texts switch at once, without a restart.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    auto title = workingFrame(window.data())->findChild<QLabel *>(QStringLiteral("title"));
    QVERIFY(title);
    QTRY_COMPARE(title->text(), window->currentBox()->welcomeLabel());

    languages.at(0)->trigger();
    QVERIFY(languages.at(0)->isChecked());
    QCOMPARE(m_settings->value(KEY_GENERAL + KEY_LANGUAGE).toString(), QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(action(window.data(), QStringLiteral("quitAction"))->text(), QStringLiteral("Quit"));
    QTRY_COMPARE(title->text(), QStringLiteral("The operation mode is switched to work with photos"));
}

void TestMainWindow::quitAnsweredNoKeepsRunning()
{
    QScopedPointer<MainWindow> window(makeWindow());
    window->show();
    QAction *fillAll = action(window.data(), QStringLiteral("fillAllAction"));
    QVERIFY(fillAll);
    fillAll->trigger();
    QPointer<QWidget> frame = workingFrame(window.data());

    MyMessageBox::setNextAnswer(QMessageBox::No);
    QAction *quit = action(window.data(), QStringLiteral("quitAction"));
    QVERIFY(quit);
    quit->trigger();

    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Quit from Tessary..."));
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("Are you sure?"));
    QCOMPARE(MyMessageBox::lastButtons(), QMessageBox::Yes | QMessageBox::No);
    QVERIFY(window->isVisible());
    QVERIFY(!frame.isNull());
    QCOMPARE(workingFrame(window.data()), frame.data());

    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    quit->trigger();
    QVERIFY(!window->isVisible());
}

void TestMainWindow::closeButtonAsksSameQuestion()
{
    QScopedPointer<MainWindow> window(makeWindow());
    window->show();
    const int asked = MyMessageBox::shownCount();
    MyMessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(!window->close());
    QCOMPARE(MyMessageBox::shownCount(), asked + 1);
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Quit from Tessary..."));
    QVERIFY(window->isVisible());

    MyMessageBox::setNextAnswer(QMessageBox::Yes);
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
}

void TestMainWindow::aboutBox()
{
    QScopedPointer<MainWindow> window(makeWindow());
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    QAction *about = action(window.data(), QStringLiteral("aboutAction"));
    QVERIFY(about);
    about->trigger();
    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("About"));
    QCOMPARE(MyMessageBox::lastText(),
             QStringLiteral("<h2>It's Tessary<sup> All standing</sup></h2>"
                            "Get under control...<ul><li>photos</li><li>books</li><li>video clips</li><li>musics "
                            "</li></ul>... it is possible now."));
}

void TestMainWindow::aboutBoxIsModalAndCloses()
{
    QScopedPointer<MainWindow> window(makeWindow());
    window->show();
    QString shownTitle;
    QWidget *shownParent = nullptr;
    WindowSupport::whenModal([&shownTitle, &shownParent](QDialog *dialog) {
        shownTitle = dialog->windowTitle();
        shownParent = dialog->parentWidget();
        dialog->reject();
    });
    action(window.data(), QStringLiteral("aboutAction"))->trigger();
    QCOMPARE(shownTitle, QStringLiteral("About"));
    QCOMPARE(shownParent, window.data());
}

void TestMainWindow::settingsAcceptedRefreshesBoxSet()
{
    QScopedPointer<MainWindow> window(makeWindow());
    QPointer<QWidget> frame = workingFrame(window.data());
    const QString backup = m_dir->path() + QStringLiteral("/backup");
    const int asked = MyMessageBox::shownCount();
    bool edited = false;
    WindowSupport::whenModal([&edited, &backup](QDialog *dialog) {
        auto cpyDir = dialog->findChild<QLineEdit *>(QStringLiteral("cpyDirLineEdit"));
        auto buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!cpyDir || !buttons) {
            dialog->reject();
            return;
        }
        cpyDir->setText(backup);
        buttons->button(QDialogButtonBox::Ok)->click();
        edited = true;
    });
    QAction *settings = action(window.data(), QStringLiteral("settingsAction"));
    QVERIFY(settings);
    settings->trigger();
    QVERIFY(edited);
    QCOMPARE(m_settings->value(KEY_GENERAL + KEY_CPY_DIR).toString(), backup);
    QCOMPARE(window->boxSet()->baseFolder()->backupDir(), backup);
    QCOMPARE(MyMessageBox::shownCount(), asked);
    QVERIFY(!frame.isNull());
    QCOMPARE(workingFrame(window.data()), frame.data());
}

void TestMainWindow::settingsNewBaseDirAsksForRestart()
{
    QScopedPointer<MainWindow> window(makeWindow());
    QPointer<QWidget> frame = workingFrame(window.data());
    const QString otherBase = m_dir->path() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(otherBase));
    WindowSupport::whenModal([&otherBase](QDialog *dialog) {
        auto boxDir = dialog->findChild<QLineEdit *>(QStringLiteral("boxDirLineEdit"));
        auto buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!boxDir || !buttons) {
            dialog->reject();
            return;
        }
        boxDir->setText(otherBase);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    MyMessageBox::setNextAnswer(QMessageBox::Ok);
    action(window.data(), QStringLiteral("settingsAction"))->trigger();

    QCOMPARE(MyMessageBox::lastTitle(), QStringLiteral("Warning: Change requires restart"));
    QCOMPARE(MyMessageBox::lastText(), QStringLiteral("The path to Tessary was changed. To work with the new "
                                                      "directory, you must restart the program"));
    QCOMPARE(MyMessageBox::lastButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(m_settings->value(KEY_GENERAL + KEY_BOX_DIR).toString(), otherBase);
    // The running box set keeps its base directory until the restart.
    QCOMPARE(window->boxSet()->baseFolder()->completeName(), TestSupport::baseDir(*m_dir));
    QCOMPARE(workingFrame(window.data()), frame.data());
}

void TestMainWindow::settingsCancelledChangesNothing()
{
    QScopedPointer<MainWindow> window(makeWindow());
    QPointer<QWidget> frame = workingFrame(window.data());
    const QByteArray before = TestSupport::readFile(m_settings->fileName());
    const int asked = MyMessageBox::shownCount();
    bool opened = false;
    WindowSupport::whenModal([&opened](QDialog *dialog) {
        auto cpyDir = dialog->findChild<QLineEdit *>(QStringLiteral("cpyDirLineEdit"));
        if (cpyDir)
            cpyDir->setText(QStringLiteral("/somewhere/else"));
        opened = true;
        dialog->reject();
    });
    action(window.data(), QStringLiteral("settingsAction"))->trigger();
    QVERIFY(opened);
    m_settings->sync();
    QCOMPARE(TestSupport::readFile(m_settings->fileName()), before);
    QCOMPARE(window->boxSet()->baseFolder()->backupDir(), CPY_DIR_DEFAULT);
    QCOMPARE(MyMessageBox::shownCount(), asked);
    QCOMPARE(workingFrame(window.data()), frame.data());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
