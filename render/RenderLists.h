#pragma once
// The order in which a render list's models are drawn.
#include <list>
#include <vector>

class MeshTree;

// In the overhead views (camera modes 2 and 4) every model, from the back of the list to its
// front, so the tall casters come last; in any other mode front to back, without the models
// that are scenery (those the entity pass draws).
std::vector<MeshTree*> RenderListDrawOrder(const std::list<MeshTree*>& list, int cameraMode);
