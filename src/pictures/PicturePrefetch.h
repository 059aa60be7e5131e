#pragma once

#include <allegro5/allegro.h>

#include <memory>
#include <string>
#include <vector>

// Decodes picture files into memory bitmaps on a thread of its own while the
// caller goes on: start-up creates its window meanwhile, which takes the main
// thread long enough to decode every picture of the first screens. While the
// prefetch lives, LoadBitmapFile takes a prefetched decode instead of reading
// the file (waiting for it if the thread has not reached it yet), then checks,
// counts, reports and converts it exactly as its own decode.
//
// One prefetch at a time; it must end before the library is uninstalled.
class PicturePrefetch
{
public:
    explicit PicturePrefetch(const std::vector<std::string>& paths);
    // Waits for the thread and frees every decode nobody took.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};

// For LoadBitmapFile: when a live prefetch has the file (by absolute path),
// waits for its decode and hands it over (nullptr: it did not decode) and sets
// `prefetched`; otherwise leaves `prefetched` false.
ALLEGRO_BITMAP* TakePrefetchedBitmap(const std::string& absolutePath, bool& prefetched);
