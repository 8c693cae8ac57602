#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "mytmpfile.h"

class AnyBox;
class Entry;
class MyWrdFile;
class Selector;

// The passes of the selection frames over the marked entries of a box: a search narrows one subset to
// the entries a selector accepts, a template replays its stages, a fixed test keeps the undescribed.
// Progress goes out as signals, and pending events (paints, timers, never user input) are processed
// at least every 50 ms, so a pass over a large box keeps the window alive and cannot be re-entered.
class SelectionPass : public QObject
{
    Q_OBJECT

public:
    explicit SelectionPass(QObject *parent = nullptr);

    // Keeps in subset i only the entries that keep accepts; returns how many stayed. Every entry
    // examined raises the progress by one from examinedBefore on.
    int narrow(AnyBox *box, int i, const std::function<bool(const Entry *)> &keep, int examinedBefore = 0);

    // Marks every entry of the box in subset i, or takes every mark away, file by file with events let
    // through in between: at a million entries either takes a good part of a second.
    void markAll(AnyBox *box, int i);
    void unmarkAll(AnyBox *box);

    // One search of a stage: the marking is memorized; a fresh stage starts from every entry of the box
    // in subset i, a later one from its own result. When nothing matches, the memorized marking comes
    // back and 0 is returned.
    int search(AnyBox *box, int i, bool fresh, const Selector &selector);

    // Replays a template: every entry in subset 0, each stage opening the next subset with every entry
    // again, each task narrowing the current subset. Returns the number of entries in all subsets.
    int replay(AnyBox *box, const QList<MyTmpFile::task> &tasks, const MyWrdFile *vocabulary);

    // The remark of the prime of the group the remark's object belongs to, or the remark itself.
    static QString remarkToResemble(const AnyBox *box, const QString &remark);
    // The remark criterion with every remark replaced by its prime's; a leading "~" stays.
    static QString remarksToResemble(const AnyBox *box, const QString &criterion);
    // The keyword criterion of a task (words) turned into keys, alternative by alternative.
    static QString wordsToKeys(const MyWrdFile *vocabulary, const QString &criterion);
    // One word request (+sea+red sea-night, a leading "~" kept) turned into keys word by word, in any
    // letter case; an unknown word is dropped with its sign, and a request left without words becomes
    // "nothing", which no keyword field holds.
    static QString requestToKeys(const MyWrdFile *vocabulary, const QString &request);
    // A name for a list file in the list folder: the text with path separators and control characters
    // replaced, so that a name can never reach outside that folder.
    static QString listFileName(const QString &name);

signals:
    // The number of entries the pass will examine, then the running count of those examined and of
    // those kept.
    void started(int total);
    void totalChanged(int total);
    void progressed(int examined);
    void foundChanged(int found);
    // A stage of a replayed template is done; found is the size of its subset.
    void stageDone(int found);

private:
    void keepAlive();

    QElapsedTimer m_sinceEvents;
};
