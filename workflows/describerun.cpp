#include "describerun.h"

#include <QRegularExpression>
#include <QSet>

#include <functional>

#include <algorithm>
#include <utility>
#include <vector>

#include "anybox.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mywrdfile.h"
#include "remark.h"
#include "workpool.h"


DescribeRun::DescribeRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
{
    if (!m_box)
        return;
    m_vocabulary = dynamic_cast<MyWrdFile *>(m_box->unit(NAME_WRD_FILE));
    // The user meets the objects in remark order. A file holds the entries of one remark prefix, so the
    // files are ordered by that prefix and each file's entries by the rest of the remark. A file hands
    // out each marked entry once, however many subsets hold it. The files are sorted on the pool.
    QList<MyAbcFile *> files = m_box->markedAbcFiles().values();
    std::sort(files.begin(), files.end(),
              [](const MyAbcFile *a, const MyAbcFile *b) { return a->objectName() < b->objectName(); });
    std::vector<QList<Entry *>> sorted(size_t(files.size()));
    WorkPool::forEach(
        files.size(),
        [&files, &sorted](int f) {
            QList<Entry *> &entries = sorted[size_t(f)];
            entries = files.at(f)->markedEntries();
            std::vector<std::pair<QString, Entry *>> keyed;
            keyed.reserve(size_t(entries.size()));
            for (Entry *entry : qAsConst(entries))
                keyed.emplace_back(entry->getField(Entry::RemarkField), entry);
            std::sort(keyed.begin(), keyed.end(),
                      [](const std::pair<QString, Entry *> &a, const std::pair<QString, Entry *> &b) {
                          return a.first < b.first;
                      });
            for (int e = 0; e < entries.size(); ++e)
                entries[e] = keyed[size_t(e)].second;
        },
        std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
    int count = 0;
    for (const QList<Entry *> &entries : sorted)
        count += entries.size();
    m_uncorrected.reserve(count);
    for (const QList<Entry *> &entries : sorted)
        m_uncorrected << entries;
}

bool DescribeRun::isCorrected(const Entry *entry) const
{
    return m_corrected.contains(const_cast<Entry *>(entry));
}

QString DescribeRun::titleOf(const QString &caption)
{
    return caption.section(QLatin1Char(','), 0, 0);
}

QString DescribeRun::authorOf(const QString &caption)
{
    return caption.section(QLatin1Char(','), 1);
}

// The record splits at "~" and at line ends, the caption at ","; "|" and ":" belong to the criterion
// language. Such characters are replaced, so what the user typed is kept as closely as possible.
QString DescribeRun::cleanPart(const QString &text)
{
    return cleanChars(text).simplified();
}

QString DescribeRun::cleanChars(const QString &text)
{
    QString part;
    part.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (c == QLatin1Char('~') || c == QLatin1Char('|'))
            part += QLatin1Char('-');
        else if (c == QLatin1Char(',') || c == QLatin1Char(':'))
            part += QLatin1Char(';');
        else if (category == QChar::Other_Control || category == QChar::Separator_Line
                 || category == QChar::Separator_Paragraph || category == QChar::Other_Format)
            part += QLatin1Char(' ');
        else
            part += c;
    }
    return part;
}

QString DescribeRun::captionOf(const QString &title, const QString &author)
{
    QString cleanTitle = cleanPart(title);
    QString cleanAuthor = cleanPart(author);
    if (cleanTitle.isEmpty())
        cleanTitle = SIGN_UNKNOWN;
    if (cleanAuthor.isEmpty())
        cleanAuthor = SIGN_UNKNOWN;
    return cleanTitle + QLatin1Char(',') + cleanAuthor;
}

Description DescribeRun::read(const Entry *entry) const
{
    Description description;
    if (!entry)
        return description;
    description.category = entry->getField(Entry::CategoryField).toUInt();

    // Only keys the vocabulary knows: "unknown" and keys since removed vanish.
    QStringList keys;
    const QStringList stored = entry->getField(Entry::KeywordField).split(QLatin1Char(','));
    for (const QString &key : stored) {
        if (m_vocabulary && m_vocabulary->getWords().contains(key) && !keys.contains(key))
            keys << key;
    }
    description.keywords = keys.join(QLatin1Char(','));

    const QStringList parts = entry->getField(Entry::CaptionField).split(QLatin1Char(','));
    QString title = parts.value(0);
    QString author = parts.size() > 1 ? QStringList(parts.mid(1)).join(QLatin1Char(' ')) : QString();
    description.caption = captionOf(title, author);

    // An unreadable date is shown, and on Apply stored, as today.
    description.date = QDate::fromString(entry->getField(Entry::DateField), m_box->dateFormat());
    if (!description.date.isValid())
        description.date = QDate::currentDate();
    description.hardcopy = entry->getField(Entry::HardcopyField).toUInt();
    return description;
}

MyAbcFile *DescribeRun::fileOf(const Entry *entry) const
{
    return m_box->abcFile(Remark(entry->getField(Entry::RemarkField)));
}

bool DescribeRun::apply(Entry *entry, const Description &description)
{
    if (!entry)
        return false;
    const int at = m_uncorrected.indexOf(entry);
    if (at >= 0) {
        m_uncorrected.removeAt(at);
        m_corrected.append(entry);
    }
    entry->setField(Entry::CategoryField, QString::number(description.category));
    // Keys are four letters from the vocabulary; anything else is dropped.
    QStringList keys;
    const QStringList given = description.keywords.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &key : given) {
        if (m_vocabulary && m_vocabulary->getWords().contains(key) && !keys.contains(key))
            keys << key;
    }
    entry->setField(Entry::KeywordField, keys.isEmpty() ? SIGN_UNKNOWN : keys.join(QLatin1Char(',')));
    entry->setField(Entry::CaptionField, captionOf(titleOf(description.caption), authorOf(description.caption)));
    const QDate date = description.date.isValid() ? description.date : QDate::currentDate();
    entry->setField(Entry::DateField, date.toString(m_box->dateFormat()));
    entry->setField(Entry::HardcopyField, QString::number(description.hardcopy));
    if (m_box->useSubFile())
        m_box->makeSubFile(entry->getField(Entry::RemarkField) + QLatin1Char('\n')
                           + entry->getField(Entry::CaptionField) + QLatin1Char('\n')
                           + entry->getField(Entry::DateField));

    m_failedPaths.clear();
    const bool words = storeVocabulary();
    MyAbcFile *file = fileOf(entry);
    const bool stored = file && file->store();
    if (!stored && file)
        m_failedPaths << file->completeName();
    // The entry is on disk, but other applied entries may still wait for theirs.
    if (stored && words)
        return true;
    m_unsaved = true;
    return false;
}

bool DescribeRun::storeVocabulary()
{
    if (!m_vocabularyChanged || !m_vocabulary)
        return true;
    // The whole vocabulary goes through a save file: an append cut short would leave half a line.
    m_vocabulary->setNeedUpdate(true);
    if (m_vocabulary->storeAllWords()) {
        m_vocabularyChanged = false;
        return true;
    }
    m_failedPaths << m_vocabulary->completeName();
    return false;
}

bool DescribeRun::storeAll()
{
    m_failedPaths.clear();
    bool ok = storeVocabulary();
    const QSet<MyAbcFile *> marked = m_box->markedAbcFiles();
    QList<MyAbcFile *> files = marked.values();
    // Files holding corrected entries whose marks went elsewhere meanwhile are stored too.
    for (const Entry *entry : qAsConst(m_corrected)) {
        MyAbcFile *file = fileOf(entry);
        if (file && !marked.contains(file) && !files.contains(file))
            files << file;
    }
    // Each store is synced to the disk: a large selection's files are written side by side on the pool
    // while the window answers. Nothing changes the entries meanwhile (clicks and keys wait).
    std::vector<char> stored(size_t(files.size()), 0);
    WorkPool::forEach(
        files.size(), [&files, &stored](int f) { stored[size_t(f)] = files.at(f)->store(); },
        std::function<void(int)>(), QEventLoop::ExcludeUserInputEvents);
    for (int f = 0; f < files.size(); ++f) {
        if (!stored[size_t(f)]) {
            m_failedPaths << files.at(f)->completeName();
            ok = false;
        }
    }
    if (ok)
        m_unsaved = false;
    return ok;
}

bool DescribeRun::storePending()
{
    if (!m_unsaved && !m_vocabularyChanged)
        return true;
    return storeAll();
}

bool DescribeRun::addWord(const QString &word)
{
    const QString simple = word.simplified();
    if (!m_vocabulary || !MyWrdFile::validWord(simple) || m_vocabulary->wordExist(simple))
        return false;
    if (!m_vocabulary->addNewWord(simple))
        return false;
    m_vocabularyChanged = true;
    return true;
}

bool DescribeRun::addSynonym(const QString &key, const QString &word)
{
    const QString simple = word.simplified();
    if (!m_vocabulary || !MyWrdFile::validWord(simple) || m_vocabulary->wordExist(simple))
        return false;
    if (!m_vocabulary->addSynonym(key, simple))
        return false;
    m_vocabularyChanged = true;
    return true;
}

bool DescribeRun::setSynonyms(const QString &key, const QStringList &words)
{
    if (!m_vocabulary || !m_vocabulary->setSynonym(key, words))
        return false;
    m_vocabularyChanged = true;
    return true;
}

QStringList DescribeRun::wordsOf(const QString &key) const
{
    if (!m_vocabulary)
        return QStringList();
    const QString synonyms = m_vocabulary->getWords().value(key);
    // "~a~b~" splits into "", "a", "b", ""; the outer empty parts are dropped.
    QStringList parts = synonyms.split(SIGN_INV);
    if (parts.size() >= 2) {
        parts.removeFirst();
        parts.removeLast();
    } else {
        parts.clear();
    }
    return parts;
}

QString DescribeRun::keywordDisplay(const QString &keys) const
{
    QStringList words;
    const QStringList list = keys.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &key : list)
        words << wordsOf(key).value(0);
    return words.isEmpty() ? QStringLiteral("-") : words.join(QStringLiteral(", "));
}
