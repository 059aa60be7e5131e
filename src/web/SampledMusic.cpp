#include "platform/Platform.h"

#include "filechecks/AssetChecks.h"
#include "filechecks/RegularFile.h"

#include <allegro5/allegro_audio.h>

// A page has no threads to feed a stream: the music is decoded whole at
// start-up and loops as a sample instance.
struct Platform::Music
{
    ALLEGRO_SAMPLE* sample;
    ALLEGRO_SAMPLE_INSTANCE* instance;
    unsigned int stoppedAt; // where it goes on when switched on again
};

namespace Platform
{
Music* LoadMusic(const char* path)
{
    ALLEGRO_SAMPLE* sample = IsRegularFile(path) ? al_load_sample(path) : nullptr;
    if (sample != nullptr && !SampleHasSound(sample))
    {
        al_destroy_sample(sample);
        sample = nullptr;
    }
    ALLEGRO_SAMPLE_INSTANCE* instance = sample != nullptr ? al_create_sample_instance(sample) : nullptr;
    if (instance == nullptr || !al_set_sample_instance_playmode(instance, ALLEGRO_PLAYMODE_LOOP) ||
        !al_attach_sample_instance_to_mixer(instance, al_get_default_mixer()))
    {
        if (instance != nullptr)
        {
            al_destroy_sample_instance(instance);
        }
        if (sample != nullptr)
        {
            al_destroy_sample(sample);
        }
        return nullptr;
    }
    al_set_sample_instance_playing(instance, false);
    return new Music{sample, instance, 0};
}

void PlayMusic(Music* music, bool on)
{
    if (on == al_get_sample_instance_playing(music->instance))
    {
        return;
    }
    if (on)
    {
        // Stopping an instance rewinds it: it goes on from where it stopped.
        al_set_sample_instance_position(music->instance, music->stoppedAt);
        al_set_sample_instance_playing(music->instance, true);
    }
    else
    {
        music->stoppedAt = al_get_sample_instance_position(music->instance);
        al_set_sample_instance_playing(music->instance, false);
    }
}

bool MusicPlaying(const Music* music)
{
    return al_get_sample_instance_playing(music->instance);
}

void DestroyMusic(Music* music)
{
    if (music != nullptr)
    {
        al_destroy_sample_instance(music->instance);
        al_destroy_sample(music->sample);
        delete music;
    }
}
}
