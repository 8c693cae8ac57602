#include "restoreotherdialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "restorerun.h"

RestoreOtherDialog::RestoreOtherDialog(AnyBox *box, QFrame *parent)
    : RestorePrintDialog(box, parent)
{
    setObjectName(QStringLiteral("RestoreOtherDialog"));
    m_countHardcopies = false;
    retranslateThis();
    if (!hasSelection())
        return;
    useOriginalFilename->show();
    makeLabelsButton->show();
    connect(useOriginalFilename, &QCheckBox::stateChanged, this, &RestoreOtherDialog::setUseOriginalFilename);
}

void RestoreOtherDialog::retranslateThis()
{
    title->setText(tr("For following usage"));
}

void RestoreOtherDialog::pressStartButton()
{
    if (!m_run || m_run->ran())
        return;
    useOriginalFilename->setEnabled(false);
    restoreAndOfferBurning();
}

// Labels name the copies by remark, so they make no sense beside original file names.
void RestoreOtherDialog::setUseOriginalFilename(int state)
{
    m_useOriginalFilename = state != Qt::Unchecked;
    makeLabelsButton->setEnabled(!m_useOriginalFilename);
}
