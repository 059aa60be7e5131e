#include "music/StreamedMusic.h"

#include "filechecks/AssetChecks.h"
#include "filechecks/RegularFile.h"

bool OpenStreamedMusic(StreamedMusic& music, const char* path)
{
    ALLEGRO_AUDIO_STREAM* stream = IsRegularFile(path) ? al_load_audio_stream(path, 4, 1024) : nullptr;
    if (stream != nullptr && !StreamCanPlay(stream))
    {
        al_destroy_audio_stream(stream);
        stream = nullptr;
    }
    music = StreamedMusic{stream, false};
    return stream != nullptr;
}

void PlayStreamedMusic(StreamedMusic& music, bool on)
{
    if (!music.attached)
    {
        music.attached = al_attach_audio_stream_to_mixer(music.stream, al_get_default_mixer());
        // Allegro 5.2.8 answers false here although the stream does loop.
        al_set_audio_stream_playmode(music.stream, ALLEGRO_PLAYMODE_LOOP);
    }
    al_set_audio_stream_playing(music.stream, on);
}

bool StreamedMusicPlaying(const StreamedMusic& music)
{
    return al_get_audio_stream_playing(music.stream);
}

void CloseStreamedMusic(StreamedMusic& music)
{
    al_destroy_audio_stream(music.stream);
    music = StreamedMusic();
}
