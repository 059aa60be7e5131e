#include "platform/Platform.h"

#include "music/LoopPosition.h"

#include <emscripten.h>

// A page has no threads to feed a stream, and decoding the whole music in the
// game held its title menu back by a fifth of a second or more: the browser
// decodes it instead, off the page's thread, and plays it as a looping buffer
// of Web Audio. Until it is decoded, the music keeps time without sound, and
// then starts where it would have been.
struct Platform::Music
{
    bool playing = false;
    double from = 0.0;   // seconds into the music when it last started or stopped
    double since = 0.0;  // the audio clock then
    double length = 0.0; // 0 until decoded
};

namespace
{
Platform::Music* current = nullptr; // the one music the page decodes

// clang-format off
// The file from the page's file system, decoded by the browser; the game hears
// of it through fornalina_music_decoded. A file without a sample of sound is
// no music.
EM_JS(int, BeginMusicDecode, (const char* path), {
    const Context = window.AudioContext || window.webkitAudioContext;
    let bytes;
    try {
        bytes = FS.readFile(UTF8ToString(path));
    } catch (e) {
        return 0;
    }
    if (!Context) {
        return 0;
    }
    // The audio context of the game's sounds (SDL's) where there is one: each
    // context keeps a rendering thread of its own awake.
    const shared = Module.SDL2 && Module.SDL2.audioContext;
    const music = { context: shared || new Context(), own: !shared, buffer: null, source: null };
    Module.fornalinaMusic = music;
    music.context.decodeAudioData(bytes.slice().buffer).then(function(buffer) {
        if (Module.fornalinaMusic !== music) {
            return;
        }
        for (let channel = 0; channel < buffer.numberOfChannels; ++channel) {
            if (buffer.getChannelData(channel).some(function(sample) { return sample !== 0; })) {
                music.buffer = buffer;
                _fornalina_music_decoded(buffer.duration);
                return;
            }
        }
        console.error("Fornalina: a música não tem som");
    }, function(error) {
        console.error("Fornalina: a música não pôde ser decodificada", error);
    });
    return 1;
});

EM_JS(double, MusicClock, (), {
    const music = Module.fornalinaMusic;
    return music ? music.context.currentTime : 0;
});

EM_JS(void, StopMusicSource, (), {
    const music = Module.fornalinaMusic;
    if (music && music.source) {
        music.source.stop();
        music.source.disconnect();
        music.source = null;
    }
});

EM_JS(void, StartMusicSource, (double position), {
    const music = Module.fornalinaMusic;
    if (!music || !music.buffer) {
        return;
    }
    if (music.source) {
        music.source.stop();
        music.source.disconnect();
    }
    music.source = music.context.createBufferSource();
    music.source.buffer = music.buffer;
    music.source.loop = true;
    music.source.connect(music.context.destination);
    music.source.start(0, position);
    if (music.context.state === "suspended") {
        music.context.resume();
    }
});

EM_JS(void, CloseMusic, (), {
    const music = Module.fornalinaMusic;
    Module.fornalinaMusic = null;
    if (music) {
        if (music.source) {
            music.source.stop();
            music.source.disconnect();
        }
        if (music.own) {
            music.context.close();
        }
    }
});
// clang-format on

// Where the music is now, as far as its clock tells.
double PositionNow(const Platform::Music* music)
{
    const double elapsed = music->playing ? MusicClock() - music->since : 0.0;
    return music->length > 0.0 ? LoopPosition(music->from, elapsed, music->length) : music->from + elapsed;
}
}

// Called by the page once the browser has decoded the music.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_music_decoded(double length)
{
    if (current == nullptr)
    {
        return;
    }
    const double position = PositionNow(current);
    current->length = length;
    if (current->playing)
    {
        current->from = LoopPosition(position, 0.0, length);
        current->since = MusicClock();
        StartMusicSource(current->from);
    }
}

namespace Platform
{
Music* LoadMusic(const char* path)
{
    if (current != nullptr || BeginMusicDecode(path) == 0)
    {
        return nullptr;
    }
    current = new Music();
    return current;
}

void PlayMusic(Music* music, bool on)
{
    if (on == music->playing)
    {
        return;
    }
    music->from = PositionNow(music);
    music->since = MusicClock();
    music->playing = on;
    if (on)
    {
        StartMusicSource(music->from); // nothing yet while it is being decoded
    }
    else
    {
        StopMusicSource();
    }
}

bool MusicPlaying(const Music* music)
{
    return music->playing;
}

void DestroyMusic(Music* music)
{
    if (music != nullptr)
    {
        CloseMusic();
        if (music == current)
        {
            current = nullptr;
        }
        delete music;
    }
}
}
