#pragma once

#include "selectdialog.h"

// Keeps the objects whose keyword has not been described.
class WithoutKeywordDialog : public SelectDialog
{
    Q_OBJECT

public:
    WithoutKeywordDialog(AnyBox *box, QFrame *parent);

    bool match(Entry *entry) override;
    void retranslateThis() override;
};
