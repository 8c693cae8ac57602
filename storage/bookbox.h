#pragma once

#include "anybox.h"

class BookBox : public AnyBox
{
    Q_OBJECT

public:
    BookBox(const QString &name, MyUnit *parent);
};
