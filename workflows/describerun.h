#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class AnyBox;
class Entry;
class MyAbcFile;
class MyWrdFile;

// The five parts of an object's description as the describe frame edits them.
struct Description
{
    unsigned category = 0;
    QString keywords; // vocabulary keys joined by ","
    QString caption;  // title "," author, each "unknown" when empty
    QDate date;
    unsigned hardcopy = 0;
};

// The work behind describing the marked objects of a box, free of widgets: reading a description
// from an entry, writing it back, the queues of uncorrected and corrected objects, and the keyword
// vocabulary. The frame shows and edits; this class decides what lands in the entries and files.
//
// Every applied description is stored at once (its abc file and the vocabulary), so a crash loses at
// most what was not applied yet. A store that fails leaves the previous file whole; the entry keeps
// the description in memory and the next store (Save, closing) tries again.
class DescribeRun : public QObject
{
    Q_OBJECT

public:
    explicit DescribeRun(AnyBox *box, QObject *parent = nullptr);

    AnyBox *box() const { return m_box; }
    MyWrdFile *vocabulary() const { return m_vocabulary; }

    // The two queues: every marked object is in exactly one of them.
    const QList<Entry *> &uncorrected() const { return m_uncorrected; }
    const QList<Entry *> &corrected() const { return m_corrected; }
    int total() const { return m_uncorrected.size() + m_corrected.size(); }
    bool isCorrected(const Entry *entry) const;

    // The stored description of an entry, as the frame shows it.
    Description read(const Entry *entry) const;

    // Writes the description into the entry, moves it to the corrected queue and stores its abc file
    // and the vocabulary. False when a store failed (failedPaths() names the files).
    bool apply(Entry *entry, const Description &description);
    // Stores the vocabulary and every abc file holding marked entries.
    bool storeAll();
    // The same, but only when something applied or added is not on disk yet (closing the frame).
    bool storePending();
    QStringList failedPaths() const { return m_failedPaths; }
    // Whether applied descriptions still wait for a store that succeeds.
    bool unsaved() const { return m_unsaved; }

    // Vocabulary changes; words are checked with MyWrdFile::validWord.
    bool addWord(const QString &word);
    bool addSynonym(const QString &key, const QString &word);
    bool setSynonyms(const QString &key, const QStringList &words);

    // The words of a key: the first is the keyword, the others its synonyms.
    QStringList wordsOf(const QString &key) const;
    // The words of the keys joined by ", ", or "-" when there is none.
    QString keywordDisplay(const QString &keys) const;

    // Caption helpers: a part keeps no character that would split the record or the caption.
    static QString cleanPart(const QString &text);
    // The same replacement without touching blanks, for a field while it is being typed.
    static QString cleanChars(const QString &text);
    static QString captionOf(const QString &title, const QString &author);
    static QString titleOf(const QString &caption);
    static QString authorOf(const QString &caption);


private:
    MyAbcFile *fileOf(const Entry *entry) const;
    bool storeVocabulary();

    AnyBox *m_box;
    MyWrdFile *m_vocabulary = nullptr;
    QList<Entry *> m_uncorrected;
    QList<Entry *> m_corrected;
    QStringList m_failedPaths;
    bool m_vocabularyChanged = false;
    bool m_unsaved = false;
};
