#pragma once

#include "anybox.h"

// Photos: dated by day, the category starts from the date and time taken, no sub files.
class PhotoBox : public AnyBox
{
    Q_OBJECT

public:
    PhotoBox(const QString &name, MyUnit *parent, Catalogue catalogue = ReadNow);

public slots:
    unsigned startValueCategory(MySourceFile *file) override;
    void setCategoryLabels() override;
};
