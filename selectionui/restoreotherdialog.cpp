#include "restoreotherdialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "anybox.h"
#include "constants.h"
#include "metadatawriter.h"
#include "mysrcfolder.h"
#include "restorerun.h"

RestoreOtherDialog::RestoreOtherDialog(AnyBox *box, QFrame *parent)
    : RestorePrintDialog(box, parent)
    , writeMetadata(new QCheckBox(this))
    , metadataResult(new QLabel(this))
{
    setObjectName(QStringLiteral("RestoreOtherDialog"));
    writeMetadata->setObjectName(QStringLiteral("writeMetadata"));
    metadataResult->setObjectName(QStringLiteral("metadataResult"));
    m_countHardcopies = false;
    // The two check boxes share the row of the original file names, the result goes below them.
    modeLayout->removeWidget(useOriginalFilename);
    auto optionsRow = new QHBoxLayout;
    optionsRow->setObjectName(QStringLiteral("optionsRow"));
    optionsRow->addWidget(useOriginalFilename);
    optionsRow->addWidget(writeMetadata);
    optionsRow->addStretch();
    auto options = new QVBoxLayout;
    options->setObjectName(QStringLiteral("optionsLayout"));
    options->addLayout(optionsRow);
    options->addWidget(metadataResult);
    modeLayout->addLayout(options, 7, 0, 1, 6);
    metadataResult->hide();
    writeMetadata->setChecked(true);
    // The extractor of the settings is used when it is an exiftool.
    auto source = dynamic_cast<MySrcFolder *>(m_box->unit(NAME_SRC_FOLDER));
    m_metadataProgram = MetadataWriter::findProgram(source ? source->arguments().value(0) : QString());
    writeMetadata->setEnabled(!m_metadataProgram.isEmpty());
    retranslateThis();
    retranslateMetadata();
    if (!hasSelection()) {
        writeMetadata->hide();
        return;
    }
    useOriginalFilename->show();
    makeLabelsButton->show();
    connect(useOriginalFilename, &QCheckBox::stateChanged, this, &RestoreOtherDialog::setUseOriginalFilename);
    if (m_run)
        connect(m_run, &RestoreRun::describing, this, &RestoreOtherDialog::showDescribing);
}

void RestoreOtherDialog::retranslateThis()
{
    title->setText(tr("For following usage"));
}

void RestoreOtherDialog::retranslateMetadata()
{
    writeMetadata->setText(tr("Write the &description into the copies"));
    writeMetadata->setToolTip(
        m_metadataProgram.isEmpty()
            ? tr("exiftool cannot be found: the extractor of the settings is no exiftool and there is none on "
                 "the search path, so the copies stay plain.")
            : tr("Keywords, title, author, date and remark go into each copy as XMP (and IPTC for JPEG), or "
                 "into a sidecar file beside it, with %1.")
                  .arg(m_metadataProgram));
    if (m_run && m_run->ran() && !m_run->metadataProgram().isEmpty()) {
        metadataResult->setText(tr("%1 of %2 copies carry their description (%3 in a sidecar)")
                                    .arg(m_run->describedCount())
                                    .arg(m_run->restoredCount())
                                    .arg(m_run->sidecarCount()));
    }
}

void RestoreOtherDialog::changeEvent(QEvent *event)
{
    RestorePrintDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateMetadata();
}

void RestoreOtherDialog::pressStartButton()
{
    if (!m_run || m_run->ran() || !sizesAreKnown())
        return;
    useOriginalFilename->setEnabled(false);
    const bool describe = writeMetadata->isEnabled() && writeMetadata->isChecked();
    writeMetadata->setEnabled(false);
    m_run->setMetadataProgram(describe ? m_metadataProgram : QString());
    restoreAndOfferBurning();
    if (describe) {
        retranslateMetadata();
        metadataResult->show();
    }
}

void RestoreOtherDialog::showDescribing(int done, int total)
{
    progressBar->setRange(0, total);
    progressBar->setValue(done);
    time->setText(RestoreRun::elapsedText(m_run->elapsedMs()));
}

// Labels name the copies by remark, so they make no sense beside original file names.
void RestoreOtherDialog::setUseOriginalFilename(int state)
{
    m_useOriginalFilename = state != Qt::Unchecked;
    makeLabelsButton->setEnabled(!m_useOriginalFilename);
}
