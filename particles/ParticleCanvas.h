#pragma once
// What an emitter needs from the graphics side: its frame textures and a place to draw its
// particles. The GL canvas answers in the game; tests put in a recording one, so that the
// update rules run without a context.
#include <string>

enum ParticleSystemType { CUSTOM_2D = 0, CUSTOM_3D = 1, RANDOM = 2, OTHER_TYPE = 3, DECAL = 4 };

// One particle as it is drawn this frame.
struct ParticleDraw {
    int type = CUSTOM_2D;
    // Where it stands: the emitter's offset plus the particle's position.
    float position[3] = {};
    float rgba[4] = {};
    // The owner's orientation at the particle's birth, translated to position - basePosition;
    // null for a particle that is not tied to a model.
    const float* birthMatrix = nullptr;
    float basePosition[3] = {};
    // CUSTOM_2D: the four corners of the strip, (x, y) in the camera plane, in the order of
    // the texture coordinates (1,1), (0,1), (1,0), (0,0).
    float corners[4][2] = {};
    // CUSTOM_3D.
    float sphereRadius = 0.0f;
    // DECAL: half the side of the square on the floor.
    float size = 0.0f;
};

class ParticleCanvas {
public:
    virtual ~ParticleCanvas() = default;

    // The frame textures; 0 when the file cannot be read.
    virtual unsigned LoadTexture(const std::string& file) = 0;
    virtual unsigned LoadTextureColourKey(const std::string& file, const int key[3]) = 0;

    // Many emitters drawn one after another with nothing else drawn between them: the state
    // they all draw in is set once for them, not once per emitter, and what they draw may
    // reach GL only as the pass ends.
    virtual void BeginPass() {}
    virtual void EndPass() {}
    // One emitter's drawing: state saved on begin and put back on end.
    virtual void BeginSystem() = 0;
    // The texture of the particles that follow; 0 turns texturing off.
    virtual void BindFrame(unsigned texture) = 0;
    virtual void DrawParticle(const ParticleDraw& particle) = 0;
    virtual void EndSystem() = 0;

    // An emitter's pool of `particles` goes away: the frame statistics forget its quads.
    virtual void ForgetTriangles(int particles) = 0;
};

// A pass of the current canvas for the emitters drawn while it lives.
class ParticlePass {
public:
    ParticlePass();
    ~ParticlePass();
    ParticlePass(const ParticlePass&) = delete;
    ParticlePass& operator=(const ParticlePass&) = delete;
};

// The canvas emitters use: the GL one unless a test has put in another.
ParticleCanvas& GetParticleCanvas();
// Null puts back the GL canvas.
void SetParticleCanvas(ParticleCanvas* canvas);
