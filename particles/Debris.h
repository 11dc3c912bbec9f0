#pragma once
// The ballistic path of a debris emitter: an explosion's flying pieces, each trailing its own
// particles, fall and slide to a stop on the floor without bouncing.

constexpr int kDebrisEmitters = 5;
constexpr float kDebrisStepPerSecond = 40.0f;
constexpr float kDebrisMass = 0.1f;
constexpr float kDebrisGravity[3] = {0.0f, -0.01f, 0.0f};
constexpr float kDebrisDrag = 0.0f;
constexpr float kDebrisFloorFriction = 0.9f;

// One step of a frame of `frameTime` seconds. The acceleration is added to the position once
// more, unscaled, as the effect has always moved.
void StepDebrisMotion(float velocity[3], float position[3], float frameTime);
