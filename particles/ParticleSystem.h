#pragma once
// One emitter: a fixed pool of particles set up from a particle script, released in
// batches, moved, faded, grown, animated through bitmap frames and drawn as camera-facing
// quads, spheres or flat quads on the floor. Drawing also updates: an emitter that is not
// drawn stands still. A composite effect (Particle) owns it.
#include <stdexcept>
#include <string>
#include <vector>

#include "particles/ParticleScript.h"
#include "particles/ParticleState.h"
#include "world/GameEntity.h"

// Thrown by Load when the script cannot be used; the text is what the player is shown.
class ParticleLoadError : public std::runtime_error {
public:
    ParticleLoadError() : std::runtime_error("Error loading particle script!") {}
};

struct ParticleFrame {
    unsigned texture = 0;
    std::string textureFile;
};

class ParticleSystem : public GameEntity {
public:
    ParticleSystem();
    ~ParticleSystem() override;

    // Reads the script, its frames and its blocks, then resets. Throws ParticleLoadError
    // when the script does not open or asks for sizes out of range.
    void Load(const char* scriptFile);
    // The three readers, in the order Load calls them.
    bool ParseScript(const char* scriptFile);
    void LoadFrames(const char* texturePath);
    void LoadParticleBlocks(const char* blockFile);

    // Updates and draws one frame at the frame timer's frame time.
    void Draw();
    // The same with a given frame time in seconds.
    void DrawFrame(float frameTime);
    // Blocks read again with fresh offsets, every particle born, one batch active.
    void Reset();

    void SetPosition(float x, float y, float z);
    void SetOffset(float x, float y, float z);
    // New particles take this transform's orientation when first drawn; not owned.
    void AttachToMatrix(const float* m) { ownerMatrix = m; }
    // The quads become sx x the script's length and sy x its height, keeping the left and
    // bottom edges of the full-size quad (the HUD bars).
    void SetSizeFromEdge(float sx, float sy);
    // Every particle reaches the end of its life at its next update.
    void ExpireParticles();
    // `now`: every particle dead at once; otherwise each dies at its next expiry.
    void Stop(bool now);
    void Start();
    void Pause() { paused = true; }
    void Resume() { paused = false; }

    bool AnyAlive() const;
    bool WasDrawn() const { return drawnSinceReset; }
    bool HasRandomPosition() const { return script.randomPosition; }
    bool HasRandomDirection() const { return script.randomDirection; }

    // For the content check and the tests.
    const ParticleScript& GetScript() const { return script; }
    const std::string& GetScriptFile() const { return scriptFile; }
    int GetParticleCount() const { return static_cast<int>(particles.size()); }
    int GetActiveBatches() const { return activeBatches; }
    int GetExpiryCount() const { return expiryCount; }
    int GetLifetimeLoops() const { return lifetimeLoops; }
    bool BlocksLoaded() const { return blocksLoaded; }
    // Why the block file was refused, or empty.
    const std::string& GetBlockError() const { return blockError; }
    const std::vector<std::string>& GetBlockLinesUnmatched() const { return blockUnmatched; }
    bool IsPaused() const { return paused; }
    const ParticleState& GetParticle(int i) const { return particles[static_cast<size_t>(i)]; }
    const std::vector<ParticleFrame>& GetFrames() const { return frames; }
    const float* GetSpread() const { return spread; }
    float GetLength() const { return length; }
    float GetHeight() const { return height; }
    const float* GetOffset() const { return offset; }
    const float* GetPosition() const { return position; }

private:
    void InitParticle(int i);
    void UpdateParticle(int i, float frameTime);
    void AdvanceFrame(ParticleState& p, float step, int bitmapCount);
    void DrawParticle(int i);
    void DrawOneFrame(float frameTime);
    float FadeIn(const ParticleState& p) const;
    float FadeOut(const ParticleState& p) const;
    bool Drawable() const { return script.type == 0 || script.type == 1 || script.type == 4; }

    const float* ownerMatrix = nullptr;
    ParticleScript script;
    std::string scriptFile;
    float length = 0.0f;
    float height = 0.0f;
    int activeBatches = 0;
    int expiryCount = 0;
    int lifetimeLoops = 0;
    float position[3] = {};
    float sphereRadius = 0.0f;
    float emissionTimer = 0.0f;
    bool drawnSinceReset = false;
    bool paused = false;
    bool visible = false;
    bool blocksLoaded = false;
    bool positionSet = false;
    float spread[6] = {};
    float offset[3] = {};
    std::vector<ParticleState> particles;
    std::vector<ParticleFrame> frames;
    std::string blockError;
    std::vector<std::string> blockUnmatched;
};
