#include "musicbox.h"

MusicBox::MusicBox(const QString &name, MyUnit *parent)
    : AnyBox(name, parent)
{
    setDateFormat(QStringLiteral("yyyy"));
    setUseSubFile(true);
}
