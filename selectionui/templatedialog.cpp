#include "templatedialog.h"

#include <QApplication>
#include <QKeyEvent>

#include "anybox.h"
#include "constants.h"
#include "mymessagebox.h"
#include "mytmpfile.h"
#include "mywrdfile.h"
#include "selectionpass.h"

// Lists hold this many objects; a bigger result is cut when it is shown.
static const int BIG_RESULT = 1000;

TemplateDialog::TemplateDialog(AnyBox *box, QFrame *parent)
    : SelectDialog(box, parent)
{
    setObjectName(QStringLiteral("TemplateDialog"));
    if (m_emptyBox)
        return;
    m_wrdFile = dynamic_cast<MyWrdFile *>(m_box->unit(NAME_WRD_FILE));
    m_tmpFile = dynamic_cast<MyTmpFile *>(m_box->unit(NAME_TMP_FILE));
    const QString owner = m_box->objectName();
    if (m_tmpFile)
        m_tmpFile->loadTemplates(owner);
    if (!m_tmpFile || m_tmpFile->templatesCount(owner) == 0) {
        label_A->hide();
        label_B->show();
        startButton->setEnabled(false);
        return;
    }
    label_A->hide();
    for (QWidget *widget : {static_cast<QWidget *>(label_C), static_cast<QWidget *>(templateList),
                            static_cast<QWidget *>(label_D), static_cast<QWidget *>(templateBrowser),
                            static_cast<QWidget *>(mode)})
        widget->show();
    // A template always starts from the whole box.
    onlySelected->hide();
    spring->hide();
    templateList->setFocus();
    const QMap<QString, QString> &describes = m_tmpFile->describes();
    for (auto it = describes.cbegin(); it != describes.cend(); ++it) {
        templateList->addItem(it.key() + QStringLiteral("\t\t") + it.value());
        m_names << it.key();
    }
    templateList->setCurrentRow(0);
    templateList->installEventFilter(this);
    templateBrowser->installEventFilter(this);
    connect(templateList, &QListWidget::currentRowChanged, this, &TemplateDialog::changeTemplate);
    retranslateThis();
}

void TemplateDialog::retranslateThis()
{
    title->setText(tr("Template"));
    if (!m_names.isEmpty())
        changeTemplate(templateList->currentRow());
}

QString TemplateDialog::remarkToResemble(const QString &remark) const
{
    return SelectionPass::remarkToResemble(m_box, remark);
}

void TemplateDialog::changeTemplate(int row)
{
    searchProgress->setValue(0);
    foundRecords->setText(QStringLiteral("0"));
    if (row < 0 || row >= m_names.size() || !m_tmpFile) {
        startButton->setEnabled(false);
        return;
    }
    bool ok = true;
    templateBrowser->setHtml(m_tmpFile->viewTask(m_names.at(row), &ok));
    startButton->setEnabled(ok);
}

bool TemplateDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return SelectDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool starts = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (watched == templateList) {
        if (starts) {
            startButton->click();
            return true;
        }
        // No wrap-around at either end of the list.
        if ((key == Qt::Key_Up && templateList->currentRow() == 0)
            || (key == Qt::Key_Down && templateList->currentRow() == templateList->count() - 1))
            return true;
    } else if (watched == templateBrowser && starts) {
        startButton->click();
        return true;
    }
    return SelectDialog::eventFilter(watched, event);
}

void TemplateDialog::pressStartButton()
{
    const int row = templateList->currentRow();
    if (m_emptyBox || !startButton->isEnabled() || row < 0 || row >= m_names.size())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    startButton->setEnabled(false);
    m_found = 0;
    const QString name = m_names.at(row);
    // Each finished stage shows its own count until the next one starts.
    QMetaObject::Connection shown = connect(m_pass, &SelectionPass::stageDone, this,
                                            [this](int found) { foundRecords->setText(QString::number(found)); });
    m_found = m_pass->replay(m_box, m_tmpFile->getTask(name), m_wrdFile);
    disconnect(shown);
    foundRecords->setText(QString::number(m_found));
    templateList->setFocus();
    QApplication::restoreOverrideCursor();
    if (m_found > BIG_RESULT)
        MyMessageBox::information(this, tr("Warning"),
                                  tr("Selected list is very big. The output will be truncated..."));
    m_box->makePlayListFile(SelectionPass::listFileName(name));
}
