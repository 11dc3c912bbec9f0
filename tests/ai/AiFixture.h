#pragma once
// A small room for one computer driver: a World of its own with an empty 20 x 20 grid,
// player one and the driven vehicle placed by hand, and a scripted random source that counts
// the draws.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

#include "ai/AIController.h"
#include "world/Vehicle.h"
#include "world/World.h"

namespace aitest {

inline const char* const kTank = "Davavod Tank";
inline const char* const kBuggy = "Dovevevuzu Grav Buggy";
inline const char* const kGremlin = "Vavedodev Gremlin";
inline const char* const kLancer = "Diveroruz Lancer";

// Puts `v` at (x, z) with its forward axis along (fx, fz).
inline void Place(Vehicle& v, float x, float z, float fx, float fz) {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    m[8] = fx;
    m[10] = fz;
    m[12] = x;
    m[14] = z;
    v.GetModel()->SetMatrix(m);
}

class AiFixture : public ::testing::Test {
protected:
    static constexpr int kGrid = 20;

    void SetUp() override {
        room = std::make_unique<World>();
        room->gridSizeX = kGrid;
        room->gridSizeZ = kGrid;
        room->playerOneVehicle = &player;
        Place(player, 60.0f, 40.0f, 1.0f, 0.0f);
        // Facing player one along +x: heading 180.
        Place(self, 20.0f, 40.0f, 1.0f, 0.0f);
        self.SetFuel(1000);
        self.SetHitPoints(100);
    }

    std::unique_ptr<AIController> Make(const std::string& name, float difficulty = 0.5f,
                                       float turningRate = 0.5f, int range = 40) {
        auto c = std::make_unique<AIController>(&self, difficulty);
        c->SetWorld(room.get());
        c->SetRandom([this] { return NextDraw(); });
        c->Init(turningRate, name, range);
        return c;
    }

    int NextDraw() {
        ++drawsTaken;
        if (draws.empty()) return fallbackDraw;
        const int v = draws.front();
        draws.pop_front();
        return v;
    }

    void Script(std::initializer_list<int> values) { draws.insert(draws.end(), values); }
    void Block(int x, int z) { room->blocked[x][z] = 1; }

    std::unique_ptr<World> room;
    Vehicle player;
    Vehicle self;
    std::deque<int> draws;
    int drawsTaken = 0;
    // The answer once the script has run out: 0 starts no manoeuvre and presses nothing.
    int fallbackDraw = 0;
};

}  // namespace aitest
