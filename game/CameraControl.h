#pragma once
// The level screen's camera: the keypad picks the view, a defeat turns on the orbit around
// player one's wreck, and the crosshair shows only in the chase view.
#include <cstdint>

// Camera modes of the level screen: 1 chase, 2 top-down, 3 front, 4 overview of both
// players, 5 defeat orbit.
enum CameraMode {
    ChaseCamera = 1,
    TopDownCamera = 2,
    FrontCamera = 3,
    OverviewCamera = 4,
    DefeatCamera = 5,
};

// The camera mode after this frame's camera keys (ignored in Versus) and the defeat rule:
// all players destroyed while a computer vehicle lives.
CameraMode NextCameraMode(CameraMode cameraMode, const std::uint8_t* keys, int gameMode,
                          bool playersDestroyed, bool enemiesDestroyed);

// How a camera mode places the camera on player one.
struct CameraShot {
    bool overview = false;  // both players in view; needs player two
    CameraMode followMode = ChaseCamera;
    float a = 10.0f;
    float b = 5.5f;
    float c = 0.2f;
    bool orbitAngle = false;  // c is the defeat camera's angle
    bool crosshair = true;
};
CameraShot ShotFor(CameraMode cameraMode);

// The orbit turns a quarter radian a second; the chase view starts it again from here.
constexpr float kDefeatOrbitStart = 2.0f;
constexpr float kDefeatOrbitSpeed = 0.25f;
