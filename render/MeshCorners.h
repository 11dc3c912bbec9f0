#pragma once
// A group's triangles laid out corner by corner, so that a whole group goes to GL in one
// call instead of four calls per corner.
struct MeshData;
struct MeshGroup;

// Fills the group's positions, normals and texture coordinates from the mesh's triangles,
// in the group's order. Triangles or corners out of the mesh's range are left out.
void BuildGroupCorners(const MeshData& mesh, MeshGroup& group);
