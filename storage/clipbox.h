#pragma once

#include "anybox.h"

class ClipBox : public AnyBox
{
    Q_OBJECT

public:
    ClipBox(const QString &name, MyUnit *parent);
};
