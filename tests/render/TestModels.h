#pragma once
// Small models for the rendering tests, written with the content tool's MS3D writer and read
// back through the game's own loader, so they carry real shadow data.
#include <memory>

#include "render/MeshTree.h"
#include "tools/content/model/ModelBuilder.h"

namespace rendertest {

struct Colour {
    float r, g, b;
};

// A box of the given size standing on y = 0, centred in x and z, in one group with one
// solid material (alpha 1, no emission).
content::model::Ms3dModel BoxModel(float sizeX, float sizeY, float sizeZ, Colour colour,
                                   const char* textureFile = "");

// The model read back through MS3DLoader, with shadow data; placed at (x, y, z) unrotated.
std::unique_ptr<MeshTree> Load(const content::model::Ms3dModel& model, float x = 0.0f,
                               float y = 0.0f, float z = 0.0f);

// A cube of side `size` on the floor at (x, 0, z).
std::unique_ptr<MeshTree> Cube(float size, Colour colour, float x = 0.0f, float z = 0.0f);

}  // namespace rendertest
