#include "tests/render/TestModels.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "render/MS3DLoader.h"

namespace rendertest {

content::model::Ms3dModel BoxModel(float sizeX, float sizeY, float sizeZ, Colour colour,
                                   const char* textureFile) {
    content::model::ModelBuilder builder;
    const int material = builder.AddMaterial(
        content::model::SolidMaterial("box", colour.r, colour.g, colour.b, textureFile));
    const int group = builder.AddGroup("box", material);
    builder.AddBox(group, {0.0f, 0.0f, 0.0f}, {sizeX, sizeY, sizeZ});
    return builder.GetModel();
}

std::unique_ptr<MeshTree> Load(const content::model::Ms3dModel& model, float x, float y, float z) {
    const std::vector<std::uint8_t> bytes = content::model::EncodeMs3d(model);
    std::istringstream in(std::string(bytes.begin(), bytes.end()), std::ios::binary);
    auto mesh = std::make_unique<MeshTree>();
    MS3DLoader loader;
    try {
        loader.ReadStream(in, mesh.get(), true);
    } catch (const ModelLoadError& error) {
        ADD_FAILURE() << "test model refused: " << error.what();
        return nullptr;
    }
    mesh->ResetMatrix();
    mesh->Translate(x, y, z);
    return mesh;
}

std::unique_ptr<MeshTree> Cube(float size, Colour colour, float x, float z) {
    return Load(BoxModel(size, size, size, colour), x, 0.0f, z);
}

}  // namespace rendertest
