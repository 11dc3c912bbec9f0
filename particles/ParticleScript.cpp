#include "particles/ParticleScript.h"

#include <climits>
#include <cmath>
#include <concepts>
#include <cstdio>
#include <iterator>
#include <limits>

#include "app/LineReader.h"

namespace {

// A value that no line can give, so that a target still holding it was not matched.
void MarkUnset(int* target) {
    *target = INT_MIN;
}
void MarkUnset(float* target) {
    *target = std::numeric_limits<float>::quiet_NaN();
}
void MarkUnset(std::string* target) {
    *target = std::string(1, '\x01');
}
bool IsUnset(const int* target) {
    return *target == INT_MIN;
}
bool IsUnset(const float* target) {
    return std::isnan(*target);
}
bool IsUnset(const std::string* target) {
    return *target == std::string(1, '\x01');
}

// Reads the lines of one file in order and notes every line that left a target unset.
class LineCursor {
public:
    LineCursor(std::istream& in, std::vector<std::string>& unmatched)
        : in(in), unmatched(unmatched) {}

    // Every line has targets of one kind (all numbers of one type, or one word).
    template <typename T, std::same_as<T>... More>
    void Read(const char* format, T* first, More*... more) {
        ++lineNumber;
        T* const targets[] = {first, more...};
        const T saved[] = {*first, *more...};
        for (T* target : targets) MarkUnset(target);
        std::string line;
        ReadPhysicalLine(in, line);
        const LineTarget list[] = {first, more...};
        MatchLine(line, format, list);
        bool missed = false;
        for (std::size_t i = 0; i < std::size(targets); ++i) {
            if (!IsUnset(targets[i])) continue;
            *targets[i] = saved[i];
            missed = true;
        }
        if (missed) unmatched.push_back(Describe(format));
    }

    // A line that must hold exactly `text` (the block braces).
    void Expect(const char* text) {
        ++lineNumber;
        std::string line;
        ReadPhysicalLine(in, line);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (line != text) unmatched.push_back(Describe(text));
    }

    bool AtEnd() { return in.peek() == std::char_traits<char>::eof(); }

private:
    std::string Describe(const char* format) const {
        return "line " + std::to_string(lineNumber) + " (\"" + format + "\")";
    }

    std::istream& in;
    std::vector<std::string>& unmatched;
    int lineNumber = 0;
};

bool IsTrue(const std::string& word) {
    return word == "true" || word == "TRUE";
}

int TypeOf(const std::string& word) {
    if (word == "CUSTOM_2D") return 0;
    if (word == "CUSTOM_3D") return 1;
    if (word == "RANDOM") return 2;
    if (word == "DECAL") return 4;
    return 3;
}

}  // namespace

void ReadParticleScript(std::istream& in, ParticleScript& s) {
    LineCursor line(in, s.unmatched);
    line.Read("type = %s", &s.typeWord);
    s.type = TypeOf(s.typeWord);
    if (s.type == 2) line.Read("randomizer = %i", &s.randomizer);
    if (s.type == 2 || s.type == 3) return;

    std::string word;
    line.Read("name = %s", &s.scriptName);
    line.Read("texture path = %s", &s.texturePath);
    line.Read("script path = %s", &s.blockFile);
    line.Read("num bitmaps = %i", &s.bitmapCount);
    line.Read("num particles = %i", &s.baseCount);
    line.Read("particle length = %f", &s.length);
    line.Read("particle height = %f", &s.height);
    line.Read("random position = %s", &word);
    s.randomPosition = IsTrue(word);
    line.Read("position = %f, %f, %f", &s.position[0], &s.position[1], &s.position[2]);
    word.clear();
    line.Read("random direction = %s", &word);
    s.randomDirection = IsTrue(word);
    line.Read("direction = %f, %f, %f", &s.direction[0], &s.direction[1], &s.direction[2]);
    line.Read("color = %f, %f, %f", &s.colour[0], &s.colour[1], &s.colour[2]);
    line.Read("color transparency = %i, %i, %i", &s.colourKey[0], &s.colourKey[1], &s.colourKey[2]);
    line.Read("alpha = %f", &s.alpha);
    line.Read("gravity = %f, %f, %f", &s.gravity[0], &s.gravity[1], &s.gravity[2]);
    line.Read("lifetime = %f", &s.lifetime);
    line.Read("interval = %f", &s.interval);
    line.Read("fade speed = %f", &s.fadeSpeed);
    line.Read("fade in duration  = %f", &s.fadeInDuration);
    line.Read("fade out duration = %f", &s.fadeOutDuration);
    line.Read("fade step = %i", &s.fadeStep);
    line.Read("grow up rate = %f", &s.growRate);
    line.Read("min size = %f", &s.minSize);
    line.Read("max size = %f", &s.maxSize);
    line.Read("min alpha = %f", &s.minAlpha);
    line.Read("max alpha = %f", &s.maxAlpha);
    line.Read("min y speed = %f", &s.minYSpeed);
    line.Read("max y speed = %f", &s.maxYSpeed);
    line.Read("animation loops = %i", &s.animationLoops);
    line.Read("lifetime loops = %i", &s.lifetimeLoops);
    line.Read("animation frameskip modifier = %i", &s.frameSkip);
    line.Read("movement scaler = %f", &s.movementScale);
    word.clear();
    line.Read("explosion = %s", &word);
    s.explosion = IsTrue(word);
}

bool DeriveParticleCounts(ParticleScript& s, std::string& why) {
    if (s.baseCount < 0 || s.baseCount > kMaxParticlesPerBatch) {
        why = "particle count " + std::to_string(s.baseCount) + " out of range";
        return false;
    }
    if (s.bitmapCount < 0 || s.bitmapCount > kMaxBitmaps) {
        why = "bitmap count " + std::to_string(s.bitmapCount) + " out of range";
        return false;
    }
    s.batches = 0;
    s.particleCount = s.baseCount;
    if (s.interval > 0.0f) {
        const double batches = std::ceil(static_cast<double>(s.lifetime) / s.interval);
        if (!std::isfinite(batches) || batches > kMaxBatches) {
            why = "lifetime over interval gives too many batches";
            return false;
        }
        // A lifetime of 0 or less gives no batch beyond the first.
        if (batches >= 1.0) {
            s.batches = static_cast<int>(batches);
            s.particleCount = s.baseCount * s.batches;
        }
    }
    if (s.particleCount > kMaxParticles) {
        why = "too many particles (" + std::to_string(s.particleCount) + ")";
        return false;
    }
    return true;
}

std::string FrameFileName(const std::string& texturePath, int count, int frame) {
    if (count == 1) return texturePath;
    char number[16];
    std::snprintf(number, sizeof number, frame + 1 < 100 ? "%03d" : "0%d", frame + 1);
    return texturePath + number + ".bmp";
}

bool IsTgaFrame(const std::string& file) {
    return file.find(".tga") != std::string::npos || file.find(".TGA") != std::string::npos;
}

bool ReadParticleBlocks(std::istream& in, int count, std::vector<ParticleBlock>& blocks,
                        std::vector<std::string>& unmatched, std::string& why) {
    blocks.assign(static_cast<std::size_t>(count < 0 ? 0 : count), ParticleBlock{});
    LineCursor line(in, unmatched);
    static const char* const kValueLines[6] = {"pos.x = %f, %f", "pos.y = %f, %f",
                                               "pos.z = %f, %f", "dir.x = %f, %f",
                                               "dir.y = %f, %f", "dir.z = %f, %f"};
    for (int j = 0; j < count; ++j) {
        if (line.AtEnd()) {
            why = "block " + std::to_string(j) + " is missing";
            return false;
        }
        int index = -1;
        line.Read("particle[%i]", &index);
        if (index != j) {
            why = "block " + std::to_string(j) + " is numbered " + std::to_string(index);
            return false;
        }
        line.Expect("{");
        ParticleBlock& block = blocks[static_cast<std::size_t>(j)];
        for (int k = 0; k < 6; ++k) {
            float* value = k < 3 ? &block.basePosition[k] : &block.baseDirection[k - 3];
            line.Read(kValueLines[k], value, &block.spread[k]);
        }
        line.Expect("}");
    }
    return true;
}
