#include "photobox.h"

PhotoBox::PhotoBox(const QString &name, MyUnit *parent)
    : AnyBox(name, parent)
{
    setDateFormat(QStringLiteral("dd.MM.yyyy"));
    setUseSubFile(false);
}
