#pragma once
// What the physics and fighting tests share: a fixed frame time through the fake clock, and
// entities built in code with a radius, bounds and boxes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/ContentRecords.h"
#include "app/FrameTimer.h"
#include "platform/fake/FakePlatform.h"
#include "world/GameEntity.h"

namespace physicstest {

// Every frameTimer.Update in the case measures `milliseconds`.
inline void SetFrameTime(platform::FakePlatform& fake, std::uint32_t milliseconds) {
    frameTimer.Init(false);
    fake.clock.milliseconds = 1000;
    frameTimer.Update();
    fake.clock.milliseconds += milliseconds;
    frameTimer.Update();
}

// Advances the fake clock by one frame of `milliseconds` and lets the timer measure it.
inline void NextFrame(platform::FakePlatform& fake, std::uint32_t milliseconds) {
    fake.clock.milliseconds += milliseconds;
    frameTimer.Update();
}

// A square footprint of half-size `half` as bounds and one box, with a floor radius `radius`.
inline void Shape(GameEntity& e, float radius, float half, bool withBox = true) {
    MeshTree* m = e.GetModel();
    m->radius = radius;
    m->boundsMin[0] = m->boundsMin[2] = -half;
    m->boundsMax[0] = m->boundsMax[2] = half;
    m->boxes.clear();
    if (withBox) m->boxes.emplace_back(-half, half, -half, half);
}

inline void PlaceAt(GameEntity& e, float x, float z, float y = 0.0f) {
    e.GetModel()->ResetMatrix();
    e.Translate(x, y, z);
}

}  // namespace physicstest
