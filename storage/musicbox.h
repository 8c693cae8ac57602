#pragma once

#include "anybox.h"

class MusicBox : public AnyBox
{
    Q_OBJECT

public:
    MusicBox(const QString &name, MyUnit *parent);
};
