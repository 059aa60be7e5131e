#include "pictures/PictureStore.h"

#include "pictures/BitmapFile.h"

PictureStore& PictureStore::Shared()
{
    static PictureStore store;
    return store;
}

Picture PictureStore::Load(const std::string& path)
{
    const std::string key = AbsolutePicturePath(path);
    const auto found = m_pictures.find(key);
    if (found != m_pictures.end())
    {
        if (Picture alive = found->second.lock())
        {
            return alive;
        }
    }
    Picture picture = AdoptBitmap(LoadBitmapFile(path));
    if (picture != nullptr)
    {
        ForgetReleased();
        m_pictures[key] = picture;
    }
    return picture;
}

void PictureStore::Offer(const std::string& path, const Picture& picture)
{
    if (picture != nullptr)
    {
        ForgetReleased();
        m_pictures[AbsolutePicturePath(path)] = picture;
    }
}

std::size_t PictureStore::LiveCount()
{
    ForgetReleased();
    return m_pictures.size();
}

void PictureStore::ForgetReleased()
{
    for (auto entry = m_pictures.begin(); entry != m_pictures.end();)
    {
        entry = entry->second.expired() ? m_pictures.erase(entry) : std::next(entry);
    }
}

Picture AdoptBitmap(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap == nullptr)
    {
        return nullptr;
    }
    return Picture(bitmap, al_destroy_bitmap);
}
