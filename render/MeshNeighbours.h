#pragma once
// The shadow data's neighbour links: for each edge of each triangle the triangle across it.
#include <vector>

#include "render/MeshTree.h"

// Links the triangles of `shadow.order` as a walk over every pair of its positions i < j does:
// each edge of the earlier triangle that is still unlinked takes the first later triangle that
// has an edge with the same two vertices, in either direction, and every such edge of that
// later triangle is linked back (over any link it had). Ties, edges shared by three or more
// triangles and triangles listed twice come out as that walk leaves them; the work grows with
// the edges, not with their pairs.
void LinkNeighbours(const MeshShadowIndex& shadow, std::vector<MeshTriangle>& triangles);
