#pragma once

#include <QMainWindow>

#include <memory>

class AnyBox;
class CatalogueAhead;
class MySettings;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QTranslator;
class Tessary;

// The single top-level window: owns the box set, keeps the current box and shows one working
// frame at a time in its central area. Every command replaces that frame.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(MySettings *settings);
    ~MainWindow() override;

    // Runs the settings dialog modally without parent and saves it when accepted. Returns whether it
    // was accepted; needReboot tells whether the new settings only apply after a restart.
    // problem: why the settings are asked for again, shown in the dialog; empty when there is none.
    static bool editSettings(MySettings *settings, bool *needReboot = nullptr, const QString &problem = QString());

    bool initStatus(QString &status);
    void setAppTranslator(QTranslator *translator);
    void setQtTranslator(QTranslator *translator);
    AnyBox *currentBox() const { return m_currentBox; }
    Tessary *boxSet() const { return m_tessary; }

private slots:
    void settingsActing();
    void aboutActing();
    void photoBoxActing();
    void bookBoxActing();
    void videoBoxActing();
    void musicBoxActing();
    void firstStepsActing();
    void arrangementActing();
    void selectDialogActing();
    void selectTemplateActing();
    void selectOutCategoryActing();
    void selectOutKeywordActing();
    void selectOutTitleActing();
    void displayActing();
    void addSimilarActing();
    void restoringForEditingActing();
    void restoringForPrintingActing();
    void restoringForFollowingUsageActing();
    void fillAllActing();
    void fillOnlyCategoryActing();
    void fillOnlyKeywordActing();
    void fillOnlyTitleActing();
    void checkActing();
    void infoActing();

public slots:
    void updateStatusBar();

private slots:
    void switchLanguage(QAction *action);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MainWindow(MySettings *settings, std::unique_ptr<CatalogueAhead> ahead);
    void retranslateUi();
    void clearCentralWidget();
    bool frameAtWork();
    void createActions();
    void createMenus();
    void createLanguageMenu();
    void createToolBars();
    void createStatusBar();

    // Clears the central area and puts a new frame for the current box in it.
    bool settleChanges();
    template <class Frame> Frame *placeFrame();
    // The same, with the frame's needUpdateStatus() refreshing the status line.
    template <class Frame> void placeFrameWithStatus();
    void switchBox(const QString &boxName);

    Tessary *m_tessary = nullptr;
    AnyBox *m_currentBox = nullptr;
    MySettings *m_settings;
    QTranslator *m_appTranslator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QLabel *m_statusLabel = nullptr;
    QFrame *m_centralFrame = nullptr;

    QAction *m_settingsAct = nullptr;
    QAction *m_aboutAct = nullptr;
    QAction *m_quitAct = nullptr;
    QAction *m_photoBoxAct = nullptr;
    QAction *m_bookBoxAct = nullptr;
    QAction *m_videoBoxAct = nullptr;
    QAction *m_musicBoxAct = nullptr;
    QAction *m_firstStepsAct = nullptr;
    QAction *m_arrangementAct = nullptr;
    QAction *m_selectDialogAct = nullptr;
    QAction *m_selectTemplateAct = nullptr;
    QAction *m_selectOutCategoryAct = nullptr;
    QAction *m_selectOutKeywordAct = nullptr;
    QAction *m_selectOutTitleAct = nullptr;
    QAction *m_displayAct = nullptr;
    QAction *m_addSimilarAct = nullptr;
    QAction *m_restoringForEditingAct = nullptr;
    QAction *m_restoringForPrintingAct = nullptr;
    QAction *m_restoringForFollowingUsageAct = nullptr;
    QAction *m_fillAllAct = nullptr;
    QAction *m_fillOnlyCategoryAct = nullptr;
    QAction *m_fillOnlyKeywordAct = nullptr;
    QAction *m_fillOnlyTitleAct = nullptr;
    QAction *m_checkAct = nullptr;
    QAction *m_infoAct = nullptr;

    QActionGroup *m_boxActionGroup = nullptr;
    QActionGroup *m_languageActionGroup = nullptr;
    // The language in use, checked again when the user stays with the frame's changes.
    QAction *m_languageShown = nullptr;

    QMenu *m_mainMenu = nullptr;
    QMenu *m_boxesMenu = nullptr;
    QMenu *m_sourceMenu = nullptr;
    QMenu *m_selectMenu = nullptr;
    QMenu *m_actionMenu = nullptr;
    QMenu *m_restoringMenu = nullptr;
    QMenu *m_fillMenu = nullptr;
    QMenu *m_verifyMenu = nullptr;
    QMenu *m_infoMenu = nullptr;
    QMenu *m_languageMenu = nullptr;

    QToolBar *m_boxesToolBar = nullptr;
    QToolBar *m_writeToolBar = nullptr;
    QToolBar *m_readToolBar = nullptr;
    QToolBar *m_restoringToolBar = nullptr;
    QToolBar *m_miscToolBar = nullptr;
    QToolBar *m_baseToolBar = nullptr;
};
