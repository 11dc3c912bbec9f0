// What the level screen draws of its own: the room, the bars over the computer vehicles and
// the HUD texts.
#include <GL/gl.h>

#include "app/Window.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "game/Hud.h"
#include "particles/Particle.h"
#include "particles/ParticleSystem.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

void Application::DrawRoom() {
    Renderer* renderer = graphicsSystem.renderer.get();
    if (!renderer) return;
    const float w = kCellSize * static_cast<float>(world.GetGridSizeX());
    const float d = kCellSize * static_cast<float>(world.GetGridSizeZ());
    // The floor slab reaches half a unit past the walls.
    const float floorCentre[3] = {w / 2, -0.05f, d / 2};
    renderer->DrawTexturedBox(floorCentre, w + 1, 0.1f, d + 1,
                              world.GetFirstEnvironmentTexture().c_str(), 10, 10, 10, false);
    // The walls are a box seen from inside: its negative depth turns its faces inwards.
    const float wallCentre[3] = {w / 2, 26.0f, d / 2};
    renderer->DrawTexturedBox(wallCentre, w, 55.0f, -d, world.GetThirdEnvironmentTexture().c_str(),
                              15, 15, 15, false);
    glColor4f(1, 1, 1, 1);
}

void Application::ResetDrawColour() {
    if (graphicsSystem.renderer) glColor4f(1, 1, 1, 1);
}

void Application::DrawEnemyBars() {
    if (menuSystem.GetCurrentMenuName() != "LEVEL_SCREEN" || gameMode == Versus) return;
    if (!healthBars || !energyBars) return;
    for (int i = 0; i < kEnemyBars && enemies[i]; ++i) {
        BarLengths lengths;
        if (!EnemyBarLengths(*enemies[i], &lengths)) continue;
        Particle& health = healthBars[i];
        Particle& energy = energyBars[i];
        health.PlaceAt(enemies[i]->GetModel(), true);
        energy.PlaceAt(enemies[i]->GetModel(), true);
        // Emitter 0 is the full bar behind; emitter 1 shows the value.
        if (ParticleSystem* value = health.GetSystem(1))
            value->SetSizeFromEdge(lengths.health, 1.0f);
        if (ParticleSystem* value = energy.GetSystem(1))
            value->SetSizeFromEdge(lengths.energy, 1.0f);
        health.Draw();
        // Seen from straight above, the energy bar lies beside the health bar.
        const bool topDown = cameraMode == TopDownCamera && graphicsSystem.renderer;
        if (topDown) glTranslatef(0, 0, -0.3f);
        energy.Draw();
        if (topDown) glTranslatef(0, 0, 0.3f);
    }
}

void Application::DrawHud() {
    if (menuSystem.GetCurrentMenuName() != "LEVEL_SCREEN" || menuSystem.IsTransitioning() ||
        !players[0])
        return;
    HudState state;
    state.gameMode = gameMode;
    state.windowWidth = window.GetWidth();
    state.windowHeight = window.GetHeight();
    state.fullscreen = window.IsFullscreen();
    state.playerOne = players[0];
    state.playerTwo = players[1];
    state.enemiesAlive = CountAlive(enemies);
    state.survivalKills = survivalKills;
    for (const HudText& text : LayOutHud(state)) {
        const float rgb[3] = {text.r, text.g, text.b};
        if (text.inScene)
            menuSystem.Print3D(text.font, text.x, text.y, text.z, text.r, text.g, text.b, "%s",
                               text.text.c_str());
        else
            menuSystem.PrintText2D(text.font, text.x, text.y, rgb, text.text);
    }
}
