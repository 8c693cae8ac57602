#pragma once

#include "anybox.h"

// Music: dated by year, classified by genre, with a title-author-date sub file per piece.
class MusicBox : public AnyBox
{
    Q_OBJECT

public:
    MusicBox(const QString &name, MyUnit *parent, Catalogue catalogue = ReadNow);

public slots:
    bool makeSubFile(const QString &text) override;
    void setCategoryLabels() override;
};
