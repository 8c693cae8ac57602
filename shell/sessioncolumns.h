#pragma once

class QTableWidget;

// The columns of a session table (number, created, objects, time length, annotation) start at their
// usual widths; a column whose header needs more, as longer translations do, is widened to it.
namespace SessionColumns {

void setWidths(QTableWidget *table);

} // namespace SessionColumns
