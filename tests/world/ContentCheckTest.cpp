// The shipped content, as the build tree holds it, read with the game's own readers: every
// level of the five lists builds into a World, every file it names exists under its exact
// name, no spawn corner is blocked, and every vehicle and weapon definition has every key
// that the code reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/ContentRecords.h"
#include "app/FileLoader.h"
#include "tests/app/TempDir.h"
#include "tests/game/GlobalsFixture.h"
#include "world/GameEntity.h"
#include "world/ResourceCache.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace {

namespace fs = std::filesystem;

const char* const kVehicleKeys[] = {
    "MESH_FILE",
    "NAME",
    "PILOT",
    "PILOT_IMAGE_FILE",
    "PRIMARY_WEAPON_FILE",
    "SECONDARY_WEAPON_FILE",
    "PRIMARY_WEAPON",
    "SECONDARY_WEAPON",
    "HIT_POINTS",
    "FUEL",
    "FUEL_REGEN",
    "PRIMARY_FUEL_COST",
    "SECONDARY_FUEL_COST",
    "ACCELERATION",
    "TURNING_RATE",
    "MAX_SPEED",
    "WEIGHT",
    "PRIMARY_WEAPON_DELAY",
    "SECONDARY_WEAPON_DELAY",
    "SOUND_EFFECT_ONE",
    "SOUND_EFFECT_TWO",
    "BOUNDING_BOX",
};
const char* const kWeaponKeys[] = {
    "NAME",     "RANGE",  "FUEL_COST", "DAMAGE",      "DESTROY_ON_COLLISION", "MAX_SPEED",
    "DURATION", "WEIGHT", "MESH_FILE", "POST_EFFECT", "WEAPON_TYPE"};
const char* const kBlastKeys[] = {"RADIUS", "FOLLOW_PARENT", "FUEL_DAMAGE", "FORCE_DAMAGE"};

const std::set<std::string> kVehicleNames = {"Davavod Tank", "Dovevevuzu Grav Buggy",
                                             "Vavedodev Gremlin", "Diveroruz Lancer", "Battery"};
const std::set<std::string> kWeaponNames = {
    "Machine Gun", "Canon",         "Laser Blaster",     "Rail Gun",   "Force Canon",
    "Mine",        "Ramming Speed", "Irradiation Field", "Force Blast"};
const std::set<std::string> kBlastNames = {"Ramming Speed", "Irradiation Field", "Force Blast"};
// The files that the player and computer vehicle choices name, in both spellings.
const char* const kChoiceFiles[] = {"Tank.txt", "Buggy.txt", "Ufo.txt", "Lancer.txt",
                                    "tank.txt", "buggy.txt", "ufo.txt", "lancer.txt"};

// Vehicles, batteries and the soda can cast shadow volumes: their meshes must be closed.
bool IsShadowVolumeCaster(const std::string& model) {
    return model == "soda_can.ms3d";
}

class ContentCheck : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        // BRASK_CONTENT_DIR points the check at another image of the content (the mirror
        // test's scratch tree); by default it reads the build tree's.
        const char* const elsewhere = std::getenv("BRASK_CONTENT_DIR");
        inside = std::make_unique<WorkingDirectory>(elsewhere ? elsewhere : BRASK_BUILD_DIR);
        application.Init();
        // Models load without a context; their texture names are checked as files.
        graphicsSystem.Shutdown();
        root = fileLoader.GetRoot();
        for (int mode = 0; mode < kGameModes; ++mode)
            for (const std::string& level : application.GetLevelList(mode)) {
                if (std::find(levels.begin(), levels.end(), level) == levels.end())
                    levels.push_back(level);
                if (mode == Story || mode == Assault) opponentLevels.insert(level);
            }
    }

    void TearDown() override {
        world.ClearLevel();
        GlobalsTest::TearDown();
        inside.reset();
    }

    // The file that `path` names exists under exactly that name (no case folding).
    bool Exists(const std::string& path) const {
        std::string written = path;
        std::replace(written.begin(), written.end(), '\\', '/');
        if (!written.empty() && written[0] != '/') written = root + "/" + written;
        std::error_code error;
        return fs::is_regular_file(written, error);
    }

    void ExpectExists(const std::string& path, const std::string& namedBy) {
        EXPECT_TRUE(Exists(path)) << path << " (named by " << namedBy << ") is missing";
    }

    // A model named by `namedBy`: exists, loads without a box, has a mesh, names texture
    // files that exist, and is closed when it casts shadow volumes.
    void CheckModel(const std::string& file, const std::string& namedBy, bool castsVolume) {
        const std::string path = "RESOURCES/Art/Models/" + file;
        if (!checkedModels.insert(file).second) return;
        if (!Exists(path)) {
            ADD_FAILURE() << path << " (named by " << namedBy << ") is missing";
            return;
        }
        const std::size_t boxes = fake.dialogs.shown.size();
        const std::unique_ptr<MeshTree> model = fileLoader.LoadModel(path.c_str(), true);
        if (!model || fake.dialogs.shown.size() != boxes) {
            ADD_FAILURE() << path << " does not load: "
                          << (fake.dialogs.shown.size() > boxes ? fake.dialogs.shown.back().text
                                                                : "no model");
            return;
        }
        ASSERT_NE(model->mesh, nullptr);
        EXPECT_FALSE(model->mesh->triangles.empty()) << path << " has no triangles";
        for (const MeshMaterial& material : model->mesh->materials)
            if (material.textureFile.size() >= 2)
                ExpectExists("RESOURCES/Art/" + material.textureFile.substr(2), path);
        if (castsVolume || IsShadowVolumeCaster(file)) {
            int open = 0;
            for (const MeshTriangle& triangle : model->mesh->triangles)
                for (std::uint32_t neighbour : triangle.neighbours)
                    if (neighbour == kNoNeighbour) ++open;
            EXPECT_EQ(open, 0) << path << " casts a shadow volume but has " << open
                               << " open edges";
        }
    }

    void CheckBounds(const std::string& bounds, const std::string& namedBy) {
        if (bounds == "SPHERE" || bounds == "NONE") return;
        const std::string path = "RESOURCES/Files/BoundingBoxes/" + bounds;
        if (!Exists(path)) {
            ADD_FAILURE() << path << " (named by " << namedBy << ") is missing";
            return;
        }
        EXPECT_FALSE(fileLoader.ReadBoundingBoxes(bounds).empty())
            << path << " holds no usable rectangle";
    }

    std::map<std::string, std::string> ReadTags(const std::string& path) const {
        return fileLoader.ReadTagFile((root + "/" + path).c_str());
    }

    // Every key, with values the code can use, and the files it names.
    void CheckVehicle(const std::string& file, const std::string& namedBy) {
        if (!checkedVehicles.insert(file).second) return;
        const std::string path = "RESOURCES/Files/Vehicles/" + file;
        if (!Exists(path)) {
            ADD_FAILURE() << path << " (named by " << namedBy << ") is missing";
            return;
        }
        const Definition table = ReadTags(path);
        for (const char* key : kVehicleKeys)
            EXPECT_TRUE(table.count(key)) << path << " lacks " << key;
        const std::string name = DefinitionString(table, "NAME");
        EXPECT_TRUE(kVehicleNames.count(name)) << path << ": NAME \"" << name << "\"";
        EXPECT_GT(DefinitionFloat(table, "WEIGHT"), 0.0f) << path;
        EXPECT_GT(DefinitionInt(table, "HIT_POINTS"), 0) << path;
        for (const char* key : {"SOUND_EFFECT_ONE", "SOUND_EFFECT_TWO"}) {
            const int slot = DefinitionInt(table, key);
            EXPECT_TRUE(slot >= 0 && slot <= 10) << path << ": " << key << " " << slot;
        }
        // A battery never fires; every other vehicle has both weapons.
        const bool battery = name == "Battery";
        if (!battery) {
            EXPECT_FALSE(DefinitionString(table, "PRIMARY_WEAPON").empty()) << path;
            EXPECT_FALSE(DefinitionString(table, "SECONDARY_WEAPON").empty()) << path;
        }
        const std::string bounds = DefinitionString(table, "BOUNDING_BOX");
        EXPECT_NE(bounds, "NONE") << path << ": a vehicle without bounds passes through walls";
        CheckBounds(bounds, path);
        CheckModel(DefinitionString(table, "MESH_FILE"), path, true);
        for (const char* key : {"PRIMARY_WEAPON_FILE", "SECONDARY_WEAPON_FILE"}) {
            const std::string weapon = DefinitionString(table, key);
            if (!battery || !weapon.empty()) CheckWeapon(weapon, path);
        }
    }

    void CheckWeapon(const std::string& file, const std::string& namedBy) {
        if (!checkedWeapons.insert(file).second) return;
        const std::string path = "RESOURCES/Files/Weapons/" + file;
        if (file.empty() || !Exists(path)) {
            ADD_FAILURE() << path << " (named by " << namedBy << ") is missing";
            return;
        }
        const Definition table = ReadTags(path);
        for (const char* key : kWeaponKeys)
            EXPECT_TRUE(table.count(key)) << path << " lacks " << key;
        const std::string name = DefinitionString(table, "NAME");
        EXPECT_TRUE(kWeaponNames.count(name)) << path << ": NAME \"" << name << "\"";
        weaponNames.insert(name);
        const bool blast = DefinitionString(table, "WEAPON_TYPE") == "RADIAL_BLAST";
        if (blast) {
            for (const char* key : kBlastKeys)
                EXPECT_TRUE(table.count(key)) << path << " lacks " << key;
            EXPECT_GT(DefinitionFloat(table, "RADIUS"), 1.0f) << path;
        }
        if (kBlastNames.count(name)) {
            EXPECT_TRUE(blast) << path << ": " << name << " must be a radial blast";
        }
        const std::string mesh = DefinitionString(table, "MESH_FILE");
        EXPECT_FALSE(mesh.empty()) << path << " names no MESH_FILE";
        if (!mesh.empty()) CheckModel(mesh, path, false);
        const std::string post = DefinitionString(table, "POST_EFFECT");
        if (!post.empty()) {
            CheckWeapon(post, path);
            EXPECT_NE(DefinitionString(ReadTags("RESOURCES/Files/Weapons/" + post), "NAME"), "Mine")
                << path << ": a Mine cannot be a post effect";
        }
    }

    std::unique_ptr<WorkingDirectory> inside;
    std::string root;
    std::vector<std::string> levels;
    std::set<std::string> opponentLevels;
    std::set<std::string> checkedModels, checkedVehicles, checkedWeapons, weaponNames;
};

TEST_F(ContentCheck, TheLevelListsNameNineteenLevels) {
    EXPECT_EQ(levels.size(), 19u);
}

TEST_F(ContentCheck, EveryLevelBuildsIntoAWorldWithFreeSpawnCorners) {
    for (const std::string& level : levels) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(Exists(level)) << level << " is missing";
        std::string textures[3];
        int x = 0, z = 0;
        const std::vector<EntityDesc> records =
            fileLoader.ReadLevelFile(level, &textures[0], &textures[1], &textures[2], &x, &z);
        EXPECT_FALSE(records.empty()) << "no records";
        EXPECT_TRUE(x >= 16 && x <= 100 && x % 4 == 0) << "grid size x " << x;
        EXPECT_TRUE(z >= 16 && z <= 100 && z % 4 == 0) << "grid size z " << z;
        for (int i : {0, 2})
            ExpectExists("RESOURCES/Art/Textures/Environment/" + textures[i], level);
        EXPECT_FALSE(textures[1].empty());

        int vehicles = 0;
        for (const EntityDesc& r : records) {
            const std::string what = level + " record " + r.type + " " + r.name;
            EXPECT_TRUE(r.type == "GAME_ENTITY" || r.type == "VEHICLE" || r.type == "BATTERY")
                << what;
            EXPECT_TRUE(r.w >= 1 && r.h >= 1 && r.x >= 0 && r.z >= 0 && r.x + r.w <= x &&
                        r.z + r.h <= z)
                << what << " at (" << r.x << "," << r.z << ") " << r.w << "x" << r.h
                << " lies outside the room";
            if (r.type == "GAME_ENTITY") {
                CheckModel(r.name, what, false);
                CheckBounds(r.bounds, what);
            } else {
                CheckVehicle(r.name, what);
            }
            if (r.type == "VEHICLE") ++vehicles;
        }
        if (opponentLevels.count(level))
            EXPECT_TRUE(vehicles >= 1 && vehicles <= 5) << vehicles << " computer vehicles";
        else
            EXPECT_EQ(vehicles, 0) << "computer vehicles outside Story and Assault";

        auto w = std::make_unique<World>();
        w->ResetResourceCache();
        const std::size_t boxes = fake.dialogs.shown.size();
        w->BuildLevel(level);
        // Missing files are reported above, by name.
        for (std::size_t i = boxes; i < fake.dialogs.shown.size(); ++i)
            if (fake.dialogs.shown[i].text != "File not found")
                ADD_FAILURE() << "box while building: " << fake.dialogs.shown[i].caption << ": "
                              << fake.dialogs.shown[i].text;
        EXPECT_EQ(w->updateList.size(), records.size() + 1);
        for (const GameEntity* e : w->updateList)
            if (e->GetName() != "Walls" && e->GetModel()->mesh == nullptr &&
                fake.dialogs.shown.size() == boxes)
                ADD_FAILURE() << e->GetName() << " has no model";
        const int gx = w->GetGridSizeX(), gz = w->GetGridSizeZ();
        const std::pair<int, int> corners[] = {{2, 2}, {2, gz - 2}, {gx - 2, gz - 2}, {gx - 2, 2}};
        for (const auto& [cx, cz] : corners)
            EXPECT_EQ(w->blocked[cx][cz], 0) << "spawn corner (" << cx << "," << cz << ") blocked";
    }
}

TEST_F(ContentCheck, EveryVehicleChoiceNamesACompleteDefinition) {
    std::map<std::string, std::string> names;
    for (const char* file : kChoiceFiles) {
        SCOPED_TRACE(file);
        ExpectExists(std::string("RESOURCES/Files/Vehicles/") + file, "the vehicle choices");
        CheckVehicle(file, "the vehicle choices");
        names[file] =
            DefinitionString(ReadTags(std::string("RESOURCES/Files/Vehicles/") + file), "NAME");
    }
    // Both spellings are one vehicle.
    EXPECT_EQ(names["Tank.txt"], names["tank.txt"]);
    EXPECT_EQ(names["Buggy.txt"], names["buggy.txt"]);
    EXPECT_EQ(names["Ufo.txt"], names["ufo.txt"]);
    EXPECT_EQ(names["Lancer.txt"], names["lancer.txt"]);
    EXPECT_EQ(names["Tank.txt"], "Davavod Tank");
    EXPECT_EQ(names["Buggy.txt"], "Dovevevuzu Grav Buggy");
    EXPECT_EQ(names["Ufo.txt"], "Vavedodev Gremlin");
    EXPECT_EQ(names["Lancer.txt"], "Diveroruz Lancer");
    // Every weapon name with a behaviour of its own is shipped.
    std::set<std::string> missing;
    std::set_difference(kWeaponNames.begin(), kWeaponNames.end(), weaponNames.begin(),
                        weaponNames.end(), std::inserter(missing, missing.end()));
    for (const std::string& name : missing) ADD_FAILURE() << "no weapon named " << name;
}

TEST_F(ContentCheck, EveryVehicleChoiceComesIntoTheWorld) {
    for (int choice = 0; choice < 4; ++choice) {
        SCOPED_TRACE(choice);
        world.ClearLevel();
        const std::size_t boxes = fake.dialogs.shown.size();
        world.CreatePlayerVehicle(choice);
        ASSERT_NE(world.GetPlayerOne(), nullptr);
        EXPECT_GT(world.GetPlayerOne()->GetHitPoints(), 0);
        EXPECT_NE(world.GetPlayerOne()->GetModel()->mesh, nullptr);
        EXPECT_EQ(fake.dialogs.shown.size(), boxes);
    }
}

// How far a bounding box's edge may stand from its model's: a vehicle stops at most this far
// from what it sees, or reaches at most this far into it.
constexpr float kBoxSlack = 0.6f;
// Rectangles within this half-width of the origin block only the centre cell: the post of a
// lamp, the pedestal of a table, a small toy.
constexpr float kCentreCell = 2.0f;

struct BoxUse {
    std::string box;
    std::string model;
    std::string namedBy;
    bool vehicle = false;
    int w = 1;  // the level record's footprint in cells (vehicles: none)
    int h = 1;
};

TEST_F(ContentCheck, EveryBoundingBoxFileAgreesWithTheFootprintOfItsModel) {
    std::vector<BoxUse> uses;
    std::set<std::string> seen;
    auto addVehicle = [&](const std::string& file, const std::string& namedBy) {
        const std::string path = "RESOURCES/Files/Vehicles/" + file;
        if (!Exists(path)) return;
        const Definition table = ReadTags(path);
        const std::string box = DefinitionString(table, "BOUNDING_BOX");
        const std::string mesh = DefinitionString(table, "MESH_FILE");
        // Both spellings of a vehicle file name the same pair.
        if (seen.insert(box + " " + mesh).second) uses.push_back({box, mesh, namedBy, true});
    };
    for (const char* file : kChoiceFiles) addVehicle(file, "the vehicle choices");
    for (const std::string& level : levels) {
        std::string textures[3];
        int x = 0, z = 0;
        for (const EntityDesc& r :
             fileLoader.ReadLevelFile(level, &textures[0], &textures[1], &textures[2], &x, &z)) {
            if (r.type != "GAME_ENTITY") {
                addVehicle(r.name, level);
            } else if (r.bounds != "NONE" && r.bounds != "SPHERE" &&
                       seen.insert(r.bounds + " " + r.name + " " + std::to_string(r.w) + "x" +
                                   std::to_string(r.h))
                           .second) {
                uses.push_back({r.bounds, r.name, level, false, r.w, r.h});
            }
        }
    }

    std::set<std::string> used;
    for (const BoxUse& use : uses) {
        SCOPED_TRACE(use.box + " with " + use.model + " (named by " + use.namedBy + ")");
        used.insert(use.box);
        const std::unique_ptr<MeshTree> model =
            fileLoader.LoadModel(("RESOURCES/Art/Models/" + use.model).c_str(), false);
        const std::vector<Box> boxes = fileLoader.ReadBoundingBoxes(use.box);
        if (!model || boxes.empty()) continue;  // reported by the checks above
        const float* low = model->boundsMin;
        const float* high = model->boundsMax;

        // An object's model stands centred on its footprint of w x h cells.
        if (!use.vehicle) {
            const float halfX = kCellSize * static_cast<float>(use.w) / 2.0f;
            const float halfZ = kCellSize * static_cast<float>(use.h) / 2.0f;
            EXPECT_TRUE(low[0] >= -halfX - 0.01f && high[0] <= halfX + 0.01f &&
                        low[2] >= -halfZ - 0.01f && high[2] <= halfZ + 0.01f)
                << "the model (x " << low[0] << " to " << high[0] << ", z " << low[2] << " to "
                << high[2] << ") overflows its " << use.w << " x " << use.h << " footprint";
        }

        Box all = boxes.front();
        for (const Box& b : boxes) {
            EXPECT_TRUE(b.xMin < b.xMax && b.zMin < b.zMax)
                << "(" << b.xMin << "," << b.zMin << "),(" << b.xMax << "," << b.zMax
                << ") does not have its smaller corner first";
            all = Box(std::min(all.xMin, b.xMin), std::max(all.xMax, b.xMax),
                      std::min(all.zMin, b.zMin), std::max(all.zMax, b.zMax));
        }
        const std::string extent =
            "boxes x " + std::to_string(all.xMin) + " to " + std::to_string(all.xMax) + ", z " +
            std::to_string(all.zMin) + " to " + std::to_string(all.zMax) + "; model x " +
            std::to_string(low[0]) + " to " + std::to_string(high[0]) + ", z " +
            std::to_string(low[2]) + " to " + std::to_string(high[2]);
        // Never much beyond the model: no wall where nothing is seen (a box for another
        // quarter turn fails here).
        EXPECT_TRUE(all.xMin >= low[0] - kBoxSlack && all.xMax <= high[0] + kBoxSlack &&
                    all.zMin >= low[2] - kBoxSlack && all.zMax <= high[2] + kBoxSlack)
            << "the boxes reach beyond the model: " << extent;
        // Out to the model's edges on every side, except a centre-cell box under a piece
        // that vehicles pass beneath; a vehicle's box is its body and always reaches out.
        const bool centreCell = all.xMin >= -kCentreCell && all.xMax <= kCentreCell &&
                                all.zMin >= -kCentreCell && all.zMax <= kCentreCell;
        if (use.vehicle || !centreCell) {
            EXPECT_TRUE(all.xMin <= low[0] + kBoxSlack && all.xMax >= high[0] - kBoxSlack &&
                        all.zMin <= low[2] + kBoxSlack && all.zMax >= high[2] - kBoxSlack)
                << "the boxes fall short of the model: " << extent;
        }
    }

    // Every shipped box file belongs to a model.
    for (const auto& entry : fs::directory_iterator(root + "/RESOURCES/Files/BoundingBoxes"))
        EXPECT_TRUE(used.count(entry.path().filename().string()))
            << entry.path().filename() << " is named by no level record or vehicle";
}

}  // namespace
