#pragma once
// Which edges of a model its black outline needs. The outline draws the back faces' edges
// as thick lines behind the front faces; on a closed mesh seen wholly from outside, only the
// silhouette edges (between a face turned to the eye and one turned away) can pass the depth
// test, so only those need drawing.
#include <cstdint>
#include <vector>

#include "render/MeshEdges.h"

struct MeshData;
struct MeshGroup;

// The eye as the model's own coordinates see it.
struct OutlineView {
    double eye[3] = {};
    // The modelview mirrors: triangles counter-clockwise in the model turn clockwise on the
    // window, so the model's front faces become the back ones.
    bool mirrored = false;
};

// The view of a mesh whose vertices lie in the box `boxMin`..`boxMax`, under the column-major
// `modelView` (the model's own matrix included) and `projection`. False when the silhouette
// may not be the whole outline: the projection is not a perspective one, the modelview has no
// inverse, or a corner of the box is not strictly between the near and the far plane (a
// cut-off mesh, or an eye inside the box, shows the inside, back faces and all).
bool SilhouetteView(const float modelView[16], const float projection[16], const float boxMin[3],
                    const float boxMax[3], OutlineView& view);

// Where the eye stands in the coordinates that the column-major `modelView` takes to the
// eye's: the point it takes to the origin; `mirrored` (when given) tells whether it turns
// the model inside out. False when the matrix has no inverse.
bool EyeOfView(const float modelView[16], double eye[3], bool* mirrored = nullptr);

// away[t] for every triangle the groups list: whether it is a back face from `view`. A face
// seen exactly edge-on has no area on the window and counts as neither.
void MarkFacesAway(const MeshData& mesh, const OutlineView& view, std::vector<std::uint8_t>& away);

// The edges of `group`'s back faces that border a front face or nothing: each silhouette
// edge once, from its back face. Replaces what `edges` held.
void FindOutlineEdges(const MeshData& mesh, const MeshGroup& group,
                      const std::vector<std::uint8_t>& away, std::vector<MeshEdge>& edges);
