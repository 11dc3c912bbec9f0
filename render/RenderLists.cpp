#include "render/RenderLists.h"

#include <GL/gl.h>

#include <algorithm>

#include "render/Camera.h"
#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"
#include "render/Renderer.h"
#include "render/ShadowCaster.h"

std::vector<MeshTree*> RenderListDrawOrder(const std::list<MeshTree*>& list, int cameraMode) {
    std::vector<MeshTree*> order;
    if (IsOverheadView(cameraMode)) {
        order.assign(list.rbegin(), list.rend());
    } else {
        for (MeshTree* model : list)
            if (model && !model->scenery) order.push_back(model);
    }
    return order;
}

namespace {

bool ValidList(int list) {
    return list >= 0 && list < kRenderLists;
}

}  // namespace

void Renderer::AddToRenderList(MeshTree* model, int list, bool atBack) {
    if (!ValidList(list)) return;
    if (atBack)
        renderLists[list].push_back(model);
    else
        renderLists[list].push_front(model);
}

void Renderer::RemoveFromRenderList(MeshTree* model, int list) {
    if (!ValidList(list)) return;
    std::list<MeshTree*>& models = renderLists[list];
    const auto found = std::find(models.begin(), models.end(), model);
    if (found != models.end()) models.erase(found);
}

void Renderer::DrawRenderList(int list) {
    if (!ValidList(list)) return;
    const int cameraMode = graphicsSystem.camera ? graphicsSystem.camera->GetMode() : 0;
    for (MeshTree* model : RenderListDrawOrder(renderLists[list], cameraMode)) {
        glPushMatrix();
        DrawMeshTree(model);
        glPopMatrix();
    }
}

void Renderer::ClearRenderLists() {
    for (std::list<MeshTree*>& list : renderLists) list.clear();
}
