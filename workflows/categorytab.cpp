#include "categorytab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "category.h"

namespace {

// The picture options in the order of their index: the 4 x 4 grid read column by column.
const char *const PICTURE_ORDER = "AEIMBFJNCGKODHLP";

QString upperFirst(const QString &text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

int checkedIndex(const QList<QRadioButton *> &buttons)
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            return i;
    }
    return 0;
}

} // namespace

CategoryTab::CategoryTab(QWidget *form, QObject *parent)
    : QObject(parent)
{
    const char *const groupNames[GroupCount] = {"which", "where", "daytime", "season", "picture", "method"};
    const char *const letters[GroupCount] = {"ABCDEFGHI", "AB", "ABCD", "ABCD", PICTURE_ORDER, "AB"};
    for (int group = 0; group < GroupCount; ++group) {
        const QString name = QString::fromLatin1(groupNames[group]);
        m_groups[group] = form->findChild<QGroupBox *>(name);
        for (const char *c = letters[group]; *c; ++c) {
            const QString buttonName = name + QLatin1Char('_') + QLatin1Char(*c);
            if (group == Which)
                m_which << form->findChild<QCheckBox *>(buttonName);
            else
                m_radios[group] << form->findChild<QRadioButton *>(buttonName);
        }
    }
    const auto report = [this] {
        if (!m_showing)
            emit edited();
    };
    for (QCheckBox *box : qAsConst(m_which))
        connect(box, &QCheckBox::stateChanged, this, report);
    for (int group = Where; group < GroupCount; ++group) {
        for (QRadioButton *button : qAsConst(m_radios[group]))
            connect(button, &QRadioButton::toggled, this, report);
    }
}

void CategoryTab::show(unsigned value)
{
    m_showing = true;
    const unsigned present = Category::subCategoryValue_A(value);
    const unsigned major = Category::subCategoryValue_B(value);
    for (int i = 0; i < m_which.size(); ++i) {
        const unsigned bit = 1u << i;
        m_which.at(i)->setCheckState((major & bit)     ? Qt::Checked
                                     : (present & bit) ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
    }
    const unsigned indexes[GroupCount] = {0,
                                          Category::subCategoryValue_C(value),
                                          Category::subCategoryValue_D(value),
                                          Category::subCategoryValue_E(value),
                                          Category::subCategoryValue_F(value),
                                          Category::subCategoryValue_G(value)};
    for (int group = Where; group < GroupCount; ++group) {
        if (int(indexes[group]) < m_radios[group].size())
            m_radios[group].at(int(indexes[group]))->setChecked(true);
    }
    m_showing = false;
}

unsigned CategoryTab::value() const
{
    unsigned present = 0;
    unsigned major = 0;
    for (int i = 0; i < m_which.size(); ++i) {
        const Qt::CheckState state = m_which.at(i)->checkState();
        if (state != Qt::Unchecked)
            present |= 1u << i;
        if (state == Qt::Checked)
            major |= 1u << i;
    }
    return Category::categoryValue(present, major, unsigned(checkedIndex(m_radios[Where])),
                                   unsigned(checkedIndex(m_radios[Daytime])), unsigned(checkedIndex(m_radios[Season])),
                                   unsigned(checkedIndex(m_radios[Picture])), unsigned(checkedIndex(m_radios[Method])));
}

QList<QAbstractButton *> CategoryTab::buttons(Group group) const
{
    QList<QAbstractButton *> list;
    if (group == Which) {
        for (QCheckBox *box : m_which)
            list << box;
    } else {
        for (QRadioButton *button : m_radios[group])
            list << button;
    }
    return list;
}

void CategoryTab::dress(const Category &model)
{
    const Category::subCategory axes[GroupCount] = {model.subCategory_A(), model.subCategory_C(),
                                                    model.subCategory_D(), model.subCategory_E(),
                                                    model.subCategory_F(), model.subCategory_G()};
    for (int group = 0; group < GroupCount; ++group) {
        const Category::subCategory &axis = axes[group];
        m_groups[group]->setTitle(axis.label);
        m_groups[group]->setVisible(axis.inUse);
        const QList<QAbstractButton *> list = buttons(Group(group));
        for (int i = 0; i < list.size(); ++i) {
            const bool used = i < axis.values.size() && !axis.values.at(i).name.isEmpty();
            list.at(i)->setVisible(used);
            if (!used)
                continue;
            list.at(i)->setText(axis.values.at(i).name);
            const QString description = axis.values.at(i).description;
            list.at(i)->setToolTip(description.isEmpty() || description == QLatin1String("-") ? axis.values.at(i).name
                                                                                               : description);
        }
    }
}

QString CategoryTab::description(const Category &model, unsigned value)
{
    const unsigned present = Category::subCategoryValue_A(value);
    const unsigned major = Category::subCategoryValue_B(value);
    QStringList which;
    const QStringList names = model.listSubCategoryValues_A();
    for (int i = 0; i < names.size() && i < 9; ++i) {
        if (present & (1u << i))
            which << ((major & (1u << i)) ? upperFirst(names.at(i)) : names.at(i));
    }
    QStringList parts;
    if (model.subCategory_A().inUse && !which.isEmpty())
        parts << which.join(QStringLiteral(", "));
    const struct
    {
        Category::subCategory axis;
        unsigned index;
    } axes[] = {{model.subCategory_C(), Category::subCategoryValue_C(value)},
                {model.subCategory_D(), Category::subCategoryValue_D(value)},
                {model.subCategory_E(), Category::subCategoryValue_E(value)},
                {model.subCategory_F(), Category::subCategoryValue_F(value)},
                {model.subCategory_G(), Category::subCategoryValue_G(value)}};
    for (const auto &axis : axes) {
        if (axis.axis.inUse)
            parts << axis.axis.values.value(int(axis.index)).name;
    }
    return parts.join(QStringLiteral("; "));
}
