#include "render/ShadowVolume.h"

#include <GL/gl.h>

#include <algorithm>

#include "render/Camera.h"
#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"
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
    const std::size_t triangles = std::min(mesh.triangles.size(), facesLight.size());
    for (std::uint32_t position = 0; position < shadow->count && position < shadow->order.size();
         ++position) {
        const std::uint16_t index = shadow->order[position];
        if (index >= triangles || !facesLight[index]) continue;
        const MeshTriangle& triangle = mesh.triangles[index];
        for (int edge = 0; edge < 3; ++edge) {
            const std::uint32_t neighbour = triangle.neighbours[edge];
            const bool open =
                neighbour == kNoNeighbour || neighbour == 0 || neighbour - 1 >= triangles;
            if (!open && facesLight[neighbour - 1]) continue;
            edges.push_back({triangle.vertexIndices[edge], triangle.vertexIndices[(edge + 1) % 3]});
        }
    }
}

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

    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT |
                 GL_LIGHTING_BIT | GL_POLYGON_BIT);
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

    if (twoSidedStencil) {
        glDisable(GL_CULL_FACE);
        ext::glActiveStencilFaceEXT(GL_BACK);
        glStencilOp(GL_KEEP, GL_KEEP, GL_DECR_WRAP);
        ext::glActiveStencilFaceEXT(GL_FRONT);
        glStencilOp(GL_KEEP, GL_KEEP, GL_INCR_WRAP);
        DrawShadowVolumeSides(model, light[0], light[1], light[2]);
    } else {
        glCullFace(GL_BACK);
        glStencilFunc(GL_ALWAYS, 0, 255);
        glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
        DrawShadowVolumeSides(model, light[0], light[1], light[2]);
        glCullFace(GL_FRONT);
        glStencilFunc(GL_ALWAYS, 0, 255);
        glStencilOp(GL_KEEP, GL_KEEP, GL_DECR);
        DrawShadowVolumeSides(model, light[0], light[1], light[2]);
    }

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
    glPushMatrix();
    if (model->matrix) glMultMatrixf(model->matrix->m);
    const float light[3] = {lx, ly, lz};
    for (const SilhouetteEdge& edge : edges) {
        const float* p = mesh.vertices[edge.from].data();
        const float* q = mesh.vertices[edge.to].data();
        float pFar[3];
        float qFar[3];
        for (int axis = 0; axis < 3; ++axis) {
            pFar[axis] = p[axis] + kExtrusion * (p[axis] - light[axis]);
            qFar[axis] = q[axis] + kExtrusion * (q[axis] - light[axis]);
        }
        glBegin(GL_TRIANGLE_STRIP);
        glVertex3fv(p);
        glVertex3fv(pFar);
        glVertex3fv(q);
        glVertex3fv(qFar);
        glEnd();
    }
    glPopMatrix();
}
