#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Category;
class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

// The category tab of the describe frame: the check boxes of "which" (partly checked: present, checked:
// present and major) and one radio button group per other axis. It shows a category value, reads one
// back and is labelled from the box's category model; its widgets are found in the form by name.
class CategoryTab : public QObject
{
    Q_OBJECT

public:
    explicit CategoryTab(QWidget *form, QObject *parent = nullptr);

    // Shows the value; that is no edit, so edited() stays silent.
    void show(unsigned value);
    unsigned value() const;
    // Titles, names and tool tips from the model; what the model does not use is hidden.
    void dress(const Category &model);
    // The names of the present "which" values (a major one with a capital), then one name per used axis.
    static QString description(const Category &model, unsigned value);

signals:
    // The user changed a check box or a radio button.
    void edited();

private:
    enum Group { Which, Where, Daytime, Season, Picture, Method, GroupCount };

    QList<QAbstractButton *> buttons(Group group) const;

    QGroupBox *m_groups[GroupCount] = {};
    QList<QCheckBox *> m_which;
    QList<QRadioButton *> m_radios[GroupCount];
    bool m_showing = false;
};
