#pragma once

#include <QPixmap>
#include <QSet>
#include <QString>

#include "myfolder.h"

// One media collection: a directory with two levels of two-letter folders holding the objects and
// their catalogue, plus everything the program knows about that kind of media.
class AnyBox : public MyFolder
{
    Q_OBJECT

public:
    AnyBox(const QString &name, MyUnit *parent);

    void setExt(const QString &text);
    QSet<QString> ext() const { return m_ext; }
    void setExtPlayList(const QString &text) { m_extPlayList = text; }
    QString extPlayList() const { return m_extPlayList; }
    void setExecPreview(const QString &text) { m_execPreview = text; }
    QString execPreview() const { return m_execPreview; }
    void setExecPresent(const QString &text) { m_execPresent = text; }
    QString execPresent() const { return m_execPresent; }
    void setMyCategories(const QString &text) { m_myCategories = text; }
    QString myCategories() const { return m_myCategories; }
    void setBoxPixmap(const QPixmap &pixmap) { m_boxPixmap = pixmap; }
    QPixmap boxPixmap() const { return m_boxPixmap; }
    void setWelcomeLabel(const QString &text) { m_welcomeLabel = text; }
    QString welcomeLabel() const { return m_welcomeLabel; }
    void setDateFormat(const QString &text) { m_dateFormat = text; }
    QString dateFormat() const { return m_dateFormat; }
    void setUseSubFile(bool use) { m_useSubFile = use; }
    bool useSubFile() const { return m_useSubFile; }

    unsigned getCount() const { return m_count; }
    void addCount(unsigned n) { m_count += n; }

    int markedEntriesCount() const { return 0; }

public slots:
    virtual void setCategoryLabels() {}

private:
    unsigned m_count = 0;
    QSet<QString> m_ext;
    QString m_extPlayList;
    QString m_execPreview;
    QString m_execPresent;
    QPixmap m_boxPixmap;
    QString m_welcomeLabel;
    QString m_dateFormat;
    bool m_useSubFile = false;
    QString m_myCategories;
};
