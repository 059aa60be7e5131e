#pragma once

#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>

// A font, sound or music file can open well and still be unusable: cut short,
// it loads and then draws no glyph, holds no sample, or streams nothing (and a
// looping stream of nothing keeps the audio thread spinning for ever). These
// tell such files apart, so that start-up reports them as it reports missing
// ones.

// True when every character of `characters` leaves ink when drawn.
bool FontDrawsEveryCharacter(ALLEGRO_FONT* font, const char* characters);
// True when the sample holds at least one sample frame.
bool SampleHasSound(ALLEGRO_SAMPLE* sample);
// True when the stream has a length and a rate to play at.
bool StreamCanPlay(ALLEGRO_AUDIO_STREAM* stream);
