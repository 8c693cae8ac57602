#pragma once

#include <QString>

// The permanent identifier of a stored object: six lower-case letters. Letters 1-2 name the
// first-level folder of the box, 3-4 the second-level folder, 5-6 the object inside it.
// The text is kept exactly as given, also when it is not a valid remark.
class Remark
{
public:
    Remark() = default;
    Remark(const QString &text);

    void setRemark(const QString &text);
    QString remark() const { return m_remark; }
    bool Ok() const { return m_ok; }
    bool test() const;

    QString re() const;
    QString ma() const;
    QString rk() const;
    QString rema() const;

    // Same result as test() for any text, without building a remark; used on every catalogue line.
    static bool isValid(QStringView text);

private:
    QString part(int from, int length) const;

    QString m_remark;
    bool m_ok = false;
};
