#pragma once

#include "restoredialog.h"

class BurnRun;
class QHBoxLayout;
class QLabel;
class QPushButton;

// Restores the selection into the destination folder for printing: counts one more hardcopy for
// every object restored, writes the labels file and can burn the folder to a disc.
class RestorePrintDialog : public RestoreDialog
{
    Q_OBJECT

public:
    RestorePrintDialog(AnyBox *box, QFrame *parent);

    QString setBurnStatusLabel();
    int burnStatus() const { return m_burnStatus; }

public slots:
    void pressStartButton() override;
    void makeLabels();
    void pressOnCDButton();
    void setBurnFinish();

protected slots:
    void retranslateThis() override;

protected:
    void changeEvent(QEvent *event) override;
    void restoreAndOfferBurning();

    QPushButton *makeLabelsButton;
    QLabel *label_K;
    QPushButton *onCDButton;
    QHBoxLayout *horizontalLayout_L;
    QHBoxLayout *horizontalLayout_B;

private:
    void retranslateButtons();

    BurnRun *m_burnRun;
    bool m_burning = true;
    int m_burnStatus = 0;
};
