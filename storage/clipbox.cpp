#include "clipbox.h"

#include "constants.h"

// The texts that setCategoryLabels() translates in this context, for lupdate.
[[maybe_unused]] static const char *const TRANSLATED_TEXTS[] = {
    QT_TRANSLATE_NOOP("ClipBox", "Which"),
    QT_TRANSLATE_NOOP("ClipBox", "water,sky,land,flora,fauna,humans,build,wheel,item"),
    QT_TRANSLATE_NOOP("ClipBox", "Where"), QT_TRANSLATE_NOOP("ClipBox", "inside,outside"),
    QT_TRANSLATE_NOOP("ClipBox", "Daytime"), QT_TRANSLATE_NOOP("ClipBox", "night,morning,day,evening"),
    QT_TRANSLATE_NOOP("ClipBox", "Season"), QT_TRANSLATE_NOOP("ClipBox", "winter,spring,summer,autumn"),
    QT_TRANSLATE_NOOP("ClipBox", "Picture"), QT_TRANSLATE_NOOP("ClipBox", "Method"),
    QT_TRANSLATE_NOOP("ClipBox", "pose,reporting"),
    QT_TRANSLATE_NOOP("ClipBox", "blank"), QT_TRANSLATE_NOOP("ClipBox", "home"), QT_TRANSLATE_NOOP("ClipBox", "music"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_A"), QT_TRANSLATE_NOOP("ClipBox", "empty_B"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_C"), QT_TRANSLATE_NOOP("ClipBox", "empty_D"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_E"), QT_TRANSLATE_NOOP("ClipBox", "empty_F"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_H"), QT_TRANSLATE_NOOP("ClipBox", "empty_I"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_J"), QT_TRANSLATE_NOOP("ClipBox", "empty_K"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_L"), QT_TRANSLATE_NOOP("ClipBox", "empty_M"),
    QT_TRANSLATE_NOOP("ClipBox", "empty_N"),
};

ClipBox::ClipBox(const QString &name, MyUnit *parent, Catalogue catalogue)
    : AnyBox(name, parent, catalogue)
{
    setDateFormat(QStringLiteral("dd.MM.yyyy"));
    setUseSubFile(true);
}

unsigned ClipBox::startValueCategory(MySourceFile *file)
{
    return dateTakenCategory(file);
}

bool ClipBox::makeSubFile(const QString &text)
{
    return writeClipSubFile(text);
}

void ClipBox::setCategoryLabels()
{
    applyCategoryStructure(Structure::Picture, CLIP_CATEGORIES, {});
}
