#include "withoutcategorydialog.h"

#include "anybox.h"
#include "selector.h"

WithoutCategoryDialog::WithoutCategoryDialog(AnyBox *box, QFrame *parent)
    : SelectDialog(box, parent)
    , m_category(box->category())
{
    setObjectName(QStringLiteral("WithoutCategoryDialog"));
    title->setText(tr("Without category"));
    if (m_emptyBox)
        return;
    label_A->hide();
    mode->show();
    startButton->setFocus();
}

bool WithoutCategoryDialog::match(Entry *entry)
{
    return Selector::withoutCategory(entry, m_category);
}

void WithoutCategoryDialog::retranslateThis()
{
    title->setText(tr("Without category"));
}
