#include "remark.h"

Remark::Remark(const QString &text)
{
    setRemark(text);
}

void Remark::setRemark(const QString &text)
{
    m_remark = text;
    m_ok = test();
}

bool Remark::test() const
{
    return isValid(m_remark);
}

// Equivalent to an exact, case-sensitive match of ABC_REMARK ("[a-z]{6}"), written by hand because
// every line of every catalogue file goes through it when a box is opened.
bool Remark::isValid(QStringView text)
{
    if (text.size() != 6)
        return false;
    for (const QChar ch : text) {
        if (ch.unicode() < u'a' || ch.unicode() > u'z')
            return false;
    }
    return true;
}

QString Remark::part(int from, int length) const
{
    return m_ok ? m_remark.mid(from, length) : QString();
}

QString Remark::re() const
{
    return part(0, 2);
}

QString Remark::ma() const
{
    return part(2, 2);
}

QString Remark::rk() const
{
    return part(4, 2);
}

QString Remark::rema() const
{
    return part(0, 4);
}
