// A furnished room frame (clear, room, every model with outlines, planar shadows, the tall
// casters from render list 2, shadow volumes, swap) against a bare clear-and-swap frame,
// offscreen at 1024 x 768. Until the World builds the shipped levels the room is made here:
// a 64 x 64 room of generated textures, twelve pieces of furniture (four tall enough to be
// casters) and four vehicles of three boxes each.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/Matrix.h"
#include "app/Window.h"
#include "platform/Services.h"
#include "platform/sdl/SdlDisplay.h"
#include "render/GraphicsSystem.h"
#include "render/MS3DLoader.h"
#include "render/MeshTree.h"
#include "tools/content/model/ModelBuilder.h"
#include "tools/content/texture/GenerateTextures.h"

GraphicsSystem graphicsSystem;
Window window;
FileLoader fileLoader;
FrameTimer frameTimer;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kRoom = 64.0f;
constexpr float kQuarterTurn = 1.5707963f;

long IgnoreMessages(const platform::WindowMessage&) {
    return 0;
}

std::unique_ptr<MeshTree> Load(const content::model::Ms3dModel& description, float x, float z) {
    const std::vector<std::uint8_t> bytes = content::model::EncodeMs3d(description);
    std::istringstream in(std::string(bytes.begin(), bytes.end()), std::ios::binary);
    auto model = std::make_unique<MeshTree>();
    MS3DLoader().ReadStream(in, model.get(), true);
    model->ResetMatrix();
    model->Translate(x, 0.0f, z);
    return model;
}

content::model::Ms3dModel Furniture(float w, float h, float d, float r, float g, float b) {
    content::model::ModelBuilder builder;
    const int group = builder.AddGroup(
        "body", builder.AddMaterial(content::model::SolidMaterial("wood", r, g, b)));
    builder.AddBox(group, {0, 0, 0}, {w, h, d});
    return builder.GetModel();
}

content::model::Ms3dModel Vehicle(float r, float g, float b) {
    content::model::ModelBuilder builder;
    const int group = builder.AddGroup(
        "hull", builder.AddMaterial(content::model::SolidMaterial("paint", r, g, b)));
    builder.AddBox(group, {0, 0, 0}, {2.4f, 0.8f, 3.2f});
    builder.AddBox(group, {0, 0.8f, -0.3f}, {1.6f, 0.7f, 1.6f});
    builder.AddBox(group, {0, 1.1f, 0.9f}, {0.3f, 0.3f, 1.6f});
    return builder.GetModel();
}

struct Scene {
    std::string floorTexture;
    std::string wallTexture;
    std::vector<std::unique_ptr<MeshTree>> objects;
    std::vector<std::unique_ptr<MeshTree>> vehicles;
};

Scene* scene = nullptr;
platform::SdlDisplay* display = nullptr;

bool SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("BRASK_NO_PACING", "1", 1);
    display = new platform::SdlDisplay;
    platform::Services services;
    services.display = display;
    platform::Install(services);
    window.Init("Brask benchmark", "Brask benchmark", IgnoreMessages, kWidth, kHeight, 32, false);
    graphicsSystem.Init(kWidth, kHeight, 32);
    if (!graphicsSystem.renderer || !graphicsSystem.renderer->HasContext()) {
        std::fprintf(stderr, "no OpenGL context: %s\n", display->LastError().c_str());
        return false;
    }
    const float start[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -12, 1};
    graphicsSystem.camera->SetPerspective(start, 0.1f, 1000.0f);

    const std::filesystem::path resources =
        std::filesystem::temp_directory_path() / "brask-bench-resources";
    std::string error;
    if (!content::texture::GenerateTextures(resources, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    scene = new Scene;
    const std::filesystem::path environment = resources / "Art/Textures/Environment";
    scene->floorTexture = (environment / "Wood_Floor.jpg").string();
    scene->wallTexture = (environment / "Wallpaper_Floral.bmp").string();
    const struct {
        float x, z, w, h, d;
    } furniture[] = {
        {10, 10, 8, 12, 4}, {54, 10, 6, 14, 6}, {10, 54, 10, 11, 6},  {54, 54, 4, 16, 4},
        {32, 20, 8, 3, 4},  {32, 44, 6, 3, 6},  {20, 32, 2, 4, 2},    {44, 32, 2, 4, 2},
        {16, 24, 3, 2, 3},  {48, 40, 3, 2, 3},  {26, 50, 4, 1.5f, 8}, {40, 14, 4, 1.5f, 8},
    };
    for (const auto& f : furniture) {
        scene->objects.push_back(Load(Furniture(f.w, f.h, f.d, 0.6f, 0.4f, 0.25f), f.x, f.z));
        if (f.h > 10) scene->objects.back()->scenery = true;
    }
    const float colours[4][3] = {
        {0.8f, 0.1f, 0.1f}, {0.1f, 0.4f, 0.8f}, {0.2f, 0.7f, 0.2f}, {0.8f, 0.7f, 0.1f}};
    const float corners[4][2] = {{8, 8}, {8, 56}, {56, 56}, {56, 8}};
    for (int i = 0; i < 4; ++i) {
        auto vehicle = Load(Vehicle(colours[i][0], colours[i][1], colours[i][2]), corners[i][0],
                            corners[i][1]);
        // Facing the room's centre, as the level builder turns vehicles in the corners.
        float scratch[16];
        Mat44Copy(vehicle->matrix->m, scratch);
        Mat44RotateYAboutPosition(kQuarterTurn / 2 + i * kQuarterTurn, scratch, vehicle->matrix->m);
        vehicle->scenery = false;
        vehicle->revealsUnderCaster = true;
        scene->vehicles.push_back(std::move(vehicle));
    }
    std::vector<const MeshTree*> planar;
    for (const auto& object : scene->objects) planar.push_back(object.get());
    graphicsSystem.renderer->BuildShadowCasterTable(planar);
    return true;
}

void ClearAndSwap(benchmark::State& state) {
    Renderer& renderer = *graphicsSystem.renderer;
    for (auto _ : state) {
        renderer.Clear();
        renderer.SwapBuffers();
        glFinish();
    }
}

void RoomFrame(benchmark::State& state) {
    Renderer& renderer = *graphicsSystem.renderer;
    Camera& camera = *graphicsSystem.camera;
    for (auto _ : state) {
        renderer.Clear();
        camera.SetChaseView(scene->vehicles[0]->matrix->m, 10.0f, 5.5f, 0.2f);
        const float floorCentre[3] = {kRoom / 2, -0.05f, kRoom / 2};
        renderer.DrawTexturedBox(floorCentre, kRoom + 1, 0.1f, kRoom + 1,
                                 scene->floorTexture.c_str(), 10, 10, 10, false);
        const float wallCentre[3] = {kRoom / 2, 26.0f, kRoom / 2};
        renderer.DrawTexturedBox(wallCentre, kRoom, 55.0f, -kRoom, scene->wallTexture.c_str(), 15,
                                 15, 15, false);
        for (const auto& object : scene->objects) renderer.DrawPlanarShadow(object.get(), 0);
        // The entity pass: models in render list 2 without scenery are drawn by the list.
        for (const auto& object : scene->objects)
            if (!object->inRenderList || object->scenery) renderer.DrawMeshTree(object.get());
        for (const auto& vehicle : scene->vehicles) renderer.DrawMeshTree(vehicle.get());
        for (const auto& vehicle : scene->vehicles) renderer.DrawShadowVolume(vehicle.get(), true);
        renderer.DrawRenderList(2);
        renderer.SwapBuffers();
        glFinish();
    }
    state.counters["triangles"] = renderer.trianglesDrawn;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!SetUp()) return 1;
    benchmark::RegisterBenchmark("ClearAndSwap/1024x768", ClearAndSwap)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RoomFrame/1024x768", RoomFrame)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    graphicsSystem.Shutdown();
    window.Destroy();
    return 0;
}
