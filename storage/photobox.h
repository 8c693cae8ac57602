#pragma once

#include "anybox.h"

class PhotoBox : public AnyBox
{
    Q_OBJECT

public:
    PhotoBox(const QString &name, MyUnit *parent);
};
