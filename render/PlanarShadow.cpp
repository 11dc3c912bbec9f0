// The planar shadow: a model's group flattened onto its own base as translucent black, and
// the recording of the tall casters that it finds on the way.
#include <GL/gl.h>

#include "render/MeshTree.h"
#include "render/ModelDrawing.h"
#include "render/Renderer.h"

namespace {

// Lifts the shadow off the floor against depth fighting; 24 depth bits resolve it.
constexpr float kShadowLift = 0.01f;
constexpr float kShadowAlpha = 0.4f;

}  // namespace

void Renderer::DrawPlanarShadow(MeshTree* model, int group) {
    if (!model || !model->visible) return;
    const MeshData* mesh = model->mesh.get();
    int first = 0;
    int last = model->groupCount - 1;
    if (group >= 0 && group < model->groupCount) first = last = group;

    const bool texture2DWasOn = glIsEnabled(GL_TEXTURE_2D);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_FALSE);
    glTranslatef(0.0f, kShadowLift, 0.0f);

    // Each tall caster is recorded once, however many frames draw it.
    if (nextCaster < casterCount && RecordsAsShadowCaster(*model) && !model->inRenderList) {
        ShadowCaster& caster = casters[nextCaster];
        caster.position = Vector3(model->matrix ? model->matrix->m[12] : 0.0f, 0.0f,
                                  model->matrix ? model->matrix->m[14] : 0.0f);
        caster.halfExtentX = model->boundsMax[0];
        caster.halfExtentZ = model->boundsMax[2];
        caster.model = model;
        model->inRenderList = true;
        AddToRenderList(model, 2, true);
        ++nextCaster;
        castersRecorded = true;
    }

    for (int g = first; mesh && g <= last && g < static_cast<int>(mesh->groups.size()); ++g) {
        const MeshGroup& meshGroup = mesh->groups[static_cast<std::size_t>(g)];
        glPushMatrix();
        if (model->matrix) glMultMatrixf(model->matrix->m);
        glColor4f(0.0f, 0.0f, 0.0f, kShadowAlpha);
        glScalef(1.0f, 0.0f, 1.0f);
        // The group's corners as the loader laid them out, in one call.
        const std::size_t corners = meshGroup.positions.size() / 3;
        DrawTriangleCorners(meshGroup.positions.data(), corners);
        trianglesDrawn += static_cast<std::uint32_t>(corners / 3);
        glPopMatrix();
    }

    glTranslatef(0.0f, -kShadowLift, 0.0f);
    glDepthMask(GL_TRUE);
    glPopAttrib();
    if (texture2DWasOn)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}
