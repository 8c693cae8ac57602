#include "firsttable.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

FirstTable::FirstTable(QWidget *parent)
    : QTableWidget(0, 3, parent)
{
    setObjectName(QStringLiteral("firstDirTable"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setCornerButtonEnabled(false);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    retranslateUi();
}

bool FirstTable::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto keyEvent = static_cast<QKeyEvent *>(event);
        if (!(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (keyEvent->key() == Qt::Key_Backtab
                || (keyEvent->key() == Qt::Key_Tab && (keyEvent->modifiers() & Qt::ShiftModifier))) {
                emit focusLose(false);
                return true;
            }
            if (keyEvent->key() == Qt::Key_Tab) {
                emit focusLose(true);
                return true;
            }
        }
    }
    return QTableWidget::event(event);
}

// Tab inside an open cell editor would move on to the next cell; it leaves the table as well.
void FirstTable::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit focusLose(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void FirstTable::showEvent(QShowEvent *event)
{
    QTableWidget::showEvent(event);
    fitColumns();
}

void FirstTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    fitColumns();
}

void FirstTable::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QTableWidget::changeEvent(event);
}

void FirstTable::retranslateUi()
{
    setHorizontalHeaderLabels({tr("Path"), tr("Description"), tr("Status")});
}

void FirstTable::fitColumns()
{
    setColumnWidth(0, width() / 4);
    setColumnWidth(1, width() / 2);
}
