#include "restoreeditdialog.h"

#include "anybox.h"
#include "constants.h"
#include "restorerun.h"

RestoreEditDialog::RestoreEditDialog(AnyBox *box, QFrame *parent)
    : RestoreDialog(box, parent)
{
    setObjectName(QStringLiteral("RestoreEditDialog"));
    setDestination(m_box->unit(NAME_SRC_FOLDER));
}

void RestoreEditDialog::retranslateThis()
{
    title->setText(tr("For editing"));
}

QStringList RestoreEditDialog::filesToClear() const
{
    return m_run ? m_run->unchangedCopies() : QStringList();
}

QString RestoreEditDialog::clearQuestion(const QStringList &files) const
{
    return tr("Remove %1 unchanged copies restored for editing from the folder\n%2?\n%3\nEdited copies and "
              "all other files stay.")
        .arg(files.size())
        .arg(destinationPath(), files.join(QLatin1Char('\n')));
}
