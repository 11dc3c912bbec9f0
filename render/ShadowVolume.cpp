#include "render/ShadowVolume.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "render/Camera.h"
#include "render/ConvexClip.h"
#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"
#include "render/ModelDrawing.h"
#include "render/OutlineEdges.h"
#include "render/Renderer.h"

#ifndef GL_STENCIL_TEST_TWO_SIDE_EXT
#define GL_STENCIL_TEST_TWO_SIDE_EXT 0x8910
#endif

namespace {

// The sides reach three times as far from the light as the model's own vertices.
constexpr float kExtrusion = 2.0f;
constexpr float kShadowDarkness = 0.5f;
// The screen-wide quad stands at twice the camera's near distance of 0.1, as wide as it is
// far: on the near plane itself it would be clipped away and darken nothing.
constexpr float kScreenQuadDistance = 0.2f;
// Clip-space w at or under which a corner counts as at or behind the eye.
constexpr double kEyeEpsilon = 1e-6;
// How far above the floor the eye must stand for the floor to hide what lies under it: well
// past the near plane's reach.
constexpr float kEyeOverFloor = 1.0f;
// The sides are cut this far under the floor's top, so that what lies just under it, where
// the depth test is least sure, is still drawn and tested as before. The same margin holds
// behind the walls and over the ceiling.
constexpr float kFloorCutDepth = 0.05f;
// How far inside the walls and under the ceiling the eye must stand for them to hide all that
// lies past them: well past the near plane's reach, which would cut a window into a wall close
// by.
constexpr float kEyeInsideWalls = 1.0f;

}  // namespace

void UpdateFacesLight(const MeshData& mesh, float lx, float ly, float lz,
                      std::vector<std::uint8_t>& facesLight) {
    if (facesLight.size() < mesh.triangles.size()) facesLight.resize(mesh.triangles.size(), 0);
    for (const MeshGroup& group : mesh.groups) {
        for (std::uint16_t index : group.triangleIndices) {
            if (index >= mesh.triangles.size()) continue;
            const float* plane = mesh.triangles[index].faceEquation;
            facesLight[index] = plane[0] * lx + plane[1] * ly + plane[2] * lz + plane[3] > 0.0f;
        }
    }
}

void FindSilhouetteEdges(const MeshData& mesh, const std::vector<std::uint8_t>& facesLight,
                         std::vector<SilhouetteEdge>& edges) {
    edges.clear();
    const MeshShadowIndex* shadow = mesh.shadowIndex.get();
    if (!shadow) return;
    const std::size_t walked = std::min<std::size_t>(shadow->count, shadow->order.size());
    AppendBorderEdges(mesh, std::span(shadow->order.data(), walked), facesLight, edges);
}

namespace {

// The smallest window box {minX, minY, maxX, maxY} that holds every corner given.
struct WindowBounds {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();
};

// Adds the window position of a clip-space point; false when it is at or behind the eye and
// so has none.
bool AddToBounds(const Point4& clip, const int viewport[4], WindowBounds& bounds) {
    if (!(clip[3] > kEyeEpsilon)) return false;
    const double x = viewport[0] + (clip[0] / clip[3] + 1.0) * 0.5 * viewport[2];
    const double y = viewport[1] + (clip[1] / clip[3] + 1.0) * 0.5 * viewport[3];
    bounds.minX = std::min(bounds.minX, x);
    bounds.maxX = std::max(bounds.maxX, x);
    bounds.minY = std::min(bounds.minY, y);
    bounds.maxY = std::max(bounds.maxY, y);
    return true;
}

// GL draws only the part of a triangle in front of the near plane (z >= -w in clip space).
constexpr Plane4 kNearPlane = {0.0, 0.0, 1.0, 1.0};

// The bounds grown by a pixel of margin (a pixel is drawn when its centre falls inside a
// triangle) and clamped to the viewport; false when nothing of the viewport is left.
bool RectInViewport(const WindowBounds& bounds, const int viewport[4], int rect[4]) {
    if (!(bounds.minX <= bounds.maxX)) return false;
    const double x0 = std::max<double>(viewport[0], std::floor(bounds.minX) - 1.0);
    const double y0 = std::max<double>(viewport[1], std::floor(bounds.minY) - 1.0);
    const double x1 = std::min<double>(viewport[0] + viewport[2], std::ceil(bounds.maxX) + 1.0);
    const double y1 = std::min<double>(viewport[1] + viewport[3], std::ceil(bounds.maxY) + 1.0);
    if (x1 <= x0 || y1 <= y0) return false;
    rect[0] = static_cast<int>(x0);
    rect[1] = static_cast<int>(y0);
    rect[2] = static_cast<int>(x1 - x0);
    rect[3] = static_cast<int>(y1 - y0);
    return true;
}

bool WholeViewport(const int viewport[4], int rect[4]) {
    for (int k = 0; k < 4; ++k) rect[k] = viewport[k];
    return viewport[2] > 0 && viewport[3] > 0;
}

}  // namespace

bool ScreenRectOf(const std::vector<float>& corners, const float modelView[16],
                  const float projection[16], const int viewport[4], int rect[4]) {
    WindowBounds bounds;
    std::vector<Point4> polygon;
    std::vector<Point4> scratch;
    for (std::size_t i = 0; i + 8 < corners.size(); i += 9) {
        polygon.clear();
        bool crossesNearPlane = false;
        for (std::size_t k = i; k < i + 9; k += 3) {
            polygon.push_back(ToClip(&corners[k], modelView, projection));
            crossesNearPlane = crossesNearPlane || Dot(polygon.back(), kNearPlane) < 0.0;
        }
        if (crossesNearPlane) ClipPolygon(polygon, kNearPlane, scratch);
        // Only a projection without a proper near plane leaves a point here that cannot be
        // placed on the window: then any pixel may be touched.
        for (const Point4& clip : polygon)
            if (!AddToBounds(clip, viewport, bounds)) return WholeViewport(viewport, rect);
    }
    return RectInViewport(bounds, viewport, rect);
}

bool SidesCountAsDrawn(const std::vector<float>& corners, const float modelView[16],
                       const float projection[16], const int viewport[4]) {
    WindowBounds bounds;
    int rect[4];
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3)
        if (!AddToBounds(ToClip(&corners[i], modelView, projection), viewport, bounds))
            return WholeViewport(viewport, rect);
    return RectInViewport(bounds, viewport, rect);
}

void BuildVolumeSides(const MeshData& mesh, const std::vector<SilhouetteEdge>& edges,
                      const float light[3], std::vector<float>& corners) {
    corners.clear();
    corners.reserve(edges.size() * 18);
    for (const SilhouetteEdge& edge : edges) {
        if (edge.from >= mesh.vertices.size() || edge.to >= mesh.vertices.size()) continue;
        const float* p = mesh.vertices[edge.from].data();
        const float* q = mesh.vertices[edge.to].data();
        float pFar[3];
        float qFar[3];
        for (int axis = 0; axis < 3; ++axis) {
            pFar[axis] = p[axis] + kExtrusion * (p[axis] - light[axis]);
            qFar[axis] = q[axis] + kExtrusion * (q[axis] - light[axis]);
        }
        // The strip p, pFar, q, qFar as its two triangles, each with the strip's own facing.
        const float* const triangles[6] = {p, pFar, q, q, pFar, qFar};
        for (const float* corner : triangles) corners.insert(corners.end(), corner, corner + 3);
    }
}

namespace {

// One volume's sides, drawn as triangles in a single call.
void DrawSides(const std::vector<float>& corners) {
    const std::size_t triangles = corners.size() / 9;
    if (triangles != 0) DrawTriangleCorners(corners.data(), 3 * triangles);
}

// A drawn volume leaves its translucent black as the current colour (the material tracking
// it is put back), and the passes after it, the effects among them, are drawn in what they
// find: a volume counted as drawn leaves it even when none of its sides lies on the window in
// front of the eye.
void LeaveDarkeningColour() {
    glPushAttrib(GL_LIGHTING_BIT);
    glColor4f(0.0f, 0.0f, 0.0f, kShadowDarkness);
    glPopAttrib();
}

}  // namespace

void Renderer::SetRoomFloor(const RoomFloor& floor) {
    roomFloor = floor;
    roomFloorSet = true;
}

void Renderer::ClearRoomFloor() {
    roomFloorSet = false;
}

namespace {

// A plane through the eye and the floor's edge where `axis` (0 for x, 2 for z) is `edge`,
// keeping the points under the floor whose line of sight crosses the floor's top on the
// rectangle's side of that edge (`low` for the lesser edge).
Plane4 FloorEdgePlane(const double eye[3], double top, int axis, double edge, bool low) {
    // f(p) = h (p.a - edge) - (eye.a - edge) (p.y - top) is 0 at the eye and along the edge;
    // where a line of sight meets the floor, f = h (crossing.a - edge), and its sign holds
    // all along the line past the eye.
    const double h = eye[1] - top;
    const double across = eye[axis] - edge;
    Plane4 plane = {0.0, -across, 0.0, -h * edge + across * top};
    plane[static_cast<std::size_t>(axis)] = h;
    if (!low)
        for (double& element : plane) element = -element;
    return plane;
}

// The region the floor hides from the eye: under its top by the cut depth, and in the cone
// of lines of sight through its rectangle. False when the eye is not well above the floor.
bool FloorHiddenRegion(const RoomFloor& floor, const double eye[3], std::array<Plane4, 5>& region) {
    if (!(eye[1] > floor.top + kEyeOverFloor)) return false;
    region[0] = {0.0, -1.0, 0.0, floor.top - kFloorCutDepth};
    region[1] = FloorEdgePlane(eye, floor.top, 0, floor.minX, true);
    region[2] = FloorEdgePlane(eye, floor.top, 0, floor.maxX, false);
    region[3] = FloorEdgePlane(eye, floor.top, 2, floor.minZ, true);
    region[4] = FloorEdgePlane(eye, floor.top, 2, floor.maxZ, false);
    return true;
}

// The plane (room coordinates) carried into a model's own coordinates by its matrix.
Plane4 PlaneInModel(const Plane4& plane, const float* model) {
    if (!model) return plane;
    Plane4 own;
    for (std::size_t i = 0; i < 4; ++i)
        own[i] = plane[0] * model[4 * i] + plane[1] * model[4 * i + 1] +
                 plane[2] * model[4 * i + 2] + plane[3] * model[4 * i + 3];
    return own;
}

// Leaves out of the sides (model coordinates) what the room's floor hides from the eye (room
// coordinates): most of a side's length lies under the floor, where it costs fill and a wider
// stencil rectangle for nothing. Every line of sight to what is left out meets the floor's
// top first, which is drawn and in the depth buffer, so no count changes.
void LeaveOutUnderFloor(const RoomFloor& floor, const double eye[3], const float* model,
                        std::vector<float>& sides) {
    std::array<Plane4, 5> region;
    if (!FloorHiddenRegion(floor, eye, region)) return;
    for (Plane4& plane : region) plane = PlaneInModel(plane, model);
    std::vector<float> kept;
    RemoveRegion(sides, region, kept);
    sides.swap(kept);
}

// Whether the eye stands inside the closed room, where every line of sight ends on its floor,
// a wall or the ceiling, all of them drawn and in the depth buffer.
bool InsideClosedRoom(const RoomFloor& room, const double eye[3]) {
    return room.walls && eye[0] > room.minX + kEyeInsideWalls &&
           eye[0] < room.maxX - kEyeInsideWalls && eye[2] > room.minZ + kEyeInsideWalls &&
           eye[2] < room.maxZ - kEyeInsideWalls && eye[1] > room.top + kEyeOverFloor &&
           eye[1] < room.ceiling - kEyeInsideWalls;
}

// The closed room's inside, a little past its floor, walls and ceiling: the planes that keep
// it.
std::array<Plane4, 6> RoomInside(const RoomFloor& room) {
    const double margin = kFloorCutDepth;
    return {{{0.0, 1.0, 0.0, -(room.top - margin)},
             {0.0, -1.0, 0.0, room.ceiling + margin},
             {1.0, 0.0, 0.0, -(room.minX - margin)},
             {-1.0, 0.0, 0.0, room.maxX + margin},
             {0.0, 0.0, 1.0, -(room.minZ - margin)},
             {0.0, 0.0, -1.0, room.maxZ + margin}}};
}

Point4 SideCorner(const float* corner) {
    return {corner[0], corner[1], corner[2], 1.0};
}

// Keeps of the sides (laid out as `BuildVolumeSides` lays them: each side the two triangles
// of its quad p, pFar, qFar, q) their part inside the convex region, as triangles in their
// own facing. A side no plane crosses keeps its two triangles to the bit.
void KeepSidesInside(const std::vector<float>& sides, std::span<const Plane4> region,
                     std::vector<float>& kept) {
    constexpr std::size_t kSideFloats = 18;
    kept.clear();
    static thread_local std::vector<Point4> polygon;
    static thread_local std::vector<Point4> scratch;
    for (std::size_t at = 0; at + kSideFloats <= sides.size(); at += kSideFloats) {
        const float* side = &sides[at];
        const Point4 quad[4] = {SideCorner(side), SideCorner(side + 3), SideCorner(side + 15),
                                SideCorner(side + 6)};
        const auto [crossing, outside] = CrossingOf(quad, region);
        if (outside) continue;
        if (crossing == 0) {
            kept.insert(kept.end(), side, side + kSideFloats);
            continue;
        }
        polygon.assign(quad, quad + 4);
        for (std::size_t i = 0; i < region.size() && !polygon.empty(); ++i)
            if (crossing & (1u << i)) ClipPolygon(polygon, region[i], scratch);
        for (std::size_t i = 1; i + 1 < polygon.size(); ++i)
            for (const Point4* corner : {&polygon[0], &polygon[i], &polygon[i + 1]})
                for (int axis = 0; axis < 3; ++axis)
                    kept.push_back(static_cast<float>((*corner)[static_cast<std::size_t>(axis)]));
    }
}

// Leaves out of the sides (model coordinates) what the room hides from the eye under `view`:
// past its walls and ceiling when the eye is inside it, else under its floor.
void LeaveOutHidden(const RoomFloor& room, const float view[16], const float* model,
                    std::vector<float>& sides) {
    double eye[3];
    if (!EyeOfView(view, eye)) return;
    if (!InsideClosedRoom(room, eye)) {
        LeaveOutUnderFloor(room, eye, model, sides);
        return;
    }
    std::array<Plane4, 6> inside = RoomInside(room);
    for (Plane4& plane : inside) plane = PlaneInModel(plane, model);
    std::vector<float> kept;
    KeepSidesInside(sides, inside, kept);
    sides.swap(kept);
}

}  // namespace

void Renderer::DrawShadowVolume(MeshTree* model, bool lightFromCamera) {
    // A model loaded without shadow data has no volume.
    if (!model || !model->mesh || !model->GetShadowIndex()) return;
    float light[3] = {lightPosition.x, lightPosition.y, lightPosition.z};
    if (lightFromCamera && graphicsSystem.camera) {
        const float* before = graphicsSystem.camera->GetModelViewBeforeLight();
        light[0] = 0.1f * before[12];
        light[2] = 0.1f * before[14];
    }
    UpdateFacesLight(*model->mesh, light[0], light[1], light[2], model->facesLight);

    glDisable(GL_TEXTURE_2D);
    ext::glActiveTextureARB(GL_TEXTURE0_ARB);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);

    // An invisible model has no sides, so its volume darkens nothing.
    if (!model->visible) return;
    std::vector<SilhouetteEdge> edges;
    FindSilhouetteEdges(*model->mesh, model->facesLight, edges);
    std::vector<float> sides;
    BuildVolumeSides(*model->mesh, edges, light, sides);

    float view[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    glPushMatrix();
    if (model->matrix) glMultMatrixf(model->matrix->m);
    float sidesView[16];
    float projection[16];
    int viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, sidesView);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPopMatrix();
    if (!SidesCountAsDrawn(sides, sidesView, projection, viewport)) return;
    if (roomFloorSet)
        LeaveOutHidden(roomFloor, view, model->matrix ? model->matrix->m : nullptr, sides);

    // The stencil is cleared, and the darkening drawn, only in the window rectangle that the
    // sides can touch: outside it the stencil would stay 0 and nothing would darken.
    int rect[4];
    if (!ScreenRectOf(sides, sidesView, projection, viewport, rect)) {
        LeaveDarkeningColour();
        return;
    }

    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT |
                 GL_LIGHTING_BIT | GL_POLYGON_BIT | GL_SCISSOR_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect[0], rect[1], rect[2], rect[3]);
    glClear(GL_STENCIL_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_STENCIL_TEST);
    if (twoSidedStencil) glEnable(GL_STENCIL_TEST_TWO_SIDE_EXT);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    glStencilFunc(GL_ALWAYS, 0, ~0u);
    glStencilMask(~0u);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);

    glPushMatrix();
    if (model->matrix) glMultMatrixf(model->matrix->m);
    if (twoSidedStencil) {
        glDisable(GL_CULL_FACE);
        ext::glActiveStencilFaceEXT(GL_BACK);
        glStencilOp(GL_KEEP, GL_KEEP, GL_DECR_WRAP);
        ext::glActiveStencilFaceEXT(GL_FRONT);
        glStencilOp(GL_KEEP, GL_KEEP, GL_INCR_WRAP);
        DrawSides(sides);
    } else {
        glCullFace(GL_BACK);
        glStencilFunc(GL_ALWAYS, 0, 255);
        glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
        DrawSides(sides);
        glCullFace(GL_FRONT);
        glStencilFunc(GL_ALWAYS, 0, 255);
        glStencilOp(GL_KEEP, GL_KEEP, GL_DECR);
        DrawSides(sides);
    }
    glPopMatrix();

    glDisable(GL_CULL_FACE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_NOTEQUAL, 0, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);

    glPushMatrix();
    glColor4f(0.0f, 0.0f, 0.0f, kShadowDarkness);
    glLoadIdentity();
    const float d = kScreenQuadDistance;
    glBegin(GL_TRIANGLE_STRIP);
    glVertex3f(-d, d, -d);
    glVertex3f(-d, -d, -d);
    glVertex3f(d, d, -d);
    glVertex3f(d, -d, -d);
    glEnd();
    glPopMatrix();

    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPopAttrib();
}

void Renderer::DrawShadowVolumeSides(MeshTree* model, float lx, float ly, float lz) {
    if (!model || !model->visible || !model->mesh) return;
    const MeshData& mesh = *model->mesh;
    std::vector<SilhouetteEdge> edges;
    FindSilhouetteEdges(mesh, model->facesLight, edges);
    const float light[3] = {lx, ly, lz};
    std::vector<float> sides;
    BuildVolumeSides(mesh, edges, light, sides);
    glPushMatrix();
    if (model->matrix) glMultMatrixf(model->matrix->m);
    DrawSides(sides);
    glPopMatrix();
}
