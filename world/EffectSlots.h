#pragma once
// The five effects an entity may carry, each with its running flag: the effects pass draws
// a slot's effect while the flag is set. The slots own their effects.
#include <memory>

#include "world/Effect.h"

class EffectSlots {
public:
    static constexpr int kSlots = 5;

    EffectSlots() = default;
    EffectSlots(const EffectSlots&) = delete;
    EffectSlots& operator=(const EffectSlots&) = delete;

    // Null for an empty slot or a slot number outside 0 to 4.
    Effect* Get(int slot) const;
    // Replaces the slot's effect (the old one is deleted); the running flag stays.
    void Set(int slot, std::unique_ptr<Effect> effect);
    bool IsRunning(int slot) const;
    void SetRunning(int slot, bool running);

private:
    static bool Valid(int slot) { return slot >= 0 && slot < kSlots; }

    std::unique_ptr<Effect> effects[kSlots];
    bool running[kSlots] = {};
};
