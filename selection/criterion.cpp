#include "criterion.h"

#include <QRegularExpression>

#include "constants.h"

namespace {

const QRegularExpression &signs()
{
    static const QRegularExpression pattern(QStringLiteral("[+\\-]"));
    return pattern;
}

} // namespace

QString Criterion::withoutBlanks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            result.append(c);
    }
    return result;
}

QStringList Criterion::split(const QString &text, bool keepBlanks, bool keepEmpty, bool *negated)
{
    QString prepared = keepBlanks ? text.simplified() : withoutBlanks(text);
    *negated = prepared.startsWith(SIGN_INV);
    if (*negated)
        prepared.remove(0, SIGN_INV.size());
    if (keepBlanks)
        prepared = prepared.trimmed();
    QStringList alternatives = prepared.split(QLatin1Char(','));
    if (keepBlanks) {
        for (QString &alternative : alternatives)
            alternative = alternative.trimmed();
    }
    if (!keepEmpty)
        alternatives.removeAll(QString());
    return alternatives;
}

QVector<Criterion::Term> Criterion::signedTerms(const QString &expression)
{
    QVector<Term> terms;
    const QStringList parts = expression.split(signs());
    for (const QString &part : parts) {
        // An empty part is satisfied by anything, so it adds no condition.
        if (part.isEmpty())
            continue;
        const int at = expression.indexOf(part);
        terms.append({part, at <= 0 || expression.at(at - 1) != QLatin1Char('-')});
    }
    return terms;
}

QStringList Criterion::unsignedParts(const QString &expression)
{
    QStringList parts;
    const QStringList raw = expression.split(signs());
    for (const QString &part : raw) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts;
}
