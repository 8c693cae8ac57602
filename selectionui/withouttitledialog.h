#pragma once

#include "selectdialog.h"

// Keeps the objects whose caption has not been described.
class WithoutTitleDialog : public SelectDialog
{
    Q_OBJECT

public:
    WithoutTitleDialog(AnyBox *box, QFrame *parent);

    bool match(Entry *entry) override;
    void retranslateThis() override;
};
