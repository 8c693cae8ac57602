#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The classification axes of one box and the decoding of category values. A category value packs
// the whole classification of an object into 32 bits:
//  A bits 0-8 (any combination), B bits 9-17 (A's value i is major), C bit 18, D bits 19-20,
//  E bits 21-22, F bits 23-26, G bit 27; bits 28-31 stay 0.
// Values are positions, never names, so translating the names never touches stored entries.
class Category
{
    Q_DECLARE_TR_FUNCTIONS(Category)

public:
    // One offered value of an axis.
    struct content
    {
        QString name;
        QString description;
    };

    // One axis: its title, its values in encoding order, whether it is offered at all and whether it
    // decides that an object has no category.
    struct subCategory
    {
        QString label;
        QList<content> values;
        bool inUse = false;
        bool required = false;
    };

    Category();

    // Each list is "name|description" items separated by ","; B has no setter, A's setter derives it.
    void setSubCategories_A(const QString &label, const QString &values, bool inUse, bool required);
    void setSubCategories_C(const QString &label, const QString &values, bool inUse, bool required);
    void setSubCategories_D(const QString &label, const QString &values, bool inUse, bool required);
    void setSubCategories_E(const QString &label, const QString &values, bool inUse, bool required);
    void setSubCategories_F(const QString &label, const QString &values, bool inUse, bool required);
    void setSubCategories_G(const QString &label, const QString &values, bool inUse, bool required);

    subCategory subCategory_A() const { return m_axes[AxisA]; }
    subCategory subCategory_B() const { return m_axes[AxisB]; }
    subCategory subCategory_C() const { return m_axes[AxisC]; }
    subCategory subCategory_D() const { return m_axes[AxisD]; }
    subCategory subCategory_E() const { return m_axes[AxisE]; }
    subCategory subCategory_F() const { return m_axes[AxisF]; }
    subCategory subCategory_G() const { return m_axes[AxisG]; }

    QStringList listSubCategoryValues_A() const { return names(AxisA); }
    QStringList listSubCategoryValues_B() const { return names(AxisB); }
    QStringList listSubCategoryValues_C() const { return names(AxisC); }
    QStringList listSubCategoryValues_D() const { return names(AxisD); }
    QStringList listSubCategoryValues_E() const { return names(AxisE); }
    QStringList listSubCategoryValues_F() const { return names(AxisF); }
    QStringList listSubCategoryValues_G() const { return names(AxisG); }

    // The encoder: A's present values and their major flags as bit masks of value positions, then the index
    // of the chosen value of C to G. Each part keeps to its own bits.
    static unsigned categoryValue(unsigned present, unsigned major, unsigned c, unsigned d, unsigned e, unsigned f,
                                  unsigned g);
    // Decoders of a category value; they do not depend on the axes' content.
    static unsigned subCategoryValue_A(unsigned value);
    static unsigned subCategoryValue_B(unsigned value);
    static unsigned subCategoryValue_C(unsigned value);
    static unsigned subCategoryValue_D(unsigned value);
    static unsigned subCategoryValue_E(unsigned value);
    static unsigned subCategoryValue_F(unsigned value);
    static unsigned subCategoryValue_G(unsigned value);

    // True when every required axis has all its bits zero (B is never examined).
    bool isEmpty(unsigned value) const;

private:
    enum Axis { AxisA, AxisB, AxisC, AxisD, AxisE, AxisF, AxisG, AxisCount };

    void setAxis(Axis axis, const QString &label, const QString &values, bool inUse, bool required);
    QStringList names(Axis axis) const;
    static unsigned bitsOf(Axis axis, unsigned value);

    std::array<subCategory, AxisCount> m_axes;
};
