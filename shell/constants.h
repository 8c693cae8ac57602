#pragma once

#include <QString>

// Names shared by every source file of Tessary: patterns of remarks and keys, folder and file
// names of the base directory, settings groups and keys, built-in defaults.

inline const QString ABC_CHAR = QStringLiteral("[a-z]");
inline const QString ABC_NAME = ABC_CHAR + QStringLiteral("{2}");
inline const QString ABC_REMARK = ABC_CHAR + QStringLiteral("{6}");
inline const QString ABC_WRD = ABC_CHAR + QStringLiteral("{4}");

inline const QString NAME_PHOTO = QStringLiteral("photo");
inline const QString NAME_CLIP = QStringLiteral("clip");
inline const QString NAME_MUSIC = QStringLiteral("music");
inline const QString NAME_BOOK = QStringLiteral("library");

inline const QString NAME_SRC_FOLDER = QStringLiteral("_src");
inline const QString NAME_DST_FOLDER = QStringLiteral("_dst");
inline const QString NAME_SLD_FOLDER = QStringLiteral("_sld");
inline const QString NAME_LOG_FILE = QStringLiteral("log");
inline const QString NAME_SSS_FILE = QStringLiteral("sss");
inline const QString NAME_WRD_FILE = QStringLiteral("wrd");
inline const QString NAME_TMP_FILE = QStringLiteral("tmp");
inline const QString NAME_SEEN_FILE = QStringLiteral("seen");
inline const QString NAME_ABC_FILE = QStringLiteral("abc");

inline const QString NAME_PHOTO_PLAYLIST_EXT = QStringLiteral("sld");
inline const QString NAME_CLIP_PLAYLIST_EXT = QStringLiteral("mpl");
inline const QString NAME_MUSIC_PLAYLIST_EXT = QStringLiteral("apl");
inline const QString NAME_BOOK_PLAYLIST_EXT = QStringLiteral("tpl");
inline const QString SUB_FILE_EXT = QStringLiteral("sub");

inline const QString SIGN_INV = QStringLiteral("~");
// Marks undescribed keywords and caption parts in an entry.
inline const QString SIGN_UNKNOWN = QStringLiteral("unknown");

inline const QString KEY_GENERAL = QStringLiteral("main");
inline const QString KEY_PHOTO = QStringLiteral("photo");
inline const QString KEY_CLIP = QStringLiteral("clip");
inline const QString KEY_MUSIC = QStringLiteral("music");
inline const QString KEY_BOOK = QStringLiteral("library");

inline const QString KEY_BOX_DIR = QStringLiteral("/boxDir");
inline const QString KEY_CPY_DIR = QStringLiteral("/cpyDir");
inline const QString KEY_BURN_CD = QStringLiteral("/burnCD");
inline const QString KEY_FIRST_DIR = QStringLiteral("/firstDir");
inline const QString KEY_EXTRACT_META_APP = QStringLiteral("/extractMetaApp");
inline const QString KEY_LANGUAGE = QStringLiteral("/language");
inline const QString KEY_EXT = QStringLiteral("/ext");
inline const QString KEY_PREVIEW_APP = QStringLiteral("/previewApp");
inline const QString KEY_PRESENT_APP = QStringLiteral("/presentApp");
inline const QString KEY_CATEGORIES = QStringLiteral("/categories");

inline const QString STATUS_TAMPLATE = QStringLiteral("<b>%1</b> (%2 / %3)");

inline const QString BOX_DIR_DEFAULT = QStringLiteral("c:\\tessary");
inline const QString CPY_DIR_DEFAULT = QStringLiteral("d:\\tessary_backup");
inline const QString CMD_BURN_CD_DEFAULT =
    QStringLiteral("\"c:\\Program Files\\CommandBurner\\cmdburn.exe\" burn /l %1 /d %2 /erase /eject");
inline const QString FIRST_DIR_DEFAULT = QStringLiteral("f:, h:");
inline const QString EXTRACT_META_APP =
    QStringLiteral("exiftool.exe -f -d \"%d.%m.%Y|%H:%M\" -p \"$FileName|$DateTimeOriginal\" %1");
inline const QString LANGUAGE = QStringLiteral("en");

inline const QString PHOTO_EXT = QStringLiteral("jpg, jpeg, raf, png");
inline const QString BOOK_EXT = QStringLiteral("doc,txt,djvu,djv,pdf,fb2");
inline const QString CLIP_EXT = QStringLiteral("mp4,avi,flv");
inline const QString MUSIC_EXT = QStringLiteral("mp3,wav");

inline const QString PHOTO_PREVIEW_APP =
    QStringLiteral("\"c:\\Program Files\\IrfanView\\i_view32.exe\" /filelist=%1 /hide=7");
inline const QString PHOTO_PRESENT_APP = QStringLiteral("\"c:\\Program Files\\IrfanView\\i_view32.exe\" /slideshow=%1");
inline const QString BOOK_PREVIEW_APP = QStringLiteral("folianto.exe -list %1");
inline const QString BOOK_PRESENT_APP = QStringLiteral("folianto.exe -list %1");
inline const QString CLIP_PREVIEW_APP = QStringLiteral("\"c:\\Program Files\\MPlayer\\mplayer.exe\" -playlist %1");
inline const QString CLIP_PRESENT_APP = QStringLiteral("\"c:\\Program Files\\MPlayer\\mplayer.exe\" -playlist %1");
inline const QString MUSIC_PREVIEW_APP = QStringLiteral("cantrel.exe -list %1");
inline const QString MUSIC_PRESENT_APP = QStringLiteral("cantrel.exe -list %1");

inline const QString PHOTO_CATEGORIES = QStringLiteral(
    "chronicle|-,informative|-,event|-,situation|-,moment|-,detail|-,pictorial|-,composition|-,series|-,essay|-,"
    "empty_A|-,empty_B|-,empty_C|-,empty_D|-,empty_E|-,empty_F|-");
inline const QString BOOK_CATEGORIES = QStringLiteral(
    "blank|-,belles|-,information|-,popular_science|-,periodical|-,educational|-,technical|-,folklore|-,fantasy|-,"
    "detective|-,adventure|-,creation|-,art|-,empty_A|-,empty_B|-,empty_C|-");
inline const QString CLIP_CATEGORIES = QStringLiteral(
    "blank|-,home|-,music|-,empty_A|-,empty_B|-,empty_C|-,empty_D|-,empty_E|-,empty_F|-,empty_H|-,empty_I|-,"
    "empty_J|-,empty_K|-,empty_L|-,empty_M|-,empty_N|-");
inline const QString MUSIC_CATEGORIES = QStringLiteral(
    "blank|-,classic|-,folk|-,pop|-,baby|-,blues|-,jazz|-,rock|-,electronic|-,retro|-,dancing|-,empty_A|-,"
    "empty_B|-,empty_C|-,empty_D|-,empty_E|-");
