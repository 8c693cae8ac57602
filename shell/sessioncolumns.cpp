#include "sessioncolumns.h"

#include <QHeaderView>
#include <QTableWidget>

namespace SessionColumns {

void setWidths(QTableWidget *table)
{
    const int widths[] = {40, 150, 50, 180};
    QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < 4 && column < table->columnCount(); ++column)
        table->setColumnWidth(column, qMax(widths[column], header->sectionSizeHint(column)));
}

} // namespace SessionColumns
