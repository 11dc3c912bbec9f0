// A model drawn group by group with its materials, its texture units and its black outline.
#include "render/ModelDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "app/Matrix.h"
#include "render/Camera.h"
#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"
#include "render/OutlineEdges.h"
#include "render/Renderer.h"
#include "render/ViewCull.h"

#ifndef GL_COMBINE_ARB
#define GL_COMBINE_ARB 0x8570
#define GL_COMBINE_RGB_ARB 0x8571
#define GL_COMBINE_ALPHA_ARB 0x8572
#define GL_SOURCE0_RGB_ARB 0x8580
#define GL_SOURCE1_RGB_ARB 0x8581
#define GL_SOURCE0_ALPHA_ARB 0x8588
#define GL_OPERAND0_RGB_ARB 0x8590
#define GL_OPERAND1_RGB_ARB 0x8591
#define GL_OPERAND0_ALPHA_ARB 0x8598
#define GL_PRIMARY_COLOR_ARB 0x8577
#define GL_PREVIOUS_ARB 0x8578
#endif

namespace {

constexpr GLfloat kBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr float kOutlineWidth = 3.0f;
constexpr float kTransparentAlpha = 0.5f;

void RotateOnly(const float m[16], const float v[3], float out[3]) {
    for (int row = 0; row < 3; ++row)
        out[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2];
}

// The view before the light was placed, against which the light direction is turned.
const float* CameraMatrixOrIdentity() {
    static const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    return graphicsSystem.camera ? graphicsSystem.camera->GetModelViewBeforeLight() : identity;
}

float ShadeOfTurnedLight(const float modelView[16], const float light[3], const float* normal) {
    float turned[3];
    RotateOnly(modelView, normal, turned);
    Vec3Normalize(turned);
    return std::clamp(Vec3Dot(turned, light), 0.0f, 1.0f);
}

// With kBlack as its diffuse colour, a material that lights to opaque black: every term of
// the light is a colour of 0 (the shininess only keeps the highlight's power finite).
constexpr GLfloat kNoLight[4] = {0.0f, 0.0f, 0.0f, 0.0f};

// The outline is black, thick and blended, depth-tested against what is already drawn: the
// back faces' edges as lines, or lines given as such. Lit or not, it comes out black: lit
// through a black material, unlit in the black colour. Switching the lighting, the polygon
// mode or the culled side (lines ignore both) would cost the driver a new set-up for the
// outline and again for the fills that follow, so none of them changes for lines.
void BeginOutline(bool backFaces) {
    glPushAttrib(GL_LIGHTING_BIT);
    glMaterialfv(GL_FRONT, GL_AMBIENT, kNoLight);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, kBlack);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kNoLight);
    glMaterialfv(GL_FRONT, GL_EMISSION, kNoLight);
    glMaterialf(GL_FRONT, GL_SHININESS, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (backFaces) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glCullFace(GL_FRONT);
    }
    glLineWidth(kOutlineWidth);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glColor3f(0.0f, 0.0f, 0.0f);
}

void EndOutline() {
    glPopAttrib();
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColor3f(1.0f, 1.0f, 1.0f);
}

// Every back face's edges as thick lines: the depth test hides all but the silhouette and
// the creases. Right for any mesh, but each edge costs two thick lines.
void DrawBackFaceOutline(const MeshGroup& group) {
    BeginOutline(true);
    DrawTriangleCorners(group.positions.data(), group.positions.size() / 3);
    EndOutline();
}

// Only the edges that can pass the depth test, each once, in the back faces' own direction.
void DrawEdgeOutline(const MeshData& mesh, const std::vector<MeshEdge>& edges) {
    BeginOutline(false);
    glBegin(GL_LINES);
    for (const MeshEdge& edge : edges) {
        if (edge.from >= mesh.vertices.size() || edge.to >= mesh.vertices.size()) continue;
        glVertex3fv(mesh.vertices[edge.from].data());
        glVertex3fv(mesh.vertices[edge.to].data());
    }
    glEnd();
    EndOutline();
}

// What drawing the model at hand needs per frame, kept between models so that a warm frame
// allocates nothing: the shade coordinate of each corner, and the back faces and edges of
// its silhouette outline.
struct DrawScratch {
    std::vector<float> shades;
    std::vector<std::uint8_t> away;
    std::vector<MeshEdge> edges;
};

DrawScratch& Scratch() {
    static DrawScratch scratch;
    return scratch;
}

// Seen through an earlier group's see-through colour, a later group's hidden outline lines
// would show.
bool EveryGroupOpaque(const MeshData& mesh) {
    for (const MeshGroup& group : mesh.groups) {
        if (group.materialIndex < 0 ||
            static_cast<std::size_t>(group.materialIndex) >= mesh.materials.size())
            return false;
        if (!(mesh.materials[static_cast<std::size_t>(group.materialIndex)].diffuse[3] >= 1.0f))
            return false;
    }
    return true;
}

// Whether the model's outline may be its silhouette alone; if so, marks its back faces in the
// scratch. Every group must be drawn, opaque, of a closed mesh wholly in view depth.
bool PrepareSilhouetteOutline(const MeshTree& model, int groups, const float modelView[16]) {
    const MeshData& mesh = *model.mesh;
    const MeshShadowIndex* shadow = mesh.shadowIndex.get();
    if (!shadow || !shadow->closed || model.transparent) return false;
    if (static_cast<std::size_t>(groups) != mesh.groups.size() || !EveryGroupOpaque(mesh))
        return false;
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    OutlineView view;
    if (!SilhouetteView(modelView, projection, shadow->vertexMin, shadow->vertexMax, view))
        return false;
    MarkFacesAway(mesh, view, Scratch().away);
    return true;
}

void DrawGroupOutline(const MeshData& mesh, const MeshGroup& group, bool silhouetteOnly) {
    if (!silhouetteOnly) {
        DrawBackFaceOutline(group);
        return;
    }
    DrawScratch& scratch = Scratch();
    FindOutlineEdges(mesh, group, scratch.away, scratch.edges);
    DrawEdgeOutline(mesh, scratch.edges);
}

// The shade coordinate of every corner of `group` under `modelView`, in the scratch.
const float* ShadeGroup(const MeshGroup& group, const float modelView[16], const Vector3& light) {
    const float direction[3] = {light.x, light.y, light.z};
    std::vector<float>& shades = Scratch().shades;
    const std::size_t corners = group.normals.size() / 3;
    shades.resize(corners);
    ShadeCoordinates(modelView, CameraMatrixOrIdentity(), direction, group.normals.data(), corners,
                     shades.data());
    return shades.data();
}

// The shade coordinate of the group's last corner alone: what a model out of view leaves as
// the current coordinate.
float ShadeOfLastCorner(const MeshGroup& group, const float modelView[16], const Vector3& light) {
    const float direction[3] = {light.x, light.y, light.z};
    float shade = 0.0f;
    ShadeCoordinates(modelView, CameraMatrixOrIdentity(), direction,
                     &group.normals[group.normals.size() - 3], 1, &shade);
    return shade;
}

// The group's triangles in one call from its corner arrays: the shade coordinates (when
// given) on unit 0, the texture's on unit 1.
void DrawGroupTriangles(const MeshGroup& group, const float* shades, bool textured) {
    const std::size_t corners = group.positions.size() / 3;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, group.positions.data());
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, group.normals.data());
    if (shades) {
        ext::glClientActiveTextureARB(GL_TEXTURE0_ARB);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(1, GL_FLOAT, 0, shades);
    }
    if (textured) {
        ext::glClientActiveTextureARB(GL_TEXTURE1_ARB);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, group.texCoords.data());
    }
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners));
    glPopClientAttrib();
}

// The current normal and coordinates are left as the last corner gives them, as drawing
// corner by corner left them.
void LeaveLastCorner(const MeshGroup& group, const float* lastShade, bool textured) {
    const std::size_t last = group.positions.size() / 3 - 1;
    glNormal3fv(&group.normals[3 * last]);
    if (lastShade) ext::glMultiTexCoord1fARB(GL_TEXTURE0_ARB, *lastShade);
    if (textured)
        ext::glMultiTexCoord2fARB(GL_TEXTURE1_ARB, group.texCoords[2 * last],
                                  group.texCoords[2 * last + 1]);
}

// Whether nothing of the model, outline included, can reach the window under `modelView`.
// Only a model whose box is known can tell.
bool ModelOutOfView(const MeshTree& model, const float modelView[16]) {
    const MeshShadowIndex* box = model.mesh ? model.mesh->shadowIndex.get() : nullptr;
    if (!box) return false;
    float projection[16];
    int viewport[4];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    return BoxOutOfView(modelView, projection, viewport, box->vertexMin, box->vertexMax,
                        kOutlineWidth + 1.0f);
}

}  // namespace

void DrawTriangleCorners(const float* positions, std::size_t corners) {
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners));
    glPopClientAttrib();
}

TextureUnitState SaveTextureUnits() {
    TextureUnitState state;
    GLint active = GL_TEXTURE0_ARB;
    glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
    for (int unit = 0; unit < 2; ++unit) {
        ext::glActiveTextureARB(GL_TEXTURE0_ARB + unit);
        state.texture2D[unit] = glIsEnabled(GL_TEXTURE_2D);
    }
    ext::glActiveTextureARB(static_cast<GLenum>(active));
    return state;
}

float ShadeCoordinate(const float modelView[16], const float cameraMatrix[16],
                      const float lightDirection[3], float nx, float ny, float nz) {
    const float normal[3] = {nx, ny, nz};
    float light[3];
    RotateOnly(cameraMatrix, lightDirection, light);
    return ShadeOfTurnedLight(modelView, light, normal);
}

void ShadeCoordinates(const float modelView[16], const float cameraMatrix[16],
                      const float lightDirection[3], const float* normals, std::size_t count,
                      float* shades) {
    float light[3];
    RotateOnly(cameraMatrix, lightDirection, light);
    for (std::size_t i = 0; i < count; ++i)
        shades[i] = ShadeOfTurnedLight(modelView, light, normals + 3 * i);
}

float Renderer::GetShadeCoordinate(float nx, float ny, float nz) {
    const float direction[3] = {lightDirection.x, lightDirection.y, lightDirection.z};
    return ShadeCoordinate(modelView, CameraMatrixOrIdentity(), direction, nx, ny, nz);
}

void Renderer::BindTexture(GLuint texture, GLenum target, GLenum unit) {
    glEnable(target);
    ext::glActiveTextureARB(unit);
    glBindTexture(target, texture);
    // A texture darkens or tints the lit or coloured surface; transparency comes from the
    // colour alone.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_MODULATE);
    if (unit == GL_TEXTURE0_ARB) {
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_TEXTURE0_ARB);
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_PRIMARY_COLOR_ARB);
    } else {
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_PREVIOUS_ARB);
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_TEXTURE);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB_ARB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB_ARB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA_ARB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA_ARB, GL_PRIMARY_COLOR_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA_ARB, GL_SRC_ALPHA);
    if (unit == GL_TEXTURE0_ARB) ext::glActiveTextureARB(GL_TEXTURE1_ARB);
}

void Renderer::UnbindTextures(const TextureUnitState& saved) {
    // Each unit gets back its own state.
    for (int unit = 1; unit >= 0; --unit) {
        ext::glActiveTextureARB(GL_TEXTURE0_ARB + unit);
        if (saved.texture2D[unit])
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
    }
    glBindTexture(GL_TEXTURE_1D, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_1D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
}

void Renderer::DrawMeshTree(MeshTree* model) {
    if (!model || !model->visible) return;
    float shadowBias = 0.0f;
    const bool underCaster = GetShadowBias(model, &shadowBias);

    const TextureUnitState saved = SaveTextureUnits();
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT);
    if (model->lit)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    BindTexture(model->celShaded ? shadeRampTexture : 0, GL_TEXTURE_1D, GL_TEXTURE0_ARB);

    const MeshData* mesh = model->mesh.get();
    const int groups =
        mesh ? std::min<int>(model->groupCount, static_cast<int>(mesh->groups.size())) : 0;
    bool silhouetteOnly = false;
    // A model out of view is not drawn, but leaves the state as drawing it does.
    bool inView = true;
    for (int g = groups - 1; g >= 0; --g) {
        const MeshGroup& group = mesh->groups[static_cast<std::size_t>(g)];
        glPushMatrix();
        if (model->matrix) glMultMatrixf(model->matrix->m);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
        if (g == groups - 1 && cullModelsOutOfView && ModelOutOfView(*model, modelView)) {
            inView = false;
            ++modelsOutOfView;
        }
        if (model->outlined && inView && g == groups - 1)
            silhouetteOnly = PrepareSilhouetteOutline(*model, groups, modelView);

        bool textured = false;
        const bool hasMaterial =
            group.materialIndex >= 0 &&
            static_cast<std::size_t>(group.materialIndex) < mesh->materials.size();
        if (!hasMaterial) {
            glDisable(GL_TEXTURE_2D);
        } else {
            const MeshMaterial& material =
                mesh->materials[static_cast<std::size_t>(group.materialIndex)];
            glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
            glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
            glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
            glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
            glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
            if (underCaster) {
                const GLfloat shaded[4] = {shadowBias * material.diffuse[0],
                                           shadowBias * material.diffuse[1],
                                           shadowBias * material.diffuse[2], 1.0f};
                glColor4fv(shaded);
                glMaterialfv(GL_FRONT, GL_DIFFUSE, shaded);
                glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
            } else if (model->transparent) {
                const GLfloat seeThrough[4] = {material.diffuse[0], material.diffuse[1],
                                               material.diffuse[2], kTransparentAlpha};
                glColor4fv(seeThrough);
                glMaterialfv(GL_FRONT, GL_DIFFUSE, seeThrough);
            } else {
                glColor4fv(material.diffuse);
            }
            if (model->drawBlack) {
                // A wreck is black whatever its material says, its glow included.
                glColor4fv(kBlack);
                glMaterialfv(GL_FRONT, GL_DIFFUSE, kBlack);
                glMaterialfv(GL_FRONT, GL_SPECULAR, kBlack);
                glMaterialfv(GL_FRONT, GL_AMBIENT, kBlack);
                glMaterialfv(GL_FRONT, GL_EMISSION, kBlack);
            }
            if (material.texture == 0) {
                glDisable(GL_TEXTURE_2D);
            } else {
                BindTexture(material.texture, GL_TEXTURE_2D, GL_TEXTURE1_ARB);
                textured = true;
            }
        }

        if (!group.positions.empty()) {
            const float* shades = nullptr;
            float lastShade = 0.0f;
            if (model->celShaded) {
                if (inView) {
                    shades = ShadeGroup(group, modelView, lightDirection);
                    lastShade = shades[group.positions.size() / 3 - 1];
                } else {
                    lastShade = ShadeOfLastCorner(group, modelView, lightDirection);
                }
            }
            if (inView) DrawGroupTriangles(group, shades, textured);
            LeaveLastCorner(group, model->celShaded ? &lastShade : nullptr, textured);
        }
        trianglesDrawn += static_cast<std::uint32_t>(group.positions.size() / 9);

        if (model->outlined) {
            if (inView) {
                DrawGroupOutline(*mesh, group, silhouetteOnly);
            } else {
                BeginOutline(false);
                EndOutline();
            }
        }
        glPopMatrix();
    }

    glPopAttrib();
    UnbindTextures(saved);
}
