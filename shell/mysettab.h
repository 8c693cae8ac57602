#pragma once

#include <QStringList>
#include <QWidget>

class MySettings;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidgetItem;

namespace Ui {
class MySetTab;
}

// Settings of one box: accepted extensions, the sixteen category labels and the preview and
// present command lines.
class MySetTab : public QWidget
{
    Q_OBJECT

public:
    MySetTab(const QString &boxName, MySettings *settings, QWidget *parent = nullptr);
    ~MySetTab() override;

    void saveSettings();

    // The program a command line starts: a double-quoted path (which may hold spaces) or the
    // text up to the first space.
    static QString programOf(const QString &commandLine);
    static bool programExists(const QString &commandLine);
    // ",", "|" separate items in stored lists and cannot be part of a value.
    static QString withoutSeparators(const QString &text);

public slots:
    void pressExtAddButton();
    void pressExtDeleteButton();
    void pressExtClearButton();
    void pressExtDefaultButton();
    void setModeExtAddButton();
    void setModeExtDeleteButton();
    void setModeExtClearButton();
    void setModeExtDefaultButton();
    void setPreviewAppStatus();
    void setPresentAppStatus();
    void pressPreviewAppDefaultButton();
    void pressPresentAppDefaultButton();
    void pressMyCatEditButton();
    void pressMyCatDefaultButton();
    void myCatTableChange(QTableWidgetItem *item);
    void setModeMyCatDefaultButton();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The preview and the present rows work alike.
    struct ProgramRow {
        QLineEdit *lineEdit;
        QLabel *status;
        QPushButton *defaultButton;
        QString key;
    };

    void setProgramStatus(const ProgramRow &row);
    void pressProgramDefaultButton(const ProgramRow &row);
    QStringList extItems() const;
    QStringList defaultExtItems() const;
    void fillExtList(const QStringList &items);
    void fillCategories();
    void setCategoryRow(int row, const QString &label, const QString &description);
    void applyEditMode();
    QString translatedLabel(const QString &label) const;
    QString builtInLabel(const QString &shown) const;
    void retranslateUi();

    Ui::MySetTab *ui;
    QString box;
    MySettings *settings;
    ProgramRow previewRow;
    ProgramRow presentRow;
    QStringList defaultLabels;
    QStringList defaultLabelsTr;
    QStringList defaultDescriptions;
    bool editMode = false;
};
