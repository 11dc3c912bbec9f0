#pragma once
// Short sound effects: one loaded sample each, played once on a free channel.
#include "platform/Audio.h"

class Sound {
public:
    Sound() = default;

    // Opens the audio device on first use; when it cannot, the game runs silent and says
    // so once on standard output.
    static bool InitSystem();
    // Closes the device and forgets the attempt, so that the next InitSystem tries again.
    static void CloseSystem();
    void Load(const char* path);
    void Play(bool loop);

    bool HasSample() const { return sample != 0; }
    int GetChannel() const { return channel; }

private:
    platform::SampleId sample = 0;
    int channel = 0;
    int volume = 255;
};

// Eleven slots: 0 is silence, 1 to 10 hold the effect samples that definitions name.
class SoundBank {
public:
    static constexpr int kSlots = 11;

    SoundBank() = default;

    void Init();
    // A slot outside 0 to 10 gives the silent slot 0.
    Sound& operator[](int slot);

private:
    Sound sounds[kSlots];
};

extern SoundBank soundBank;
