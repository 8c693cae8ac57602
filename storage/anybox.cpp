#include "anybox.h"

AnyBox::AnyBox(const QString &name, MyUnit *parent)
    : MyFolder(name, parent)
    , m_dateFormat(QStringLiteral("dd.MM.yyyy"))
{
}

void AnyBox::setExt(const QString &text)
{
    m_ext.clear();
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &part : parts) {
        const QString item = part.trimmed();
        if (!item.isEmpty())
            m_ext.insert(item.toLower());
    }
}
