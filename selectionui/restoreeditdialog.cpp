#include "restoreeditdialog.h"

#include "anybox.h"
#include "constants.h"

RestoreEditDialog::RestoreEditDialog(AnyBox *box, QFrame *parent)
    : RestoreDialog(box, parent)
{
    setObjectName(QStringLiteral("RestoreEditDialog"));
    setDestination(m_box->unit(NAME_SRC_FOLDER));
}

void RestoreEditDialog::retranslateThis()
{
    title->setText(tr("For editing"));
}
