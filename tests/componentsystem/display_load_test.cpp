#include "componentsystem/DrawableComponent.h"

#include "support/AllegroFixture.h"
#include "support/DisplayCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace
{
// Ends the process with a failure if the guarded work has not finished in time:
// a hang must fail the test rather than stall the whole run.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; }))
            {
                std::fprintf(stderr, "Watchdog: still running after %lld s\n", static_cast<long long>(limit.count()));
                _exit(1);
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};
}

TEST(DisplayLoad, ADamagedPictureNeitherLoadsNorKeepsTheDisplayFromClosing)
{
    SKIP_WITHOUT_DISPLAY();
    StartAllegroForTests();
    TempDir dir;
    const std::string good = WriteSolidPng(dir.File("good.png"), 64, 48, al_map_rgb(200, 100, 50));
    const std::string damaged = WriteSolidPng(dir.File("damaged.png"), 256, 256, al_map_rgb(1, 2, 3));
    std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) / 2);

    ALLEGRO_DISPLAY* display = al_create_display(320, 240);
    ASSERT_NE(display, nullptr) << "no display: run the tests under an X server (xvfb-run -a)";

    Watchdog watchdog(std::chrono::seconds(30));
    {
        DrawableComponent drawable;
        drawable.Load(damaged);
        EXPECT_FALSE(drawable.IsLoaded());

        DrawableComponent intact;
        intact.Load(good);
        ASSERT_TRUE(intact.IsLoaded());
        EXPECT_EQ(al_get_bitmap_flags(intact.GetBitmap()) & ALLEGRO_MEMORY_BITMAP, 0)
            << "a picture loaded with a display open is drawn from video memory";
        EXPECT_EQ(intact.GetWidth(), 64);
    }
    EXPECT_EQ(al_get_new_bitmap_flags() & ALLEGRO_MEMORY_BITMAP, 0) << "the caller's bitmap flags are restored";
    al_destroy_display(display);
}
