#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tools/content/sound/GenerateSounds.h"
#include "tools/content/sound/Mp3Encoder.h"
#include "tools/content/sound/SoundDescription.h"
#include "tools/content/sound/Synth.h"

namespace content::sound {
void PrintTo(const SoundDescription& description, std::ostream* out) {
    *out << description.file;
}
}  // namespace content::sound

namespace {

using namespace content::sound;
namespace fs = std::filesystem;

// Anything below this is inaudible at the start or end of a sample: no click.
constexpr float kEdgeLevel = 1e-3f;

struct FrameWalk {
    int frames = 0;
    std::string problem;  // empty when the whole buffer is frames of the expected kind
};

// Walks the buffer as a chain of MPEG-1 Layer III frames: 128 kbps, 44100 Hz, mono. A
// decoder finds each frame by its sync word and length, so every byte must belong to one.
FrameWalk WalkFrames(const std::vector<unsigned char>& mp3) {
    FrameWalk walk;
    std::size_t at = 0;
    while (at < mp3.size()) {
        if (mp3.size() - at < 4) {
            walk.problem = "a partial header at byte " + std::to_string(at);
            return walk;
        }
        const unsigned char* h = mp3.data() + at;
        if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) {
            walk.problem = "no frame sync at byte " + std::to_string(at);
            return walk;
        }
        const int version = (h[1] >> 3) & 3, layer = (h[1] >> 1) & 3;
        const int bitrateIndex = h[2] >> 4, rateIndex = (h[2] >> 2) & 3, padding = (h[2] >> 1) & 1;
        const int mode = h[3] >> 6;
        if (version != 3 || layer != 1 || bitrateIndex != 9 || rateIndex != 0 || mode != 3) {
            walk.problem = "an unexpected frame kind at byte " + std::to_string(at);
            return walk;
        }
        at += 144 * kBitrateKbps * 1000 / kSampleRate + padding;
        ++walk.frames;
    }
    if (at != mp3.size()) walk.problem = "the last frame runs past the end";
    return walk;
}

class SoundDescriptionTest : public ::testing::TestWithParam<SoundDescription> {};

TEST_P(SoundDescriptionTest, RendersACleanSampleOfItsLength) {
    const SoundDescription& description = GetParam();
    const std::vector<float> samples = RenderSound(description);

    ASSERT_EQ(samples.size(),
              static_cast<std::size_t>(std::lround(description.duration * kSampleRate)));
    double sum = 0.0, energy = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        ASSERT_TRUE(std::isfinite(samples[i])) << "sample " << i;
        sum += samples[i];
        energy += static_cast<double>(samples[i]) * samples[i];
    }
    const double mean = sum / samples.size();
    const double rms = std::sqrt(energy / samples.size());
    EXPECT_NEAR(Peak(samples), kTargetPeak, 1e-4);
    EXPECT_GT(rms, 0.03) << "barely audible";
    EXPECT_LT(std::abs(mean), 1e-4) << "offset from zero";
    for (int i = 0; i < 2; ++i) {
        EXPECT_LT(std::abs(samples[i]), kEdgeLevel) << "starts with a click";
        EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), kEdgeLevel) << "ends with a click";
    }
    EXPECT_EQ(RenderSound(description), samples) << "the same description must give the same sound";
}

TEST_P(SoundDescriptionTest, EncodesAsWholeMp3FramesCoveringTheSound) {
    const std::vector<float> samples = RenderSound(GetParam());
    std::vector<unsigned char> mp3;
    std::string error;
    ASSERT_TRUE(EncodeMp3(samples, mp3, error)) << error;
    const FrameWalk walk = WalkFrames(mp3);
    EXPECT_EQ(walk.problem, "");
    // Each frame holds 1152 samples; the first is the tag frame and holds none.
    EXPECT_GE((walk.frames - 1) * 1152, static_cast<int>(samples.size()));
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundDescriptionTest, ::testing::ValuesIn(SoundDescriptions()),
                         [](const ::testing::TestParamInfo<SoundDescription>& info) {
                             return fs::path(info.param.file).stem().string();
                         });

// Zero crossings per second, halved: the frequency of a plain tone.
float ToneFrequency(const std::vector<float>& samples, float from, float to) {
    const auto first = static_cast<std::size_t>(from * kSampleRate);
    const auto last = static_cast<std::size_t>(to * kSampleRate);
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        if ((samples[i - 1] < 0.0f) != (samples[i] < 0.0f)) ++crossings;
    return crossings / (2.0f * (to - from));
}

TEST(RenderSoundTest, PitchFollowsItsCurveInEvenSteps) {
    const SoundDescription sweep{
        "Sweep.mp3",
        0.4f,
        0.0f,
        {{.pitch = {{0.0f, 1600.0f}, {0.4f, 100.0f}}, .envelope = {.attack = 0.001f}}}};
    const std::vector<float> samples = RenderSound(sweep);
    EXPECT_NEAR(ToneFrequency(samples, 0.005f, 0.025f), 1520.0f, 80.0f);
    // Halfway in time is halfway in pitch: 400 Hz, two octaves from each end.
    EXPECT_NEAR(ToneFrequency(samples, 0.19f, 0.21f), 400.0f, 50.0f);
    EXPECT_NEAR(ToneFrequency(samples, 0.34f, 0.40f), 125.0f, 25.0f);
}

TEST(RenderSoundTest, ALayerSoundsOnlyInItsSpan) {
    const SoundDescription late{
        "Late.mp3", 1.0f, 0.0f, {{.source = Source::Noise, .start = 0.4f, .length = 0.2f}}};
    const std::vector<float> samples = RenderSound(late);
    const auto at = [](float seconds) { return static_cast<std::size_t>(seconds * kSampleRate); };
    float before = 0.0f, inside = 0.0f, after = 0.0f;
    for (std::size_t i = at(0.01f); i < at(0.39f); ++i)
        before = std::max(before, std::abs(samples[i]));
    for (std::size_t i = at(0.41f); i < at(0.59f); ++i)
        inside = std::max(inside, std::abs(samples[i]));
    for (std::size_t i = at(0.61f); i < at(0.99f); ++i)
        after = std::max(after, std::abs(samples[i]));
    EXPECT_GT(inside, 0.5f);
    // Only the offset filter's slow settling may reach outside the span.
    EXPECT_LT(before, 0.02f);
    EXPECT_LT(after, 0.02f);
}

TEST(RenderSoundTest, EmptyDescriptionsGiveSilenceNotNaN) {
    const std::vector<float> silent = RenderSound({"Silent.mp3", 0.2f, 1.5f, {}});
    ASSERT_EQ(silent.size(), static_cast<std::size_t>(0.2f * kSampleRate));
    for (float s : silent) ASSERT_EQ(s, 0.0f);
    EXPECT_TRUE(RenderSound({"Nothing.mp3", 0.0f, 1.0f, {{}}}).empty());
    EXPECT_TRUE(RenderSound({"Negative.mp3", -1.0f, 1.0f, {{}}}).empty());

    std::vector<unsigned char> mp3;
    std::string error;
    ASSERT_TRUE(EncodeMp3(silent, mp3, error)) << error;
    EXPECT_EQ(WalkFrames(mp3).problem, "");
}

class GenerateSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "brask_sounds_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }

    static std::vector<char> Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root;
};

TEST_F(GenerateSoundsTest, WritesExactlyTheTenSamplesTheSameEachTime) {
    std::string error;
    ASSERT_TRUE(GenerateSounds(root / "first" / "Sound", error)) << error;
    ASSERT_TRUE(GenerateSounds(root / "second", error)) << error;

    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "first" / "Sound")) {
        const std::string name = entry.path().filename().string();
        names.insert(name);
        const std::vector<char> bytes = Read(entry.path());
        ASSERT_GT(bytes.size(), 4u) << name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]) & 0xE0, 0xE0) << name;
        EXPECT_EQ(bytes, Read(root / "second" / name)) << name << " differs between runs";
    }
    const std::set<std::string> expected = {
        "VehicleExplosion.mp3", "SmallExplosion.mp3",  "TankCannon.mp3", "ForceCannon.mp3",
        "MachineGunShot2.mp3",  "Minedrop.mp3",        "RailGun.mp3",    "RammingSpeed.mp3",
        "LaserBlaster.mp3",     "IrradiationField.mp3"};
    EXPECT_EQ(names, expected);
}

TEST_F(GenerateSoundsTest, AFolderThatCannotBeMadeIsReported) {
    std::ofstream(root / "file") << "in the way";
    std::string error;
    EXPECT_FALSE(GenerateSounds(root / "file" / "Sound", error));
    EXPECT_NE(error.find("file"), std::string::npos) << error;
}

}  // namespace
