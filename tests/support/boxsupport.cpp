#include "boxsupport.h"

#include <QDir>

#include "constants.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

namespace BoxSupport {

Tessary *openBoxSet(MySettings *settings)
{
    const QString extractor = StorageSupport::fake(QStringLiteral("fake_extractor.sh"));
    settings->setValue(KEY_GENERAL + KEY_EXTRACT_META_APP, QLatin1Char('"') + extractor + QStringLiteral("\" %1"));
    settings->sync();
    auto tessary = new Tessary(settings);
    QString status;
    if (!tessary->initStatus(status)) {
        delete tessary;
        return nullptr;
    }
    return tessary;
}

QString entry(const QString &session, const QString &remark, const QString &prime, const QString &hardcopy,
              const QString &keywords, const QString &original, const QString &caption, const QString &date,
              unsigned category)
{
    return QStringList({session, remark, prime, QStringLiteral("0123456789abcdef0123456789abcdef"), hardcopy,
                        QString::number(category), keywords, original, caption, date})
        .join(QLatin1Char('~'));
}

bool writeObject(const QString &boxPath, const QString &remark, const QString &extension, const QByteArray &content)
{
    const Remark r(remark);
    const QString folder = boxPath + QLatin1Char('/') + r.re() + QLatin1Char('/') + r.ma();
    return QDir().mkpath(folder)
           && TestSupport::writeFile(folder + QLatin1Char('/') + r.rk() + QLatin1Char('.') + extension, content);
}

} // namespace BoxSupport
