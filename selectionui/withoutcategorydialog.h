#pragma once

#include "category.h"
#include "selectdialog.h"

// Keeps the objects whose category has not been described.
class WithoutCategoryDialog : public SelectDialog
{
    Q_OBJECT

public:
    WithoutCategoryDialog(AnyBox *box, QFrame *parent);

    bool match(Entry *entry) override;
    void retranslateThis() override;

private:
    // Taken once: the pass asks for every entry.
    Category m_category;
};
