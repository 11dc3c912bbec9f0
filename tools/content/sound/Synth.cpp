#include "tools/content/sound/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::sound {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
// Below the lowest tone any description uses (a 30 Hz thump), so it only takes the offset.
constexpr float kDcCutoff = 8.0f;

// The polyBLEP correction around a step at phase 0, for a phase step of `dt`.
float PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return static_cast<float>(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return static_cast<float>(t * t + t + t + 1.0);
    }
    return 0.0f;
}

// Both ramps reach exactly 0 at the outer sample.
float FadeGain(int index, int count, int fadeIn, int fadeOut) {
    float gain = 1.0f;
    if (index < fadeIn) gain *= 0.5f - 0.5f * std::cos(kPi * static_cast<float>(index) / fadeIn);
    const int fromEnd = count - 1 - index;
    if (fromEnd < fadeOut)
        gain *= 0.5f - 0.5f * std::cos(kPi * static_cast<float>(fromEnd) / fadeOut);
    return gain;
}

}  // namespace

std::uint64_t Rng::Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Unit() {
    // 24 bits: exactly representable in a float, so the result never rounds up to 1.
    return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f);
}

float Oscillator::Next(float frequency) {
    const double dt = std::clamp(static_cast<double>(frequency) / kSampleRate, 0.0, 0.49);
    float value = 0.0f;
    switch (wave) {
        case Wave::Sine:
            value = static_cast<float>(std::sin(2.0 * std::numbers::pi * phase));
            break;
        case Wave::Saw:
            value = static_cast<float>(2.0 * phase - 1.0) - PolyBlep(phase, dt);
            break;
        case Wave::Square: {
            value = phase < 0.5 ? 1.0f : -1.0f;
            value += PolyBlep(phase, dt);
            double half = phase + 0.5;
            if (half >= 1.0) half -= 1.0;
            value -= PolyBlep(half, dt);
            break;
        }
        case Wave::Triangle:
            value = static_cast<float>(4.0 * std::abs(phase - 0.5) - 1.0);
            break;
    }
    phase += dt;
    if (phase >= 1.0) phase -= 1.0;
    return value;
}

float OnePoleLowPass::Process(float input, float cutoff) {
    const float a = 1.0f - std::exp(-2.0f * kPi * cutoff / kSampleRate);
    state += a * (input - state);
    return state;
}

StateVariableFilter::Output StateVariableFilter::Process(float input, float cutoff, float q) {
    const float fc = std::clamp(cutoff, 10.0f, 0.45f * kSampleRate);
    const float g = std::tan(kPi * fc / kSampleRate);
    const float k = 1.0f / std::max(q, 0.5f);
    const float a1 = 1.0f / (1.0f + g * (g + k));
    const float a2 = g * a1;
    const float a3 = g * a2;
    const float v3 = input - ic2;
    const float v1 = a1 * ic1 + a2 * v3;
    const float v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0f * v1 - ic1;
    ic2 = 2.0f * v2 - ic2;
    return {v2, v1, input - k * v1 - v2};
}

float DecayGain(float time, float t60) {
    if (t60 <= 0.0f) return 0.0f;
    // 60 dB is a factor of 1000.
    return std::exp(-6.907755f * time / t60);
}

void SoftClip(std::vector<float>& samples, float drive) {
    if (drive <= 0.0f) return;
    const float scale = 1.0f / std::tanh(drive);
    for (float& s : samples) s = std::tanh(drive * s) * scale;
}

void Fade(std::vector<float>& samples, int fadeIn, int fadeOut) {
    const int count = static_cast<int>(samples.size());
    for (int i = 0; i < count; ++i) samples[i] *= FadeGain(i, count, fadeIn, fadeOut);
}

void RemoveDc(std::vector<float>& samples, int fadeIn, int fadeOut) {
    OnePoleHighPass blocker;
    for (float& s : samples) s = blocker.Process(s, kDcCutoff);
    const int count = static_cast<int>(samples.size());
    double sum = 0.0, weight = 0.0;
    for (int i = 0; i < count; ++i) {
        sum += samples[i];
        weight += FadeGain(i, count, fadeIn, fadeOut);
    }
    if (weight <= 0.0) return;
    const float offset = static_cast<float>(sum / weight);
    for (int i = 0; i < count; ++i) samples[i] -= offset * FadeGain(i, count, fadeIn, fadeOut);
}

float Peak(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::abs(s));
    return peak;
}

void Normalise(std::vector<float>& samples, float peak) {
    const float current = Peak(samples);
    if (current <= 0.0f) return;
    const float scale = peak / current;
    for (float& s : samples) s *= scale;
}

}  // namespace content::sound
