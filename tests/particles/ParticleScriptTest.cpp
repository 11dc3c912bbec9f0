// Reading particle scripts and block files: which line sets which field, how many particles
// a script makes, the frame file names, and the scripts and block files that are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "particles/ParticleScript.h"
#include "particles/ParticleSystem.h"
#include "tests/particles/ParticleFixtures.h"

namespace {

using particletest::BlockText;
using particletest::ParticleTest;
using particletest::ScriptText;

ParticleScript Read(const ScriptText& text) {
    std::istringstream in(text.Text());
    ParticleScript script;
    ReadParticleScript(in, script);
    return script;
}

struct KeyCase {
    const char* name;
    const char* key;
    const char* value;
    std::function<bool(const ParticleScript&)> holds;
    bool matches;  // the line matched (the content check reports the others)
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class ScriptKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ScriptKeys, EachLineSetsItsField) {
    const KeyCase& c = GetParam();
    const ParticleScript script = Read(ScriptText().Set(c.key, c.value));
    EXPECT_TRUE(c.holds(script));
    EXPECT_EQ(script.unmatched.empty(), c.matches);
}

// Far beyond the hundred characters the format once allowed.
const std::string kLongPath = "./" + std::string(300, 'p') + ".cfg";

const KeyCase kKeyCases[] = {
    {"OverLongPathIsReadWhole", "script path", kLongPath.c_str(),
     [](auto& s) { return s.blockFile == kLongPath; }, true},
    {"Billboards", "type", "CUSTOM_2D", [](auto& s) { return s.type == 0; }, true},
    {"Spheres", "type", "CUSTOM_3D", [](auto& s) { return s.type == 1; }, true},
    {"Decals", "type", "DECAL", [](auto& s) { return s.type == 4; }, true},
    {"UnknownTypeReadsNoFurther", "type", "SPARKLE",
     [](auto& s) { return s.type == 3 && s.scriptName.empty() && s.baseCount == 0; }, true},
    {"NameAndPaths", "name", "smoke",
     [](auto& s) {
         return s.scriptName == "smoke" && s.texturePath == "./frames/puff.tga" &&
                s.blockFile == "./blocks.txt";
     },
     true},
    {"UpperCaseTrue", "random direction", "TRUE", [](auto& s) { return s.randomDirection; }, true},
    {"LowerCaseTrue", "random position", "true", [](auto& s) { return s.randomPosition; }, true},
    // Only the two spellings count.
    {"CapitalisedTrueIsFalse", "random position", "True", [](auto& s) { return !s.randomPosition; },
     true},
    {"ThreeNumbers", "position", "1.5, -2.0, 3.25",
     [](auto& s) {
         return s.position[0] == 1.5f && s.position[1] == -2.0f && s.position[2] == 3.25f;
     },
     true},
    {"ColourKey", "color transparency", "10, 20, 30",
     [](auto& s) { return s.colourKey[0] == 10 && s.colourKey[1] == 20 && s.colourKey[2] == 30; },
     true},
    {"FadeInWithItsTwoBlanks", "fade in duration", "12.5",
     [](auto& s) { return s.fadeInDuration == 12.5f; }, true},
    {"EndlessBudget", "lifetime loops", "-1", [](auto& s) { return s.lifetimeLoops == -1; }, true},
    {"MovementScale", "movement scaler", "0.5", [](auto& s) { return s.movementScale == 0.5f; },
     true},
    // A value that is not a number leaves the field as it was and is reported.
    {"WordForANumberLeavesTheDefault", "num particles", "many",
     [](auto& s) { return s.baseCount == 0; }, false},
    {"MissingValueOfThreeLeavesThatOne", "gravity", "1.0, 2.0",
     [](auto& s) { return s.gravity[0] == 1.0f && s.gravity[1] == 2.0f && s.gravity[2] == 0.0f; },
     false},
};

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptKeysTest, RandomTypeReadsItsRandomizerAndNothingMore) {
    std::istringstream in("type = RANDOM\nrandomizer = 7\nname = late\n");
    ParticleScript script;
    ReadParticleScript(in, script);
    EXPECT_EQ(script.type, 2);
    EXPECT_EQ(script.randomizer, 7);
    EXPECT_TRUE(script.scriptName.empty());
}

struct CountCase {
    float lifetime;
    float interval;
    int particles;
    int batches;
    int particleCount;
};

class ParticleCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(ParticleCounts, BatchesComeFromLifetimeOverInterval) {
    const CountCase& c = GetParam();
    ParticleScript script;
    script.lifetime = c.lifetime;
    script.interval = c.interval;
    script.baseCount = c.particles;
    std::string why;
    ASSERT_TRUE(DeriveParticleCounts(script, why)) << why;
    EXPECT_EQ(script.batches, c.batches);
    EXPECT_EQ(script.particleCount, c.particleCount);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ParticleCounts,
                         ::testing::Values(CountCase{2.0f, 0.5f, 10, 4, 40},
                                           // No interval: one batch, counted as none.
                                           CountCase{2.0f, 0.0f, 10, 0, 10},
                                           // A part batch counts whole.
                                           CountCase{0.9f, 0.5f, 3, 2, 6},
                                           // No lifetime: no batch beyond the first.
                                           CountCase{0.0f, 0.5f, 3, 0, 3}));

// The live particles of a script, batches times batch size, are taken up to the cap that a
// frame can draw, and refused beyond it: the shipped shower's 212 are taken, a thousand (which
// a firefight frame draws fifteen times slower than its own) are not.
TEST(ParticleCountCap, ScriptsUpToTheCapAreTakenAndBeyondItRefused) {
    const struct {
        float lifetime, interval;
        int particles;
        bool taken;
    } cases[] = {
        {2.0f, 0.0f, kMaxParticles, true},
        {2.0f, 0.0f, kMaxParticles + 1, false},
        {2.0f, 0.5f, kMaxParticles / 4, true},
        {2.0f, 0.5f, kMaxParticles / 4 + 1, false},
        {53.0f, 1.0f, 4, true},
        {2.0f, 0.0f, 1024, false},
        {45.0f, 4.5f, 1638, false},
    };
    for (const auto& c : cases) {
        ParticleScript script;
        script.lifetime = c.lifetime;
        script.interval = c.interval;
        script.baseCount = c.particles;
        std::string why;
        EXPECT_EQ(DeriveParticleCounts(script, why), c.taken) << c.particles << " " << why;
    }
}

struct RefusedCase {
    const char* name;
    const char* key;
    const char* value;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedScripts : public ParticleTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedScripts, SizesOutOfRangeGiveTheLoadError) {
    const RefusedCase& c = GetParam();
    const std::string file = Write("bad.cfg", ScriptText().Set(c.key, c.value).Text());
    ParticleSystem system;
    EXPECT_THROW(system.Load(file.c_str()), ParticleLoadError);
    EXPECT_EQ(system.GetParticleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Scripts, RefusedScripts,
                         ::testing::Values(RefusedCase{"NegativeCount", "num particles", "-5"},
                                           RefusedCase{"HugeCount", "num particles", "100000000"},
                                           RefusedCase{"TinyInterval", "interval", "0.0000001"},
                                           RefusedCase{"NegativeBitmaps", "num bitmaps", "-2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParticleTest, AScriptThatDoesNotOpenGivesTheLoadError) {
    ParticleSystem system;
    try {
        system.Load("./nowhere.cfg");
        FAIL() << "no error";
    } catch (const ParticleLoadError& error) {
        EXPECT_STREQ(error.what(), "Error loading particle script!");
    }
}

struct FrameCase {
    const char* path;
    int count;
    int frame;
    const char* file;
};

class FrameNames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameNames, NumberedFromOneWithThreeDigits) {
    const FrameCase& c = GetParam();
    EXPECT_EQ(FrameFileName(c.path, c.count, c.frame), c.file);
}

INSTANTIATE_TEST_SUITE_P(Scripts, FrameNames,
                         ::testing::Values(FrameCase{"spark.bmp", 1, 0, "spark.bmp"},
                                           FrameCase{"puff", 12, 0, "puff001.bmp"},
                                           FrameCase{"puff", 12, 11, "puff012.bmp"},
                                           FrameCase{"puff", 200, 98, "puff099.bmp"},
                                           FrameCase{"puff", 200, 99, "puff0100.bmp"}));

TEST_F(ParticleTest, TgaFramesLoadWithoutAndBitmapsWithTheColourKey) {
    Write("blocks.txt", BlockText(2));
    const std::string tga = Write("tga.cfg", ScriptText().Text());
    const std::string bmp =
        Write("bmp.cfg",
              ScriptText().Set("texture path", "./frames/spark").Set("num bitmaps", "3").Text());
    ParticleSystem one, three;
    one.Load(tga.c_str());
    three.Load(bmp.c_str());
    ASSERT_EQ(canvas.loaded.size(), 4u);
    EXPECT_EQ(canvas.loaded[0], "./frames/puff.tga");
    EXPECT_FALSE(canvas.keyed[0]);
    EXPECT_EQ(canvas.loaded[1], "./frames/spark001.bmp");
    EXPECT_EQ(canvas.loaded[3], "./frames/spark003.bmp");
    EXPECT_TRUE(canvas.keyed[3]);
}

// Blocks -----------------------------------------------------------------------------------

TEST_F(ParticleTest, LaterBatchesCopyTheBaseValuesOfTheFirst) {
    std::ostringstream blocks;
    for (int i = 0; i < 10; ++i) {
        const float pos[3] = {static_cast<float>(i), 0.5f, 0.0f};
        const float dir[3] = {0.0f, static_cast<float>(i) / 10.0f, 0.0f};
        const float none[3] = {0, 0, 0};
        std::string one = BlockText(1, pos, none, dir, none);
        one.replace(one.find("[0]"), 3, "[" + std::to_string(i) + "]");
        blocks << one;
    }
    Write("blocks.txt", blocks.str());
    const std::string file = Write("s.cfg", ScriptText()
                                                .Set("num particles", "10")
                                                .Set("lifetime", "2.0")
                                                .Set("interval", "0.5")
                                                .Text());
    ParticleSystem system;
    system.Load(file.c_str());
    ASSERT_EQ(system.GetParticleCount(), 40);
    ASSERT_TRUE(system.BlocksLoaded());
    for (int s = 0; s < 40; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(system.GetParticle(s).basePosition[0], static_cast<float>(s % 10));
        EXPECT_FLOAT_EQ(system.GetParticle(s).baseDirection[1], (s % 10) / 10.0f);
    }
}

TEST_F(ParticleTest, AMissingBlockFileStartsEveryParticleAtTheEmitter) {
    const std::string file = Write(
        "s.cfg",
        ScriptText().Set("position", "1.0, 2.0, 3.0").Set("direction", "0.0, 0.5, 0.0").Text());
    ParticleSystem system;
    system.Load(file.c_str());
    EXPECT_FALSE(system.BlocksLoaded());
    for (int i = 0; i < 2; ++i) {
        const ParticleState& p = system.GetParticle(i);
        EXPECT_EQ(p.position[0], 1.0f);
        EXPECT_EQ(p.position[2], 3.0f);
        EXPECT_EQ(p.velocity[1], 0.5f);
    }
}

struct BadBlocksCase {
    const char* name;
    std::string text;
};

void PrintTo(const BadBlocksCase& c, std::ostream* out) {
    *out << c.name;
}

class BadBlockFiles : public ParticleTest, public ::testing::WithParamInterface<BadBlocksCase> {};

// Nothing of a refused file is used: the particles keep the zeroed records and start at the
// emitter, and no slot outside the pool is ever written.
TEST_P(BadBlockFiles, AreRefusedAsAWhole) {
    Write("blocks.txt", GetParam().text);
    const std::string file = Write("s.cfg", ScriptText().Set("position", "4.0, 0.0, 0.0").Text());
    ParticleSystem system;
    system.Load(file.c_str());
    EXPECT_FALSE(system.BlocksLoaded());
    EXPECT_FALSE(system.GetBlockError().empty());
    EXPECT_EQ(system.GetParticle(0).basePosition[0], 0.0f);
    EXPECT_EQ(system.GetParticle(0).position[0], 4.0f);
}

std::string Renumbered(std::string text, const char* from, const char* to) {
    text.replace(text.find(from), std::string(from).size(), to);
    return text;
}

const float kOne[3] = {1, 1, 1};
INSTANTIATE_TEST_SUITE_P(
    Blocks, BadBlockFiles,
    ::testing::Values(
        BadBlocksCase{"IndexBeyondThePool",
                      Renumbered(BlockText(2, kOne, kOne, kOne, kOne), "[1]", "[5000]")},
        BadBlocksCase{"IndexOutOfOrder",
                      Renumbered(BlockText(2, kOne, kOne, kOne, kOne), "[0]", "[1]")},
        BadBlocksCase{"NegativeIndex",
                      Renumbered(BlockText(2, kOne, kOne, kOne, kOne), "[0]", "[-1]")},
        BadBlocksCase{"TooFewBlocks", BlockText(1, kOne, kOne, kOne, kOne)}),
    [](const auto& info) { return std::string(info.param.name); });

// The fixed random draw 75 gives (75 - 50) / 50 = half the spread.
TEST_F(ParticleTest, SpreadsGiveOffsetsAndOnlyPositiveOnesReachLaterBatches) {
    const float pos[3] = {0, 0, 0};
    const float posSpread[3] = {0.0f, 2.0f, -2.0f};
    const float dir[3] = {0, 0, 0};
    const float dirSpread[3] = {0, 0, 0};
    Write("blocks.txt", BlockText(2, pos, posSpread, dir, dirSpread));
    const std::string file =
        Write("s.cfg", ScriptText().Set("lifetime", "2.0").Set("interval", "1.0").Text());
    ParticleSystem system;
    system.Load(file.c_str());
    ASSERT_EQ(system.GetParticleCount(), 4);
    const ParticleState& first = system.GetParticle(0);
    EXPECT_EQ(first.randomOffset[0], 0.0f);
    EXPECT_FLOAT_EQ(first.randomOffset[1], 1.0f);
    EXPECT_FLOAT_EQ(first.randomOffset[2], -1.0f);
    const ParticleState& copy = system.GetParticle(2);
    EXPECT_FLOAT_EQ(copy.randomOffset[1], 1.0f);
    EXPECT_EQ(copy.randomOffset[2], 0.0f);
}

TEST_F(ParticleTest, TwoLoadsDrawDifferentOffsetsFromTheGeneratorsOwnSequence) {
    SetParticleRandom(nullptr);
    const float zero[3] = {0, 0, 0};
    const float spread[3] = {1, 1, 1};
    Write("blocks.txt", BlockText(2, zero, spread, zero, spread));
    const std::string file = Write("s.cfg", ScriptText().Text());
    ParticleSystem a, b;
    a.Load(file.c_str());
    b.Load(file.c_str());
    bool differ = false;
    for (int k = 0; k < 6; ++k)
        differ = differ || a.GetParticle(0).randomOffset[k] != b.GetParticle(0).randomOffset[k];
    EXPECT_TRUE(differ) << "two effects loaded in the same millisecond drew the same offsets";
}

}  // namespace
