#pragma once

#include "restoreprintdialog.h"

// Restores the selection into the destination folder for any other use: the original file names
// may be kept, labels are written only on request and no hardcopy is counted.
class RestoreOtherDialog : public RestorePrintDialog
{
    Q_OBJECT

public:
    RestoreOtherDialog(AnyBox *box, QFrame *parent);

public slots:
    void pressStartButton() override;
    void setUseOriginalFilename(int state);

protected slots:
    void retranslateThis() override;
};
