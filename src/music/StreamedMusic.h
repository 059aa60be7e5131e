#pragma once

#include <allegro5/allegro_audio.h>

// Music streamed from its file by the audio thread: a few small buffers
// instead of the whole track decoded. For the builds that have threads.
struct StreamedMusic
{
    ALLEGRO_AUDIO_STREAM* stream = nullptr;
    bool attached = false; // to the default mixer, on first play
};

// False, leaving music empty, when the file is missing, not a regular file or
// has nothing to play.
bool OpenStreamedMusic(StreamedMusic& music, const char* path);
void PlayStreamedMusic(StreamedMusic& music, bool on); // on: from where it stopped
bool StreamedMusicPlaying(const StreamedMusic& music);
void CloseStreamedMusic(StreamedMusic& music);
