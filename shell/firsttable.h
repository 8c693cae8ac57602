#pragma once

#include <QTableWidget>

// The table of removable devices scanned by the first steps: path, description and a status
// column. Tab and Backtab leave the table instead of walking through its cells.
class FirstTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit FirstTable(QWidget *parent = nullptr);

signals:
    // true for Tab (focus forward), false for Backtab (focus backward).
    void focusLose(bool next);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void retranslateUi();
    void fitColumns();
};
