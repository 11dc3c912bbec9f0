#include "particles/Debris.h"

void StepDebrisMotion(float velocity[3], float position[3], float frameTime) {
    const float step = kDebrisStepPerSecond * frameTime;
    for (int a = 0; a < 3; ++a) {
        const float acceleration =
            (kDebrisMass * kDebrisGravity[a] - kDebrisDrag * velocity[a]) / kDebrisMass;
        velocity[a] += step * acceleration;
        position[a] += step * velocity[a] + acceleration;
    }
    if (position[1] < 0.0f) {
        velocity[0] *= kDebrisFloorFriction;
        velocity[2] *= kDebrisFloorFriction;
        position[1] = 0.0f;
    }
}
