#include "withouttitledialog.h"

#include "anybox.h"
#include "selector.h"

WithoutTitleDialog::WithoutTitleDialog(AnyBox *box, QFrame *parent)
    : SelectDialog(box, parent)
{
    setObjectName(QStringLiteral("WithoutTitleDialog"));
    title->setText(tr("Without caption"));
    if (m_emptyBox)
        return;
    label_A->hide();
    mode->show();
    startButton->setFocus();
}

bool WithoutTitleDialog::match(Entry *entry)
{
    return Selector::withoutTitle(entry);
}

void WithoutTitleDialog::retranslateThis()
{
    title->setText(tr("Without caption"));
}
