#pragma once

#include <QDate>
#include <QFrame>
#include <QList>
#include <QStringList>

// With its folder, so that any target compiling this header (the tests too) finds the form.
#include "ui_describedialog.h"

#include "describerun.h"
#include "unappliedchanges.h"

class AnyBox;
class Entry;
class CategoryTab;
class QEvent;
class QListWidgetItem;
class QTimer;
class HelperProgram;
class PreviewFollows;
class ThumbnailLoader;
class VocabularyBrowser;

// The working frame in which the marked objects are described one after another: category,
// keywords, caption, date and hardcopies. DescribeRun decides what lands in the entries and files;
// the frame shows and edits the current object and previews it.
class DescribeDialog : public QFrame, public UnappliedChanges, private Ui::DescribeDialogGUI
{
    Q_OBJECT

public:
    DescribeDialog(AnyBox *box, QFrame *parent);
    ~DescribeDialog() override;

    // Makes tab i current and every other tab unusable; nothing for an index outside the tabs.
    void setTabVisible(int i);

    bool eventFilter(QObject *watched, QEvent *event) override;
    // Asks once about changes of the current object that were not applied: Apply, Discard or Cancel.
    bool settleChanges() override;

public slots:
    void pressCategoryClearButton();
    void pressCategoryOriginalButton();
    void pressChooseButton();
    void keywordSelect();
    void pressRemoveListButton();
    void pressClearKeywordButton();
    void pressOriginalKeywordButton();
    void pressTitleClearButton();
    void pressTitleOriginalButton();
    void pressDateTodayButton();
    void pressDateOriginalButton();
    void pressHardcopyClearButton();
    void pressHardcopyOriginalButton();
    void pressApplyButton();
    void pressSaveButton();
    void pressPrevCorrButton();
    void pressNextCorrButton();
    void pressPrevUncorrButton();
    void pressNextUncorrButton();
    void updateCurrentCategory();
    void updateCurrentTitle();
    void updateSelectedDate(const QDate &date);
    void updateCurrentHardcopy();
    void retranslateThis();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void previewFailed();

private:
    void setInfoString();
    void setNavigation();
    void setTextBrowser(Entry *entry);
    void showOriginal(const Entry *entry);
    void setKeyword(const QString &keys);
    void setTitle(const QString &caption);
    void setDate(const QDate &date);
    void setHardcopy(unsigned count);
    void setModified();
    void setModeChoose();
    QListWidgetItem *keywordItem(const QString &key) const;
    void refreshKeywordItem(const QString &key);
    QStringList currentKeys() const;
    void navigate(const QList<Entry *> &list, int &position, int step);
    void demonstration(Entry *entry);
    void startPreview();
    void stopPreview();
    void warnStore();
    bool keepsPageKeys(QObject *watched) const;
    void showThumbnail(const Entry *entry);
    void thumbnailReady(const QString &path, const QImage &image);

    DescribeRun *m_run;
    HelperProgram *m_preview;
    QTimer *m_previewTimer = nullptr;
    Entry *m_previewDue = nullptr;
    ThumbnailLoader *m_thumbnails;
    PreviewFollows *m_follows;
    QString m_thumbnailPath;
    QString m_listBase;
    int m_uncorrectedPosition = 0;
    int m_correctedPosition = -1;
    Entry *m_current = nullptr;
    Description m_original;
    Description m_currentSet;
    QStringList m_tabTitles;
    QString m_modifiedMarker;
    QString m_template;
    bool m_updating = false;

    CategoryTab *m_category = nullptr;
    VocabularyBrowser *m_vocabulary = nullptr;
};
