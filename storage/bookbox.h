#pragma once

#include "anybox.h"

// Books: dated by year, classified by genre, with a title-author-date sub file per book.
class BookBox : public AnyBox
{
    Q_OBJECT

public:
    BookBox(const QString &name, MyUnit *parent, Catalogue catalogue = ReadNow);

public slots:
    bool makeSubFile(const QString &text) override;
    void setCategoryLabels() override;
};
