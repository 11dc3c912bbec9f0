#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

#include "platform/ContentLimits.h"
#include "platform/Files.h"

namespace platform {

SdlAudio::~SdlAudio() {
    Close();
}

bool SdlAudio::Open(int frequency, int channels, std::string& error) {
    if (state == State::Open) return true;
    if (state == State::Failed) {
        error = openError;
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        openError = SDL_GetError();
    } else if (Mix_OpenAudio(frequency, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        openError = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } else {
        Mix_Init(MIX_INIT_MP3);
        Mix_AllocateChannels(channels);
        state = State::Open;
        return true;
    }
    state = State::Failed;
    error = openError;
    return false;
}

SampleId SdlAudio::Load(const std::string& path, std::string& error) {
    if (state != State::Open) {
        error = "no audio device";
        return 0;
    }
    std::string bytes;
    if (ReadContentFile(path, contentlimits::kMaxSoundFileBytes, bytes) != ContentRead::Read) {
        error = "the sound file cannot be read: " + path;
        return 0;
    }
    // The sample is decoded whole here, so the bytes need not outlive the call.
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (!chunk) {
        error = Mix_GetError();
        return 0;
    }
    samples.push_back(chunk);
    return static_cast<SampleId>(samples.size());
}

int SdlAudio::Play(SampleId sample, int volume) {
    if (state != State::Open || sample <= 0 || sample > static_cast<SampleId>(samples.size()))
        return -1;
    const int channel = Mix_PlayChannel(-1, samples[static_cast<size_t>(sample - 1)], 0);
    if (channel >= 0) {
        const int clamped = volume < 0 ? 0 : (volume > 255 ? 255 : volume);
        Mix_Volume(channel, clamped * MIX_MAX_VOLUME / 255);
    }
    return channel;
}

void SdlAudio::Close() {
    if (state != State::Open) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* chunk : samples) Mix_FreeChunk(chunk);
    samples.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    state = State::Closed;
}

}  // namespace platform
