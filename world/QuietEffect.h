#pragma once
// The effect that stands in until particles are drawn: nothing shows and nothing lives, but
// it remembers being drawn, so that "not drawn since its reset" tests fire once, as they do
// with a real effect.
#include "world/Effect.h"

class QuietEffect : public Effect {
public:
    void LoadScripts(const std::vector<std::string>&) override {}
    void Start() override {}
    void Stop(bool) override {}
    void PlaceAt(MeshTree*, bool) override {}
    void MoveTo(float, float, float, bool) override {}
    void ExpireAll() override {}
    void Draw() override { drawn = true; }
    bool IsAlive() const override { return false; }
    bool WasDrawn() const override { return drawn; }
    ParticleSystem* GetSystem(int) override { return nullptr; }

private:
    bool drawn = false;
};
