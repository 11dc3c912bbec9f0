#pragma once
// The building blocks the sound descriptions are rendered with: a seeded noise source,
// band-limited oscillators, simple filters and the finishing steps of a mix.
#include <cstdint>
#include <vector>

namespace content::sound {

constexpr int kSampleRate = 44100;

// splitmix64: small, fast and the same on every machine, so every build writes the same
// files.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}
    std::uint64_t Next();
    // Uniform in [0, 1).
    float Unit();
    // Uniform in [-1, 1).
    float Bipolar() { return 2.0f * Unit() - 1.0f; }

private:
    std::uint64_t state;
};

enum class Wave { Sine, Saw, Square, Triangle };

// A phase-accumulating oscillator; saw and square have their steps smoothed (polyBLEP) so
// that high sweeps do not alias into a hiss.
class Oscillator {
public:
    explicit Oscillator(Wave wave) : wave(wave) {}
    float Next(float frequency);

private:
    Wave wave;
    double phase = 0.0;
};

class OnePoleLowPass {
public:
    float Process(float input, float cutoff);

private:
    float state = 0.0f;
};

class OnePoleHighPass {
public:
    float Process(float input, float cutoff) { return input - lowPass.Process(input, cutoff); }

private:
    OnePoleLowPass lowPass;
};

// A two-pole state-variable filter (trapezoidal form, stable at any cutoff); the band-pass
// output gives the resonant sweeps.
class StateVariableFilter {
public:
    struct Output {
        float lowPass;
        float bandPass;
        float highPass;
    };
    Output Process(float input, float cutoff, float q);

private:
    float ic1 = 0.0f;
    float ic2 = 0.0f;
};

// Level after `time` seconds of an exponential fall that loses 60 dB in `t60` seconds.
float DecayGain(float time, float t60);

// tanh saturation scaled so that a full-scale input stays at full scale; drive 0 or less
// leaves the signal as it is.
void SoftClip(std::vector<float>& samples, float drive);
// Raised-cosine fades over the first and last samples, so playback starts and stops
// without a click.
void Fade(std::vector<float>& samples, int fadeIn, int fadeOut);
// Removes any offset that filtering or clipping left behind. The last of it is taken out
// in the shape of the fades, so faded ends stay at zero.
void RemoveDc(std::vector<float>& samples, int fadeIn, int fadeOut);
float Peak(const std::vector<float>& samples);
// Scales the samples so that their peak is `peak`; silence stays silence.
void Normalise(std::vector<float>& samples, float peak);

}  // namespace content::sound
