#include "myunit.h"

#include <QDir>

MyUnit::MyUnit(const QString &name, MyUnit *parent)
    : QObject(parent)
    , m_name(name)
{
    setObjectName(name);
    if (parent)
        m_path = parent->completeName() + QDir::separator();
}

MyUnit *MyUnit::baseUnit()
{
    MyUnit *node = this;
    while (auto up = dynamic_cast<MyUnit *>(node->parent()))
        node = up;
    return node;
}

// The descendants are searched before the root: a base folder may carry the name of one of its own
// units ("photo", "log", "_src" ...), and a look-up of that unit must never answer with the base folder.
MyUnit *MyUnit::unit(const QString &name)
{
    MyUnit *root = baseUnit();
    if (MyUnit *found = findIn(root, name))
        return found;
    return root->objectName() == name ? root : nullptr;
}

// Breadth first among the direct children, then the same search inside each child in turn.
MyUnit *MyUnit::findIn(QObject *node, const QString &name)
{
    const QObjectList children = node->children();
    for (QObject *child : children) {
        auto found = dynamic_cast<MyUnit *>(child);
        if (found && child->objectName() == name)
            return found;
    }
    for (QObject *child : children) {
        if (MyUnit *found = findIn(child, name))
            return found;
    }
    return nullptr;
}
