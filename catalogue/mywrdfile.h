#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

#include "myfile.h"

// The keyword vocabulary shared by every box: four-letter keys, each standing for one concept named
// by one or more words (synonyms). A key's synonym string holds its words each preceded and followed
// by "~" (~cat~kitten~); look-ups compare whole words without regard to case.
class MyWrdFile : public MyFile
{
public:
    MyWrdFile(const QString &name, MyUnit *parent);

    const QHash<QString, QString> &getWords() const { return m_words; }

    QString getKey(const QString &word) const;
    bool wordExist(const QString &word) const;
    QStringList likeBegin(const QString &prefix) const;
    QStringList allWords() const;
    QString replaceWordToKey(const QString &text) const;

    bool addNewWord(const QString &word);
    bool addSynonym(const QString &key, const QString &word);
    bool setSynonym(const QString &key, const QStringList &words);

    bool storeWords();
    bool storeNewWords();
    bool storeAllWords();
    void setNeedUpdate(bool flag) { m_needUpdate = flag; }

    // Whether a word can be kept in the file: not empty, no "~" and no line break.
    static bool validWord(const QString &word);

private:
    void load();
    void changeSynonyms(const QString &key, const QString &synonyms);
    QString line(const QString &key) const;

    QHash<QString, QString> m_words;
    QHash<QString, QString> m_newWords;
    std::vector<quint16> m_freeKeys;
    bool m_needUpdate = false;
};
