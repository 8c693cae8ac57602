#pragma once

#include <QHash>
#include <QString>

#include "myfile.h"

// The session file: one line per arrangement run that added objects, numbered from 1. It is read
// once at construction; afterwards only add() changes it.
class MySssFile : public MyFile
{
public:
    MySssFile(const QString &name, MyUnit *parent);

    // The number the next session gets; 0 when the largest number there is has been given already
    // (numbers never wrap round to reuse 1, 2 ...).
    unsigned currentSessionNumber() const { return m_currentSessionNumber; }
    bool sessionNumberLeft() const { return m_currentSessionNumber != 0; }
    unsigned countSessions() const { return m_countSessions; }
    QString sessionDateCreation(unsigned n) const { return m_sessions.value(n).date; }
    QString sessionAnnotation(unsigned n) const { return m_sessions.value(n).annotation; }

    bool add(const QString &boxName, const QString &annotation);

private:
    void read();
    static unsigned following(unsigned n);

    unsigned m_currentSessionNumber = 1;
    unsigned m_countSessions = 0;
    struct Session
    {
        QString date;
        QString annotation;
    };
    QHash<unsigned, Session> m_sessions;
};
