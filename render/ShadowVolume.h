#pragma once
// Stencil shadow volumes: which triangles face the light, and the silhouette edges whose
// extruded sides bound the volume.
#include <cstdint>
#include <vector>

struct MeshData;

struct SilhouetteEdge {
    std::uint16_t from;  // vertex index of corner k of the lit triangle
    std::uint16_t to;    // vertex index of corner k + 1 mod 3
};

// facesLight[t] for every triangle that the groups list: whether the light point (in the
// model's own coordinates) lies in front of the triangle's face equation.
void UpdateFacesLight(const MeshData& mesh, float lx, float ly, float lz,
                      std::vector<std::uint8_t>& facesLight);

// The edges of lit triangles, in the shadow order, whose neighbour is missing or unlit.
// Neighbours are compared as unsigned, so big meshes keep all their sides. Nothing for a
// mesh without shadow data.
void FindSilhouetteEdges(const MeshData& mesh, const std::vector<std::uint8_t>& facesLight,
                         std::vector<SilhouetteEdge>& edges);

// The window rectangle {x, y, width, height} that holds every pixel of the triangles (three
// corners of three floats each, model coordinates) under the modelview and projection matrices
// (column-major) and the viewport {x, y, width, height}, clamped to the viewport. Only the part
// of a triangle in front of the near plane counts, as only that part is drawn. Should a
// projection still leave a corner at or behind the eye, the answer is the whole viewport.
// False when no pixel of the viewport can be touched.
bool ScreenRectOf(const std::vector<float>& corners, const float modelView[16],
                  const float projection[16], const int viewport[4], int rect[4]);

// Whether a volume with these sides counts as drawn: a corner at or behind the eye, or the
// window box of their corners (a pixel of margin) meets the viewport. A drawn volume leaves
// its translucent black as the current colour, which the passes after it draw in.
bool SidesCountAsDrawn(const std::vector<float>& corners, const float modelView[16],
                       const float projection[16], const int viewport[4]);

// The two triangles of every silhouette edge's side, extruded away from the light (model
// coordinates), three corners of three floats each per triangle.
void BuildVolumeSides(const MeshData& mesh, const std::vector<SilhouetteEdge>& edges,
                      const float light[3], std::vector<float>& corners);
