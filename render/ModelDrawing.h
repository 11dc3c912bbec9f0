#pragma once
#include <cstddef>

// What model drawing keeps of the texture units between its start and its end.

// GL_TEXTURE_2D of each unit as found when a model or box began, put back when it ends.
struct TextureUnitState {
    bool texture2D[2] = {false, false};
};

// Reads both units' GL_TEXTURE_2D; leaves the active unit as it was.
TextureUnitState SaveTextureUnits();

// Triangles from `corners` corners of three floats each, in one call; the client arrays are
// left as found.
void DrawTriangleCorners(const float* positions, std::size_t corners);

// The shade coordinate of a normal: the normal turned by the rotation part of `modelView`
// and normalised, against the light direction turned by the rotation part of
// `cameraMatrix`, clamped to [0, 1].
float ShadeCoordinate(const float modelView[16], const float cameraMatrix[16],
                      const float lightDirection[3], float nx, float ny, float nz);

// The shade coordinate of each of `count` normals (three floats each), as ShadeCoordinate
// gives it, into `shades`; the light is turned once for all.
void ShadeCoordinates(const float modelView[16], const float cameraMatrix[16],
                      const float lightDirection[3], const float* normals, std::size_t count,
                      float* shades);
