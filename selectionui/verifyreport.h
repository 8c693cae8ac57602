#pragma once

#include <QString>
#include <QTextStream>

#include <functional>

class AnyBox;
class QSaveFile;

// The findings a verification frame leaves out of its report, one line each, in a text file of the list
// folder. The file is made only when a finding is left out, and replaces the one of an earlier scan
// whole, when it is complete.
class VerifyReport
{
public:
    explicit VerifyReport(const QString &path);
    ~VerifyReport();
    VerifyReport(const VerifyReport &) = delete;
    VerifyReport &operator=(const VerifyReport &) = delete;

    // The report file of a box: "verify-" and the box's name, in the list folder; empty without one.
    static QString pathFor(AnyBox *box);

    QString path() const { return m_path; }
    void add(const QString &line);
    std::function<void(const QString &)> sink();
    // True when a line was added.
    bool used() const { return m_lines > 0; }
    int lineCount() const { return m_lines; }
    // Puts the file in place; true when it is there whole, or nothing was left out.
    bool commit();

private:
    QString m_path;
    QSaveFile *m_file = nullptr;
    QTextStream m_stream;
    int m_lines = 0;
    bool m_failed = false;
    bool m_committed = false;
};
