#include "app/Sound.h"

#include <cstdio>
#include <string>

#include "platform/Services.h"

namespace {

constexpr int kMixingRate = 44100;
constexpr int kChannels = 32;

const char* const kSampleFiles[SoundBank::kSlots] = {
    nullptr,
    "RESOURCES/Sound/VehicleExplosion.mp3",
    "RESOURCES/Sound/SmallExplosion.mp3",
    "RESOURCES/Sound/TankCannon.mp3",
    "RESOURCES/Sound/ForceCannon.mp3",
    "RESOURCES/Sound/MachineGunShot2.mp3",
    "RESOURCES/Sound/Minedrop.mp3",
    "RESOURCES/Sound/RailGun.mp3",
    "RESOURCES/Sound/RammingSpeed.mp3",
    "RESOURCES/Sound/LaserBlaster.mp3",
    "RESOURCES/Sound/IrradiationField.mp3",
};

enum class AudioState { Untried, Open, Silent };
AudioState audioState = AudioState::Untried;

}  // namespace

bool Sound::InitSystem() {
    if (audioState == AudioState::Untried) {
        std::string error;
        if (platform::GetAudio().Open(kMixingRate, kChannels, error)) {
            audioState = AudioState::Open;
        } else {
            audioState = AudioState::Silent;
            std::printf("Sound: the audio device could not be opened (%s); the game runs silent.\n",
                        error.c_str());
        }
    }
    return audioState == AudioState::Open;
}

void Sound::CloseSystem() {
    if (audioState == AudioState::Open) platform::GetAudio().Close();
    audioState = AudioState::Untried;
}

void Sound::Load(const char* path) {
    // Without a device there is nothing to load into, and that has been said already.
    if (audioState != AudioState::Open || !path) return;
    std::string error;
    sample = platform::GetAudio().Load(path, error);
    if (!sample) std::printf("%s\n", error.c_str());
}

void Sound::Play(bool) {
    if (!sample) return;
    channel = platform::GetAudio().Play(sample, volume);
}

void SoundBank::Init() {
    Sound::InitSystem();
    for (int slot = 1; slot < kSlots; ++slot) sounds[slot].Load(kSampleFiles[slot]);
}

Sound& SoundBank::operator[](int slot) {
    if (slot < 0 || slot >= kSlots) return sounds[0];
    return sounds[slot];
}
