#pragma once
// Models composed of primitives (boxes, cylinders, wedges) in the game's conventions: y up,
// forward +z, 4.0 units per grid cell. Every primitive is a closed mesh: its vertices are
// shared along its edges (shadow volumes find neighbours by vertex index), its triangles
// wind counter-clockwise seen from outside, and each corner carries a unit normal.
#include <map>
#include <string>
#include <tuple>

#include "Ms3dWriter.h"

namespace content::model {

constexpr float kCellSize = 4.0f;

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

enum class Axis { X, Y, Z };

// Moves the model so that its base stands at y = 0, centred in x and z.
void CentreOnFloor(Ms3dModel& model);

class ModelBuilder {
public:
    // Both return the new index.
    int AddMaterial(const Ms3dMaterial& material);
    int AddGroup(const std::string& name, int materialIndex = -1);

    // `base` is the point under the primitive's centre at its lowest y. Sizes are along x, y
    // and z. Throws std::invalid_argument for a size that is not positive or a group that
    // does not exist.
    void AddBox(int group, Vec3 base, Vec3 size);
    // A cylinder of `length` along `axis`, with `segments` sides (3 or more).
    void AddCylinder(int group, Vec3 base, float radius, float length, Axis axis, int segments);
    // A block whose top slopes along z, from `backHeight` at its back (-z) to `frontHeight`
    // at its front (+z); a front height of 0 gives a sharp front edge.
    void AddWedge(int group, Vec3 base, float width, float depth, float backHeight,
                  float frontHeight);

    // Moves every vertex so that the model stands on y = 0 and is centred in x and z.
    void CentreOnFloor();

    const Ms3dModel& GetModel() const { return model; }

private:
    // One primitive under construction: its own table of shared vertices.
    class Primitive;
    friend class Primitive;

    void CheckGroup(int group) const;

    Ms3dModel model;
};

}  // namespace content::model
