#include "selectionsupport.h"

#include <QStringList>

#include "constants.h"

namespace SelectionSupport {

unsigned categoryValue(unsigned a, unsigned b, unsigned c, unsigned d, unsigned e, unsigned f, unsigned g)
{
    return a | (b << 9) | (c << 18) | (d << 19) | (e << 21) | (f << 23) | (g << 27);
}

Category photoCategory()
{
    Category category;
    category.setSubCategories_A("Which", "water,sky,land,flora,fauna,humans,build,wheel,item", true, true);
    category.setSubCategories_C("Where", "inside,outside", true, false);
    category.setSubCategories_D("Daytime", "night,morning,day,evening", true, false);
    category.setSubCategories_E("Season", "winter,spring,summer,autumn", true, false);
    category.setSubCategories_F("Picture", PHOTO_CATEGORIES, true, false);
    category.setSubCategories_G("Method", "pose,reporting", true, false);
    return category;
}

Category bookCategory()
{
    Category category;
    category.setSubCategories_A("A", "A,B,C,D,E,F,G,H,I", false, false);
    category.setSubCategories_C("Home country", "native,foreign", true, false);
    category.setSubCategories_D("Time range", "other,antique,classic,modern", true, false);
    category.setSubCategories_E("Auditory", "all,baby,youth,grownup", true, false);
    category.setSubCategories_F("Genre", BOOK_CATEGORIES, true, true);
    category.setSubCategories_G("Style", "prose,poesy", true, false);
    return category;
}

QString entryLine(const QString &session, const QString &remark, const QString &link, const QString &hardcopy,
                  unsigned category, const QString &keywords, const QString &title, const QString &date)
{
    return QStringList({session, remark, link, QStringLiteral("0123456789abcdef0123456789abcdef"), hardcopy,
                        QString::number(category), keywords, remark.toUpper() + QStringLiteral(".JPG"), title, date})
        .join(SIGN_INV);
}

} // namespace SelectionSupport
