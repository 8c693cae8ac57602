#pragma once

#include <QDialog>
#include <QSize>
#include <QStringList>

class FirstTable;
class MySetTab;
class MySettings;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidgetItem;

namespace Ui {
class MySetDialog;
}

// Edits the whole settings store: base and backup directories, burner and extractor command
// lines, the removable devices, and one tab per box. The store changes only in saveSettings().
class MySetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MySetDialog(MySettings *settings, QWidget *parent = nullptr);
    ~MySetDialog() override;

    void saveSettings();
    // The base directory is read once per run, so changing it takes a restart.
    bool needReboot() const;
    // Why the dialog is shown again (a unit that start-up could not create), above the tabs; empty: nothing.
    void setProblem(const QString &reason);
    // The form's own size, widened where the tabs' texts (in Russian, say) need more.
    QSize preferredSize() const;

public slots:
    void setBoxDirStatus();
    void setCpyDirStatus();
    void setBurnAppStatus();
    void setExtractAppStatus();
    void setModeOkButton();
    void setModeBoxDirDefaultButton();
    void setModeCpyDirDefaultButton();
    void setModeBurnAppDefaultButton();
    void setModeExtractAppDefaultButton();
    void pressBoxDirDefaultButton();
    void pressCpyDirDefaultButton();
    void pressBurnAppDefaultButton();
    void pressExtractAppDefaultButton();
    void setModeFirstAddButton();
    void pressFirstDirAddButton();
    void pressFirstDirDeleteButton();
    void tableChange(QTableWidgetItem *item);
    void setModeFirstDeleteButton();
    void setFocusAfterFirstTable(bool next);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The four rows of the general tab share one behaviour; they differ in what the field names.
    enum FieldKind { DirectoryField, ProgramField };
    struct FieldRow {
        QLineEdit *lineEdit;
        QLabel *status;
        QPushButton *defaultButton;
        QString key;
        QString defaultText;
        FieldKind kind;
        // Folder fields only: a folder chooser, and the creation of a folder that is not there.
        QPushButton *browseButton = nullptr;
        QPushButton *createButton = nullptr;
    };
    enum { BoxDirRow, CpyDirRow, BurnAppRow, ExtractAppRow, FieldRowCount };

    void setFieldStatus(const FieldRow &row);
    void setModeDefaultButton(const FieldRow &row);
    void pressDefaultButton(const FieldRow &row);
    void addFolderButtons(FieldRow &row, int gridRow, const QString &name);
    void pressBrowseButton(const FieldRow &row);
    void pressCreateButton(const FieldRow &row);
    void retranslateThis();
    void fillFirstTable();
    void appendFirstRow(const QString &path, const QString &description);
    void setFirstRowStatus(int row);
    QString firstDirValue() const;
    void moveFocusFrom(QWidget *from, bool next);
    void refreshAll();
    void fitIntoScreen();
    QSize m_formSize;
    bool m_shownOnce = false;

    Ui::MySetDialog *ui;
    MySetTab *photoTab;
    MySetTab *bookTab;
    MySetTab *clipTab;
    MySetTab *musicTab;
    MySettings *settings;
    QStringList firstDirs;
    QString boxDirAtStart;
    FirstTable *firstTable;
    FieldRow fieldRows[FieldRowCount];
    QLabel *problemLabel = nullptr;
};
