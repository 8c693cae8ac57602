#include "selectionuisupport.h"

#include <QDir>
#include <QTemporaryDir>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

namespace SelectionUiSupport {

BoxSet openPhotoBox(const QTemporaryDir &dir, const QMap<QString, QStringList> &catalogue,
                    const QByteArray &vocabulary, const QByteArray &sessions)
{
    BoxSet set;
    set.settings = TestSupport::makeSettings(dir);
    const QString base = TestSupport::baseDir(dir);
    const QString boxPath = base + QLatin1Char('/') + NAME_PHOTO;
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        if (!ArrangementSupport::writeEntries(boxPath, it.key(), it.value()))
            return set;
    }
    if (!TestSupport::writeFile(base + QLatin1Char('/') + NAME_WRD_FILE, vocabulary)
        || !TestSupport::writeFile(base + QLatin1Char('/') + NAME_SSS_FILE, sessions))
        return set;
    set.settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP,
                           QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_viewer.sh")) + "\" %1");
    set.settings->sync();
    set.tessary = new Tessary(set.settings);
    QString status;
    if (!set.tessary->initStatus(status))
        return set;
    set.photo = dynamic_cast<AnyBox *>(set.tessary->baseFolder()->unit(NAME_PHOTO));
    return set;
}

QSet<QString> markedRemarks(const AnyBox *box, int i)
{
    QSet<QString> remarks;
    for (const Entry *entry : (i < 0 ? box->markedEntries() : box->markedEntries(i)))
        remarks.insert(entry->getField(1));
    return remarks;
}

QString objectPath(const AnyBox *box, const QString &remark)
{
    const Remark r(remark);
    return box->completeName() + QDir::separator() + r.re() + QDir::separator() + r.ma() + QDir::separator() + r.rk()
           + QStringLiteral(".JPG");
}

QStringList fileLines(const QString &path)
{
    return ArrangementSupport::lines(path);
}

} // namespace SelectionUiSupport
