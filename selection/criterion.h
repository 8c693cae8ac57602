#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The common rules of the criterion language, shared by the matcher and the template checker:
// an optional leading "~" negates a whole criterion, "," separates its alternatives, and inside an
// expression "+" and "-" give each part its sign.
class Criterion
{
public:
    // One part of a signed expression; plus is false for a part with the sign "-".
    struct Term
    {
        QString text;
        bool plus = true;
    };

    // Prepares one criterion text and splits it into alternatives. Blanks are removed, or, with
    // keepBlanks, the text is only simplified. A leading "~" sets *negated and is removed. Empty
    // alternatives are dropped unless keepEmpty (positions matter in the category criterion).
    static QStringList split(const QString &text, bool keepBlanks, bool keepEmpty, bool *negated);

    // Splits an expression at every "+" and "-". A part takes as its sign the character just before
    // its first occurrence in the expression, "+" at the very start; empty parts are left out.
    static QVector<Term> signedTerms(const QString &expression);

    // Every part between "+" and "-" signs, trimmed, empty parts left out.
    static QStringList unsignedParts(const QString &expression);

    static QString withoutBlanks(const QString &text);
};
