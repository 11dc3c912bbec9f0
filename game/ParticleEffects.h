#pragma once
// The world's effects become particle effects: every effect slot and the entity factory's
// "PARTICLE" make a Particle from now on.
void InstallParticleEffects();
