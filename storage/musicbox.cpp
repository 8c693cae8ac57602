#include "musicbox.h"

#include "constants.h"

// The texts that setCategoryLabels() translates in this context, for lupdate.
[[maybe_unused]] static const char *const TRANSLATED_TEXTS[] = {
    QT_TRANSLATE_NOOP("MusicBox", "Home country"), QT_TRANSLATE_NOOP("MusicBox", "native,foreign"),
    QT_TRANSLATE_NOOP("MusicBox", "Perfomance"), QT_TRANSLATE_NOOP("MusicBox", "blank,instrumental,vocal,mixed"),
    QT_TRANSLATE_NOOP("MusicBox", "Number of performer"), QT_TRANSLATE_NOOP("MusicBox", "blank,solo,small,great"),
    QT_TRANSLATE_NOOP("MusicBox", "Genre"),
    QT_TRANSLATE_NOOP("MusicBox", "blank"), QT_TRANSLATE_NOOP("MusicBox", "classic"),
    QT_TRANSLATE_NOOP("MusicBox", "folk"), QT_TRANSLATE_NOOP("MusicBox", "baby"),
    QT_TRANSLATE_NOOP("MusicBox", "blues"), QT_TRANSLATE_NOOP("MusicBox", "jazz"),
    QT_TRANSLATE_NOOP("MusicBox", "rock"), QT_TRANSLATE_NOOP("MusicBox", "electronic"),
    QT_TRANSLATE_NOOP("MusicBox", "retro"), QT_TRANSLATE_NOOP("MusicBox", "dancing"),
    QT_TRANSLATE_NOOP("MusicBox", "empty_A"), QT_TRANSLATE_NOOP("MusicBox", "empty_B"),
    QT_TRANSLATE_NOOP("MusicBox", "empty_C"), QT_TRANSLATE_NOOP("MusicBox", "empty_D"),
    QT_TRANSLATE_NOOP("MusicBox", "empty_E"),
};

MusicBox::MusicBox(const QString &name, MyUnit *parent, Catalogue catalogue)
    : AnyBox(name, parent, catalogue)
{
    setDateFormat(QStringLiteral("yyyy"));
    setUseSubFile(true);
}

bool MusicBox::makeSubFile(const QString &text)
{
    return writeBookSubFile(text);
}

// "pop" of the default list stays as it is.
void MusicBox::setCategoryLabels()
{
    applyCategoryStructure(Structure::Music, MUSIC_CATEGORIES, {QStringLiteral("pop")});
}
