#include "mysettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include "constants.h"

MySettings::MySettings(const QString &organization, const QString &application,
                       const QMap<QString, QVariant> &defaults, QObject *parent)
    : QSettings(QSettings::IniFormat, QSettings::UserScope, organization, application, parent)
    , defaults(defaults)
{
    fillDefaults();
}

MySettings::MySettings(const QString &fileName, const QMap<QString, QVariant> &defaults, QObject *parent)
    : QSettings(fileName, QSettings::IniFormat, parent)
    , defaults(defaults)
{
    fillDefaults();
}

QVariant MySettings::defaultValue(const QString &key) const
{
    return defaults.value(key);
}

QString MySettings::text(const QString &key) const
{
    const QVariant stored = value(key);
    if (stored.type() == QVariant::StringList)
        return stored.toStringList().join(QLatin1Char(','));
    return stored.toString();
}

bool MySettings::parsesCompletely(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray content = file.readAll();
    // Binary junk is no hand-edited setting, even where the INI reader would take it in somehow.
    for (const char byte : content) {
        const uchar c = uchar(byte);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f)
            return false;
    }
    // The settings layer keeps the files it has read and does not parse an unchanged one again (nor
    // report its error again), and it reports a format error only once a key has been asked for: so
    // the text is parsed under a name of its own, and a key is asked for.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/tessary-settings-XXXXXX.ini"));
    const bool copied = copy.open() && copy.write(content) == content.size() && copy.flush();
    QSettings probe(copied ? copy.fileName() : fileName, QSettings::IniFormat);
    probe.allKeys();
    return probe.status() != QSettings::FormatError;
}

// A file that cannot be parsed to its end would be written back without what could not be read: it
// is left as it is, byte for byte, for the user to mend.
void MySettings::fillDefaults()
{
    m_parsedCompletely = parsesCompletely(fileName());
    if (!m_parsedCompletely)
        return;
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it) {
        if (!contains(it.key()))
            setValue(it.key(), it.value());
    }
    // A category list must have exactly sixteen items; anything else is replaced whole.
    for (const QString &box : {KEY_PHOTO, KEY_BOOK, KEY_CLIP, KEY_MUSIC}) {
        const QString key = box + KEY_CATEGORIES;
        const QStringList items = text(key).split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (items.size() != 16)
            setValue(key, defaults.value(key));
    }
}

QMap<QString, QVariant> MySettings::builtInDefaults()
{
    QMap<QString, QVariant> map;
    map.insert(KEY_GENERAL + KEY_BOX_DIR, BOX_DIR_DEFAULT);
    map.insert(KEY_GENERAL + KEY_CPY_DIR, CPY_DIR_DEFAULT);
    map.insert(KEY_GENERAL + KEY_BURN_CD, CMD_BURN_CD_DEFAULT);
    map.insert(KEY_GENERAL + KEY_FIRST_DIR, FIRST_DIR_DEFAULT);
    map.insert(KEY_GENERAL + KEY_EXTRACT_META_APP, EXTRACT_META_APP);
    map.insert(KEY_GENERAL + KEY_LANGUAGE, LANGUAGE);
    map.insert(KEY_PHOTO + KEY_EXT, PHOTO_EXT);
    map.insert(KEY_BOOK + KEY_EXT, BOOK_EXT);
    map.insert(KEY_CLIP + KEY_EXT, CLIP_EXT);
    map.insert(KEY_MUSIC + KEY_EXT, MUSIC_EXT);
    map.insert(KEY_PHOTO + KEY_PREVIEW_APP, PHOTO_PREVIEW_APP);
    map.insert(KEY_PHOTO + KEY_PRESENT_APP, PHOTO_PRESENT_APP);
    map.insert(KEY_BOOK + KEY_PREVIEW_APP, BOOK_PREVIEW_APP);
    map.insert(KEY_BOOK + KEY_PRESENT_APP, BOOK_PRESENT_APP);
    map.insert(KEY_CLIP + KEY_PREVIEW_APP, CLIP_PREVIEW_APP);
    map.insert(KEY_CLIP + KEY_PRESENT_APP, CLIP_PRESENT_APP);
    map.insert(KEY_MUSIC + KEY_PREVIEW_APP, MUSIC_PREVIEW_APP);
    map.insert(KEY_MUSIC + KEY_PRESENT_APP, MUSIC_PRESENT_APP);
    map.insert(KEY_PHOTO + KEY_CATEGORIES, PHOTO_CATEGORIES);
    map.insert(KEY_BOOK + KEY_CATEGORIES, BOOK_CATEGORIES);
    map.insert(KEY_CLIP + KEY_CATEGORIES, CLIP_CATEGORIES);
    map.insert(KEY_MUSIC + KEY_CATEGORIES, MUSIC_CATEGORIES);
    return map;
}
