#include "render/ShadowCaster.h"

#include <algorithm>
#include <cmath>

#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"
#include "render/Renderer.h"

bool IsTall(const MeshTree& model) {
    return (model.boundsMin[1] + model.boundsMax[1]) / 2.0f > kTallMiddle;
}

bool RecordsAsShadowCaster(const MeshTree& model) {
    return model.castsShadow && model.visible && IsTall(model);
}

bool IsOverheadView(int cameraMode) {
    return cameraMode == 2 || cameraMode == 4;
}

bool ShadeUnderCasters(ShadowCaster* casters, int count, MeshTree* model, int cameraMode,
                       float* shadowBias) {
    if (!casters || !model) return false;
    const bool overhead = IsOverheadView(cameraMode);
    const float mx = model->matrix ? model->matrix->m[12] : 0.0f;
    const float mz = model->matrix ? model->matrix->m[14] : 0.0f;
    for (int i = 0; i < count; ++i) {
        ShadowCaster& caster = casters[i];
        // An entry that was never recorded has no caster to shade with.
        if (model->scenery || !caster.model || caster.model == model) continue;
        const float px = caster.position.x;
        const float pz = caster.position.z;
        const float hx = caster.halfExtentX;
        const float hz = caster.halfExtentZ;
        const bool inside = px - hx < mx && mx < px + hx && pz - hz < mz && mz < pz + hz;
        if (inside) {
            float factor = std::max(std::fabs(px - mx) / hx, std::fabs(pz - mz) / hz);
            if (factor > 1.0f) factor = 1.0f;
            if (factor < kCasterShadeMinimum) factor = kCasterShadeMinimum;
            if (shadowBias) *shadowBias = factor;
            if (overhead && model->revealsUnderCaster &&
                std::find(caster.modelsUnder.begin(), caster.modelsUnder.end(), model) ==
                    caster.modelsUnder.end()) {
                caster.modelsUnder.push_back(model);
                caster.model->transparent = true;
            }
            return true;
        }
        if (overhead) {
            caster.modelsUnder.remove(model);
            if (caster.modelsUnder.empty()) caster.model->transparent = false;
        } else {
            caster.modelsUnder.clear();
            caster.model->transparent = false;
        }
    }
    return false;
}

void Renderer::BuildShadowCasterTable(const std::vector<const MeshTree*>& planarShadowModels) {
    FreeShadowCasterTable();
    // Counted with the rule that records, so that every entry gets its caster.
    int count = 0;
    for (const MeshTree* model : planarShadowModels)
        if (model && RecordsAsShadowCaster(*model)) ++count;
    casters = std::make_unique<ShadowCaster[]>(static_cast<std::size_t>(count));
    casterCount = count;
    nextCaster = 0;
}

void Renderer::FreeShadowCasterTable() {
    casters.reset();
    casterCount = 0;
    nextCaster = 0;
}

bool Renderer::GetShadowBias(MeshTree* model, float* shadowBias) {
    if (!castersRecorded || !model || model->inRenderList) return false;
    const int cameraMode = graphicsSystem.camera ? graphicsSystem.camera->GetMode() : 0;
    return ShadeUnderCasters(casters.get(), casterCount, model, cameraMode, shadowBias);
}
