#pragma once

#include "restoredialog.h"

// Restores the selection into the source folder, so that edited files come back into the box
// through the arrangement.
class RestoreEditDialog : public RestoreDialog
{
    Q_OBJECT

public:
    RestoreEditDialog(AnyBox *box, QFrame *parent);

protected slots:
    void retranslateThis() override;
};
