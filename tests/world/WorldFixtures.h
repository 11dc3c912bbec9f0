#pragma once
// What the world's tests share: an effect whose answers a test scripts, a maker that makes
// every attached effect one of them, the game's computer drivers for as long as a case
// needs them, and a folder of content files written by the test and
// made the working directory and the FileLoader's root.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "game/ComputerDrivers.h"
#include "tests/app/TempDir.h"
#include "tools/content/model/ModelBuilder.h"
#include "world/DriverFactory.h"
#include "world/Effect.h"
#include "world/EffectFactory.h"
#include "world/GameEntity.h"
#include "world/World.h"

namespace worldtest {

class FakeEffect : public Effect {
public:
    void LoadScripts(const std::vector<std::string>& names) override { scripts = names; }
    void Start() override { ++starts; }
    void Stop(bool) override { ++stops; }
    void PlaceAt(MeshTree* model, bool asOffset) override {
        placedAt = model;
        placedAsOffset = asOffset;
    }
    void MoveTo(float, float, float, bool) override {}
    void ExpireAll() override { ++expiries; }
    void Draw() override {
        ++draws;
        drawn = true;
    }
    bool IsAlive() const override { return alive; }
    bool WasDrawn() const override { return drawn; }
    ParticleSystem* GetSystem(int) override { return nullptr; }

    std::vector<std::string> scripts;
    int starts = 0;
    int stops = 0;
    int expiries = 0;
    int draws = 0;
    MeshTree* placedAt = nullptr;
    bool placedAsOffset = false;
    // Scripted answers.
    bool alive = false;
    bool drawn = false;
};

// Every effect made while it lives is a FakeEffect.
class FakeEffects {
public:
    FakeEffects() {
        SetEffectMaker([] { return std::make_unique<FakeEffect>(); });
    }
    ~FakeEffects() { SetEffectMaker(nullptr); }
    FakeEffects(const FakeEffects&) = delete;
    FakeEffects& operator=(const FakeEffects&) = delete;

    // The fake in `slot` of `e`, or null.
    static FakeEffect* In(const GameEntity* e, int slot) {
        return static_cast<FakeEffect*>(e->effects.Get(slot));
    }
};

// While it lives, computer vehicles get the drivers that the game installs at start-up.
class GameDrivers {
public:
    GameDrivers() { InstallComputerDrivers(); }
    ~GameDrivers() { InstallGameDrivers(nullptr); }
    GameDrivers(const GameDrivers&) = delete;
    GameDrivers& operator=(const GameDrivers&) = delete;
};

// A model of one box, closed, standing on the floor and centred.
content::model::Ms3dModel BoxModel(float sizeX, float sizeY, float sizeZ);

// Tag-file text of the pairs, one element a line.
std::string TagText(const std::map<std::string, std::string>& pairs);

// A vehicle definition with every key, its weapons named "gun.txt" and "special.txt"; the
// caller overrides single keys.
std::map<std::string, std::string> VehicleKeys(const std::string& name);

class ContentFolder {
public:
    ContentFolder();
    ~ContentFolder();
    ContentFolder(const ContentFolder&) = delete;
    ContentFolder& operator=(const ContentFolder&) = delete;

    void Write(const std::string& relative, const std::string& text) const {
        dir.Write(relative, text);
    }
    void Remove(const std::string& relative) const;
    void Vehicle(const std::string& file, const std::map<std::string, std::string>& keys) const;
    void Weapon(const std::string& file, const std::map<std::string, std::string>& keys) const;
    // Returns the full path as the level lists hold it.
    std::string Level(const std::string& file, const std::string& text) const;
    void Boxes(const std::string& file, const std::string& text) const;
    void Model(const std::string& file, const content::model::Ms3dModel& model) const;
    // The weapon files "gun.txt" and "special.txt" and their model "shell.ms3d".
    void Weapons() const;

    TempDir dir;

private:
    WorkingDirectory inside;
};

// A World of its own with its cache under the content folder's root. Heap-made: its grid
// is large.
std::unique_ptr<World> MakeWorld();

// The cells of the grid that list `e`, as (x, z) pairs in ascending order.
std::vector<std::pair<int, int>> CellsListing(const World& w, const GameEntity* e);

}  // namespace worldtest
