#include "remarkentries.h"

#include <QStringList>

#include <algorithm>

namespace {

const int REMARK_LENGTH = 6;
const quint32 LETTERS = 26;

} // namespace

quint32 RemarkEntries::codeOf(const QString &remark, bool *ok)
{
    *ok = false;
    if (remark.size() != REMARK_LENGTH)
        return 0;
    quint32 code = 0;
    for (const QChar c : remark) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return 0;
        code = code * LETTERS + quint32(c.unicode() - u'a');
    }
    *ok = true;
    return code;
}

QString RemarkEntries::remarkOf(quint32 code)
{
    QString remark(REMARK_LENGTH, QLatin1Char('a'));
    for (int i = REMARK_LENGTH - 1; i >= 0; --i, code /= LETTERS)
        remark[i] = QChar(u'a' + code % LETTERS);
    return remark;
}

void RemarkEntries::add(const QString &remark, const Entry &entry)
{
    bool ok = false;
    const quint32 code = codeOf(remark, &ok);
    if (ok)
        m_items.push_back(Item{code, entry});
}

QStringList RemarkEntries::finish()
{
    // Stable, so of equal remarks the first added comes first and stays.
    std::stable_sort(m_items.begin(), m_items.end(), [](const Item &a, const Item &b) { return a.code < b.code; });
    QStringList repeated;
    auto kept = m_items.begin();
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (kept != m_items.begin() && (kept - 1)->code == it->code) {
            repeated << it->remark();
            continue;
        }
        if (kept != it)
            *kept = std::move(*it);
        ++kept;
    }
    m_items.erase(kept, m_items.end());
    m_items.shrink_to_fit();
    return repeated;
}

const Entry *RemarkEntries::find(const QString &remark) const
{
    bool ok = false;
    const quint32 code = codeOf(remark, &ok);
    if (!ok)
        return nullptr;
    const auto it = std::lower_bound(m_items.begin(), m_items.end(), code,
                                     [](const Item &item, quint32 wanted) { return item.code < wanted; });
    return it != m_items.end() && it->code == code ? &it->entry : nullptr;
}
