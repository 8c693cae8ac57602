#pragma once

#include "anybox.h"

// Video clips: dated by day, the category starts from the date and time taken, and each described
// clip gets a subtitle sub file.
class ClipBox : public AnyBox
{
    Q_OBJECT

public:
    ClipBox(const QString &name, MyUnit *parent, Catalogue catalogue = ReadNow);

public slots:
    unsigned startValueCategory(MySourceFile *file) override;
    bool makeSubFile(const QString &text) override;
    void setCategoryLabels() override;
};
