#include "mywrdfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <vector>

#include "constants.h"

namespace {

const int LETTERS = 26;
const int NEW_KEY_COUNT = LETTERS * LETTERS * LETTERS;

// The number of a key of the new form, "a" and three lower-case letters, or -1.
int newKeyNumber(const QString &key)
{
    if (key.size() != 4 || key.at(0) != QLatin1Char('a'))
        return -1;
    int number = 0;
    for (int i = 1; i < 4; ++i) {
        const ushort c = key.at(i).unicode();
        if (c < u'a' || c > u'z')
            return -1;
        number = number * LETTERS + (c - u'a');
    }
    return number;
}

QString newKey(int number)
{
    const QChar letters[4] = {QLatin1Char('a'), QChar(u'a' + number / (LETTERS * LETTERS)),
                              QChar(u'a' + number / LETTERS % LETTERS), QChar(u'a' + number % LETTERS)};
    return QString(letters, 4);
}

const QRegularExpression &keyPattern()
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(ABC_WRD));
    return pattern;
}

// A whole word of the text: no word character touches it on either side. For ordinary words this is
// a word boundary on both sides; it also holds for words that begin or end with punctuation.
QRegularExpression wholeWord(const QString &prefix, const QString &word)
{
    return QRegularExpression(prefix + QStringLiteral("(?<!\\w)") + QRegularExpression::escape(word)
                                  + QStringLiteral("(?!\\w)"),
                              QRegularExpression::UseUnicodePropertiesOption);
}

QString synonymsOf(const QStringList &words)
{
    return SIGN_INV + words.join(SIGN_INV) + SIGN_INV;
}

} // namespace

MyWrdFile::MyWrdFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
{
    load();
}

void MyWrdFile::load()
{
    // Without a readable file no key is free: handing out keys that the file may already use would
    // give two concepts the same key.
    QStringList lines;
    if (!readLines(lines))
        return;
    for (const QString &text : qAsConst(lines)) {
        const QStringList parts = text.split(SIGN_INV);
        if (parts.size() < 2 || !keyPattern().match(parts.first()).hasMatch())
            continue;
        QStringList words;
        for (int i = 1; i < parts.size(); ++i) {
            if (!parts.at(i).isEmpty())
                words << parts.at(i);
        }
        m_words.insert(parts.first(), synonymsOf(words));
    }

    // New keys are "a" followed by three letters, held as the number of those letters; keys read from
    // the file stay taken.
    std::vector<bool> taken(NEW_KEY_COUNT, false);
    for (auto it = m_words.constBegin(); it != m_words.constEnd(); ++it) {
        const int number = newKeyNumber(it.key());
        if (number >= 0)
            taken[size_t(number)] = true;
    }
    m_freeKeys.reserve(NEW_KEY_COUNT);
    for (int number = 0; number < NEW_KEY_COUNT; ++number) {
        if (!taken[size_t(number)])
            m_freeKeys.push_back(quint16(number));
    }
}

bool MyWrdFile::validWord(const QString &word)
{
    if (word.trimmed().isEmpty() || word.contains(SIGN_INV))
        return false;
    // A line break would split the vocabulary line; other control characters have no place in a word.
    for (const QChar c : word) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return false;
    }
    return true;
}

QString MyWrdFile::getKey(const QString &word) const
{
    const QString simple = word.simplified();
    // A "~" would match across two words of a synonym string.
    if (simple.isEmpty() || simple.contains(SIGN_INV))
        return QString();
    const QString whole = SIGN_INV + simple + SIGN_INV;
    QString key;
    for (auto it = m_words.cbegin(); it != m_words.cend(); ++it) {
        if (it.value().contains(whole, Qt::CaseInsensitive))
            key = it.key();
    }
    return key;
}

bool MyWrdFile::wordExist(const QString &word) const
{
    return !getKey(word).isEmpty();
}

QStringList MyWrdFile::likeBegin(const QString &prefix) const
{
    static const int maxProposals = 11;
    QStringList proposals;
    // A "~" in the prefix would reach across the words of a synonym string.
    if (prefix.isEmpty() || prefix.contains(SIGN_INV))
        return proposals;
    const QString start = SIGN_INV + prefix;
    for (auto it = m_words.cbegin(); it != m_words.cend() && proposals.size() < maxProposals; ++it) {
        const QString &synonyms = it.value();
        const int from = synonyms.indexOf(start, 0, Qt::CaseInsensitive);
        if (from < 0)
            continue;
        const int end = synonyms.indexOf(SIGN_INV, from + 1);
        proposals << synonyms.mid(from + 1, end < 0 ? -1 : end - from - 1);
    }
    return proposals;
}

QStringList MyWrdFile::allWords() const
{
    QStringList words;
    for (auto it = m_words.cbegin(); it != m_words.cend(); ++it) {
        const QString &synonyms = it.value();
        words << synonyms.mid(1, synonyms.size() - 2).split(SIGN_INV);
    }
    return words;
}

QString MyWrdFile::replaceWordToKey(const QString &text) const
{
    static const QRegularExpression signs(QStringLiteral("[+\\-]"));
    QString result = text.simplified();
    const QStringList parts = result.split(signs);
    for (const QString &rawPart : parts) {
        QString part = rawPart.trimmed();
        // The negation sign of a whole criterion may stand in front of its first word.
        if (part.startsWith(SIGN_INV))
            part = part.mid(SIGN_INV.size()).trimmed();
        if (part.isEmpty())
            continue;
        const QString whole = SIGN_INV + part + SIGN_INV;
        bool known = false;
        for (auto it = m_words.cbegin(); it != m_words.cend(); ++it) {
            if (it.value().contains(whole, Qt::CaseInsensitive)) {
                // Once replaced the word is gone from the text, so the first key wins.
                result.replace(wholeWord(QString(), part), it.key());
                known = true;
                break;
            }
        }
        // An unknown word cannot be searched for; it is dropped with its sign.
        if (!known)
            result.remove(wholeWord(QStringLiteral("[+\\-]"), part));
    }
    // Dropped words leave their blanks behind.
    result = result.simplified();
    return result.isEmpty() ? QStringLiteral("nothing") : result;
}

bool MyWrdFile::addNewWord(const QString &word)
{
    if (!validWord(word) || m_freeKeys.empty())
        return false;
    const size_t position = QRandomGenerator::global()->bounded(quint32(m_freeKeys.size()));
    // The order of the free keys does not matter, so the last one takes the place of the drawn one.
    const QString key = newKey(m_freeKeys[position]);
    m_freeKeys[position] = m_freeKeys.back();
    m_freeKeys.pop_back();
    const QString synonyms = synonymsOf(QStringList(word));
    m_newWords.insert(key, synonyms);
    m_words.insert(key, synonyms);
    return true;
}

bool MyWrdFile::addSynonym(const QString &key, const QString &word)
{
    if (!validWord(word) || !m_words.contains(key))
        return false;
    changeSynonyms(key, m_words.value(key) + word + SIGN_INV);
    return true;
}

bool MyWrdFile::setSynonym(const QString &key, const QStringList &words)
{
    if (!m_words.contains(key))
        return false;
    for (const QString &word : words) {
        if (!validWord(word))
            return false;
    }
    changeSynonyms(key, synonymsOf(words));
    return true;
}

// A key still waiting to be appended is simply appended with its new words; a key already in the
// file can only change by rewriting the file.
void MyWrdFile::changeSynonyms(const QString &key, const QString &synonyms)
{
    m_words.insert(key, synonyms);
    if (m_newWords.contains(key))
        m_newWords.insert(key, synonyms);
    else
        m_needUpdate = true;
}

QString MyWrdFile::line(const QString &key) const
{
    return key + m_words.value(key);
}

bool MyWrdFile::storeWords()
{
    if (m_needUpdate)
        return storeAllWords();
    if (!m_newWords.isEmpty())
        return storeNewWords();
    return false;
}

bool MyWrdFile::storeNewWords()
{
    QString text;
    for (auto it = m_newWords.cbegin(); it != m_newWords.cend(); ++it)
        text += line(it.key()) + QLatin1Char('\n');
    if (!appendText(text))
        return false;
    m_newWords.clear();
    return true;
}

bool MyWrdFile::storeAllWords()
{
    if (!initOk())
        return false;
    // The new file replaces the old one only once it is complete, so a failure never leaves half a
    // vocabulary behind.
    QSaveFile file(completeName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    for (auto it = m_words.cbegin(); it != m_words.cend(); ++it)
        stream << line(it.key()) << '\n';
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit())
        return false;
    m_newWords.clear();
    m_needUpdate = false;
    return true;
}
