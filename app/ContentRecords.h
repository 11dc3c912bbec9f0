#pragma once
// The records that the level and bounding-box readers produce.
#include <string>
#include <utility>

// One record of a level file: what stands where on the grid.
struct EntityDesc {
    EntityDesc(std::string type, std::string name, int x, int z, int w, int h, std::string bounds)
        : type(std::move(type)),
          name(std::move(name)),
          bounds(std::move(bounds)),
          x(x),
          z(z),
          w(w),
          h(h) {}

    std::string type;    // "GAME_ENTITY", "VEHICLE" or "BATTERY"
    std::string name;    // model file, vehicle file or battery file
    std::string bounds;  // "SPHERE", "NONE" or a bounding-box file name
    int x;               // first cell along x
    int z;               // first cell along z
    int w;               // cells along x
    int h;               // cells along z
};

// One collision rectangle on the floor, in the model's own space.
struct Box {
    Box(float xMin, float xMax, float zMin, float zMax)
        : xMin(xMin), xMax(xMax), zMin(zMin), zMax(zMax) {}

    float xMin;
    float xMax;
    float zMin;
    float zMax;
};
