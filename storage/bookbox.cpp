#include "bookbox.h"

BookBox::BookBox(const QString &name, MyUnit *parent)
    : AnyBox(name, parent)
{
    setDateFormat(QStringLiteral("yyyy"));
    setUseSubFile(true);
}
