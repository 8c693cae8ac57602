#pragma once

#include <QString>

// A large synthetic photo box in the box's own layout, for the tests and benchmarks that check how the
// frames behave at scale: objects in groups of five, 3,000 sessions, a vocabulary of 300 words, and the
// catalogue files of 676 entries each. The stored object files themselves are not written.
namespace BigBox {

// Writes the catalogue of count objects under base/photo, and the base folder's "sss" and "wrd".
bool write(const QString &basePath, int count);

// The remark of object i (aaaaaa, aaaaab ...).
QString remarkOf(int i);

} // namespace BigBox
