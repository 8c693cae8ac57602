#pragma once

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <functional>

#include "category.h"
#include "myfolder.h"

class CatalogueAhead;
class Entry;
class MyAbcFile;
class MySourceFile;
class QProcess;
class Remark;

// One media collection: a directory with two levels of two-letter folders holding the objects and
// their catalogue, plus everything the program knows about that kind of media. The box is also
// the hub of the selection: per subset number it knows which abc files hold marked entries.
class AnyBox : public MyFolder
{
    Q_OBJECT

public:
    // A box made with ReadLater has no catalogue until takeCatalogue(), so that start-up can read it
    // while it builds the rest of the tree.
    enum Catalogue { ReadNow, ReadLater };
    AnyBox(const QString &name, MyUnit *parent, Catalogue catalogue = ReadNow);

    // The catalogue read ahead for the box (read now when it was not); once, for a box made with ReadLater.
    void takeCatalogue(CatalogueAhead *ahead);

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
    // The box's picture, read from the file when a frame first shows it.
    void setBoxPixmapFile(const QString &fileName);
    QPixmap boxPixmap() const;
    void setWelcomeLabel(const QString &text) { m_welcomeLabel = text; }
    QString welcomeLabel() const { return m_welcomeLabel; }
    void setDateFormat(const QString &text) { m_dateFormat = text; }
    QString dateFormat() const { return m_dateFormat; }
    void setUseSubFile(bool use) { m_useSubFile = use; }
    bool useSubFile() const { return m_useSubFile; }
    Category category() const { return m_category; }

    unsigned getCount() const { return m_count; }
    void addCount(unsigned n) { m_count += n; }

    // Every abc file of the box in tree order.
    QList<MyAbcFile *> abcFiles() const;
    // The abc file that holds (or would hold) the entry of the remark; null when the box has no such file.
    MyAbcFile *abcFile(const Remark &remark) const;

    // Selection across the abc files; subset 0 is the current selection.
    int countSubsets() const { return m_subsets.size(); }
    QSet<MyAbcFile *> markedAbcFiles(int i) const;
    QSet<MyAbcFile *> markedAbcFiles() const;
    QList<Entry *> markedEntries(int i) const;
    QList<Entry *> markedEntries() const;
    int markedEntriesCount(int i) const;
    int markedEntriesCount() const;
    QSet<MyAbcFile *> markAllEntries(int i);
    // The same, file by file, calling between() after each file so that a long pass can let events
    // through; the box's bookkeeping is up to date at every call.
    QSet<MyAbcFile *> markAllEntries(int i, const std::function<void()> &between);
    void deleteSubset(int i);
    void unmarkAllEntries();
    void unmarkAllEntries(const std::function<void()> &between);
    void uniteSubsets();
    void memorizeMarked();
    void restoreMarked();
    bool storeMarkedEntries();

    // List files for external programs, written into the list folder of the base folder.
    QString makePlayListFile(const QString &name, const QList<Entry *> &entries);
    QString makePlayListFile(const QString &name);
    QString previewSelected(const QString &name, QProcess *process);
    QString previewSelected(QProcess *process);
    QString previewSelected(int i, const QString &name, QProcess *process);
    QString previewSelected(int i, QProcess *process);
    QString presentSelected(const QString &name, QProcess *process);
    QString presentSelected(QProcess *process);
    // Writes the list of the given entries and starts the preview command on it (describe, resemble).
    QString previewList(const QString &name, const QList<Entry *> &entries, QProcess *process);

    // The full path of a stored object, from its remark and original file name.
    QString objectPath(const Entry &entry) const;
    // The same for a box at boxPath; needs no box object, so it serves on any thread.
    static QString objectPath(const QString &boxPath, const Entry &entry);

public slots:
    virtual unsigned startValueCategory(MySourceFile *file);
    virtual bool makeSubFile(const QString &text);
    virtual void setCategoryLabels();

    void markAbcFile(MyAbcFile *abcFile, int subset);
    void unmarkAbcFile(MyAbcFile *abcFile, int subset);

signals:
    void showReduce();

protected:
    // The category structures of the kinds; texts are translated in the kind's own context.
    enum class Structure { Picture, Book, Music };

    void applyCategoryStructure(Structure structure, const QString &defaultCategories, const QStringList &untranslated);
    QString translatedMyCategories(const QString &defaultCategories, const QStringList &untranslated) const;
    static unsigned dateTakenCategory(const MySourceFile *file);
    bool writeClipSubFile(const QString &text);
    bool writeBookSubFile(const QString &text);

private:
    void syncFile(MyAbcFile *abcFile);
    void rebuildSubsets();
    QString translated(const char *text) const;
    bool writeSubFile(const QString &text, const QString &content);
    QString startOnList(const QString &name, const QList<Entry *> &entries, const QString &command,
                        QProcess *process);
    static QString freshListName();

    unsigned m_count = 0;
    QSet<QString> m_ext;
    QString m_extPlayList;
    QString m_execPreview;
    QString m_execPresent;
    QString m_boxPixmapFile;
    mutable QPixmap m_boxPixmap;
    QString m_welcomeLabel;
    QList<QSet<MyAbcFile *>> m_subsets;
    QList<QSet<MyAbcFile *>> m_memorized;
    // Number of subsets each file holds (files without subsets are left out), and whether a call
    // over all files is under way, which settles the bookkeeping once at its end.
    QHash<MyAbcFile *, int> m_fileSubsets;
    bool m_bulk = false;
    QString m_dateFormat;
    bool m_useSubFile = false;
    Category m_category;
    QString m_myCategories;
};
