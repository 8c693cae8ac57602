#pragma once

#include <QString>
#include <QVariant>

class QTableWidget;

namespace SettingsSupport {

// A tiny shell script with the execute permission, standing in for an external program.
bool makeExecutable(const QString &path);

// Reads one key back from an INI file through a fresh store, as the next run would.
QVariant storedValue(const QString &iniFile, const QString &key);

// Edits a table cell as a user does: make it current, F2, replace the text, Enter.
// Returns false when no editor opened (the cell is read-only).
bool editCell(QTableWidget *table, int row, int column, const QString &text);

} // namespace SettingsSupport
