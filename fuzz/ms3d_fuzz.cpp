// Any bytes as a MilkShape 3D file, with and without shadow data: either a refusal, or a
// model whose every index stays inside its arrays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/FrameTimer.h"
#include "render/MS3DLoader.h"

FrameTimer frameTimer;

namespace {

void Check(const MeshTree& model) {
    const MeshData& mesh = *model.mesh;
    for (const MeshTriangle& t : mesh.triangles) {
        for (std::uint16_t v : t.vertexIndices)
            if (v >= mesh.vertices.size()) std::abort();
        for (std::uint32_t n : t.neighbours)
            if (n != kNoNeighbour && (n == 0 || n > mesh.triangles.size())) std::abort();
    }
    std::size_t listed = 0;
    for (const MeshGroup& g : mesh.groups) {
        if (g.triangleIndices.size() != g.triangleCount) std::abort();
        for (std::uint16_t t : g.triangleIndices)
            if (t >= mesh.triangles.size()) std::abort();
        if (g.materialIndex >= static_cast<int>(mesh.materials.size()) || g.materialIndex < -1)
            std::abort();
        listed += g.triangleCount;
    }
    if (listed != mesh.triangles.size()) std::abort();
    if (const MeshShadowIndex* shadow = model.GetShadowIndex())
        if (shadow->order.size() != shadow->count || shadow->count != mesh.triangles.size())
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MS3DLoader loader;
    for (bool withShadowData : {true, false}) {
        std::istringstream in(bytes, std::ios::binary);
        MeshTree model;
        try {
            loader.ReadStream(in, &model, withShadowData);
        } catch (const ModelLoadError&) {
            if (model.mesh || model.matrix) std::abort();
            continue;
        }
        Check(model);
    }
    return 0;
}
