#include <QDir>
#include <QFileInfo>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "anybox.h"
#include "basefolder.h"
#include "bigbox.h"
#include "catalogueahead.h"
#include "constants.h"
#include "myabcfile.h"
#include "myabcfolder.h"
#include "myfile.h"
#include "mysettings.h"
#include "photobox.h"
#include "unittree.h"
#include "testsupport.h"

class TestUnitTree : public QObject
{
    Q_OBJECT

private slots:
    void emptyBaseFolderGetsWholeLayout();
    void regularFileWhereFolderExpected();
    void directoryWhereFileExpected();
    void trailingSeparatorGivesSameTree();
    void existingFilesAreNeverTruncated();
    void unitLookup();
    void boxSettingsAreRead();
    void textFilesReadAndAppended();
    void catalogueReadAheadHoldsWhatTheBoxReads();
};

void TestUnitTree::emptyBaseFolderGetsWholeLayout()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    UnitTree boxes(settings.data());
    QString status;
    QVERIFY(boxes.initStatus(status));
    QCOMPARE(status, QStringLiteral("Tessary is ready..."));

    const QString base = TestSupport::baseDir(dir) + QLatin1Char('/');
    for (const QString &folder : {NAME_PHOTO, NAME_BOOK, NAME_CLIP, NAME_MUSIC, NAME_SRC_FOLDER, NAME_DST_FOLDER,
                                  NAME_SLD_FOLDER})
        QVERIFY2(QFileInfo(base + folder).isDir(), qPrintable(folder));
    for (const QString &file : {NAME_SSS_FILE, NAME_WRD_FILE, NAME_LOG_FILE, NAME_TMP_FILE}) {
        QVERIFY2(QFileInfo(base + file).isFile(), qPrintable(file));
        QCOMPARE(QFileInfo(base + file).size(), 0);
    }
    QCOMPARE(boxes.baseFolder()->completeName(), TestSupport::baseDir(dir));
    QCOMPARE(boxes.baseFolder()->type(), QStringLiteral("Directory"));
    QCOMPARE(boxes.baseFolder()->unit(NAME_LOG_FILE)->type(), QStringLiteral("File"));
}

void TestUnitTree::regularFileWhereFolderExpected()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    const QString dst = TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_DST_FOLDER;
    QVERIFY(TestSupport::writeFile(dst, "not a folder"));

    UnitTree boxes(settings.data());
    QString status;
    QVERIFY(!boxes.initStatus(status));
    QCOMPARE(status, QStringLiteral("Directory '%1'\n cannot be created...").arg(dst));
    // Everything made before the failing unit passed; the file itself is left alone.
    QVERIFY(boxes.baseFolder()->unit(NAME_SRC_FOLDER)->initOk());
    QVERIFY(boxes.baseFolder()->unit(NAME_MUSIC)->initOk());
    QCOMPARE(TestSupport::readFile(dst), QByteArray("not a folder"));
}

void TestUnitTree::directoryWhereFileExpected()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    const QString log = TestSupport::baseDir(dir) + QLatin1Char('/') + NAME_LOG_FILE;
    QVERIFY(QDir().mkpath(log));

    UnitTree boxes(settings.data());
    QString status;
    QVERIFY(!boxes.initStatus(status));
    QCOMPARE(status, QStringLiteral("File '%1'\n cannot be created...").arg(log));
    QVERIFY(QFileInfo(log).isDir());
}

void TestUnitTree::trailingSeparatorGivesSameTree()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    settings->setValue(KEY_GENERAL + KEY_BOX_DIR, TestSupport::baseDir(dir) + QLatin1Char('/'));
    UnitTree boxes(settings.data());
    QString status;
    QVERIFY(boxes.initStatus(status));
    QCOMPARE(boxes.baseFolder()->name(), QStringLiteral("base"));
    QCOMPARE(boxes.baseFolder()->path(), dir.path() + QLatin1Char('/'));
    QCOMPARE(boxes.baseFolder()->unit(NAME_PHOTO)->completeName(), TestSupport::baseDir(dir) + "/photo");
}

void TestUnitTree::existingFilesAreNeverTruncated()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    const QString base = TestSupport::baseDir(dir) + QLatin1Char('/');
    QVERIFY(TestSupport::writeFile(base + NAME_LOG_FILE, "--- old line ---\n"));
    QVERIFY(TestSupport::writeFile(base + NAME_TMP_FILE, "kept\r\n"));
    {
        UnitTree boxes(settings.data());
        QString status;
        QVERIFY(boxes.initStatus(status));
    }
    QCOMPARE(TestSupport::readFile(base + NAME_LOG_FILE), QByteArray("--- old line ---\n"));
    QCOMPARE(TestSupport::readFile(base + NAME_TMP_FILE), QByteArray("kept\r\n"));
}

void TestUnitTree::unitLookup()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    UnitTree boxes(settings.data());
    MyUnit *root = boxes.baseFolder();
    QVERIFY(dynamic_cast<AnyBox *>(root->unit(NAME_MUSIC)));
    QCOMPARE(root->unit(NAME_MUSIC)->name(), NAME_MUSIC);
    QCOMPARE(root->unit(QStringLiteral("base")), root);
    QVERIFY(!root->unit(QStringLiteral("nothing-has-this-name")));
    // Any unit of the tree finds the others through the root.
    QCOMPARE(root->unit(NAME_SSS_FILE)->unit(NAME_SRC_FOLDER), root->unit(NAME_SRC_FOLDER));
    QCOMPARE(root->unit(NAME_SSS_FILE)->baseUnit(), root);
}

void TestUnitTree::boxSettingsAreRead()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    settings->setValue(KEY_MUSIC + KEY_EXT, QStringLiteral("MP3,,wav, Mp3"));
    UnitTree boxes(settings.data());
    auto photo = dynamic_cast<AnyBox *>(boxes.baseFolder()->unit(NAME_PHOTO));
    auto music = dynamic_cast<AnyBox *>(boxes.baseFolder()->unit(NAME_MUSIC));
    QVERIFY(photo && music);
    QCOMPARE(photo->ext(), QSet<QString>({"jpg", "jpeg", "raf", "png"}));
    QCOMPARE(music->ext(), QSet<QString>({"mp3", "wav"}));
    QCOMPARE(photo->extPlayList(), NAME_PHOTO_PLAYLIST_EXT);
    QCOMPARE(music->execPreview(), MUSIC_PREVIEW_APP);
    QCOMPARE(photo->dateFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(music->dateFormat(), QStringLiteral("yyyy"));
    QCOMPARE(photo->welcomeLabel(), QStringLiteral("The operation mode is switched to work with photos"));

    settings->setValue(KEY_PHOTO + KEY_EXT, QStringLiteral("tif"));
    boxes.updateSettings();
    QCOMPARE(photo->ext(), QSet<QString>({"tif"}));
}

// The shared text files are read with either line end and appended without ever joining a last
// line that lost its line end.
void TestUnitTree::textFilesReadAndAppended()
{
    QTemporaryDir dir;
    BaseFolder base(dir.path(), QStringLiteral("base"));
    QVERIFY(base.initOk());
    QVERIFY(TestSupport::writeFile(base.completeName() + "/notes", "first\r\nsecond \xc3\xa9t\xc3\xa9\r\nlast"));
    MyFile notes(QStringLiteral("notes"), &base);
    QStringList lines;
    QVERIFY(notes.readLines(lines));
    QCOMPARE(lines, QStringList({"first", QStringLiteral("second \u00e9t\u00e9"), "last"}));

    QVERIFY(notes.appendText(QStringLiteral("added\n")));
    QVERIFY(notes.appendText(QStringLiteral("again\n")));
    QCOMPARE(TestSupport::readFile(notes.completeName()),
             QByteArray("first\r\nsecond \xc3\xa9t\xc3\xa9\r\nlast\nadded\nagain\n"));

    // A unit that could not be made neither reads nor writes.
    QVERIFY(QDir().mkpath(base.completeName() + "/folder"));
    MyFile folder(QStringLiteral("folder"), &base);
    QVERIFY(!folder.initOk());
    QVERIFY(!folder.readLines(lines));
    QVERIFY(lines.isEmpty());
    QVERIFY(!folder.appendText(QStringLiteral("lost\n")));
}


// Every catalogue file of a box with its entries' lines, by the file's four letters.
static QMap<QString, QStringList> catalogueOf(const AnyBox *box)
{
    QMap<QString, QStringList> files;
    for (const MyAbcFile *file : box->abcFiles()) {
        QStringList &lines = files[file->rema()];
        for (const Entry &entry : file->getAll())
            lines << entry.getAllFields();
    }
    return files;
}

// Start-up reads the catalogues on another thread while it builds the tree; the boxes must hold what
// they would have read themselves, odd folders included, and a reading that missed a box changes nothing.
void TestUnitTree::catalogueReadAheadHoldsWhatTheBoxReads()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    const QString base = TestSupport::baseDir(dir);
    QVERIFY(BigBox::write(base, 5000));
    const QString photo = base + QLatin1Char('/') + NAME_PHOTO;
    // A first-level folder with nothing in it, a second-level one without its abc file, a folder of
    // another name.
    QVERIFY(QDir().mkpath(photo + "/zz"));
    QVERIFY(QDir().mkpath(photo + "/aa/zy"));
    QVERIFY(QDir().mkpath(photo + "/notes"));

    BaseFolder alone(dir.path(), QStringLiteral("base"));
    const PhotoBox readByItself(NAME_PHOTO, &alone);
    const QMap<QString, QStringList> expected = catalogueOf(&readByItself);
    QVERIFY(expected.size() > 8);
    QCOMPARE(expected.value("aazy"), QStringList());
    // A folder without its catalogue file gets one, with the reading ahead as without it.
    const QString madeAbc = photo + "/aa/zy/" + NAME_ABC_FILE;
    QVERIFY(QFileInfo(madeAbc).isFile());
    QVERIFY(QFile::remove(madeAbc));
    QCOMPARE(readByItself.getCount(), 5000u);

    {
        UnitTree tree(settings.data());
        const auto box = qobject_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO));
        QCOMPARE(box->getCount(), 5000u);
        QCOMPARE(catalogueOf(box), expected);
        QVERIFY(box->findChild<MyAbcFolder *>("zz"));
        QVERIFY(QFileInfo(madeAbc).isFile());
        QString status;
        QVERIFY(tree.initStatus(status));
    }
    {
        // Taken at once, while the reading thread has only begun: the taker reads beside it and waits for it.
        CatalogueAhead ahead({photo});
        int entries = 0;
        int files = 0;
        for (const CatalogueAhead::Folder &folder : ahead.take(photo)) {
            for (const auto &file : folder.files) {
                ++files;
                entries += int(file.second.store.size());
            }
        }
        QCOMPARE(files, expected.size());
        QCOMPARE(entries, 5000);
    }
    {
        // Read under another spelling of the base folder, and for a folder that is no box.
        CatalogueAhead ahead({base + "//" + NAME_PHOTO, base + "/elsewhere"});
        UnitTree tree(settings.data(), nullptr, &ahead);
        QCOMPARE(catalogueOf(qobject_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO))), expected);
    }
    {
        CatalogueAhead ahead({base + "/somewhere"});
        UnitTree tree(settings.data(), nullptr, &ahead);
        QCOMPARE(catalogueOf(qobject_cast<AnyBox *>(tree.baseFolder()->unit(NAME_PHOTO))), expected);
    }
}

QTEST_MAIN(TestUnitTree)
#include "tst_unittree.moc"
