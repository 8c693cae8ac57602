#pragma once

#include "restoreprintdialog.h"

class QCheckBox;

// Restores the selection into the destination folder for any other use: the original file names
// may be kept, labels are written only on request and no hardcopy is counted. The copies may carry
// their description as standard metadata, so that other programs show it.
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

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateMetadata();
    void showDescribing(int done, int total);

    QCheckBox *writeMetadata;
    QLabel *metadataResult;
    // The exiftool that writes the descriptions; empty when none can be found.
    QString m_metadataProgram;
};
