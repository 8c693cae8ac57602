#include "displaydialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimerEvent>

#include "anybox.h"
#include "constants.h"
#include "displayrun.h"
#include "mymessagebox.h"
#include "mytmpfile.h"

static const int FILL_INTERVAL_MS = 500;
// A long list is read in slices of this length, the window answering in between.
static const int SLICE_MS = 25;

DisplayDialog::DisplayDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_run(new DisplayRun(box))
{
    setupUi(this);
    setObjectName(QStringLiteral("DisplayDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    label_A->hide();
    label_B->hide();
    mode->hide();
    displayTable->setColumnWidth(0, 120);
    displayTable->setColumnWidth(1, 60);
    displayTable->setColumnWidth(2, 180);
    displayTable->installEventFilter(this);
    connect(startButton, &QPushButton::clicked, this, &DisplayDialog::pressStartButton);

    QMap<QString, QString> describes;
    if (auto templates = dynamic_cast<MyTmpFile *>(m_box->unit(NAME_TMP_FILE))) {
        templates->loadTemplates(m_box->objectName());
        describes = templates->describes();
    }

    m_lists = m_run->listFiles();
    displayTable->setRowCount(m_lists.size());
    for (int row = 0; row < m_lists.size(); ++row) {
        const QString name = m_lists.at(row).completeBaseName();
        displayTable->setItem(row, 0, new QTableWidgetItem(name));
        auto count = new QTableWidgetItem(QStringLiteral("-"));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        displayTable->setItem(row, 1, count);
        auto span = new QTableWidgetItem(QStringLiteral("-"));
        span->setTextAlignment(Qt::AlignCenter);
        displayTable->setItem(row, 2, span);
        displayTable->setItem(row, 3, new QTableWidgetItem(describes.value(name)));
    }

    if (m_lists.isEmpty()) {
        label_B->show();
        return;
    }
    displayTable->resizeRowsToContents();
    displayTable->setCurrentCell(0, 0);
    displayTable->setFocus();
    total->setText(QString::number(m_lists.size()));
    mode->show();
    m_row = 0;
    m_timer = startTimer(FILL_INTERVAL_MS, Qt::CoarseTimer);
}

DisplayDialog::~DisplayDialog()
{
    delete m_run;
}

// One row a tick; a row whose list is long goes on in slices on a quick timer, and the next row waits
// for the tick after it.
void DisplayDialog::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_sliceTimer) {
        continueRow();
        return;
    }
    if (event->timerId() != m_timer) {
        QFrame::timerEvent(event);
        return;
    }
    if (m_sliceTimer != 0)
        return;
    if (m_row < m_lists.size())
        fillItemCapacityAndTime(m_row);
}

void DisplayDialog::fillItemCapacityAndTime(int row)
{
    if (row < 0 || row >= m_lists.size())
        return;
    // A row asked for while another is being read replaces it; the timer's turn comes again.
    m_fillRow = row;
    m_run->beginFigures(m_lists.at(row).absoluteFilePath());
    continueRow();
}

void DisplayDialog::continueRow()
{
    if (!m_run->continueFigures(SLICE_MS)) {
        if (m_sliceTimer == 0)
            m_sliceTimer = startTimer(0);
        return;
    }
    if (m_sliceTimer != 0) {
        killTimer(m_sliceTimer);
        m_sliceTimer = 0;
    }
    const DisplayRun::Figures &figures = m_run->readFigures();
    // A list that cannot be read keeps its "-".
    if (figures.read && m_fillRow < m_lists.size()) {
        displayTable->item(m_fillRow, 1)->setText(QString::number(figures.count));
        displayTable->item(m_fillRow, 2)->setText(m_run->spanText(figures));
    }
    if (m_fillRow == m_row)
        ++m_row;
    if (m_row >= m_lists.size() && m_timer != 0) {
        killTimer(m_timer);
        m_timer = 0;
    }
}

// Each press starts one more independent presentation; the frame does not track it.
void DisplayDialog::pressStartButton()
{
    const int row = displayTable->currentRow();
    if (row < 0 || row >= m_lists.size())
        return;
    const QString path = m_run->listPath(displayTable->item(row, 0)->text());
    if (!m_run->present(path)) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The present program cannot be started:\n%1").arg(m_box->execPresent()));
    }
}

// Return, Enter and Space start the chosen list; Up and Down stop at the ends of the table.
bool DisplayDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == displayTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            startButton->click();
            return true;
        }
        const int row = displayTable->currentRow();
        if ((key == Qt::Key_Up && row == 0) || (key == Qt::Key_Down && row == displayTable->rowCount() - 1))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void DisplayDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QFrame::changeEvent(event);
}
