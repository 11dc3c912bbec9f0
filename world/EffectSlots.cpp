#include "world/EffectSlots.h"

#include <utility>

Effect* EffectSlots::Get(int slot) const {
    return Valid(slot) ? effects[slot].get() : nullptr;
}

void EffectSlots::Set(int slot, std::unique_ptr<Effect> effect) {
    if (Valid(slot)) effects[slot] = std::move(effect);
}

bool EffectSlots::IsRunning(int slot) const {
    return Valid(slot) && running[slot];
}

void EffectSlots::SetRunning(int slot, bool on) {
    if (Valid(slot)) running[slot] = on;
}
