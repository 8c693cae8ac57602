#include "withoutkeyworddialog.h"

#include "anybox.h"
#include "selector.h"

WithoutKeywordDialog::WithoutKeywordDialog(AnyBox *box, QFrame *parent)
    : SelectDialog(box, parent)
{
    setObjectName(QStringLiteral("WithoutKeywordDialog"));
    title->setText(tr("Without keywords"));
    if (m_emptyBox)
        return;
    label_A->hide();
    mode->show();
    startButton->setFocus();
}

bool WithoutKeywordDialog::match(Entry *entry)
{
    return Selector::withoutKeyword(entry);
}

void WithoutKeywordDialog::retranslateThis()
{
    title->setText(tr("Without keywords"));
}
