// What the level screen draws of its own: the room, the bars over the computer vehicles and
// the HUD texts.
#include <GL/gl.h>

#include "app/Window.h"
#include "game/Application.h"
#include "game/CameraControl.h"
#include "game/Hud.h"
#include "game/LevelDraw.h"
#include "game/MenuNames.h"
#include "particles/Particle.h"
#include "particles/ParticleCanvas.h"
#include "particles/ParticleSystem.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"
#include "world/Vehicle.h"
#include "world/World.h"

void Application::DrawRoom() {
    Renderer* renderer = graphicsSystem.renderer.get();
    if (!renderer) return;
    leveldraw::DrawRoom(*renderer, kCellSize * static_cast<float>(world.GetGridSizeX()),
                        kCellSize * static_cast<float>(world.GetGridSizeZ()),
                        world.GetFirstEnvironmentTexture().c_str(),
                        world.GetThirdEnvironmentTexture().c_str());
    glColor4f(1, 1, 1, 1);
}

void Application::ResetDrawColour() {
    if (graphicsSystem.renderer) glColor4f(1, 1, 1, 1);
}

void Application::DrawEnemyBars() {
    if (menuSystem.GetCurrentMenuName() != menunames::kLevelScreen || gameMode == Versus) return;
    if (!healthBars || !energyBars) return;
    // Nothing but the bars' emitters is drawn between them.
    const ParticlePass pass;
    for (int i = 0; i < kEnemyBars && level.enemies[i]; ++i) {
        BarLengths lengths;
        if (!EnemyBarLengths(*level.enemies[i], &lengths)) continue;
        Particle& health = healthBars[i];
        Particle& energy = energyBars[i];
        health.PlaceAt(level.enemies[i]->GetModel(), true);
        energy.PlaceAt(level.enemies[i]->GetModel(), true);
        // Emitter 0 is the full bar behind; emitter 1 shows the value.
        if (ParticleSystem* value = health.GetSystem(1))
            value->SetSizeFromEdge(lengths.health, 1.0f);
        if (ParticleSystem* value = energy.GetSystem(1))
            value->SetSizeFromEdge(lengths.energy, 1.0f);
        health.Draw();
        // Seen from straight above, the energy bar lies beside the health bar.
        const bool topDown = level.cameraMode == TopDownCamera && graphicsSystem.renderer;
        if (topDown) glTranslatef(0, 0, -0.3f);
        energy.Draw();
        if (topDown) glTranslatef(0, 0, 0.3f);
    }
}

void Application::DrawHud() {
    if (menuSystem.GetCurrentMenuName() != menunames::kLevelScreen ||
        menuSystem.IsTransitioning() || !level.players[0])
        return;
    HudState state;
    state.gameMode = gameMode;
    state.windowWidth = window.GetWidth();
    state.windowHeight = window.GetHeight();
    state.fullscreen = window.IsFullscreen();
    state.playerOne = level.players[0];
    state.playerTwo = level.players[1];
    state.enemiesAlive = CountAlive(level.enemies);
    state.survivalKills = level.survivalKills;
    for (const HudText& text : LayOutHud(state)) {
        const float rgb[3] = {text.r, text.g, text.b};
        if (text.inScene)
            menuSystem.Print3D(text.font, text.x, text.y, text.z, text.r, text.g, text.b, "%s",
                               text.text.c_str());
        else
            menuSystem.PrintText2D(text.font, text.x, text.y, rgb, text.text);
    }
}
