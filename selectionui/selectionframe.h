#pragma once

#include <QFrame>
#include <QList>
#include <QSet>
#include <QStringList>

#include "mytmpfile.h"
#include "ui_selectionframe.h"

class AnyBox;
class MyWrdFile;
class QEvent;
class QGroupBox;
class QListWidget;
class QPushButton;
class SearchDialog;
class SelectionPass;

// One stage of a staged search: a tabbed form of criteria and the searches over the stage's own subset
// of the box. The first search that finds something starts from every entry; later ones narrow it.
class SelectionFrame : public QFrame, private Ui::SelectionFrameGUI
{
    Q_OBJECT

public:
    SelectionFrame(const QString &name, AnyBox *box, SearchDialog *dialog, QFrame *parent);

    QList<MyTmpFile::task> getSteps() const { return m_steps; }
    unsigned getRemarkFoundCount() const { return m_found; }
    int stageNumber() const;
    bool isFresh() const { return m_fresh; }

    void setValue();
    QString makeDateRequest() const;
    QString makeWordRequest() const;
    QString remarkToResemble(const QString &remark) const;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The sessions with their figures; empty and disabled until the search frame has gathered them.
    void fillSessionTable();

signals:
    void searchOver();

public slots:
    void pressStart();

private slots:
    void pressRemarkAddButton();
    void pressTitleAddButton();
    void pressDateAddButton();
    void pressWordAddButton();
    void pressWordPresentButton();
    void pressWordAbsentButton();
    void changeSessionSelection();
    void filterSessions(const QString &filter);
    void setTitleFromGroupBox();
    void setTitleBeforeGroupBox();
    void setModeButtons();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct ListButtons
    {
        QListWidget *list;
        QPushButton *clear;
        QPushButton *remove;
    };

    QList<ListButtons> listButtons() const;
    void setupLists();
    QStringList sessionHeaders() const;
    void setWhichPossibleValue();
    void retranslateCategory();
    void retranslateThis();
    void setHeaderRemark();
    void setHeaderCategory();
    void setHeaderKeyword();
    void setHeaderDate();
    void setHeaderSession();
    void setHeaderPrint();
    void setHeaderTitle();
    void setHeader(QWidget *tab, bool holdsCriterion);
    bool categoryHoldsCriterion() const;
    void rememberWordKeys();
    QString whichPart() const;
    QString checkedPart(QGroupBox *group, const QString &prefix) const;
    static QString listCriterion(const QListWidget *list, bool invert);
    static bool listHas(const QListWidget *list, const QString &text);
    static void appendTo(QListWidget *list, const QString &text);

    AnyBox *m_box;
    MyWrdFile *m_wrdFile = nullptr;
    SearchDialog *m_dialog;
    SelectionPass *m_pass;
    QString m_remark;
    QString m_session;
    QString m_caption;
    QString m_keyword;
    QString m_date;
    QString m_hardcopy;
    QString m_category;
    QStringList m_sessions;
    bool m_fresh = true;
    QList<MyTmpFile::task> m_steps;
    unsigned m_found = 0;
    QStringList m_whichValues;
    QStringList m_tabTitles;
    QString m_marker;
    QString m_fromPrefix;
    QString m_beforePrefix;
    QSet<QString> m_presentKeys;
    QSet<QString> m_absentKeys;
};
