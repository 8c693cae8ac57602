#include "vocabularybrowser.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "constants.h"
#include "describerun.h"
#include "mymessagebox.h"
#include "mywrdfile.h"

VocabularyBrowser::VocabularyBrowser(QWidget *form, DescribeRun *run, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_run(run)
    , m_keywordEdit(form->findChild<QLineEdit *>(QStringLiteral("keywordLineEdit")))
    , m_keywordList(form->findChild<QListWidget *>(QStringLiteral("keywordListWidget")))
    , m_keywordAdd(form->findChild<QPushButton *>(QStringLiteral("keywordAddButton")))
    , m_synonymEdit(form->findChild<QLineEdit *>(QStringLiteral("synonymLineEdit")))
    , m_synonymList(form->findChild<QListWidget *>(QStringLiteral("synonymListWidget")))
    , m_synonymAdd(form->findChild<QPushButton *>(QStringLiteral("synonymAddButton")))
    , m_synonymRemove(form->findChild<QPushButton *>(QStringLiteral("removeSynonymButton")))
{
    connect(m_keywordEdit, &QLineEdit::textChanged, this, &VocabularyBrowser::likeKeywords);
    connect(m_keywordList, &QListWidget::itemClicked, this, &VocabularyBrowser::choiceKeyword);
    connect(m_keywordAdd, &QPushButton::clicked, this, &VocabularyBrowser::pressAddKeywordButton);
    connect(m_synonymEdit, &QLineEdit::textChanged, this, &VocabularyBrowser::likeSynonyms);
    connect(m_synonymAdd, &QPushButton::clicked, this, &VocabularyBrowser::pressAddSynonymButton);
    connect(m_synonymList, &QListWidget::itemSelectionChanged, this, &VocabularyBrowser::synonymSelect);
    connect(m_synonymRemove, &QPushButton::clicked, this, &VocabularyBrowser::pressRemoveSynonymButton);
}

void VocabularyBrowser::likeKeywords(const QString &text)
{
    m_keywordList->clear();
    m_synonymList->clear();
    m_keywordList->setEnabled(false);
    m_selectedKey.clear();
    m_selectedWord.clear();
    if (text.isEmpty()) {
        m_synonymEdit->clear();
        m_synonymEdit->setEnabled(false);
        m_synonymAdd->setEnabled(false);
        m_keywordAdd->setEnabled(false);
        emit selectionChanged();
        synonymSelect();
        return;
    }
    const QHash<QString, QString> &words = m_run->vocabulary() ? m_run->vocabulary()->getWords()
                                                               : QHash<QString, QString>();
    QStringList keys = words.keys();
    keys.sort();
    for (const QString &key : qAsConst(keys)) {
        const QStringList parts = m_run->wordsOf(key);
        for (int i = 0; i < parts.size(); ++i) {
            const QString &part = parts.at(i);
            if (!part.startsWith(text, Qt::CaseInsensitive))
                continue;
            m_keywordList->addItem(part);
            if (m_selectedKey.isEmpty() && part.compare(text, Qt::CaseInsensitive) == 0) {
                m_selectedKey = key;
                m_selectedWord = part;
                QStringList others = parts;
                others.removeAt(i);
                m_synonymList->addItems(others);
            }
        }
    }
    m_keywordList->setEnabled(m_keywordList->count() > 0);
    if (!m_selectedKey.isEmpty()) {
        m_keywordAdd->setEnabled(false);
        m_synonymEdit->setEnabled(true);
    } else {
        m_keywordAdd->setEnabled(true);
        m_synonymEdit->clear();
        m_synonymEdit->setEnabled(false);
    }
    m_synonymAdd->setEnabled(false);
    emit selectionChanged();
    synonymSelect();
}

void VocabularyBrowser::choiceKeyword(QListWidgetItem *item)
{
    if (!item)
        return;
    m_keywordEdit->setText(item->text());
    m_keywordEdit->setFocus();
}

void VocabularyBrowser::pressAddKeywordButton()
{
    const QString word = m_keywordEdit->text().simplified();
    if (word.isEmpty() || !m_keywordAdd->isEnabled())
        return;
    if (!MyWrdFile::validWord(word)) {
        warn(QCoreApplication::translate("DescribeDialog", "A keyword cannot contain \"~\" or a line break."));
        return;
    }
    if (!m_run->addWord(word)) {
        warn(QCoreApplication::translate("DescribeDialog", "The keyword \"%1\" cannot be added to the vocabulary.")
                 .arg(word));
        return;
    }
    likeKeywords(m_keywordEdit->text());
}

void VocabularyBrowser::likeSynonyms(const QString &text)
{
    bool free = !text.isEmpty() && !m_selectedKey.isEmpty();
    if (free && m_run->vocabulary()) {
        const QString whole = SIGN_INV + text + SIGN_INV;
        const QHash<QString, QString> &words = m_run->vocabulary()->getWords();
        for (auto it = words.cbegin(); it != words.cend() && free; ++it)
            free = !it.value().contains(whole, Qt::CaseInsensitive);
    }
    m_synonymAdd->setEnabled(free);
}

void VocabularyBrowser::pressAddSynonymButton()
{
    const QString word = m_synonymEdit->text().simplified();
    if (!m_synonymAdd->isEnabled() || word.isEmpty())
        return;
    if (!MyWrdFile::validWord(word)) {
        warn(QCoreApplication::translate("DescribeDialog", "A keyword cannot contain \"~\" or a line break."));
        return;
    }
    if (!m_run->addSynonym(m_selectedKey, word)) {
        warn(QCoreApplication::translate("DescribeDialog", "The synonym \"%1\" cannot be added to the vocabulary.")
                 .arg(word));
        return;
    }
    m_synonymEdit->clear();
    m_synonymList->addItem(word);
    emit wordsChanged(m_selectedKey);
}

void VocabularyBrowser::synonymSelect()
{
    m_synonymRemove->setEnabled(!m_synonymList->selectedItems().isEmpty());
}

void VocabularyBrowser::pressRemoveSynonymButton()
{
    if (m_selectedKey.isEmpty())
        return;
    qDeleteAll(m_synonymList->selectedItems());
    QStringList words({m_selectedWord});
    for (int i = 0; i < m_synonymList->count(); ++i)
        words << m_synonymList->item(i)->text();
    m_run->setSynonyms(m_selectedKey, words);
    emit wordsChanged(m_selectedKey);
    synonymSelect();
}

// The messages are the describe frame's own and keep its translation context.
void VocabularyBrowser::warn(const QString &text)
{
    MyMessageBox::warning(m_form, QCoreApplication::translate("DescribeDialog", "Warning"), text);
}
