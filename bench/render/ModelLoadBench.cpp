// Reading a model at the format's largest counts, 65,535 vertices and triangles, with and
// without the shadow data (the face equations, the neighbour links across every edge and
// the closed test): the cost a level load pays for the largest model a file can hold.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Ms3dWriter.h"
#include "app/FrameTimer.h"
#include "render/MS3DLoader.h"

FrameTimer frameTimer;

namespace {

using namespace content::model;

class NoTextures : public TextureSource {
public:
    unsigned LoadTexture(const std::string&) override { return 0; }
};

// A closed grid on a torus of 181 x 181 cells (65,522 triangles) and 13 loose triangles.
std::string LargestModel() {
    constexpr int kSide = 181;
    constexpr int kLargest = 65535;
    Ms3dModel m;
    for (int v = 0; v < kLargest; ++v) {
        Ms3dVertex vertex;
        vertex.x = static_cast<float>(v % 256);
        vertex.z = static_cast<float>(v / 256);
        m.vertices.push_back(vertex);
    }
    auto at = [](int row, int column) {
        return static_cast<std::uint16_t>((row % kSide) * kSide + column % kSide);
    };
    auto add = [&m](std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        Ms3dTriangle triangle;
        triangle.vertexIndices = {a, b, c};
        m.triangles.push_back(triangle);
    };
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            add(at(row, column), at(row + 1, column), at(row, column + 1));
            add(at(row + 1, column), at(row + 1, column + 1), at(row, column + 1));
        }
    for (int first = kSide * kSide; m.triangles.size() < kLargest; first += 3)
        add(static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(first + 1),
            static_cast<std::uint16_t>(first + 2));
    Ms3dGroup group;
    group.name = "all";
    for (int t = 0; t < kLargest; ++t)
        group.triangleIndices.push_back(static_cast<std::uint16_t>(t));
    m.groups = {group};
    const std::vector<std::uint8_t> bytes = EncodeMs3d(m);
    return std::string(bytes.begin(), bytes.end());
}

void LargestModelLoad(benchmark::State& state) {
    static const std::string bytes = LargestModel();
    const bool withShadowData = state.range(0) != 0;
    NoTextures textures;
    for (auto _ : state) {
        MS3DLoader loader(&textures);
        MeshTree model;
        std::istringstream in(bytes, std::ios::binary);
        loader.ReadStream(in, &model, withShadowData);
        benchmark::DoNotOptimize(model.mesh);
    }
}

}  // namespace

BENCHMARK(LargestModelLoad)->ArgName("shadow")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
