#include "settingssupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

namespace SettingsSupport {

bool makeExecutable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    return file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QVariant storedValue(const QString &iniFile, const QString &key)
{
    QSettings store(iniFile, QSettings::IniFormat);
    const QVariant value = store.value(key);
    // Unquoted commas read back as a list; the program sees them joined again.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value;
}

bool editCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    // Closed editors linger hidden until deleted later; only a visible one is open.
    QPointer<QLineEdit> editor;
    for (QLineEdit *candidate : table->viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            editor = candidate;
    }
    if (!editor)
        return false;
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    // keyClicks knows only ASCII keys; other letters arrive as typed text.
    for (const QChar letter : text) {
        if (letter.unicode() < 128)
            QTest::keyClick(editor, letter.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits Enter from the event loop.
    return QTest::qWaitFor([editor]() { return !editor || !editor->isVisible(); });
}

} // namespace SettingsSupport
