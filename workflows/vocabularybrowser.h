#pragma once

#include <QObject>
#include <QString>

class DescribeRun;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

// The vocabulary half of the describe frame's keyword tab: the typed word's matches, the word it names
// (with its synonyms), and adding words and synonyms to the shared vocabulary. Which keys the current
// object carries stays with the frame; this part tells it which key is selected and when a key's words
// changed. Its widgets are found in the form by name.
class VocabularyBrowser : public QObject
{
    Q_OBJECT

public:
    VocabularyBrowser(QWidget *form, DescribeRun *run, QObject *parent = nullptr);

    // The key of the word typed in full, and that word; empty when the text names no word.
    QString selectedKey() const { return m_selectedKey; }

public slots:
    void likeKeywords(const QString &text);
    void choiceKeyword(QListWidgetItem *item);
    void pressAddKeywordButton();
    void likeSynonyms(const QString &text);
    void pressAddSynonymButton();
    void synonymSelect();
    void pressRemoveSynonymButton();

signals:
    void selectionChanged();
    // The words of the key changed in the vocabulary.
    void wordsChanged(const QString &key);

private:
    void warn(const QString &text);

    QWidget *m_form;
    DescribeRun *m_run;
    QLineEdit *m_keywordEdit;
    QListWidget *m_keywordList;
    QPushButton *m_keywordAdd;
    QLineEdit *m_synonymEdit;
    QListWidget *m_synonymList;
    QPushButton *m_synonymAdd;
    QPushButton *m_synonymRemove;
    QString m_selectedKey;
    QString m_selectedWord;
};
