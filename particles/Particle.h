#pragma once
// One visual effect made of several emitters, one per particle script: an explosion, a
// trail, an impact flash, dust, a HUD bar. A script flagged "random position" or "random
// direction" is not drawn itself; with smoke effects on it drives debris emitters of the
// same script that fly off on ballistic paths, leaving their particles behind them.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "particles/Debris.h"
#include "particles/ParticleSystem.h"
#include "world/Effect.h"
#include "world/GameEntity.h"

class Particle : public GameEntity, public Effect {
public:
    Particle();
    ~Particle() override;

    std::unique_ptr<GameEntity> Create() override;
    std::string GetTypeName() const override;
    std::unique_ptr<Message> Update(std::uint8_t* keys) override;

    // The options file is read again for every effect. A script that cannot be loaded
    // leaves the effect without systems and is reported once per file name.
    void LoadScripts(const std::vector<std::string>& scripts) override;
    void Start() override;
    void Stop(bool now) override;
    void PlaceAt(MeshTree* model, bool asOffset) override;
    void MoveTo(float x, float y, float z, bool asOffset) override;
    void ExpireAll() override;
    void Draw() override;
    bool IsAlive() const override;
    bool WasDrawn() const override;
    ParticleSystem* GetSystem(int i) override;
    void SetSystemOffset(int i, float x, float y, float z) override;
    void PauseSystem(int i) override;
    void ResumeSystem(int i) override;

    // Draw at a given frame time in seconds.
    void DrawFrame(float frameTime);
    void StepDebris(int k, float frameTime);
    void ReleaseSystems();

    int GetSystemCount() const { return static_cast<int>(systems.size()); }
    int GetDebrisCount() const { return debrisCount; }
    ParticleSystem* GetDebris(int k) const;
    const float* GetDebrisPosition(int k) const { return debrisPosition[k]; }
    float* GetDebrisVelocity(int k) { return debrisVelocity[k]; }
    bool SmokeEffects() const { return smoke; }

    // The scripts already reported as missing are reported again (tests).
    static void ForgetReportedScripts();

private:
    static constexpr int kDebrisSlots = 10;

    void LoadOne(const std::string& name);
    void LaunchDebris(const std::string& name);
    void DrawDebris(float frameTime);
    static bool IsRandom(const ParticleSystem& system) {
        return system.HasRandomPosition() || system.HasRandomDirection();
    }

    std::vector<std::unique_ptr<ParticleSystem>> systems;
    std::array<std::unique_ptr<ParticleSystem>, kDebrisSlots> debris;
    int debrisCount = 0;
    float debrisVelocity[kDebrisSlots][3] = {};
    float debrisPosition[kDebrisSlots][3] = {};
    bool smoke = false;
};

// The options file's "smoke effects" line, read from the FileLoader's root; false when the
// file is missing or says anything but "true".
bool ReadSmokeOption();
