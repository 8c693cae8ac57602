#include "photobox.h"

#include "constants.h"

// The texts that setCategoryLabels() translates in this context, for lupdate.
[[maybe_unused]] static const char *const TRANSLATED_TEXTS[] = {
    QT_TRANSLATE_NOOP("PhotoBox", "Which"),
    QT_TRANSLATE_NOOP("PhotoBox", "water,sky,land,flora,fauna,humans,build,wheel,item"),
    QT_TRANSLATE_NOOP("PhotoBox", "Where"), QT_TRANSLATE_NOOP("PhotoBox", "inside,outside"),
    QT_TRANSLATE_NOOP("PhotoBox", "Daytime"), QT_TRANSLATE_NOOP("PhotoBox", "night,morning,day,evening"),
    QT_TRANSLATE_NOOP("PhotoBox", "Season"), QT_TRANSLATE_NOOP("PhotoBox", "winter,spring,summer,autumn"),
    QT_TRANSLATE_NOOP("PhotoBox", "Picture"), QT_TRANSLATE_NOOP("PhotoBox", "Method"),
    QT_TRANSLATE_NOOP("PhotoBox", "pose,reporting"),
    QT_TRANSLATE_NOOP("PhotoBox", "chronicle"), QT_TRANSLATE_NOOP("PhotoBox", "informative"),
    QT_TRANSLATE_NOOP("PhotoBox", "event"), QT_TRANSLATE_NOOP("PhotoBox", "situation"),
    QT_TRANSLATE_NOOP("PhotoBox", "moment"), QT_TRANSLATE_NOOP("PhotoBox", "detail"),
    QT_TRANSLATE_NOOP("PhotoBox", "pictorial"), QT_TRANSLATE_NOOP("PhotoBox", "composition"),
    QT_TRANSLATE_NOOP("PhotoBox", "series"), QT_TRANSLATE_NOOP("PhotoBox", "essay"),
    QT_TRANSLATE_NOOP("PhotoBox", "empty_A"), QT_TRANSLATE_NOOP("PhotoBox", "empty_B"),
    QT_TRANSLATE_NOOP("PhotoBox", "empty_C"), QT_TRANSLATE_NOOP("PhotoBox", "empty_D"),
    QT_TRANSLATE_NOOP("PhotoBox", "empty_E"), QT_TRANSLATE_NOOP("PhotoBox", "empty_F"),
};

PhotoBox::PhotoBox(const QString &name, MyUnit *parent, Catalogue catalogue)
    : AnyBox(name, parent, catalogue)
{
    setDateFormat(QStringLiteral("dd.MM.yyyy"));
    setUseSubFile(false);
}

unsigned PhotoBox::startValueCategory(MySourceFile *file)
{
    return dateTakenCategory(file);
}

void PhotoBox::setCategoryLabels()
{
    applyCategoryStructure(Structure::Picture, PHOTO_CATEGORIES, {});
}
