#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QScopedPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include "abcsupport.h"
#include "anybox.h"
#include "constants.h"
#include "mainwindow.h"
#include "mysetdialog.h"
#include "mysettings.h"
#include "testsupport.h"
#include "windowplacement.h"

// Every frame of the main window, and the settings dialog, laid out on a 1024 x 600 netbook and on a
// 1280 x 800 laptop, in English and in Russian (whose labels are longer): nothing is squeezed below what
// it needs, nothing sticks out of its frame or its scroll area, no two neighbours overlap, nothing scrolls
// sideways, and on the larger screen nothing has to scroll. Where a frame's body scrolls, its header and
// its action buttons stay in sight.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyFrameFits_data();
    void everyFrameFits();
    void settingsDialogFits_data();
    void settingsDialogFits();

private:
    void useLanguage(const QString &language);
    // Lays out what is pending: the frames are laid out through posted events.
    static void settle();
    // The problems of the widget's visible tree, every tab of every tab widget in turn.
    static QStringList problems(QWidget *top, bool mayScroll);
    static void collect(QWidget *widget, QStringList &found, bool mayScroll);
    static QString describe(const QWidget *widget);
    // What of the named widgets is not shown, scrolls with a body or lies outside the frame.
    static QStringList outOfSight(QWidget *frame, const QStringList &names);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<MySettings> m_settings;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
};

void TestLayout::init()
{
    m_dir.reset(new QTemporaryDir);
    m_settings.reset(TestSupport::makeSettings(*m_dir));
    // A few marked photos, so that the frames show their forms rather than a note that nothing is selected.
    m_settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP, QStringLiteral("true %1"));
    m_settings->sync();
    const QString box = TestSupport::baseDir(*m_dir) + QLatin1Char('/') + NAME_PHOTO;
    QVERIFY(AbcSupport::writeAbc(box, QStringLiteral("qwer"),
                                 (AbcSupport::newEntryLine(QStringLiteral("qweraa")) + QLatin1Char('\n') +
                                  AbcSupport::newEntryLine(QStringLiteral("qwerab"), QStringLiteral("IMG_0002.JPG")) +
                                  QLatin1Char('\n')).toUtf8()));
}

void TestLayout::cleanup()
{
    QCoreApplication::removeTranslator(&m_appTranslator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    m_settings.reset();
    m_dir.reset();
}

void TestLayout::useLanguage(const QString &language)
{
    if (language == QLatin1String("en"))
        return;
    QVERIFY(m_appTranslator.load(language, QStringLiteral(":/lng")));
    m_qtTranslator.load(QStringLiteral("qt_") + language, QStringLiteral(":/lng"));
    QCoreApplication::installTranslator(&m_appTranslator);
    QCoreApplication::installTranslator(&m_qtTranslator);
}

void TestLayout::settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

QString TestLayout::describe(const QWidget *widget)
{
    QString path;
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget())
        path.prepend(QLatin1Char('/') + (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                    : w->objectName()));
    return path;
}

// Widgets whose own children are the toolkit's business.
static bool isLeaf(const QWidget *widget)
{
    return qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QCalendarWidget *>(widget) || qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QLabel *>(widget) ||
           qobject_cast<const QScrollBar *>(widget) || widget->inherits("QTabBar") ||
           qobject_cast<const QAbstractSlider *>(widget);
}

void TestLayout::collect(QWidget *widget, QStringList &found, bool mayScroll)
{
    const QList<QWidget *> children = widget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QList<QWidget *> shown;
    for (QWidget *child : children) {
        if (!child->isVisible() || child->isWindow())
            continue;
        shown.append(child);
    }
    if (auto area = qobject_cast<QScrollArea *>(widget)) {
        // Labels wrap and fields narrow before a form makes the user scroll sideways.
        if (area->widget() && area->widget()->width() > area->viewport()->width())
            found << describe(widget) + QStringLiteral(" scrolls sideways: %1 wide in a view of %2")
                                            .arg(area->widget()->width()).arg(area->viewport()->width());
        if (!mayScroll && area->widget() &&
            (area->verticalScrollBar()->maximum() > 0 || area->horizontalScrollBar()->maximum() > 0))
            found << describe(widget) + QStringLiteral(" scrolls by %1x%2").arg(area->horizontalScrollBar()->maximum())
                                            .arg(area->verticalScrollBar()->maximum());
    }
    for (QWidget *child : shown) {
        const QString name = describe(child);
        const QSize size = child->size();
        const QSize minimum = child->minimumSizeHint().expandedTo(child->minimumSize());
        if (minimum.isValid() && (size.width() < minimum.width() || size.height() < minimum.height()))
            found << QStringLiteral("%1 is %2x%3, needs %4x%5").arg(name).arg(size.width()).arg(size.height())
                         .arg(minimum.width()).arg(minimum.height());
        const bool fullHeight = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child) ||
                                qobject_cast<QCalendarWidget *>(child) || qobject_cast<QComboBox *>(child) ||
                                qobject_cast<QAbstractSpinBox *>(child);
        if (fullHeight && size.height() < child->sizeHint().height())
            found << QStringLiteral("%1 is %2 high, wants %3").arg(name).arg(size.height())
                         .arg(child->sizeHint().height());
        if (qobject_cast<QLineEdit *>(child) && !child->parentWidget()->inherits("QAbstractSpinBox") &&
            size.width() < child->fontMetrics().averageCharWidth() * 20)
            found << QStringLiteral("%1 is %2 wide, too narrow for 20 characters").arg(name).arg(size.width());
        // Inside its parent; the contents of a scroll area may be larger than the area, which scrolls.
        if (!widget->rect().contains(child->geometry()) && !qobject_cast<QScrollArea *>(widget->parentWidget()))
            found << QStringLiteral("%1 at %2,%3 %4x%5 lies outside its parent %6x%7").arg(name)
                         .arg(child->x()).arg(child->y()).arg(size.width()).arg(size.height())
                         .arg(widget->width()).arg(widget->height());
        if (!isLeaf(child))
            collect(child, found, mayScroll);
    }
    if (qobject_cast<QStackedWidget *>(widget) || qobject_cast<QTabWidget *>(widget))
        return;
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j) {
            if (shown.at(i)->geometry().intersects(shown.at(j)->geometry()))
                found << QStringLiteral("%1 and %2 overlap").arg(describe(shown.at(i)), describe(shown.at(j)));
        }
    }
}

QStringList TestLayout::problems(QWidget *top, bool mayScroll)
{
    QStringList found;
    settle();
    collect(top, found, mayScroll);
    // Every tab in turn: only the current one is shown.
    for (QTabWidget *tabs : top->findChildren<QTabWidget *>()) {
        if (!tabs->isVisible())
            continue;
        const int current = tabs->currentIndex();
        for (int index = 0; index < tabs->count(); ++index) {
            if (index == current || !tabs->isTabEnabled(index))
                continue;
            tabs->setCurrentIndex(index);
            settle();
            collect(tabs, found, mayScroll);
        }
        tabs->setCurrentIndex(current);
    }
    found.removeDuplicates();
    return found;
}

QStringList TestLayout::outOfSight(QWidget *frame, const QStringList &names)
{
    QStringList found;
    const QList<QScrollArea *> areas = frame->findChildren<QScrollArea *>();
    for (const QString &name : names) {
        QList<QWidget *> shown;
        for (QWidget *widget : frame->findChildren<QWidget *>(name)) {
            if (widget->isVisible())
                shown << widget;
        }
        if (shown.isEmpty())
            found << name + QStringLiteral(" is not shown");
        for (QWidget *widget : shown) {
            for (QScrollArea *area : areas) {
                if (area->isVisible() && area->widget() && area->widget()->isAncestorOf(widget))
                    found << describe(widget) + QStringLiteral(" scrolls with ") + describe(area);
            }
            const QRect place(widget->mapTo(frame, QPoint(0, 0)), widget->size());
            if (!frame->rect().contains(place))
                found << QStringLiteral("%1 at %2,%3 %4x%5 lies outside the frame's %6x%7").arg(describe(widget))
                             .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                             .arg(frame->width()).arg(frame->height());
        }
    }
    return found;
}

static void addScreensAndLanguages()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QString>("language");
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ru")}) {
        QTest::addRow("1024x600 %s", qPrintable(language)) << QRect(0, 0, 1024, 600) << language;
        QTest::addRow("1280x800 %s", qPrintable(language)) << QRect(0, 0, 1280, 800) << language;
    }
}

void TestLayout::everyFrameFits_data()
{
    addScreensAndLanguages();
}

void TestLayout::everyFrameFits()
{
    QFETCH(QRect, screen);
    QFETCH(QString, language);
    useLanguage(language);
    QScopedPointer<MainWindow> window(new MainWindow(m_settings.data()));
    // The window as large as the screen less its decoration, as on a netbook where it is maximised.
    WindowPlacement::fit(window.data(), QSize(1280, 860), screen);
    const QSize placed = window->size();
    window->currentBox()->markAllEntries(0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    const bool mayScroll = screen.height() < 800;
    const char *actions[] = {"photoBoxAction", "firstStepsAction", "arrangementAction", "selectDialogAction",
                             "selectTemplateAction", "selectOutCategoryAction", "selectOutKeywordAction",
                             "selectOutTitleAction", "displayAction", "addSimilarAction",
                             "restoringForEditingAction", "restoringForPrintingAction",
                             "restoringForFollowingUsageAction", "fillAllAction", "fillOnlyCategoryAction",
                             "fillOnlyKeywordAction", "fillOnlyTitleAction", "checkAction", "infoAction"};
    // The header and the action buttons of the frames whose body may scroll.
    const QStringList describeKeeps = {QStringLiteral("title"), QStringLiteral("previewFollows"),
                                       QStringLiteral("prevUncorrButton"), QStringLiteral("nextUncorrButton"),
                                       QStringLiteral("prevCorrButton"), QStringLiteral("nextCorrButton"),
                                       QStringLiteral("saveButton"), QStringLiteral("applyButton")};
    const QHash<QString, QStringList> keeps = {
        {QStringLiteral("selectDialogAction"),
         {QStringLiteral("title"), QStringLiteral("previewFollows"), QStringLiteral("templateName"),
          QStringLiteral("saveButton"), QStringLiteral("createStageButton"), QStringLiteral("prevStageButton"),
          QStringLiteral("nextStageButton"), QStringLiteral("deleteStageButton"), QStringLiteral("startButton"),
          QStringLiteral("foundRecords")}},
        {QStringLiteral("fillAllAction"), describeKeeps},
        {QStringLiteral("fillOnlyCategoryAction"), describeKeeps},
        {QStringLiteral("fillOnlyKeywordAction"), describeKeeps},
        {QStringLiteral("fillOnlyTitleAction"), describeKeeps},
        {QStringLiteral("checkAction"),
         {QStringLiteral("boxPixmap"), QStringLiteral("title"),
          QStringLiteral("mirrorButton"), QStringLiteral("repairButton"), QStringLiteral("backupButton")}},
        {QStringLiteral("infoAction"), {QStringLiteral("boxPixmap"), QStringLiteral("title")}}};
    QStringList found;
    for (const char *name : actions) {
        auto command = window->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(command, name);
        command->trigger();
        QStringList here = problems(window->centralWidget(), mayScroll);
        here << outOfSight(window->centralWidget(), keeps.value(QLatin1String(name)));
        if (window->size() != placed)
            here << QStringLiteral("the window grows to %1x%2").arg(window->width()).arg(window->height());
        for (const QString &problem : here)
            found << QLatin1String(name) + QStringLiteral(": ") + problem;
    }
    for (const QString &problem : found)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 problems, the first: %2").arg(found.size())
                                             .arg(found.value(0))));
}

void TestLayout::settingsDialogFits_data()
{
    addScreensAndLanguages();
}

void TestLayout::settingsDialogFits()
{
    QFETCH(QRect, screen);
    QFETCH(QString, language);
    useLanguage(language);
    MySetDialog dialog(m_settings.data());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // As wide as its shown texts need, on this screen.
    WindowPlacement::fit(&dialog, dialog.preferredSize(), screen);
    const QStringList found = problems(&dialog, screen.height() < 800);
    for (const QString &problem : found)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 problems, the first: %2").arg(found.size())
                                             .arg(found.value(0))));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
