#pragma once

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "myabcfile.h"

// The catalogue files of the boxes, read on a thread of their own while start-up builds the rest of the
// unit tree; each box then takes what was read for it, and the files not read by then are read by the
// taking thread as well, so both cores share the work. Reading touches nothing but the files; the
// objects are made by the box on its own thread.
class CatalogueAhead
{
public:
    // The second-level folders of one first-level folder, each with what its abc file holds.
    struct Folder
    {
        QString name;
        std::vector<std::pair<QString, MyAbcFile::Contents>> files;
    };
    using Listing = std::vector<Folder>;

    // The two levels of two-letter folders of the box in the box's order, read on the calling thread.
    static Listing read(const QString &boxPath);

    // Starts reading the boxes, in this order.
    explicit CatalogueAhead(const QStringList &boxPaths);
    // Waits for the thread; what no box took is dropped.
    ~CatalogueAhead();

    // What was read for the box, once; a box not read here is read on the calling thread.
    Listing take(const QString &boxPath);

private:
    struct Box
    {
        QString path;
        Listing listing;
        // Where each abc file's contents go: folder and file index in the listing.
        std::vector<std::pair<size_t, size_t>> files;
        size_t next = 0;
        size_t done = 0;
        bool listed = false;
        bool taken = false;
    };

    static Listing list(const QString &boxPath, std::vector<std::pair<size_t, size_t>> *files);
    static QString abcPath(const QString &boxPath, const Listing &listing, const std::pair<size_t, size_t> &file);
    // Reads the box's files not yet taken by another thread; returns when none is left to take.
    void readFiles(Box &box);
    void work();

    std::vector<Box> m_boxes;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    std::thread m_thread;
};
