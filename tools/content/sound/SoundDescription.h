#pragma once
// A sound effect described as a few layers, each a source shaped by pitch, filters and an
// envelope; the renderer mixes them into one finished mono sample.
#include <string>
#include <vector>

namespace content::sound {

enum class Source { Sine, Saw, Square, Triangle, Noise, Crackle };

// A value that moves over a layer's time: points in seconds from the layer's start, joined
// geometrically (even steps in pitch), held before the first and after the last point.
struct Point {
    float time;
    float value;
};
using Curve = std::vector<Point>;

struct Envelope {
    float attack = 0.002f;  // seconds of linear rise
    float hold = 0.0f;      // seconds at full level after the rise
    float decay = 10.0f;    // seconds to fall by 60 dB after the hold
};

struct Layer {
    Source source = Source::Sine;
    float start = 0.0f;   // seconds into the sound
    float length = 0.0f;  // seconds; 0 runs to the end of the sound
    float gain = 1.0f;
    // Hz for the oscillators; crackles per second for Crackle; unused by Noise.
    Curve pitch = {{0.0f, 440.0f}};
    Envelope envelope = {};
    Curve lowPass = {};  // cutoff in Hz; empty for none
    int lowPassOrder = 1;
    float highPass = 0.0f;  // cutoff in Hz; 0 for none
    Curve resonance = {};   // band-pass centre in Hz; empty for none
    float q = 4.0f;         // sharpness of the band-pass
    float ringHz = 0.0f;    // ring modulation: multiplies the source by a sine
    float ringDepth = 0.0f;
    float tremoloHz = 0.0f;
    float tremoloDepth = 0.0f;
    float vibratoHz = 0.0f;
    float vibratoDepth = 0.0f;  // fraction of the pitch
};

struct SoundDescription {
    std::string file;  // name under RESOURCES/Sound/
    float duration;    // seconds
    float drive;       // soft clipping of the mix; 0 for none
    std::vector<Layer> layers;
};

// The peak every finished sample is normalised to: -1 dBFS.
constexpr float kTargetPeak = 0.891251f;

// Renders the layers at 44100 Hz, mono, and finishes the mix: soft clipping, no offset,
// short fades at both ends and the peak at kTargetPeak. The noise is seeded from the file
// name, so it differs between sounds and stays the same from build to build.
std::vector<float> RenderSound(const SoundDescription& description);

// The ten effect samples the game loads, in its slot order.
const std::vector<SoundDescription>& SoundDescriptions();

}  // namespace content::sound
