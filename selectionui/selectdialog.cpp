#include "selectdialog.h"

#include <QApplication>
#include <QEvent>

#include "anybox.h"
#include "entry.h"
#include "selectionpass.h"

SelectDialog::SelectDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_pass(new SelectionPass(this))
{
    setupUi(this);
    boxPixmap->setPixmap(m_box->boxPixmap());
    for (QWidget *widget : {static_cast<QWidget *>(label_A), static_cast<QWidget *>(label_B),
                            static_cast<QWidget *>(label_C), static_cast<QWidget *>(label_D),
                            static_cast<QWidget *>(templateList), static_cast<QWidget *>(templateBrowser),
                            static_cast<QWidget *>(mode)})
        widget->hide();
    connect(m_pass, &SelectionPass::started, this, &SelectDialog::startProgress);
    connect(m_pass, &SelectionPass::totalChanged, searchProgress, &QProgressBar::setMaximum);
    // Nothing examined leaves the bar as started: full for an empty pass.
    connect(m_pass, &SelectionPass::progressed, this, [this](int examined) {
        if (examined > 0)
            searchProgress->setValue(qMin(examined, searchProgress->maximum()));
    });
    connect(m_pass, &SelectionPass::foundChanged, this,
            [this](int found) { foundRecords->setText(QString::number(found)); });
    if (m_box->getCount() == 0) {
        m_emptyBox = true;
        return;
    }
    label->hide();
    label_A->show();
    onlySelected->setEnabled(m_box->markedEntriesCount() != 0);
    m_box->memorizeMarked();
    connect(startButton, &QPushButton::clicked, this, &SelectDialog::pressStartButton);
}

// A pass that found nothing gives back the marking the frame found; otherwise the stages' results
// are left together in subset 0.
SelectDialog::~SelectDialog()
{
    if (m_emptyBox)
        return;
    if (m_found == 0) {
        m_box->restoreMarked();
    } else {
        m_box->uniteSubsets();
        emit needUpdateStatus();
    }
}

bool SelectDialog::match(Entry *entry)
{
    Q_UNUSED(entry)
    return false;
}

void SelectDialog::retranslateThis()
{
}

void SelectDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslateThis();
    }
    QFrame::changeEvent(event);
}

void SelectDialog::startProgress(int total)
{
    foundRecords->setText(QStringLiteral("0"));
    searchProgress->setMaximum(total > 0 ? total : 1);
    searchProgress->setValue(total > 0 ? 0 : 1);
}

// One pass per frame: Start and the limit box stay disabled afterwards.
void SelectDialog::pressStartButton()
{
    if (m_emptyBox || !startButton->isEnabled())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    startButton->setEnabled(false);
    onlySelected->setEnabled(false);
    if (!onlySelected->isChecked())
        m_pass->markAll(m_box, 0);
    startProgress(m_box->markedEntriesCount(0));
    m_found = m_pass->narrow(m_box, 0, [this](const Entry *entry) { return match(const_cast<Entry *>(entry)); });
    foundRecords->setText(QString::number(m_found));
    emit needUpdateStatus();
    QApplication::restoreOverrideCursor();
}
