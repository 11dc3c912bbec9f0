#pragma once
// The tall level objects that shade what stands under them, and in the overhead views turn
// transparent over the vehicles and batteries below.
#include <list>

#include "app/Vector3.h"

class MeshTree;

struct ShadowCaster {
    Vector3 position;  // (x, 0, z) of the caster's translation
    float halfExtentX = 0.0f;
    float halfExtentZ = 0.0f;
    MeshTree* model = nullptr;  // not owned; null while the entry is unrecorded
    // The models that stand under it in the overhead views; not owned, compared only.
    std::list<MeshTree*> modelsUnder;
};

// Darkest shade, at a caster's centre.
constexpr float kCasterShadeMinimum = 0.3f;
// Models whose vertical middle stands above this are tall.
constexpr float kTallMiddle = 5.0f;

// The middle of the model's vertical bounds lies above 5.
bool IsTall(const MeshTree& model);
// What the planar-shadow pass records as a caster: a visible, tall model that casts a
// shadow. The caster table is sized and filled by this one rule.
bool RecordsAsShadowCaster(const MeshTree& model);
// Whether camera modes 2 and 4 (top-down and overview) count as the overhead views.
bool IsOverheadView(int cameraMode);

// The caster shading of `model` among `count` entries: true with the factor in
// `shadowBias` when the first caster whose floor rectangle holds the model is found, and the
// casters' transparency kept in step with the overhead views on the way.
bool ShadeUnderCasters(ShadowCaster* casters, int count, MeshTree* model, int cameraMode,
                       float* shadowBias);
