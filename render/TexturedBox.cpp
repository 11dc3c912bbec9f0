#include "render/TexturedBox.h"

#include <GL/gl.h>

#include <cmath>

#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"
#include "render/ModelDrawing.h"
#include "render/Renderer.h"
#include "render/TextureManager.h"

float BoxRepeat(float size, float tile) {
    const float repeat = std::fabs(size / tile);
    // Also catches a zero tile, whose quotient is not a number.
    return repeat > 1.0f ? repeat : 1.0f;
}

namespace {

// A corner by the signs of its offsets from the centre, with its texture coordinates.
struct CornerSpec {
    int x, y, z;
    // Which repeat (0 = none, 1 = x, 2 = y, 3 = z) each coordinate takes.
    int s, t;
};

struct FaceSpec {
    float normal[3];
    CornerSpec corners[4];
};

constexpr int kNone = 0, kX = 1, kY = 2, kZ = 3;

constexpr FaceSpec kFaces[6] = {
    {{0, 0, -1},
     {{-1, 1, -1, kX, kNone},
      {1, 1, -1, kNone, kNone},
      {1, -1, -1, kNone, kY},
      {-1, -1, -1, kX, kY}}},
    {{1, 0, 0},
     {{1, -1, -1, kNone, kY}, {1, 1, -1, kNone, kNone}, {1, 1, 1, kZ, kNone}, {1, -1, 1, kZ, kY}}},
    {{0, 0, 1},
     {{-1, -1, 1, kNone, kY}, {1, -1, 1, kX, kY}, {1, 1, 1, kX, kNone}, {-1, 1, 1, kNone, kNone}}},
    {{-1, 0, 0},
     {{-1, -1, -1, kNone, kY},
      {-1, -1, 1, kZ, kY},
      {-1, 1, 1, kZ, kNone},
      {-1, 1, -1, kNone, kNone}}},
    {{0, 1, 0},
     {{-1, 1, 1, kNone, kZ}, {1, 1, 1, kX, kZ}, {1, 1, -1, kX, kNone}, {-1, 1, -1, kNone, kNone}}},
    {{0, -1, 0},
     {{-1, -1, -1, kNone, kZ},
      {1, -1, -1, kX, kZ},
      {1, -1, 1, kX, kNone},
      {-1, -1, 1, kNone, kNone}}},
};

}  // namespace

BoxGeometry MakeTexturedBox(const float centre[3], float sizeX, float sizeY, float sizeZ,
                            float tileX, float tileY, float tileZ) {
    BoxGeometry box{};
    box.repeats[0] = BoxRepeat(sizeX, tileX);
    box.repeats[1] = BoxRepeat(sizeY, tileY);
    box.repeats[2] = BoxRepeat(sizeZ, tileZ);
    const float half[3] = {sizeX / 2.0f, sizeY / 2.0f, sizeZ / 2.0f};
    const float byKind[4] = {0.0f, box.repeats[0], box.repeats[1], box.repeats[2]};
    for (int f = 0; f < 6; ++f) {
        BoxFace& face = box.faces[f];
        for (int axis = 0; axis < 3; ++axis) face.normal[axis] = kFaces[f].normal[axis];
        for (int c = 0; c < 4; ++c) {
            const CornerSpec& spec = kFaces[f].corners[c];
            const int signs[3] = {spec.x, spec.y, spec.z};
            for (int axis = 0; axis < 3; ++axis)
                face.corners[c].position[axis] = centre[axis] + signs[axis] * half[axis];
            face.corners[c].s = byKind[spec.s];
            face.corners[c].t = byKind[spec.t];
        }
    }
    return box;
}

namespace {

constexpr float kBoxOutlineWidth = 2.0f;

}  // namespace

void Renderer::DrawTexturedBox(const float centre[3], float sizeX, float sizeY, float sizeZ,
                               const char* textureFile, float tileX, float tileY, float tileZ,
                               bool shaded) {
    const BoxGeometry box = MakeTexturedBox(centre, sizeX, sizeY, sizeZ, tileX, tileY, tileZ);
    const TextureUnitState saved = SaveTextureUnits();
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Cached after the first frame: the map lookup only.
    const GLuint texture =
        graphicsSystem.textureManager ? graphicsSystem.textureManager->LoadTexture(textureFile) : 0;
    BindTexture(shaded ? shadeRampTexture : 0, GL_TEXTURE_1D, GL_TEXTURE0_ARB);
    BindTexture(texture, GL_TEXTURE_2D, GL_TEXTURE1_ARB);

    glBegin(GL_QUADS);
    for (const BoxFace& face : box.faces) {
        glNormal3fv(face.normal);
        for (const BoxCorner& corner : face.corners) {
            ext::glMultiTexCoord2fARB(GL_TEXTURE1_ARB, corner.s, corner.t);
            glVertex3fv(corner.position);
        }
    }
    glEnd();

    // A box seen from inside (a negative size turns its faces inwards) is the room: from
    // inside it has no back faces, and from a camera that has left the room its near walls'
    // edges would cross the whole view, over everything in front of them.
    const bool seenFromInside = sizeX < 0.0f || sizeY < 0.0f || sizeZ < 0.0f;
    if (!seenFromInside) DrawBoxOutline(box);

    glPopAttrib();
    UnbindTextures(saved);
}

void Renderer::DrawBoxOutline(const BoxGeometry& box) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glLineWidth(kBoxOutlineWidth);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    for (const BoxFace& face : box.faces)
        for (const BoxCorner& corner : face.corners) glVertex3fv(corner.position);
    glEnd();
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}
