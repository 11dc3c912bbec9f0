#pragma once
// What the particle tests share: a canvas that records what an emitter draws instead of
// calling GL, random numbers a test chooses, and a folder of scripts and block files made
// the working directory and the FileLoader's root.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "particles/ParticleCanvas.h"
#include "particles/ParticleRandom.h"
#include "platform/fake/FakePlatform.h"
#include "tests/app/TempDir.h"

namespace particletest {

class RecordingCanvas : public ParticleCanvas {
public:
    unsigned LoadTexture(const std::string& file) override { return Load(file, false); }
    unsigned LoadTextureColourKey(const std::string& file, const int[3]) override {
        return Load(file, true);
    }
    void BeginSystem() override { ++begins; }
    void BindFrame(unsigned texture) override { binds.push_back(texture); }
    void DrawParticle(const ParticleDraw& particle) override { drawn.push_back(particle); }
    void EndSystem() override { ++ends; }
    void ForgetTriangles(int particles) override { forgotten += particles; }

    void ClearFrame() {
        drawn.clear();
        binds.clear();
    }

    // Files in `missing` answer 0; every other file gets its own texture name.
    std::set<std::string> missing;
    std::vector<std::string> loaded;
    std::vector<bool> keyed;
    std::vector<ParticleDraw> drawn;
    std::vector<unsigned> binds;
    int begins = 0;
    int ends = 0;
    int forgotten = 0;

private:
    unsigned Load(const std::string& file, bool withKey) {
        loaded.push_back(file);
        keyed.push_back(withKey);
        if (missing.count(file)) return 0;
        return static_cast<unsigned>(loaded.size());
    }
};

// Answers `value` every time.
class FixedRandom : public ParticleRandom {
public:
    explicit FixedRandom(int value) : value(value) {}
    int Next() override { return value; }
    int value;
};

// The keys of a particle script in reading order, with values a test overrides.
class ScriptText {
public:
    ScriptText();
    ScriptText& Set(const std::string& key, const std::string& value);
    std::string Text() const;

private:
    std::vector<std::pair<std::string, std::string>> lines;
};

// Block file text for `count` blocks, all with the same values and spreads.
std::string BlockText(int count, const float pos[3], const float posSpread[3], const float dir[3],
                      const float dirSpread[3]);
std::string BlockText(int count);

class ParticleTest : public ::testing::Test {
protected:
    ParticleTest();
    ~ParticleTest() override;

    // Writes `text` under the folder and returns the path the game would name it by.
    std::string Write(const std::string& relative, const std::string& text);

    platform::FakePlatform fake;
    TempDir folder;
    std::unique_ptr<WorkingDirectory> inside;
    RecordingCanvas canvas;
    FixedRandom random{75};
};

}  // namespace particletest
