#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class AnyBox;
class Entry;
class MyAbcFile;

// One pass over every entry of a box for a frame that shows figures of the whole box. Started from the
// event loop it reads the catalogue files in slices of a few milliseconds, so the frame is shown at once,
// answers while the pass runs and fills in when it has finished. Tests and benchmarks run it at once.
class EntryPass : public QObject
{
    Q_OBJECT

public:
    using Visit = std::function<void(const Entry &)>;

    EntryPass(AnyBox *box, Visit visit, QObject *parent = nullptr);

    // Reads the files slice by slice from the event loop; progress and finished follow.
    void start();
    // Reads every file now.
    void runAll();
    bool isFinished() const { return m_next >= m_files.size() && m_started; }
    int fileCount() const { return m_files.size(); }

signals:
    void progress(int filesRead, int fileCount);
    void finished();

private:
    void readFile(const MyAbcFile *file);
    void slice();

    QList<MyAbcFile *> m_files;
    Visit m_visit;
    QTimer m_timer;
    int m_next = 0;
    bool m_started = false;
};
