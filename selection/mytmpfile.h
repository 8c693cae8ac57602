#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

#include "myfile.h"

class Category;
class MyWrdFile;

// The stored search templates of every box: named sequences of tasks, each task the seven criterion
// texts of one search, grouped into stages. Templates are only ever appended to the file; the maps
// hold the templates of one box at a time.
class MyTmpFile : public MyFile
{
    Q_DECLARE_TR_FUNCTIONS(MyTmpFile)

public:
    // One search. The keyword criterion names words, not keys; plus starts a new stage.
    struct task
    {
        QString remark;
        QString category;
        QString keyword;
        QString date;
        QString session;
        QString hardcopy;
        QString caption;
        bool plus = false;
    };

    MyTmpFile(const QString &name, MyUnit *parent);

    void loadTemplates(const QString &box);
    // Records the template and appends it to the file; false when it was not written. An owner, name
    // or description with ":", "<", ">" or a line break would break the header line and is refused.
    bool addTask(const QString &owner, const QString &name, const QString &description, const QList<task> &tasks);

    const QMap<QString, QList<task>> &templates() const { return m_templates; }
    const QMap<QString, QString> &describes() const { return m_describes; }
    int templatesCount() const { return m_templates.size(); }
    int templatesCount(const QString &box) const;
    QString own(const QString &name) const { return m_owners.value(name); }
    QList<task> getTask(const QString &name) const { return m_templates.value(name); }

    bool checkTask(const QString &box, const task &t);
    QString viewTask(const QString &name, bool *ok);

    static bool validHeaderText(const QString &text);

private:
    // The display texts of the task last checked, in the order of the data they describe.
    enum View { ViewSession, ViewRemark, ViewHardcopy, ViewCategory, ViewKeyword, ViewCaption, ViewDate, ViewCount };

    MyWrdFile *vocabulary();
    bool checkCategory(const QString &text, const Category &category);
    bool checkDates(const QString &text, const QString &dateFormat);
    bool checkKeywords(const QString &text);
    bool checkItems(View view, const QString &text, bool keepBlanks,
                    const std::function<bool(int, const QString &)> &valid);

    MyWrdFile *m_wrdFile = nullptr;
    QStringList m_tags;
    QString m_views[ViewCount];
    QMap<QString, QList<task>> m_templates;
    QMap<QString, QString> m_describes;
    QMap<QString, QString> m_owners;
};
