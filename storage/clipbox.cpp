#include "clipbox.h"

ClipBox::ClipBox(const QString &name, MyUnit *parent)
    : AnyBox(name, parent)
{
    setDateFormat(QStringLiteral("dd.MM.yyyy"));
    setUseSubFile(true);
}
