#include "music/StreamedMusic.h"
#include "platform/Platform.h"

#include <memory>

struct Platform::Music : StreamedMusic
{
};

namespace Platform
{
Music* LoadMusic(const char* path)
{
    auto music = std::make_unique<Music>();
    return OpenStreamedMusic(*music, path) ? music.release() : nullptr;
}

void PlayMusic(Music* music, bool on)
{
    PlayStreamedMusic(*music, on);
}

bool MusicPlaying(const Music* music)
{
    return StreamedMusicPlaying(*music);
}

void DestroyMusic(Music* music)
{
    if (music != nullptr)
    {
        CloseStreamedMusic(*music);
        delete music;
    }
}
}
