#include "bookbox.h"

#include "constants.h"

// The texts that setCategoryLabels() translates in this context, for lupdate.
[[maybe_unused]] static const char *const TRANSLATED_TEXTS[] = {
    QT_TRANSLATE_NOOP("BookBox", "Home country"), QT_TRANSLATE_NOOP("BookBox", "native,foreign"),
    QT_TRANSLATE_NOOP("BookBox", "Time range"), QT_TRANSLATE_NOOP("BookBox", "other,antique,classic,modern"),
    QT_TRANSLATE_NOOP("BookBox", "Auditory"), QT_TRANSLATE_NOOP("BookBox", "all,baby,youth,grownup"),
    QT_TRANSLATE_NOOP("BookBox", "Genre"), QT_TRANSLATE_NOOP("BookBox", "Style"),
    QT_TRANSLATE_NOOP("BookBox", "prose,poesy"),
    QT_TRANSLATE_NOOP("BookBox", "blank"), QT_TRANSLATE_NOOP("BookBox", "belles"),
    QT_TRANSLATE_NOOP("BookBox", "information"), QT_TRANSLATE_NOOP("BookBox", "popular_science"),
    QT_TRANSLATE_NOOP("BookBox", "periodical"), QT_TRANSLATE_NOOP("BookBox", "educational"),
    QT_TRANSLATE_NOOP("BookBox", "technical"), QT_TRANSLATE_NOOP("BookBox", "folklore"),
    QT_TRANSLATE_NOOP("BookBox", "fantasy"), QT_TRANSLATE_NOOP("BookBox", "detective"),
    QT_TRANSLATE_NOOP("BookBox", "adventure"), QT_TRANSLATE_NOOP("BookBox", "creation"),
    QT_TRANSLATE_NOOP("BookBox", "empty_A"), QT_TRANSLATE_NOOP("BookBox", "empty_B"),
    QT_TRANSLATE_NOOP("BookBox", "empty_C"),
};

BookBox::BookBox(const QString &name, MyUnit *parent, Catalogue catalogue)
    : AnyBox(name, parent, catalogue)
{
    setDateFormat(QStringLiteral("yyyy"));
    setUseSubFile(true);
}

bool BookBox::makeSubFile(const QString &text)
{
    return writeBookSubFile(text);
}

// "art" of the default list stays as it is.
void BookBox::setCategoryLabels()
{
    applyCategoryStructure(Structure::Book, BOOK_CATEGORIES, {QStringLiteral("art")});
}
