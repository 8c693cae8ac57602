#pragma once

#include <QList>
#include <QString>

#include "category.h"
#include "entry.h"

namespace SelectionSupport {

// A category value from its parts: A bits, B (major) bits, and the indexes of C, D, E, F and G.
unsigned categoryValue(unsigned a, unsigned b, unsigned c, unsigned d, unsigned e, unsigned f, unsigned g);

// The category models the photo and book kinds set up.
Category photoCategory();
Category bookCategory();

// One catalogue line from its meaningful fields; checksum and original name are filled in.
QString entryLine(const QString &session, const QString &remark, const QString &link, const QString &hardcopy,
                  unsigned category, const QString &keywords, const QString &title, const QString &date);

} // namespace SelectionSupport
