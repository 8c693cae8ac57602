#include "catalogueahead.h"

#include <QDir>

#include "constants.h"

namespace {

QStringList twoLetterFolders(const QString &path)
{
    return QDir(path).entryList({ABC_CHAR + ABC_CHAR}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                QDir::Name | QDir::IgnoreCase);
}

} // namespace

CatalogueAhead::Listing CatalogueAhead::list(const QString &boxPath, std::vector<std::pair<size_t, size_t>> *files)
{
    Listing listing;
    for (const QString &re : twoLetterFolders(boxPath)) {
        Folder folder{re, {}};
        for (const QString &ma : twoLetterFolders(boxPath + QLatin1Char('/') + re)) {
            files->emplace_back(listing.size(), folder.files.size());
            folder.files.emplace_back(ma, MyAbcFile::Contents());
        }
        listing.push_back(std::move(folder));
    }
    return listing;
}

QString CatalogueAhead::abcPath(const QString &boxPath, const Listing &listing, const std::pair<size_t, size_t> &file)
{
    const Folder &folder = listing[file.first];
    return boxPath + QLatin1Char('/') + folder.name + QLatin1Char('/') + folder.files[file.second].first
           + QLatin1Char('/') + NAME_ABC_FILE;
}

CatalogueAhead::Listing CatalogueAhead::read(const QString &boxPath)
{
    std::vector<std::pair<size_t, size_t>> files;
    Listing listing = list(boxPath, &files);
    for (const auto &file : files)
        listing[file.first].files[file.second].second = MyAbcFile::read(abcPath(boxPath, listing, file));
    return listing;
}

CatalogueAhead::CatalogueAhead(const QStringList &boxPaths)
{
    m_boxes.resize(size_t(boxPaths.size()));
    for (int i = 0; i < boxPaths.size(); ++i)
        m_boxes[size_t(i)].path = QDir::cleanPath(boxPaths.at(i));
    m_thread = std::thread([this] { work(); });
}

CatalogueAhead::~CatalogueAhead()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_thread.join();
}

// Each file's place in the listing is fixed once the box is listed; a thread writes only the places it
// took, and the taking thread reads them after every one is counted done under the mutex.
void CatalogueAhead::readFiles(Box &box)
{
    for (;;) {
        size_t index;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop || box.next >= box.files.size())
                return;
            index = box.next++;
        }
        const auto &file = box.files[index];
        box.listing[file.first].files[file.second].second = MyAbcFile::read(abcPath(box.path, box.listing, file));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++box.done;
        }
        m_changed.notify_all();
    }
}

void CatalogueAhead::work()
{
    for (Box &box : m_boxes) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop)
                return;
        }
        std::vector<std::pair<size_t, size_t>> files;
        Listing listing = list(box.path, &files);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            box.listing = std::move(listing);
            box.files = std::move(files);
            box.listed = true;
        }
        m_changed.notify_all();
        readFiles(box);
    }
}

CatalogueAhead::Listing CatalogueAhead::take(const QString &boxPath)
{
    const QString path = QDir::cleanPath(boxPath);
    Box *box = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (Box &candidate : m_boxes) {
            if (candidate.path == path && !candidate.taken) {
                box = &candidate;
                box->taken = true;
                break;
            }
        }
    }
    if (!box)
        return read(boxPath);
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [box] { return box->listed; });
    }
    readFiles(*box);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [box] { return box->done == box->files.size(); });
    return std::move(box->listing);
}
