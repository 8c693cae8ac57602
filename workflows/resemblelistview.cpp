#include "resemblelistview.h"

ResembleListView::ResembleListView(QWidget *parent)
    : QListView(parent)
{
}

void ResembleListView::layOutAgain()
{
    scheduleDelayedItemsLayout();
}

void ResembleListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QVector<int> &roles)
{
    if (uniformItemSizes()) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    QListView::dataChanged(topLeft, bottomRight, roles);
}
