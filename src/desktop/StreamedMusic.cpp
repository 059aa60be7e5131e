#include "platform/Platform.h"

#include "filechecks/AssetChecks.h"
#include "filechecks/RegularFile.h"

#include <allegro5/allegro_audio.h>

// The music is streamed from its file by the audio thread: a few small
// buffers instead of the whole track decoded.
struct Platform::Music
{
    ALLEGRO_AUDIO_STREAM* stream;
    bool attached;
};

namespace Platform
{
Music* LoadMusic(const char* path)
{
    ALLEGRO_AUDIO_STREAM* stream = IsRegularFile(path) ? al_load_audio_stream(path, 4, 1024) : nullptr;
    if (stream != nullptr && !StreamCanPlay(stream))
    {
        al_destroy_audio_stream(stream);
        stream = nullptr;
    }
    return stream != nullptr ? new Music{stream, false} : nullptr;
}

void PlayMusic(Music* music, bool on)
{
    if (!music->attached)
    {
        music->attached = al_attach_audio_stream_to_mixer(music->stream, al_get_default_mixer());
        // Allegro 5.2.8 answers false here although the stream does loop.
        al_set_audio_stream_playmode(music->stream, ALLEGRO_PLAYMODE_LOOP);
    }
    al_set_audio_stream_playing(music->stream, on);
}

bool MusicPlaying(const Music* music)
{
    return al_get_audio_stream_playing(music->stream);
}

void DestroyMusic(Music* music)
{
    if (music != nullptr)
    {
        al_destroy_audio_stream(music->stream);
        delete music;
    }
}
}
