#pragma once
// The particle script (".cfg"): one line per setting, in a fixed order, read with the line
// readers; and the block file that it names, which gives each particle of a batch its start
// offset and direction with a random spread.
#include <istream>
#include <string>
#include <vector>

// Sizes that a script may ask for. Beyond them the script is refused, so a typing error in
// a count cannot make the game allocate without bound.
constexpr int kMaxParticlesPerBatch = 4096;
constexpr int kMaxBatches = 1024;
// The most live particles one script may keep: the shipped scripts' largest (the shower, 212)
// and a little more. Each is a blended quad that Mesa's CPU rasteriser fills: with every script
// of a firefight at 256 its frame takes about four times the shipped one, at 1,024 about
// seventeen times, and one script at 16,384 as the dust trail made play ten times slower
// (brask_render_bench FirefightAtParticleCount).
constexpr int kMaxParticles = 256;
constexpr int kMaxBitmaps = 999;

struct ParticleScript {
    std::string typeWord;
    int type = 3;
    int randomizer = 0;
    std::string scriptName;
    std::string texturePath;
    std::string blockFile;
    int bitmapCount = 0;
    int baseCount = 0;
    float length = 0.0f;
    float height = 0.0f;
    bool randomPosition = false;
    float position[3] = {};
    bool randomDirection = false;
    float direction[3] = {};
    float colour[3] = {};
    int colourKey[3] = {};
    float alpha = 0.0f;
    float gravity[3] = {};
    float lifetime = 0.0f;
    float interval = 0.0f;
    float fadeSpeed = 0.0f;
    float fadeInDuration = 0.0f;
    float fadeOutDuration = 0.0f;
    int fadeStep = 0;
    float growRate = 0.0f;
    float minSize = 0.0f;
    float maxSize = 0.0f;
    float minAlpha = 0.0f;
    float maxAlpha = 0.0f;
    float minYSpeed = 0.0f;  // read and not used
    float maxYSpeed = 0.0f;  // read and not used
    int animationLoops = 0;
    int lifetimeLoops = 0;
    int frameSkip = 0;
    float movementScale = 1.0f;
    bool explosion = false;

    // Derived once read: batches 0 means one batch.
    int batches = 0;
    int particleCount = 0;

    // The lines (1 from the top, with their expected text) that did not match, for the
    // content check; the game itself goes on with the value unset, as the reader always has.
    std::vector<std::string> unmatched;
};

// Reads the script from `in` into `script` (its fields start at their defaults). The type
// decides how much is read: "RANDOM" and unknown words stop after the first lines.
void ReadParticleScript(std::istream& in, ParticleScript& script);

// Computes batches and the particle count; false (with the reason) when the sizes are out
// of range, in which case the script must not be used.
bool DeriveParticleCounts(ParticleScript& script, std::string& why);

// The file of frame `frame` (from 0) of `count`: the path itself for a single frame,
// otherwise the path, the frame number from 1 with at least three digits (from 100 on with
// one leading zero) and ".bmp".
std::string FrameFileName(const std::string& texturePath, int count, int frame);

// A frame file that holds its own alpha (TGA) rather than a colour key.
bool IsTgaFrame(const std::string& file);

struct ParticleBlock {
    float basePosition[3] = {};
    float baseDirection[3] = {};
    // Position x, y, z, then direction x, y, z.
    float spread[6] = {};
};

// Reads `count` blocks from `in`. False (with the reason) when a block's index is not its
// place in the file or a block is missing: such a file is refused as a whole. Value lines
// that do not match leave 0 and are listed in `unmatched`.
bool ReadParticleBlocks(std::istream& in, int count, std::vector<ParticleBlock>& blocks,
                        std::vector<std::string>& unmatched, std::string& why);
