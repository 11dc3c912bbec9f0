#pragma once
// The game's particle canvas: frames through the texture manager, particles with the fixed
// pipeline (billboards through the renderer, spheres through one shared GLU quadric, decals
// flat on the floor). Nothing is drawn while no context exists.
#include <GL/glu.h>

#include <vector>

#include "particles/ParticleCanvas.h"

class GlParticleCanvas : public ParticleCanvas {
public:
    GlParticleCanvas() = default;
    ~GlParticleCanvas() override;
    GlParticleCanvas(const GlParticleCanvas&) = delete;
    GlParticleCanvas& operator=(const GlParticleCanvas&) = delete;

    unsigned LoadTexture(const std::string& file) override;
    unsigned LoadTextureColourKey(const std::string& file, const int key[3]) override;
    void BeginPass() override;
    void EndPass() override;
    void BeginSystem() override;
    void BindFrame(unsigned texture) override;
    void DrawParticle(const ParticleDraw& particle) override;
    void EndSystem() override;
    void ForgetTriangles(int particles) override;

    // The billboards that share a frame go to GL as one batch of triangles placed in eye
    // space, instead of one matrix change and one draw each; within a pass the batch stays
    // open from one emitter to the next. Off, each is drawn on its own (a picture to compare
    // with).
    bool batchBillboards = true;

private:
    static bool HasContext();
    void EnterParticleState();
    void LeaveParticleState();
    // Sets GL's texturing to a frame (0: off), unless it stands so already.
    void ApplyFrame(unsigned frame);
    void DrawSphere(float radius);
    void DrawBillboard(const ParticleDraw& particle);
    void AddToBatch(const ParticleDraw& particle);
    void FlushBatch();

    // One for every sphere emitter, made on first use and freed with the canvas (an
    // emitter of its own per shot would have to be freed per shot).
    GLUquadric* quadric = nullptr;
    bool drawing = false;
    bool texturingWasOn = false;
    // Within a pass, the state shared by every emitter stays set between them.
    bool inPass = false;
    // The emitter's modelview as drawing began.
    float systemView[16] = {};
    // The frame that the emitter's next particles take (0: none). GL is set to it only when
    // something is drawn, so that a batch stays open across binds of its own frame.
    unsigned emitterFrame = 0;
    // The frame of the open batch.
    unsigned batchFrame = 0;
    // GL's texturing as the canvas set it (0: off), once known.
    unsigned glFrame = 0;
    bool glFrameKnown = false;
    // The last frame an emitter bound (0: none yet).
    unsigned lastBound = 0;
    // The batch's corners in eye space, each with its texture coordinates and colour, kept
    // between batches so that a warm frame allocates nothing.
    std::vector<float> batchPositions;
    std::vector<float> batchTexCoords;
    std::vector<float> batchColours;
};
