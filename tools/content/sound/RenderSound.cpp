#include "tools/content/sound/SoundDescription.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/content/sound/Synth.h"

namespace content::sound {

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kFadeInSeconds = 0.003f;
constexpr float kFadeOutSeconds = 0.04f;
// A layer that stops before the sound ends is faded over this time, so it leaves no step.
constexpr float kLayerEndSeconds = 0.005f;
// One crackle is a burst of noise that dies within a few milliseconds.
constexpr float kCrackleSeconds = 0.0015f;

float Evaluate(const Curve& curve, float time) {
    if (curve.empty()) return 0.0f;
    if (time <= curve.front().time) return curve.front().value;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const Point& a = curve[i - 1];
        const Point& b = curve[i];
        if (time > b.time) continue;
        const float span = b.time - a.time;
        const float t = span > 0.0f ? (time - a.time) / span : 1.0f;
        if (a.value > 0.0f && b.value > 0.0f) return a.value * std::pow(b.value / a.value, t);
        return a.value + (b.value - a.value) * t;
    }
    return curve.back().value;
}

float EnvelopeGain(const Envelope& envelope, float time) {
    if (time < envelope.attack) return time / envelope.attack;
    time -= envelope.attack;
    if (time < envelope.hold) return 1.0f;
    return DecayGain(time - envelope.hold, envelope.decay);
}

std::uint64_t Seed(const std::string& name, std::size_t layer) {
    // FNV-1a over the name, so each sound's noise is its own and stays put when the table
    // is reordered.
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
    return hash + layer * 0x9E3779B97F4A7C15ull;
}

class LayerVoice {
public:
    LayerVoice(const Layer& layer, std::uint64_t seed)
        : layer(layer), rng(seed), oscillator(OscillatorWave(layer.source)) {
        lowPass.resize(static_cast<std::size_t>(std::clamp(layer.lowPassOrder, 1, 8)));
    }

    float Next(float time) {
        const float frequency = Evaluate(layer.pitch, time);
        float value = Generate(time, frequency);
        if (layer.ringDepth > 0.0f)
            value *=
                1.0f - layer.ringDepth + layer.ringDepth * std::sin(kTwoPi * layer.ringHz * time);
        if (!layer.resonance.empty())
            value = resonance.Process(value, Evaluate(layer.resonance, time), layer.q).bandPass;
        if (!layer.lowPass.empty()) {
            const float cutoff = Evaluate(layer.lowPass, time);
            for (OnePoleLowPass& pole : lowPass) value = pole.Process(value, cutoff);
        }
        if (layer.highPass > 0.0f) value = highPass.Process(value, layer.highPass);
        float gain = layer.gain * EnvelopeGain(layer.envelope, time);
        if (layer.tremoloDepth > 0.0f)
            gain *= 1.0f -
                    layer.tremoloDepth * (0.5f - 0.5f * std::cos(kTwoPi * layer.tremoloHz * time));
        return value * gain;
    }

private:
    static Wave OscillatorWave(Source source) {
        switch (source) {
            case Source::Saw:
                return Wave::Saw;
            case Source::Square:
                return Wave::Square;
            case Source::Triangle:
                return Wave::Triangle;
            default:
                return Wave::Sine;
        }
    }

    float Generate(float time, float frequency) {
        switch (layer.source) {
            case Source::Noise:
                return rng.Bipolar();
            case Source::Crackle: {
                if (rng.Unit() < frequency / kSampleRate) crackle = 0.3f + 0.7f * rng.Unit();
                const float value = crackle * rng.Bipolar();
                crackle *= crackleFall;
                return value;
            }
            default:
                break;
        }
        if (layer.vibratoDepth > 0.0f)
            frequency *= 1.0f + layer.vibratoDepth * std::sin(kTwoPi * layer.vibratoHz * time);
        return oscillator.Next(frequency);
    }

    const Layer& layer;
    Rng rng;
    Oscillator oscillator;
    std::vector<OnePoleLowPass> lowPass;
    OnePoleHighPass highPass;
    StateVariableFilter resonance;
    float crackle = 0.0f;
    const float crackleFall = std::exp(-1.0f / (kCrackleSeconds * kSampleRate));
};

int Samples(float seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

}  // namespace

std::vector<float> RenderSound(const SoundDescription& description) {
    const int total = std::max(Samples(description.duration), 0);
    std::vector<float> mix(static_cast<std::size_t>(total), 0.0f);
    for (std::size_t index = 0; index < description.layers.size(); ++index) {
        const Layer& layer = description.layers[index];
        const int first = std::clamp(Samples(layer.start), 0, total);
        const int end =
            layer.length > 0.0f ? std::clamp(first + Samples(layer.length), first, total) : total;
        const int tail = end < total ? std::min(Samples(kLayerEndSeconds), end - first) : 0;
        LayerVoice voice(layer, Seed(description.file, index));
        for (int i = first; i < end; ++i) {
            float value = voice.Next(static_cast<float>(i - first) / kSampleRate);
            if (i >= end - tail) value *= static_cast<float>(end - i) / static_cast<float>(tail);
            mix[static_cast<std::size_t>(i)] += value;
        }
    }
    const int fadeIn = Samples(kFadeInSeconds);
    const int fadeOut = std::min(Samples(kFadeOutSeconds), total / 10);
    Normalise(mix, 1.0f);
    SoftClip(mix, description.drive);
    Fade(mix, fadeIn, fadeOut);
    RemoveDc(mix, fadeIn, fadeOut);
    Normalise(mix, kTargetPeak);
    return mix;
}

}  // namespace content::sound
