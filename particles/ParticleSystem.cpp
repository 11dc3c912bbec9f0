#include "particles/ParticleSystem.h"

#include <algorithm>

#include "app/FrameTimer.h"
#include "particles/ParticleCanvas.h"
#include "particles/ParticleFileCache.h"
#include "particles/ParticleRandom.h"

namespace {

// Movement and growth are given per 1/50 s, life per 1/60 s.
constexpr float kMovementRate = 50.0f;
constexpr float kLifeRate = 60.0f;

// A value from -1.0 to 0.98 times the spread.
float RandomOffset(float spread) {
    return static_cast<float>(GetParticleRandom().Next() % 100 - 50) / 50.0f * spread;
}

}  // namespace

ParticleSystem::ParticleSystem() : GameEntity("") {}

ParticleSystem::~ParticleSystem() {
    if (!particles.empty()) GetParticleCanvas().ForgetTriangles(GetParticleCount());
}

void ParticleSystem::Load(const char* file) {
    if (!ParseScript(file)) throw ParticleLoadError();
    std::string why;
    if (!DeriveParticleCounts(script, why)) throw ParticleLoadError();
    length = script.length;
    height = script.height;
    std::copy(std::begin(script.position), std::end(script.position), position);
    sphereRadius = (script.length + script.height) / 2.0f;
    lifetimeLoops = script.lifetimeLoops;
    // RANDOM and unknown types stay empty: no pool, never drawn, never alive.
    if (!Drawable()) return;
    frames.assign(static_cast<size_t>(script.bitmapCount), ParticleFrame{});
    particles.assign(static_cast<size_t>(script.particleCount), ParticleState{});
    LoadFrames(script.texturePath.c_str());
    LoadParticleBlocks(script.blockFile.c_str());
    Reset();
}

bool ParticleSystem::ParseScript(const char* file) {
    scriptFile = file ? file : "";
    script = ParticleScript{};
    return !scriptFile.empty() && particlefiles::ReadScript(scriptFile, script);
}

void ParticleSystem::LoadFrames(const char* texturePath) {
    const std::string path = texturePath ? texturePath : "";
    if (!path.empty()) {
        ParticleCanvas& canvas = GetParticleCanvas();
        for (int i = 0; i < static_cast<int>(frames.size()); ++i) {
            ParticleFrame& frame = frames[static_cast<size_t>(i)];
            frame.textureFile = FrameFileName(path, script.bitmapCount, i);
            frame.texture = IsTgaFrame(frame.textureFile)
                                ? canvas.LoadTexture(frame.textureFile)
                                : canvas.LoadTextureColourKey(frame.textureFile, script.colourKey);
        }
    }
    visible = true;
}

void ParticleSystem::LoadParticleBlocks(const char* blockFile) {
    if (!blockFile || !*blockFile) return;
    const particlefiles::BlockFile* read = particlefiles::ReadBlocks(blockFile, script.baseCount);
    if (!read) return;
    blockError = read->why;
    blockUnmatched = read->unmatched;
    // A refused file is as good as a missing one: every particle starts at the emitter.
    if (!read->valid) return;
    const std::vector<ParticleBlock>& blocks = read->blocks;

    const float scale = script.movementScale;
    for (int j = 0; j < script.baseCount; ++j) {
        const ParticleBlock& block = blocks[static_cast<size_t>(j)];
        ParticleState& p = particles[static_cast<size_t>(j)];
        for (int a = 0; a < 3; ++a) {
            p.basePosition[a] = block.basePosition[a] * scale;
            p.baseDirection[a] = block.baseDirection[a] * scale;
        }
        for (int k = 0; k < 6; ++k) {
            spread[k] = block.spread[k] * scale;
            p.randomOffset[k] = spread[k] != 0.0f ? RandomOffset(spread[k]) : 0.0f;
        }
    }
    blocksLoaded = true;

    // Later batches copy the first; only positive spreads give them offsets of their own.
    const int count = GetParticleCount();
    for (int s = script.baseCount; s < count; ++s) {
        ParticleState& p = particles[static_cast<size_t>(s)];
        const ParticleState& from = particles[static_cast<size_t>(s - script.baseCount)];
        std::copy(std::begin(from.basePosition), std::end(from.basePosition), p.basePosition);
        std::copy(std::begin(from.baseDirection), std::end(from.baseDirection), p.baseDirection);
        for (int k = 0; k < 6; ++k)
            p.randomOffset[k] = spread[k] > 0.0f ? RandomOffset(spread[k]) : 0.0f;
    }
}

void ParticleSystem::Reset() {
    LoadParticleBlocks(script.blockFile.c_str());
    for (int i = 0; i < GetParticleCount(); ++i) InitParticle(i);
    activeBatches = 1;
    emissionTimer = 0.0f;
    expiryCount = 0;
    drawnSinceReset = false;
}

void ParticleSystem::InitParticle(int i) {
    if (!Drawable()) return;
    ParticleState& p = particles[static_cast<size_t>(i)];
    float start[3];
    float heading[3];
    for (int a = 0; a < 3; ++a) {
        if (blocksLoaded) {
            start[a] = script.randomPosition ? 0.0f : p.basePosition[a] + script.position[a];
            heading[a] = script.randomDirection ? 0.0f : p.baseDirection[a] + script.direction[a];
        } else {
            start[a] = position[a];
            heading[a] = script.direction[a];
        }
        if (positionSet) start[a] = position[a] + script.position[a] + p.basePosition[a];
    }
    if (!blocksLoaded) std::fill(std::begin(p.randomOffset), std::end(p.randomOffset), 0.0f);

    p.alive = true;
    p.fadingIn = script.fadeInDuration > 0.0f;
    p.fadingOut = false;
    p.life = script.lifetime;
    p.alpha = script.alpha;
    p.size = (length + height) / 2.0f;
    for (int a = 0; a < 3; ++a) {
        p.colour[a] = script.colour[a];
        p.gravity[a] = script.gravity[a];
        p.position[a] = start[a] + p.randomOffset[a];
        p.velocity[a] = heading[a] + p.randomOffset[3 + a];
    }
    p.frame = 0;
    p.animationLoop = 1;
    p.frameTime = 0.0f;
    p.matrixCaptured = false;
    std::fill(std::begin(p.birthMatrix), std::end(p.birthMatrix), 0.0f);
}

void ParticleSystem::Draw() {
    DrawFrame(frameTimer.GetDeltaTime());
}

void ParticleSystem::DrawFrame(float frameTime) {
    if (!visible || paused || particles.empty()) return;
    ParticleCanvas& canvas = GetParticleCanvas();
    canvas.BeginSystem();
    DrawOneFrame(frameTime);
    canvas.EndSystem();
}

void ParticleSystem::DrawOneFrame(float frameTime) {
    drawnSinceReset = true;
    emissionTimer += frameTime * script.fadeSpeed * kLifeRate;
    if (expiryCount == 0) activeBatches = 1;
    if (script.interval > 0.0f && emissionTimer >= script.interval) {
        activeBatches = std::min(activeBatches + 1, std::max(script.batches, 1));
        emissionTimer = 0.0f;
    }
    const float step = frameTime * static_cast<float>(script.frameSkip);
    const int count = std::min(script.baseCount * activeBatches, GetParticleCount());
    const int bitmapCount = static_cast<int>(frames.size());
    ParticleCanvas& canvas = GetParticleCanvas();
    for (int i = 0; i < count; ++i) {
        ParticleState& p = particles[static_cast<size_t>(i)];
        if (p.frame >= 0 && p.frame < bitmapCount && p.frameTime < bitmapCount) {
            const unsigned texture = frames[static_cast<size_t>(p.frame)].texture;
            if (texture != 0) {
                // One bind per batch: the batch's first particle decides its frame.
                if (i % script.baseCount == 0) canvas.BindFrame(texture);
                AdvanceFrame(p, step, bitmapCount);
            } else {
                canvas.BindFrame(0);
            }
        }
        if (p.alive) {
            UpdateParticle(i, frameTime);
            // A particle that dies in this update is still drawn this once.
            DrawParticle(i);
        }
    }
}

void ParticleSystem::AdvanceFrame(ParticleState& p, float step, int bitmapCount) {
    if (p.frame + 1 < bitmapCount && p.frameTime + step < bitmapCount) {
        p.frameTime += step;
        p.frame = static_cast<int>(p.frameTime);
    } else if (p.alive) {
        if (p.animationLoop >= script.animationLoops) {
            p.frame = bitmapCount - 1;
            p.frameTime = static_cast<float>(p.frame);
        } else {
            p.frame = 0;
            p.frameTime = 0.0f;
            p.animationLoop += 1;
        }
    }
}

// maxAlpha x the elapsed life / fadeInDuration; a fade step of 0 would give 0 / 0.
float ParticleSystem::FadeIn(const ParticleState& p) const {
    if (script.fadeInDuration <= 0.0f) return script.maxAlpha;
    const float steps = static_cast<float>(script.fadeStep != 0 ? script.fadeStep : 1);
    return (script.maxAlpha / steps) *
           ((script.lifetime - p.life) / (script.fadeInDuration / steps));
}

// maxAlpha x the life left / fadeOutDuration; a duration of 0 means faded out at once.
float ParticleSystem::FadeOut(const ParticleState& p) const {
    if (script.fadeOutDuration <= 0.0f) return script.minAlpha;
    const float steps = static_cast<float>(script.fadeStep != 0 ? script.fadeStep : 1);
    return (script.maxAlpha / steps) * (p.life / (script.fadeOutDuration / steps));
}

void ParticleSystem::UpdateParticle(int i, float frameTime) {
    ParticleState& p = particles[static_cast<size_t>(i)];
    p.size += frameTime * script.growRate * kMovementRate;
    for (int a = 0; a < 3; ++a) p.position[a] += frameTime * p.velocity[a] * kMovementRate;
    // Gravity is added once per frame, whatever the frame time.
    for (int a = 0; a < 3; ++a) p.velocity[a] += p.gravity[a];
    p.life -= frameTime * script.fadeSpeed * kLifeRate;
    if (p.life <= script.fadeOutDuration) {
        p.fadingIn = false;
        p.fadingOut = true;
    }
    if (p.fadingIn && p.alpha < script.maxAlpha) p.alpha = FadeIn(p);
    if (p.fadingOut && p.alpha > script.minAlpha) p.alpha = FadeOut(p);
    if (p.alpha > script.maxAlpha) p.alpha = script.maxAlpha;
    if (p.alpha < script.minAlpha) p.alpha = script.minAlpha;
    if (p.size > script.maxSize) p.size = script.maxSize;
    if (p.size < script.minSize) p.size = script.minSize;
    if (p.life <= 0.0f) {
        expiryCount += 1;
        if (lifetimeLoops != -1 && expiryCount > lifetimeLoops)
            p.alive = false;
        else
            InitParticle(i);
    }
}

void ParticleSystem::DrawParticle(int i) {
    ParticleState& p = particles[static_cast<size_t>(i)];
    ParticleDraw d;
    d.type = script.type;
    for (int a = 0; a < 3; ++a) {
        d.position[a] = offset[a] + p.position[a];
        d.basePosition[a] = p.basePosition[a];
        d.rgba[a] = p.colour[a];
    }
    d.rgba[3] = p.alpha;
    if (ownerMatrix) {
        if (!p.matrixCaptured) {
            std::copy(ownerMatrix, ownerMatrix + 16, p.birthMatrix);
            p.matrixCaptured = true;
        }
        for (int a = 0; a < 3; ++a) p.birthMatrix[12 + a] = d.position[a] - p.basePosition[a];
        d.birthMatrix = p.birthMatrix;
    }
    // The script's proportions choose square or rectangle, so a bar resized to a square
    // stays a bar.
    if (script.length == script.height) {
        const float s = p.size;
        const float corners[4][2] = {{s, s}, {-s, s}, {s, -s}, {-s, -s}};
        std::copy(&corners[0][0], &corners[0][0] + 8, &d.corners[0][0]);
    } else {
        const float bx = p.basePosition[0];
        const float by = p.basePosition[1];
        const float hx = length / 2.0f;
        const float hy = height / 2.0f;
        const float corners[4][2] = {
            {hx + bx, hy + by}, {-hx + bx, hy + by}, {hx + bx, -hy + by}, {-hx + bx, -hy + by}};
        std::copy(&corners[0][0], &corners[0][0] + 8, &d.corners[0][0]);
    }
    d.sphereRadius = sphereRadius;
    d.size = p.size;
    GetParticleCanvas().DrawParticle(d);
}

void ParticleSystem::SetPosition(float x, float y, float z) {
    position[0] = x;
    position[1] = y;
    position[2] = z;
    positionSet = true;
}

void ParticleSystem::SetOffset(float x, float y, float z) {
    offset[0] = x;
    offset[1] = y;
    offset[2] = z;
}

void ParticleSystem::SetSizeFromEdge(float sx, float sy) {
    length = sx * script.length;
    height = sy * script.height;
    for (ParticleState& p : particles) {
        p.basePosition[0] = -(script.length - length) / 2.0f;
        p.basePosition[1] = -(script.height - height) / 2.0f;
    }
}

void ParticleSystem::ExpireParticles() {
    for (ParticleState& p : particles) p.life = 0.0f;
}

void ParticleSystem::Stop(bool now) {
    if (now) {
        for (ParticleState& p : particles) p.alive = false;
    } else {
        lifetimeLoops = expiryCount;
    }
}

void ParticleSystem::Start() {
    for (ParticleState& p : particles) p.alive = true;
    lifetimeLoops = -1;
    expiryCount = 0;
}

bool ParticleSystem::AnyAlive() const {
    return std::any_of(particles.begin(), particles.end(),
                       [](const ParticleState& p) { return p.alive; });
}
