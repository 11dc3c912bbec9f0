#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "tests/world/WorldFixtures.h"
#include "world/ResourceCache.h"
#include "world/World.h"

namespace {

using worldtest::ContentFolder;

class ResourceCacheTest : public ::testing::Test {
protected:
    platform::FakePlatform fake;
    ContentFolder files;
    ResourceCache cache{fileLoader.GetRoot()};
};

const char* const kVehiclePath = "RESOURCES\\Files\\Vehicles\\car.txt";

TEST_F(ResourceCacheTest, AVehicleFileIsReadOnceAndHandedOutAsCopies) {
    files.Vehicle("car.txt", {{"NAME", "Davavod Tank"}, {"FUEL", "900"}});
    Definition first = cache.GetVehicleDef(kVehiclePath);
    EXPECT_EQ(first.at("NAME"), "Davavod Tank");
    first["NAME"] = "changed";
    files.Remove("RESOURCES/Files/Vehicles/car.txt");
    const Definition second = cache.GetVehicleDef(kVehiclePath);
    EXPECT_EQ(second, (Definition{{"NAME", "Davavod Tank"}, {"FUEL", "900"}}));
}

TEST_F(ResourceCacheTest, TheFirstReadingOfAVehicleParsesItsTwoWeaponFiles) {
    files.Weapon("gun.txt", {{"NAME", "Machine Gun"}});
    files.Weapon("mine.txt", {{"NAME", "Mine"}});
    files.Vehicle("car.txt",
                  {{"PRIMARY_WEAPON_FILE", "gun.txt"}, {"SECONDARY_WEAPON_FILE", "mine.txt"}});
    cache.GetVehicleDef(kVehiclePath);
    files.Remove("RESOURCES/Files/Weapons/gun.txt");
    files.Remove("RESOURCES/Files/Weapons/mine.txt");
    EXPECT_EQ(cache.GetWeaponDef("gun.txt").at("NAME"), "Machine Gun");
    EXPECT_EQ(cache.GetWeaponDef("mine.txt").at("NAME"), "Mine");
}

TEST_F(ResourceCacheTest, AVehicleWithoutWeaponKeysParsesNoWeaponFile) {
    files.Weapon("gun.txt", {{"NAME", "old"}});
    files.Vehicle("car.txt", {{"NAME", "Battery"}});
    cache.GetVehicleDef(kVehiclePath);
    files.Weapon("gun.txt", {{"NAME", "new"}});
    EXPECT_EQ(cache.GetWeaponDef("gun.txt").at("NAME"), "new");
}

TEST_F(ResourceCacheTest, AMissingFileIsLookedForOnce) {
    EXPECT_TRUE(cache.GetWeaponDef("late.txt").empty());
    EXPECT_TRUE(cache.GetVehicleDef(kVehiclePath).empty());
    files.Weapon("late.txt", {{"NAME", "Canon"}});
    files.Vehicle("car.txt", {{"NAME", "Davavod Tank"}});
    EXPECT_TRUE(cache.GetWeaponDef("late.txt").empty());
    EXPECT_TRUE(cache.GetVehicleDef(kVehiclePath).empty());
}

TEST_F(ResourceCacheTest, AnEmptyWeaponNameReadsNoFile) {
    // Reading the bare folder is not a file.
    EXPECT_TRUE(cache.GetWeaponDef("").empty());
}

TEST_F(ResourceCacheTest, WeaponFilesLiveUnderTheRoot) {
    EXPECT_EQ(cache.GetWeaponFolder(), fileLoader.GetRoot() + "\\RESOURCES\\Files\\Weapons\\");
    // The World is made before the root is known, and renews its cache once it is.
    World w;
    EXPECT_EQ(w.cache.GetWeaponFolder(), "\\RESOURCES\\Files\\Weapons\\");
    w.ResetResourceCache();
    EXPECT_EQ(w.cache.GetWeaponFolder(), cache.GetWeaponFolder());
}

TEST_F(ResourceCacheTest, InstancesShareTheMeshAndHaveTransformsOfTheirOwn) {
    files.Model("crate.ms3d", worldtest::BoxModel(2.0f, 2.0f, 2.0f));
    const std::string path = "RESOURCES\\Art\\Models\\crate.ms3d";
    const std::unique_ptr<MeshTree> first = cache.GetModel(path);
    files.Remove("RESOURCES/Art/Models/crate.ms3d");
    const std::unique_ptr<MeshTree> second = cache.GetModel(path);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first->mesh, nullptr);
    EXPECT_EQ(first->mesh, second->mesh);
    ASSERT_NE(second->matrix, nullptr);
    EXPECT_NE(first->matrix.get(), second->matrix.get());

    first->Translate(3.0f, 0.0f, 4.0f);
    EXPECT_EQ(first->matrix->m[12], 3.0f);
    EXPECT_EQ(second->matrix->m[12], 0.0f);
    EXPECT_EQ(second->matrix->m[0], 1.0f);
    first->boxes.push_back(Box(0, 1, 0, 1));
    EXPECT_TRUE(cache.GetModel(path)->boxes.empty());
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

struct BrokenModelCase {
    const char* name;
    std::string bytes;  // "" : no file at all
};

void PrintTo(const BrokenModelCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenModelTest : public ResourceCacheTest,
                        public ::testing::WithParamInterface<BrokenModelCase> {};

TEST_P(BrokenModelTest, GivesAnEmptyModelEveryTimeAfterOneBox) {
    const std::string path = "RESOURCES\\Art\\Models\\broken.ms3d";
    if (!GetParam().bytes.empty())
        files.Write("RESOURCES/Art/Models/broken.ms3d", GetParam().bytes);
    for (int call = 0; call < 2; ++call) {
        SCOPED_TRACE(call);
        const std::unique_ptr<MeshTree> model = cache.GetModel(path);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->mesh, nullptr);
        ASSERT_NE(model->matrix, nullptr);
        EXPECT_EQ(model->matrix->m[15], 1.0f);
        EXPECT_FALSE(model->visible);
    }
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].caption, path);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenModelTest,
                         ::testing::Values(BrokenModelCase{"Missing", ""},
                                           BrokenModelCase{"NotAModel", "hello, world\n"},
                                           BrokenModelCase{"TruncatedHeader", "MS3D0000"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResourceCacheTest, AnEmptyOrFolderPathIsAnEmptyModelWithoutABox) {
    for (const std::string path : {"", "RESOURCES\\Art\\Models\\"}) {
        SCOPED_TRACE(path);
        const std::unique_ptr<MeshTree> model = cache.GetModel(path);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->mesh, nullptr);
        EXPECT_NE(model->matrix, nullptr);
    }
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

struct NumberCase {
    const char* name;
    std::string text;
    int asInt;
    float asFloat;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class DefinitionNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DefinitionNumberTest, ReadsAsTheRuntimeReadsANumberWithoutItsFaults) {
    const NumberCase& c = GetParam();
    const Definition table = {{"KEY", c.text}};
    EXPECT_EQ(DefinitionInt(table, "KEY"), c.asInt);
    EXPECT_EQ(DefinitionFloat(table, "KEY"), c.asFloat);
}

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(
    Values, DefinitionNumberTest,
    ::testing::Values(
        NumberCase{"Whole", "300", 300, 300.0f}, NumberCase{"Fraction", "0.25", 0, 0.25f},
        NumberCase{"Negative", "-3", -3, -3.0f}, NumberCase{"PlusSign", "+4", 4, 4.0f},
        NumberCase{"LeadingBlanks", "  7", 7, 7.0f}, NumberCase{"TrailingText", "12abc", 12, 12.0f},
        NumberCase{"Empty", "", 0, 0.0f}, NumberCase{"Word", "fast", 0, 0.0f},
        NumberCase{"TwoSigns", "+-5", 0, 0.0f},
        NumberCase{"BeyondInt", "99999999999", kIntMax, 99999999999.0f},
        NumberCase{"BelowInt", "-99999999999", kIntMin, -99999999999.0f},
        NumberCase{"FarBeyondEveryType", "1e999", 1, 0.0f},
        NumberCase{"NotANumber", "nan", 0, 0.0f}, NumberCase{"Infinity", "inf", 0, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefinitionTest, AMissingKeyReadsEmptyAndZero) {
    const Definition table = {{"NAME", "Canon"}};
    EXPECT_EQ(DefinitionString(table, "RANGE"), "");
    EXPECT_EQ(DefinitionInt(table, "RANGE"), 0);
    EXPECT_EQ(DefinitionFloat(table, "RANGE"), 0.0f);
    EXPECT_EQ(table.size(), 1u);
}

}  // namespace
