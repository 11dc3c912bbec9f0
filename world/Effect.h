#pragma once
// A visual effect attached to an entity: an explosion, a trail, dust, a bolt. The entity's
// effect slots own it; the entity's code loads, starts, places and stops it, and the effects
// pass draws it while its slot is running.
#include <string>
#include <vector>

class MeshTree;
class ParticleSystem;

class Effect {
public:
    virtual ~Effect() = default;

    // The particle scripts of the effect's emitters, in order; called once per effect.
    virtual void LoadScripts(const std::vector<std::string>& scripts) = 0;
    virtual void Start() = 0;
    // `now`: every particle dies at once; otherwise they die out.
    virtual void Stop(bool now) = 0;
    // At the model's x and z; `asOffset` moves the emitters' offset, otherwise their position
    // (and new particles take the model's orientation).
    virtual void PlaceAt(MeshTree* model, bool asOffset) = 0;
    virtual void MoveTo(float x, float y, float z, bool asOffset) = 0;
    virtual void ExpireAll() = 0;
    virtual void Draw() = 0;
    // Some particle is still alive.
    virtual bool IsAlive() const = 0;
    // Drawn at least once since its last reset.
    virtual bool WasDrawn() const = 0;
    // The i-th emitter, or null.
    virtual ParticleSystem* GetSystem(int i) = 0;

    // One emitter at a time, for effects that mark several places (a blast's centre and the
    // vehicles inside it). An emitter that does not exist is skipped.
    virtual void SetSystemOffset(int, float, float, float) {}
    // A paused emitter neither moves, ages nor shows until resumed.
    virtual void PauseSystem(int) {}
    virtual void ResumeSystem(int) {}
};
