#include "restoreprintdialog.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "anybox.h"
#include "basefolder.h"
#include "burnrun.h"
#include "constants.h"
#include "mymessagebox.h"
#include "restorerun.h"

static const QString LABELS_FILE = QStringLiteral("labels.txt");

RestorePrintDialog::RestorePrintDialog(AnyBox *box, QFrame *parent)
    : RestoreDialog(box, parent)
    , makeLabelsButton(new QPushButton(this))
    , label_K(new QLabel(this))
    , onCDButton(new QPushButton(this))
    , horizontalLayout_L(new QHBoxLayout)
    , horizontalLayout_B(new QHBoxLayout)
    , m_burnRun(new BurnRun(m_logFile, this))
{
    setObjectName(QStringLiteral("RestorePrintDialog"));
    makeLabelsButton->setObjectName(QStringLiteral("makeLabelsButton"));
    label_K->setObjectName(QStringLiteral("label_K"));
    onCDButton->setObjectName(QStringLiteral("onCDButton"));
    horizontalLayout_L->setObjectName(QStringLiteral("horizontalLayout_L"));
    horizontalLayout_B->setObjectName(QStringLiteral("horizontalLayout_B"));
    horizontalLayout_L->addWidget(makeLabelsButton);
    horizontalLayout_B->addWidget(label_K);
    horizontalLayout_B->addWidget(onCDButton);
    // Before the spacer that closes the row.
    buttonsLayout->insertLayout(buttonsLayout->count() - 1, horizontalLayout_L);
    buttonsLayout->insertLayout(buttonsLayout->count() - 1, horizontalLayout_B);
    makeLabelsButton->hide();
    label_K->hide();
    onCDButton->setEnabled(false);
    retranslateButtons();
    connect(makeLabelsButton, &QPushButton::clicked, this, &RestorePrintDialog::makeLabels);
    connect(onCDButton, &QPushButton::clicked, this, &RestorePrintDialog::pressOnCDButton);
    connect(m_burnRun, &BurnRun::finished, this, &RestorePrintDialog::setBurnFinish);

    m_countHardcopies = true;
    setDestination(m_box->unit(NAME_DST_FOLDER));
}

void RestorePrintDialog::retranslateThis()
{
    title->setText(tr("For printing"));
}

void RestorePrintDialog::retranslateButtons()
{
    makeLabelsButton->setText(tr("Ma&ke labels"));
    onCDButton->setText(tr("B&urn CD"));
    label_K->setText(setBurnStatusLabel());
}

void RestorePrintDialog::changeEvent(QEvent *event)
{
    RestoreDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateButtons();
}

void RestorePrintDialog::pressStartButton()
{
    if (!m_run || m_run->ran() || !sizesAreKnown())
        return;
    RestoreDialog::pressStartButton();
    makeLabels();
    label_K->show();
    onCDButton->setEnabled(true);
}

void RestorePrintDialog::restoreAndOfferBurning()
{
    RestoreDialog::pressStartButton();
    label_K->show();
    onCDButton->setEnabled(true);
}

// Written whole or not at all; a labels file that cannot be written is shown to the user.
void RestorePrintDialog::makeLabels()
{
    if (!m_run)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    makeLabelsButton->setEnabled(false);
    useOriginalFilename->setEnabled(false);
    const QString path = destinationPath() + QLatin1Char('/') + LABELS_FILE;
    const bool written = m_run->writeLabels(path);
    destinationStatus->setText(getStatus());
    QApplication::restoreOverrideCursor();
    if (!written)
        MyMessageBox::warning(this, tr("Warning"), tr("The labels file cannot be written:\n%1").arg(path));
}

// The burner runs while the frame stays usable; its end comes back through setBurnFinish().
void RestorePrintDialog::pressOnCDButton()
{
    if (m_burnRun->running())
        return;
    onCDButton->setEnabled(false);
    label_K->setText(tr("Burning... "));
    const QString diskLabel =
        m_box->objectName() + QLatin1Char('_') + QDate::currentDate().toString(QStringLiteral("ddMMyyyy"));
    auto baseFolder = dynamic_cast<BaseFolder *>(m_box->baseUnit());
    const QString command = baseFolder ? baseFolder->burnCDApp() : QString();
    m_burning = true;
    setCursor(Qt::WaitCursor);
    m_burnRun->start(command, diskLabel, destinationPath());
}

void RestorePrintDialog::setBurnFinish()
{
    m_burning = false;
    unsetCursor();
    switch (m_burnRun->status()) {
    case BurnRun::Burned:
        m_burnStatus = 1;
        break;
    case BurnRun::CannotStart:
        m_burnStatus = 2;
        break;
    case BurnRun::Failed:
        m_burnStatus = 3;
        break;
    default:
        m_burnStatus = 0;
        break;
    }
    label_K->setText(setBurnStatusLabel());
    // The copies are still there: another disc is burnt from them without restoring (and counting) again.
    onCDButton->setEnabled(m_burnStatus == 1 || m_burnStatus == 3);
}

QString RestorePrintDialog::setBurnStatusLabel()
{
    switch (m_burnStatus) {
    case 1:
        return tr("The burning process is complete");
    case 2:
        return tr("The burning process cannot be started...");
    case 3:
        return (QStringList(tr("The burning process ended with an error (exit code %1)").arg(m_burnRun->exitCode()))
                + m_burnRun->lastLines())
            .join(QLatin1Char('\n'));
    default:
        return tr("Insert disk in CDROM drive and press button...");
    }
}
