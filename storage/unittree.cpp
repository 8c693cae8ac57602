#include "unittree.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>

#include <memory>

#include "basefolder.h"
#include "bookbox.h"
#include "catalogueahead.h"
#include "clipbox.h"
#include "constants.h"
#include "musicbox.h"
#include "mylogfile.h"
#include "mysettings.h"
#include "mysrcfolder.h"
#include "mysssfile.h"
#include "mytmpfile.h"
#include "mywrdfile.h"
#include "photobox.h"

// The boxes in the order the tree makes them.
static QStringList boxPathsUnder(const QString &basePath)
{
    QStringList paths;
    for (const QString &name : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC})
        paths << basePath + QLatin1Char('/') + name;
    return paths;
}

QStringList UnitTree::boxPaths(const MySettings *settings)
{
    return boxPathsUnder(QDir::cleanPath(settings->text(KEY_GENERAL + KEY_BOX_DIR).trimmed()));
}

UnitTree::UnitTree(MySettings *settings, QObject *parent, CatalogueAhead *ahead)
    : QObject(parent)
    , m_settings(settings)
{
    const QString boxDir = settings->text(KEY_GENERAL + KEY_BOX_DIR);
    const QString dirName = QDir(boxDir).dirName();
    const QString parentPath = boxDir.left(boxDir.lastIndexOf(dirName));
    m_baseFolder = new BaseFolder(parentPath, dirName);
    m_baseFolder->setFirstDir(settings->text(KEY_GENERAL + KEY_FIRST_DIR));
    m_baseFolder->setBackupDir(settings->text(KEY_GENERAL + KEY_CPY_DIR));
    m_baseFolder->setBurnCDApp(settings->text(KEY_GENERAL + KEY_BURN_CD));

    // The boxes' catalogues are read on a thread of their own while the rest of the tree is built.
    std::unique_ptr<CatalogueAhead> ownReading;
    if (!ahead) {
        ownReading.reset(new CatalogueAhead(boxPathsUnder(m_baseFolder->completeName())));
        ahead = ownReading.get();
    }

    m_photoBox = new PhotoBox(NAME_PHOTO, m_baseFolder, AnyBox::ReadLater);
    m_photoBox->setExtPlayList(NAME_PHOTO_PLAYLIST_EXT);
    readBoxSettings(m_photoBox, KEY_PHOTO);
    m_photoBox->setBoxPixmapFile(QStringLiteral(":img/photo_32x32.png"));

    m_bookBox = new BookBox(NAME_BOOK, m_baseFolder, AnyBox::ReadLater);
    m_bookBox->setExtPlayList(NAME_BOOK_PLAYLIST_EXT);
    readBoxSettings(m_bookBox, KEY_BOOK);
    m_bookBox->setBoxPixmapFile(QStringLiteral(":img/book_32x32.png"));

    m_clipBox = new ClipBox(NAME_CLIP, m_baseFolder, AnyBox::ReadLater);
    m_clipBox->setExtPlayList(NAME_CLIP_PLAYLIST_EXT);
    readBoxSettings(m_clipBox, KEY_CLIP);
    m_clipBox->setBoxPixmapFile(QStringLiteral(":img/video_32x32.png"));

    m_musicBox = new MusicBox(NAME_MUSIC, m_baseFolder, AnyBox::ReadLater);
    m_musicBox->setExtPlayList(NAME_MUSIC_PLAYLIST_EXT);
    readBoxSettings(m_musicBox, KEY_MUSIC);
    m_musicBox->setBoxPixmapFile(QStringLiteral(":img/music_32x32.png"));

    setWelcomeLabels();
    // A language switch reaches the application before any window: the texts are new when frames look.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);

    m_srcFolder = new MySrcFolder(settings->text(KEY_GENERAL + KEY_EXTRACT_META_APP), NAME_SRC_FOLDER, m_baseFolder);
    new MyFolder(NAME_DST_FOLDER, m_baseFolder);
    new MyFolder(NAME_SLD_FOLDER, m_baseFolder);
    new MySssFile(NAME_SSS_FILE, m_baseFolder);
    new MyWrdFile(NAME_WRD_FILE, m_baseFolder);
    new MyLogFile(NAME_LOG_FILE, m_baseFolder);
    new MyTmpFile(NAME_TMP_FILE, m_baseFolder);
    for (AnyBox *box : {m_photoBox, m_bookBox, m_clipBox, m_musicBox})
        box->takeCatalogue(ahead);
}

UnitTree::~UnitTree()
{
    delete m_baseFolder;
}

// The extensions, both command lines and the category labels of one box.
void UnitTree::readBoxSettings(AnyBox *box, const QString &group)
{
    box->setExt(m_settings->text(group + KEY_EXT));
    box->setExecPreview(m_settings->text(group + KEY_PREVIEW_APP));
    box->setExecPresent(m_settings->text(group + KEY_PRESENT_APP));
    box->setMyCategories(m_settings->text(group + KEY_CATEGORIES));
    box->setCategoryLabels();
}

// Every unit in creation order, each followed at once by its own descendants.
static void collectUnits(MyUnit *unit, QList<MyUnit *> &units)
{
    units << unit;
    for (QObject *child : unit->children()) {
        if (auto childUnit = dynamic_cast<MyUnit *>(child))
            collectUnits(childUnit, units);
    }
}

// The messages keep the translation context of the box set, whose texts they have always been.
bool UnitTree::initStatus(QString &status)
{
    QList<MyUnit *> units;
    collectUnits(m_baseFolder, units);
    for (MyUnit *unit : qAsConst(units)) {
        if (unit->objectName().isEmpty() || unit->initOk())
            continue;
        status = unit->type() == QLatin1String("Directory")
                     ? QCoreApplication::translate("Tessary", "Directory '%1'\n cannot be created...")
                     : QCoreApplication::translate("Tessary", "File '%1'\n cannot be created...");
        status = status.arg(unit->completeName());
        return false;
    }
    status = QCoreApplication::translate("Tessary", "Tessary is ready...");
    return true;
}

void UnitTree::updateSettings()
{
    m_baseFolder->setFirstDir(m_settings->text(KEY_GENERAL + KEY_FIRST_DIR));
    m_baseFolder->setBackupDir(m_settings->text(KEY_GENERAL + KEY_CPY_DIR));
    m_baseFolder->setBurnCDApp(m_settings->text(KEY_GENERAL + KEY_BURN_CD));
    m_srcFolder->setExtractApp(m_settings->text(KEY_GENERAL + KEY_EXTRACT_META_APP));
    readBoxSettings(m_photoBox, KEY_PHOTO);
    readBoxSettings(m_bookBox, KEY_BOOK);
    readBoxSettings(m_clipBox, KEY_CLIP);
    readBoxSettings(m_musicBox, KEY_MUSIC);
}

bool UnitTree::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void UnitTree::retranslate()
{
    for (AnyBox *box : {m_photoBox, m_bookBox, m_clipBox, m_musicBox})
        box->setCategoryLabels();
    setWelcomeLabels();
}

void UnitTree::setWelcomeLabels()
{
    m_photoBox->setWelcomeLabel(
        QCoreApplication::translate("Tessary", "The operation mode is switched to work with photos"));
    m_bookBox->setWelcomeLabel(
        QCoreApplication::translate("Tessary", "The operation mode is switched to work with books"));
    m_clipBox->setWelcomeLabel(
        QCoreApplication::translate("Tessary", "The operation mode is switched to work with clips"));
    m_musicBox->setWelcomeLabel(
        QCoreApplication::translate("Tessary", "The operation mode is switched to work with musics"));
}
