#include "mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QRegExp>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>
#include <QVBoxLayout>

#include "anybox.h"
#include "arrangement.h"
#include "basefolder.h"
#include "boxinfo.h"
#include "boxselect.h"
#include "catalogueahead.h"
#include "constants.h"
#include "describedialog.h"
#include "displaydialog.h"
#include "firstdialog.h"
#include "frameatwork.h"
#include "mymessagebox.h"
#include "mysetdialog.h"
#include "mysettings.h"
#include "resembledialog.h"
#include "restoreeditdialog.h"
#include "restoreotherdialog.h"
#include "restoreprintdialog.h"
#include "searchdialog.h"
#include "templatedialog.h"
#include "tessary.h"
#include "unappliedchanges.h"
#include "unittree.h"
#include "verifydialog.h"
#include "windowplacement.h"
#include "windowstate.h"
#include "withoutcategorydialog.h"
#include "withoutkeyworddialog.h"
#include "withouttitledialog.h"

static const QString LANGUAGE_DIR = QStringLiteral(":/lng");
static const QSize PREFERRED_SIZE(1280, 860);

// The catalogue is read on another thread from before the window's first widget is made, while the
// parts of the window that need no box are built.
MainWindow::MainWindow(MySettings *settings)
    : MainWindow(settings, std::make_unique<CatalogueAhead>(UnitTree::boxPaths(settings)))
{
}

MainWindow::MainWindow(MySettings *settings, std::unique_ptr<CatalogueAhead> ahead)
    : QMainWindow(nullptr)
    , m_settings(settings)
{
    // Small enough for a 1024 x 600 screen with its panel; the frames scroll where they need more.
    setMinimumSize(800, 540);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();

    m_tessary = new Tessary(m_settings, ahead.get());
    WindowState::setProgramSettingsFile(m_settings->fileName());
    m_currentBox = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(NAME_PHOTO));
    placeFrame<BoxSelect>();
    updateStatusBar();

    setWindowIcon(QIcon(QStringLiteral(":img/tessary_logo2.ico")));
    setWindowTitle(QStringLiteral("It's Tessary"));
    retranslateUi();
    // Where the user left it, or centred at a comfortable size; inside the screen's free area either way.
    const QRect stored = WindowState(m_settings->fileName()).geometry();
    if (stored.isValid())
        WindowPlacement::restore(this, stored);
    else
        WindowPlacement::fit(this, PREFERRED_SIZE.expandedTo(minimumSize()));
}

MainWindow::~MainWindow()
{
    // A working frame may still use its box while it goes, so it goes before the box set.
    delete m_centralFrame;
    m_centralFrame = nullptr;
    delete m_tessary;
    WindowState::setProgramSettingsFile(QString());
}

bool MainWindow::editSettings(MySettings *settings, bool *needReboot, const QString &problem)
{
    MySetDialog dialog(settings);
    dialog.setProblem(problem);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.saveSettings();
    if (needReboot)
        *needReboot = dialog.needReboot();
    return true;
}

bool MainWindow::initStatus(QString &status)
{
    return m_tessary->initStatus(status);
}

void MainWindow::setAppTranslator(QTranslator *translator)
{
    m_appTranslator = translator;
}

void MainWindow::setQtTranslator(QTranslator *translator)
{
    m_qtTranslator = translator;
}

void MainWindow::settingsActing()
{
    if (frameAtWork())
        return;
    bool needReboot = false;
    if (!editSettings(m_settings, &needReboot))
        return;
    m_tessary->updateSettings();
    if (needReboot) {
        MyMessageBox::warning(this, tr("Warning: Change requires restart"),
                              tr("The path to Tessary was changed. To work with the new directory, you must restart "
                                 "the program"),
                              QMessageBox::Ok);
    }
}

void MainWindow::aboutActing()
{
    QMessageBox box(this);
    box.setIconPixmap(QPixmap(QStringLiteral(":img/about_250x232.png")));
    box.setWindowTitle(tr("About"));
    box.setWindowIcon(QIcon(QStringLiteral(":img/tessary_logo2.ico")));
    box.setText(QStringLiteral("<h2>It's Tessary<sup> All standing</sup></h2>")
                + tr("Get under control...<ul><li>photos</li><li>books</li><li>video clips</li><li>musics "
                     "</li></ul>")
                + tr("... it is possible now."));
    MyMessageBox::exec(box);
}

void MainWindow::photoBoxActing()
{
    switchBox(NAME_PHOTO);
}

void MainWindow::bookBoxActing()
{
    switchBox(NAME_BOOK);
}

void MainWindow::videoBoxActing()
{
    switchBox(NAME_CLIP);
}

void MainWindow::musicBoxActing()
{
    switchBox(NAME_MUSIC);
}

void MainWindow::firstStepsActing()
{
    placeFrame<FirstDialog>();
}

void MainWindow::arrangementActing()
{
    placeFrameWithStatus<Arrangement>();
}

void MainWindow::selectDialogActing()
{
    placeFrameWithStatus<SearchDialog>();
}

void MainWindow::selectTemplateActing()
{
    placeFrameWithStatus<TemplateDialog>();
}

void MainWindow::selectOutCategoryActing()
{
    placeFrameWithStatus<WithoutCategoryDialog>();
}

void MainWindow::selectOutKeywordActing()
{
    placeFrameWithStatus<WithoutKeywordDialog>();
}

void MainWindow::selectOutTitleActing()
{
    placeFrameWithStatus<WithoutTitleDialog>();
}

void MainWindow::displayActing()
{
    placeFrame<DisplayDialog>();
}

void MainWindow::addSimilarActing()
{
    placeFrameWithStatus<ResembleDialog>();
}

void MainWindow::restoringForEditingActing()
{
    placeFrame<RestoreEditDialog>();
}

void MainWindow::restoringForPrintingActing()
{
    placeFrame<RestorePrintDialog>();
}

void MainWindow::restoringForFollowingUsageActing()
{
    placeFrame<RestoreOtherDialog>();
}

void MainWindow::fillAllActing()
{
    placeFrame<DescribeDialog>();
}

void MainWindow::fillOnlyCategoryActing()
{
    placeFrame<DescribeDialog>()->setTabVisible(0);
}

void MainWindow::fillOnlyKeywordActing()
{
    placeFrame<DescribeDialog>()->setTabVisible(1);
}

void MainWindow::fillOnlyTitleActing()
{
    placeFrame<DescribeDialog>()->setTabVisible(2);
}

void MainWindow::checkActing()
{
    placeFrame<VerifyDialog>();
}

void MainWindow::infoActing()
{
    placeFrame<BoxInfo>();
}

void MainWindow::updateStatusBar()
{
    m_statusLabel->setText(STATUS_TAMPLATE.arg(m_currentBox->name(),
                                               QString::number(m_currentBox->markedEntriesCount()),
                                               QString::number(m_currentBox->getCount())));
}

void MainWindow::switchLanguage(QAction *action)
{
    // Cancel on the frame's question keeps the language that was on.
    if (!settleChanges()) {
        if (m_languageShown)
            m_languageShown->setChecked(true);
        return;
    }
    m_languageShown = action;
    const QString locale = action->data().toString();
    // Reinstalling the translators is what tells every widget that the language changed.
    const QList<QPair<QTranslator *, QString>> translators = {{m_appTranslator, locale},
                                                              {m_qtTranslator, QStringLiteral("qt_") + locale}};
    for (const auto &translator : translators) {
        if (!translator.first)
            continue;
        QCoreApplication::removeTranslator(translator.first);
        translator.first->load(translator.second, LANGUAGE_DIR);
        QCoreApplication::installTranslator(translator.first);
    }
    m_settings->setValue(KEY_GENERAL + KEY_LANGUAGE, locale);
    m_settings->sync();
    retranslateUi();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (frameAtWork() || !settleChanges()) {
        event->ignore();
        return;
    }
    const QMessageBox::StandardButton answer =
        MyMessageBox::question(this, tr("Quit from Tessary") + QStringLiteral("..."),
                               tr("Are you sure") + QLatin1Char('?'), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::NoButton);
    if (answer == QMessageBox::No) {
        event->ignore();
        return;
    }
    WindowState(m_settings->fileName()).setGeometry(geometry());
    event->accept();
}

void MainWindow::retranslateUi()
{
    const struct
    {
        QAction *action;
        QString text;
        QString toolTip;
        QString shortcut;
    } texts[] = {
        {m_settingsAct, tr("Settings"), tr("Setting the program parameters"), QStringLiteral("Ctrl+/")},
        {m_aboutAct, tr("About"), tr("About this program"), QString()},
        {m_quitAct, tr("Quit"), tr("Finish the work and close the program"), QStringLiteral("Ctrl+Q")},
        {m_photoBoxAct, tr("Images"), tr("Start working with image collection"), QStringLiteral("F1")},
        {m_bookBoxAct, tr("Books"), tr("Start working with book library"), QStringLiteral("F2")},
        {m_videoBoxAct, tr("Video"), tr("Start working with a film library"), QStringLiteral("F3")},
        {m_musicBoxAct, tr("Music"), tr("Start working with a music box"), QStringLiteral("F4")},
        {m_firstStepsAct, tr("First steps"), tr("Transfer files from media and their rejection"), QString()},
        {m_arrangementAct, tr("Arrangement"), tr("Placement of files in the box"), QString()},
        {m_selectDialogAct, tr("Dialog"), tr("Select objects using the dialog box"), QString()},
        {m_selectTemplateAct, tr("Template"), tr("Select objects using the existing templates"), QString()},
        {m_selectOutCategoryAct, tr("Without category"), tr("Select the objects that have not been filled category"),
         QString()},
        {m_selectOutKeywordAct, tr("Without keyword"), tr("Select the objects that have no keywords"), QString()},
        {m_selectOutTitleAct, tr("Without caption"), tr("Select objects untitled"), QString()},
        {m_displayAct, tr("Display"), tr("Show selected objects"), QString()},
        {m_addSimilarAct, tr("Add similar"), tr("Create a group of similar objects"), QString()},
        {m_restoringForEditingAct, tr("For editing"), tr("Return the selected objects for editing"), QString()},
        {m_restoringForPrintingAct, tr("For printing"), tr("Return the selected objects to print them"), QString()},
        {m_restoringForFollowingUsageAct, tr("For following usage"), tr("Return the selected objects"), QString()},
        {m_fillAllAct, tr("All"), tr("Write a description of the object completely"), QString()},
        {m_fillOnlyCategoryAct, tr("Only category"), tr("Define the category of the object"), QString()},
        {m_fillOnlyKeywordAct, tr("Only keyword"), tr("Make a list of keywords for the object"), QString()},
        {m_fillOnlyTitleAct, tr("Only caption"), tr("Sign object"), QString()},
        {m_checkAct, tr("Start"), tr("Check the box for any errors"), QString()},
        {m_infoAct, tr("Show information"), tr("Information about the content"), QString()},
    };
    for (const auto &item : texts) {
        item.action->setText(item.text);
        item.action->setToolTip(item.toolTip);
        item.action->setShortcut(QKeySequence(item.shortcut));
    }

    m_mainMenu->setTitle(tr("&..."));
    m_languageMenu->setTitle(tr("&Language"));
    m_boxesMenu->setTitle(tr("&Boxes"));
    m_sourceMenu->setTitle(tr("S&ource"));
    m_selectMenu->setTitle(tr("&Select"));
    m_actionMenu->setTitle(tr("&Action on selected"));
    m_restoringMenu->setTitle(tr("&Restoring"));
    m_fillMenu->setTitle(tr("&Fill"));
    m_verifyMenu->setTitle(tr("&Verify"));
    m_infoMenu->setTitle(tr("&Info"));

    m_boxesToolBar->setWindowTitle(tr("Boxes"));
    m_writeToolBar->setWindowTitle(tr("Write"));
    m_readToolBar->setWindowTitle(tr("Read"));
    m_restoringToolBar->setWindowTitle(tr("Restoring"));
    m_miscToolBar->setWindowTitle(tr("Misc"));
    m_baseToolBar->setWindowTitle(tr("Base"));

    m_tessary->setWelcomeLabels();
}

void MainWindow::clearCentralWidget()
{
    delete m_centralFrame;
    m_centralFrame = new QFrame;
    m_centralFrame->setObjectName(QStringLiteral("centralFrame"));
    auto layout = new QVBoxLayout(m_centralFrame);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(m_centralFrame);
}

// A frame whose run is at work (an arrangement or a restore copying files, a backup) is neither closed nor
// replaced: the user is told to wait. Half a run must never be left on the disk.
bool MainWindow::frameAtWork()
{
    if (!m_centralFrame)
        return false;
    const QList<QWidget *> frames = m_centralFrame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *frame : frames) {
        if (FrameAtWork::isAtWork(frame)) {
            MyMessageBox::warning(this, tr("Warning"),
                                  tr("The current work is not finished yet. Please wait until it ends."));
            return true;
        }
    }
    return false;
}

// The frame on show settles what the user typed and did not apply; false when the user stays with it.
bool MainWindow::settleChanges()
{
    if (!m_centralFrame)
        return true;
    const QList<QWidget *> frames = m_centralFrame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *frame : frames) {
        auto changes = dynamic_cast<UnappliedChanges *>(frame);
        if (changes && !changes->settleChanges())
            return false;
    }
    return true;
}

// Null when the current frame is at work or keeps changes the user stays with.
template <class Frame> Frame *MainWindow::placeFrame()
{
    if (frameAtWork() || !settleChanges())
        return nullptr;
    clearCentralWidget();
    auto frame = new Frame(m_currentBox, m_centralFrame);
    m_centralFrame->layout()->addWidget(frame);
    return frame;
}

// For frames that change the selection or the contents of the box.
template <class Frame> void MainWindow::placeFrameWithStatus()
{
    if (auto frame = placeFrame<Frame>())
        connect(frame, &Frame::needUpdateStatus, this, &MainWindow::updateStatusBar);
}

void MainWindow::switchBox(const QString &boxName)
{
    if (frameAtWork() || !settleChanges())
        return;
    m_currentBox = qobject_cast<AnyBox *>(m_tessary->baseFolder()->unit(boxName));
    placeFrame<BoxSelect>();
    updateStatusBar();
}

void MainWindow::createActions()
{
    const struct
    {
        QAction *MainWindow::*action;
        const char *name;
        const char *icon;
        void (MainWindow::*slot)();
    } actions[] = {
        {&MainWindow::m_settingsAct, "settingsAction", ":img/spanner.png", &MainWindow::settingsActing},
        {&MainWindow::m_aboutAct, "aboutAction", ":img/about.png", &MainWindow::aboutActing},
        {&MainWindow::m_quitAct, "quitAction", ":img/quit.png", nullptr},
        {&MainWindow::m_photoBoxAct, "photoBoxAction", ":img/photo_32x32.png", &MainWindow::photoBoxActing},
        {&MainWindow::m_bookBoxAct, "bookBoxAction", ":img/book_32x32.png", &MainWindow::bookBoxActing},
        {&MainWindow::m_videoBoxAct, "videoBoxAction", ":img/video_32x32.png", &MainWindow::videoBoxActing},
        {&MainWindow::m_musicBoxAct, "musicBoxAction", ":img/music_32x32.png", &MainWindow::musicBoxActing},
        {&MainWindow::m_firstStepsAct, "firstStepsAction", ":img/rejection_32x32.png",
         &MainWindow::firstStepsActing},
        {&MainWindow::m_arrangementAct, "arrangementAction", ":img/arrangement_32x32.png",
         &MainWindow::arrangementActing},
        {&MainWindow::m_selectDialogAct, "selectDialogAction", ":img/select_32x32.png",
         &MainWindow::selectDialogActing},
        {&MainWindow::m_selectTemplateAct, "selectTemplateAction", ":img/template_32x32.png",
         &MainWindow::selectTemplateActing},
        {&MainWindow::m_selectOutCategoryAct, "selectOutCategoryAction", ":img/select_category_32x32.png",
         &MainWindow::selectOutCategoryActing},
        {&MainWindow::m_selectOutKeywordAct, "selectOutKeywordAction", ":img/select_keyword_32x32.png",
         &MainWindow::selectOutKeywordActing},
        {&MainWindow::m_selectOutTitleAct, "selectOutTitleAction", ":img/select_title_32x32.png",
         &MainWindow::selectOutTitleActing},
        {&MainWindow::m_displayAct, "displayAction", ":img/display_32x32.png", &MainWindow::displayActing},
        {&MainWindow::m_addSimilarAct, "addSimilarAction", ":img/similar_32x32.png",
         &MainWindow::addSimilarActing},
        {&MainWindow::m_restoringForEditingAct, "restoringForEditingAction", ":img/edit_32x32.png",
         &MainWindow::restoringForEditingActing},
        {&MainWindow::m_restoringForPrintingAct, "restoringForPrintingAction", ":img/prn_32x32.png",
         &MainWindow::restoringForPrintingActing},
        {&MainWindow::m_restoringForFollowingUsageAct, "restoringForFollowingUsageAction", ":img/usb_32x32.png",
         &MainWindow::restoringForFollowingUsageActing},
        {&MainWindow::m_fillAllAct, "fillAllAction", ":img/fill_all_32x32.png", &MainWindow::fillAllActing},
        {&MainWindow::m_fillOnlyCategoryAct, "fillOnlyCategoryAction", ":img/fill_category_32x32.png",
         &MainWindow::fillOnlyCategoryActing},
        {&MainWindow::m_fillOnlyKeywordAct, "fillOnlyKeywordAction", ":img/fill_keyword_32x32.png",
         &MainWindow::fillOnlyKeywordActing},
        {&MainWindow::m_fillOnlyTitleAct, "fillOnlyTitleAction", ":img/fill_title_32x32.png",
         &MainWindow::fillOnlyTitleActing},
        {&MainWindow::m_checkAct, "checkAction", ":img/check_32x32.png", &MainWindow::checkActing},
        {&MainWindow::m_infoAct, "infoAction", ":img/info_32x32.png", &MainWindow::infoActing},
    };
    for (const auto &item : actions) {
        auto action = new QAction(QIcon(QLatin1String(item.icon)), QString(), this);
        action->setObjectName(QLatin1String(item.name));
        if (item.slot)
            connect(action, &QAction::triggered, this, item.slot);
        this->*item.action = action;
    }
    connect(m_quitAct, &QAction::triggered, this, &QWidget::close);

    m_boxActionGroup = new QActionGroup(this);
    m_boxActionGroup->setExclusive(true);
    for (QAction *action : {m_photoBoxAct, m_bookBoxAct, m_videoBoxAct, m_musicBoxAct}) {
        action->setCheckable(true);
        m_boxActionGroup->addAction(action);
    }
    m_photoBoxAct->setChecked(true);
}

void MainWindow::createMenus()
{
    createLanguageMenu();

    m_mainMenu = menuBar()->addMenu(QString());
    m_mainMenu->setObjectName(QStringLiteral("mainMenu"));
    m_mainMenu->addAction(m_settingsAct);
    m_mainMenu->addAction(m_aboutAct);
    m_mainMenu->addSeparator();
    m_mainMenu->addMenu(m_languageMenu);
    m_mainMenu->addSeparator();
    m_mainMenu->addAction(m_quitAct);

    m_boxesMenu = menuBar()->addMenu(QString());
    m_boxesMenu->setObjectName(QStringLiteral("boxesMenu"));
    m_boxesMenu->addActions({m_photoBoxAct, m_bookBoxAct, m_videoBoxAct, m_musicBoxAct});

    m_sourceMenu = menuBar()->addMenu(QString());
    m_sourceMenu->setObjectName(QStringLiteral("sourceMenu"));
    m_sourceMenu->addActions({m_firstStepsAct, m_arrangementAct});

    m_selectMenu = menuBar()->addMenu(QString());
    m_selectMenu->setObjectName(QStringLiteral("selectMenu"));
    m_selectMenu->addActions({m_selectDialogAct, m_selectTemplateAct});
    m_selectMenu->addSeparator();
    m_selectMenu->addActions({m_selectOutCategoryAct, m_selectOutKeywordAct, m_selectOutTitleAct});

    m_actionMenu = menuBar()->addMenu(QString());
    m_actionMenu->setObjectName(QStringLiteral("actionMenu"));
    m_actionMenu->addActions({m_displayAct, m_addSimilarAct});
    m_actionMenu->addSeparator();
    m_restoringMenu = m_actionMenu->addMenu(QIcon(QStringLiteral(":img/restore_32x32.png")), QString());
    m_restoringMenu->setObjectName(QStringLiteral("restoringMenu"));
    m_restoringMenu->addActions({m_restoringForEditingAct, m_restoringForPrintingAct, m_restoringForFollowingUsageAct});
    m_fillMenu = m_actionMenu->addMenu(QIcon(QStringLiteral(":img/fill_32x32.png")), QString());
    m_fillMenu->setObjectName(QStringLiteral("fillMenu"));
    m_fillMenu->addActions({m_fillAllAct, m_fillOnlyCategoryAct, m_fillOnlyKeywordAct, m_fillOnlyTitleAct});

    m_verifyMenu = menuBar()->addMenu(QString());
    m_verifyMenu->setObjectName(QStringLiteral("verifyMenu"));
    m_verifyMenu->addAction(m_checkAct);

    m_infoMenu = menuBar()->addMenu(QString());
    m_infoMenu->setObjectName(QStringLiteral("infoMenu"));
    m_infoMenu->addAction(m_infoAct);
}

void MainWindow::createLanguageMenu()
{
    m_languageMenu = new QMenu(this);
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageActionGroup = new QActionGroup(this);
    connect(m_languageActionGroup, &QActionGroup::triggered, this, &MainWindow::switchLanguage);

    // Each translation file names its own language as its translation of this text.
    const QString sourceLanguage = QLatin1String(QT_TR_NOOP("English"));
    const QString stored = m_settings->value(KEY_GENERAL + KEY_LANGUAGE).toString();
    const QRegExp toolkitFile(QStringLiteral("^qt_.*\\.qm$"));

    QStringList files = QDir(LANGUAGE_DIR).entryList({QStringLiteral("*.qm")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&toolkitFile](const QString &file) { return toolkitFile.exactMatch(file); }),
                files.end());

    bool checkedByStored = false;
    int number = 0;
    for (const QString &file : qAsConst(files)) {
        QString locale = file.mid(file.indexOf(QLatin1Char('_')) + 1);
        locale.chop(3);
        QTranslator translator;
        translator.load(file, LANGUAGE_DIR);
        QString languageName = translator.translate("MainWindow", "English");
        // A file without that entry is taken to be in the source language.
        if (languageName.isEmpty())
            languageName = sourceLanguage;

        auto action = new QAction(tr("&%1 %2").arg(++number).arg(languageName), this);
        action->setObjectName(QStringLiteral("languageAction_") + locale);
        action->setCheckable(true);
        action->setData(locale);
        m_languageMenu->addAction(action);
        m_languageActionGroup->addAction(action);

        // English stands in until the stored language turns up; only the first English entry counts.
        if (!checkedByStored && languageName == sourceLanguage && !m_languageActionGroup->checkedAction())
            action->setChecked(true);
        if (locale == stored) {
            action->setChecked(true);
            checkedByStored = true;
        }
    }
    m_languageShown = m_languageActionGroup->checkedAction();
}

void MainWindow::createToolBars()
{
    const struct
    {
        QToolBar *MainWindow::*toolBar;
        const char *name;
        QList<QAction *> actions;
    } toolBars[] = {
        {&MainWindow::m_boxesToolBar, "boxesToolBar", {m_photoBoxAct, m_bookBoxAct, m_videoBoxAct, m_musicBoxAct}},
        {&MainWindow::m_writeToolBar, "writeToolBar", {m_firstStepsAct, m_arrangementAct, m_fillAllAct}},
        {&MainWindow::m_readToolBar, "readToolBar", {m_selectDialogAct, m_selectTemplateAct, m_displayAct}},
        {&MainWindow::m_restoringToolBar, "restoringToolBar",
         {m_restoringForEditingAct, m_restoringForPrintingAct, m_restoringForFollowingUsageAct}},
        {&MainWindow::m_miscToolBar, "miscToolBar", {m_checkAct, m_infoAct}},
        {&MainWindow::m_baseToolBar, "baseToolBar", {m_settingsAct, m_aboutAct, m_quitAct}},
    };
    for (const auto &item : toolBars) {
        QToolBar *toolBar = addToolBar(QString());
        toolBar->setObjectName(QLatin1String(item.name));
        toolBar->addActions(item.actions);
        this->*item.toolBar = toolBar;
    }
}

void MainWindow::createStatusBar()
{
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setAlignment(Qt::AlignRight);
    m_statusLabel->setMargin(3);
    statusBar()->addWidget(m_statusLabel, 1);
}
