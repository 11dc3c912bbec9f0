#include "render/Camera.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/Matrix.h"
#include "app/Window.h"
#include "render/GraphicsSystem.h"

namespace {

constexpr float kOrbitTilt = 0.2f;
constexpr float kOverviewHeightPerSpan = 1.5f;
constexpr float kOverviewBaseHeight = 30.0f;
constexpr float kFieldOfViewDegrees = 45.0f;

void Identity(float m[16]) {
    for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void SetColumn(float frame[16], int first, float x, float y, float z) {
    frame[first] = x;
    frame[first + 1] = y;
    frame[first + 2] = z;
}

// The least and the most a coordinate may be, kWallMargin inside the walls at `low` and
// `high`; a room narrower than two margins keeps its middle line.
struct Span {
    float least, most;
};
Span InsideMargin(float low, float high) {
    const float least = low + Camera::kWallMargin;
    const float most = high - Camera::kWallMargin;
    if (least <= most) return {least, most};
    const float middle = (low + high) / 2.0f;
    return {middle, middle};
}

// The share of the way from `from` (inside the span) to `to` that stays inside it.
float ShareInside(const Span& span, float from, float to) {
    if (to < span.least) return (span.least - from) / (to - from);
    if (to > span.most) return (span.most - from) / (to - from);
    return 1.0f;
}

}  // namespace

Camera::Camera() {
    Identity(modelViewBeforeLight);
    Identity(modelViewAfterLight);
    Identity(view);
    Identity(projection);
    for (float* frame : {chaseFrame, topDownFrame, frontFrame, overviewFrame, orbitFrame})
        Identity(frame);
}

void Camera::SetRoom(float minX, float minZ, float maxX, float maxZ) {
    room = {minX, minZ, maxX, maxZ};
    hasRoom = true;
}

void Camera::KeepEyeInRoom(const Room& room, const float target[3], float eye[3]) {
    const Span x = InsideMargin(room.minX, room.maxX);
    const Span z = InsideMargin(room.minZ, room.maxZ);
    const auto inside = [](const Span& span, float v) { return v >= span.least && v <= span.most; };
    if (inside(x, eye[0]) && inside(z, eye[2])) return;
    // No share of the line comes inside across a wall that the target itself lies past.
    const float share = std::min(inside(x, target[0]) ? ShareInside(x, target[0], eye[0]) : 1.0f,
                                 inside(z, target[2]) ? ShareInside(z, target[2], eye[2]) : 1.0f);
    for (int i = 0; i < 3; ++i) eye[i] = target[i] + share * (eye[i] - target[i]);
    // That wall holds the eye at the margin; elsewhere rounding may leave it a hair past.
    eye[0] = std::clamp(eye[0], x.least, x.most);
    eye[2] = std::clamp(eye[2], z.least, z.most);
}

void Camera::KeepInRoom(const float* entityMatrix, float frame[16]) const {
    if (hasRoom) KeepEyeInRoom(room, entityMatrix + 12, frame + 12);
}

void Camera::PerspectiveMatrix(float fovyDegrees, float aspect, float zNear, float zFar,
                               float m[16]) {
    const float radians = fovyDegrees / 2.0f * 3.14159265358979f / 180.0f;
    const float cotangent = std::cos(radians) / std::sin(radians);
    const float depth = zFar - zNear;
    for (int i = 0; i < 16; ++i) m[i] = 0.0f;
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(zFar + zNear) / depth;
    m[11] = -1.0f;
    m[14] = -2.0f * zNear * zFar / depth;
}

void Camera::LookAtMatrix(const float eye[3], const float centre[3], const float up[3],
                          float m[16]) {
    float forward[3] = {centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
    Vec3Normalize(forward);
    float side[3];
    Vec3Cross(forward, up, side);
    Vec3Normalize(side);
    float trueUp[3];
    Vec3Cross(side, forward, trueUp);
    Identity(m);
    for (int column = 0; column < 3; ++column) {
        m[column * 4 + 0] = side[column];
        m[column * 4 + 1] = trueUp[column];
        m[column * 4 + 2] = -forward[column];
    }
    m[12] = -Vec3Dot(side, eye);
    m[13] = -Vec3Dot(trueUp, eye);
    m[14] = Vec3Dot(forward, eye);
}

void Camera::SetPerspective(const float frame[16], float zNear, float zFar) {
    if (graphicsSystem.renderer) {
        const Vector3& light = graphicsSystem.renderer->lightPosition;
        lightEye[0] = light.x;
        lightEye[1] = light.y;
        lightEye[2] = light.z;
        lightEye[3] = 1.0f;
    }
    const float width = static_cast<float>(window.GetWidth());
    const float height = static_cast<float>(window.GetHeight());
    PerspectiveMatrix(kFieldOfViewDegrees, height > 0.0f ? width / height : 1.0f, zNear, zFar,
                      projection);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection);

    glMatrixMode(GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelViewBeforeLight);
    if (!frame) return;
    // Unlike ApplyView, the centre is the frame's forward column itself.
    LookAtMatrix(frame + 12, frame + 8, frame + 4, view);
    glLoadMatrixf(view);
}

void Camera::ApplyView(const float frame[16]) {
    if (frame) {
        for (int first : {4, 8, 12})
            for (int i = first; i < first + 3; ++i) view[i] = frame[i];
    }
    glMatrixMode(GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelViewBeforeLight);
    // The light goes under whatever modelview is current: the previous frame's view.
    const GLfloat lightPosition[4] = {1000.0f, 1000.0f, 1000.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glGetLightfv(GL_LIGHT0, GL_POSITION, lightEye);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelViewAfterLight);

    const float eye[3] = {view[12], view[13], view[14]};
    const float centre[3] = {view[12] + view[8], view[13] + view[9], view[14] + view[10]};
    const float up[3] = {view[4], view[5], view[6]};
    float lookAt[16];
    LookAtMatrix(eye, centre, up, lookAt);
    glLoadMatrixf(lookAt);
    if (frame) std::memcpy(view, lookAt, sizeof view);
}

void Camera::ChaseFrame(const float* m, float distance, float height, float tilt, float frame[16]) {
    Mat44Copy(m, frame);
    const float f[3] = {m[8], m[9], m[10]};
    SetColumn(frame, 12, m[12] - f[0] * distance, m[13] - f[1] + height, m[14] - f[2] * distance);
    SetColumn(frame, 8, f[0], f[1] - tilt, f[2]);
    SetColumn(frame, 4, 0.0f, 1.0f, 0.0f);
}

void Camera::TopDownFrame(const float* m, float height, float extra, float frame[16]) {
    Mat44Copy(m, frame);
    SetColumn(frame, 12, m[12], m[13] + height + extra, m[14]);
    SetColumn(frame, 8, 0.0f, -1.0f, 0.0f);
    SetColumn(frame, 4, 0.0f, 0.0f, 1.0f);
}

void Camera::FrontFrame(const float* m, float distance, float height, float tilt, float frame[16]) {
    Mat44Copy(m, frame);
    const float f[3] = {m[8], m[9], m[10]};
    SetColumn(frame, 12, m[12] + f[0] * distance, m[13] + f[1] + height, m[14] + f[2] * distance);
    SetColumn(frame, 8, -f[0], f[1] - tilt, -f[2]);
    SetColumn(frame, 4, 0.0f, 1.0f, 0.0f);
}

void Camera::OverviewFrame(const float* first, const float* second, float frame[16]) {
    Mat44Copy(first, frame);
    const float x1 = first[12], z1 = first[14];
    const float x2 = second[12], z2 = second[14];
    const float spanX = std::fabs(x1 - x2);
    const float spanZ = std::fabs(z1 - z2);
    const float span = spanZ < spanX ? spanX : spanZ;
    SetColumn(frame, 12, (x1 + x2) / 2.0f, span * kOverviewHeightPerSpan + kOverviewBaseHeight,
              (z1 + z2) / 2.0f);
    SetColumn(frame, 8, 0.0f, -1.0f, 0.0f);
    SetColumn(frame, 4, 0.0f, 0.0f, 1.0f);
}

void Camera::OrbitFrame(const float* m, float distance, float height, float angle,
                        float frame[16]) {
    float turned[16];
    float scratch[16];
    Mat44Copy(m, turned);
    Mat44Copy(m, scratch);
    Mat44RotateYAboutPosition(angle, scratch, turned);
    ChaseFrame(turned, distance, height, kOrbitTilt, frame);
}

void Camera::Follow(int newMode, const float* entityMatrix, float a, float b, float c) {
    switch (newMode) {
        case kChase:
            SetChaseView(entityMatrix, a, b, c);
            break;
        case kTopDown:
            SetTopDownView(entityMatrix, a, b);
            break;
        case kFront:
            SetFrontView(entityMatrix, a, b, c);
            break;
        case kOrbit:
            SetOrbitView(entityMatrix, a, b, c);
            break;
        default:
            break;
    }
}

void Camera::SetChaseView(const float* entityMatrix, float distance, float height, float tilt) {
    if (!entityMatrix) return;
    ChaseFrame(entityMatrix, distance, height, tilt, chaseFrame);
    KeepInRoom(entityMatrix, chaseFrame);
    mode = kChase;
    ApplyView(chaseFrame);
}

void Camera::SetTopDownView(const float* entityMatrix, float height, float extra) {
    if (!entityMatrix) return;
    TopDownFrame(entityMatrix, height, extra, topDownFrame);
    mode = kTopDown;
    ApplyView(topDownFrame);
}

void Camera::SetFrontView(const float* entityMatrix, float distance, float height, float tilt) {
    if (!entityMatrix) return;
    FrontFrame(entityMatrix, distance, height, tilt, frontFrame);
    KeepInRoom(entityMatrix, frontFrame);
    mode = kFront;
    ApplyView(frontFrame);
}

void Camera::SetOverview(const float* firstMatrix, const float* secondMatrix) {
    if (!firstMatrix || !secondMatrix) return;
    OverviewFrame(firstMatrix, secondMatrix, overviewFrame);
    mode = kOverview;
    ApplyView(overviewFrame);
}

void Camera::SetOrbitView(const float* entityMatrix, float distance, float height, float angle) {
    if (!entityMatrix) return;
    OrbitFrame(entityMatrix, distance, height, angle, orbitFrame);
    KeepInRoom(entityMatrix, orbitFrame);
    mode = kChase;
    ApplyView(orbitFrame);
}

void Camera::ResetLight() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat origin[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, origin);
}

void Camera::SetDefaultView() {
    glMatrixMode(GL_MODELVIEW);
    const float eye[3] = {0.0f, 0.0f, 0.0f};
    const float centre[3] = {0.0f, 0.0f, 1.0f};
    const float up[3] = {0.0f, 1.0f, 0.0f};
    LookAtMatrix(eye, centre, up, view);
    glLoadMatrixf(view);
}
