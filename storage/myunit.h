#pragma once

#include <QObject>
#include <QString>

// One directory or file that the program keeps, as a node of the tree rooted at the base folder.
// The object name is the unit's name, so units can be found with unit().
class MyUnit : public QObject
{
public:
    // Whether a unit's directory or file is made when missing (CheckDisk), or was just seen there by a
    // reading of the same start-up, which spares a look-up per unit of a large box.
    enum Presence { CheckDisk, SeenOnDisk };

    MyUnit(const QString &name, MyUnit *parent);

    QString path() const { return m_path; }
    QString name() const { return m_name; }
    QString type() const { return m_type; }
    QString completeName() const { return m_path + m_name; }
    bool initOk() const { return m_initOk; }

    MyUnit *baseUnit();
    MyUnit *unit(const QString &name);

protected:
    void setPath(const QString &path) { m_path = path; }
    void setType(const QString &type) { m_type = type; }
    void setInitOk(bool ok) { m_initOk = ok; }

private:
    static MyUnit *findIn(QObject *node, const QString &name);

    QString m_path;
    QString m_name;
    QString m_type;
    bool m_initOk = false;
};
