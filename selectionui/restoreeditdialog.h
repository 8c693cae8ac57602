#pragma once

#include "restoredialog.h"

// Restores the selection into the source folder, so that edited files come back into the box
// through the arrangement. The source folder is shared: it holds other boxes' incoming files and the
// user's own, often their only copies, so Clear removes only this box's copies left unchanged.
class RestoreEditDialog : public RestoreDialog
{
    Q_OBJECT

public:
    RestoreEditDialog(AnyBox *box, QFrame *parent);

protected:
    QStringList filesToClear() const override;
    QString clearQuestion(const QStringList &files) const override;

protected slots:
    void retranslateThis() override;
};
