#pragma once
// One particle of an emitter's pool.

struct ParticleState {
    bool alive = false;
    bool fadingIn = false;
    bool fadingOut = false;
    float life = 0.0f;
    float alpha = 0.0f;
    // Half the side of a square quad.
    float size = 0.0f;
    float colour[3] = {};
    // Relative to the emitter's offset.
    float position[3] = {};
    // Units per 1/50 s.
    float velocity[3] = {};
    // Position x, y, z, then velocity x, y, z: the block file's random spread.
    float randomOffset[6] = {};
    float basePosition[3] = {};
    float baseDirection[3] = {};
    float gravity[3] = {};
    int frame = 0;
    // Plays of the animation so far, from 1.
    int animationLoop = 0;
    float frameTime = 0.0f;
    // The owner's transform when the particle was first drawn.
    float birthMatrix[16] = {};
    bool matrixCaptured = false;
};
