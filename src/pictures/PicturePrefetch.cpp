#include "pictures/PicturePrefetch.h"

#include "pictures/BitmapFile.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

struct PicturePrefetch::Shared
{
    std::mutex mutex;
    std::condition_variable decoded;
    // Absolute path to its decode; an entry without a value is still to come.
    std::map<std::string, std::optional<ALLEGRO_BITMAP*>> pictures;
    std::thread worker;
};

namespace
{
std::mutex currentMutex;
std::shared_ptr<PicturePrefetch::Shared> current;
}

PicturePrefetch::PicturePrefetch(const std::vector<std::string>& paths)
    : m_shared(std::make_shared<Shared>())
{
    std::vector<std::pair<std::string, std::string>> files; // path as given, absolute path
    for (const std::string& path : paths)
    {
        const std::string key = AbsolutePicturePath(path);
        if (m_shared->pictures.emplace(key, std::nullopt).second)
        {
            files.emplace_back(path, key);
        }
    }
    // The destructor joins the thread before it lets go of the shared state.
    m_shared->worker = std::thread([shared = m_shared.get(), files] {
        for (const auto& [path, key] : files)
        {
            ALLEGRO_BITMAP* bitmap = DecodeAcceptablePictureIntoMemory(path);
            std::lock_guard<std::mutex> lock(shared->mutex);
            shared->pictures[key] = bitmap;
            shared->decoded.notify_all();
        }
    });
    std::lock_guard<std::mutex> lock(currentMutex);
    current = m_shared;
}

PicturePrefetch::~PicturePrefetch()
{
    {
        std::lock_guard<std::mutex> lock(currentMutex);
        current.reset();
    }
    m_shared->worker.join();
    for (auto& entry : m_shared->pictures)
    {
        if (entry.second.has_value() && *entry.second != nullptr)
        {
            al_destroy_bitmap(*entry.second);
        }
    }
}

ALLEGRO_BITMAP* TakePrefetchedBitmap(const std::string& absolutePath, bool& prefetched)
{
    std::shared_ptr<PicturePrefetch::Shared> shared;
    {
        std::lock_guard<std::mutex> lock(currentMutex);
        shared = current;
    }
    prefetched = false;
    if (shared == nullptr)
    {
        return nullptr;
    }
    std::unique_lock<std::mutex> lock(shared->mutex);
    const auto found = shared->pictures.find(absolutePath);
    if (found == shared->pictures.end())
    {
        return nullptr;
    }
    shared->decoded.wait(lock, [&found] { return found->second.has_value(); });
    prefetched = true;
    ALLEGRO_BITMAP* bitmap = *found->second;
    shared->pictures.erase(found); // taken: the caller owns it, and a second load decodes anew
    return bitmap;
}
