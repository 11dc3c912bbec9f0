#pragma once
// Whether a model can reach the window at all: its box against the sides of the view.

// True when no point of the box `boxMin`..`boxMax` (the model's own coordinates) can be
// drawn within `marginPixels` of the viewport {x, y, width, height} under the column-major
// `modelView` and `projection`: all eight corners lie beyond one side of the view widened by
// the margin, or behind the near plane or past the far one. A box with a corner that is not
// a number is never out of view.
bool BoxOutOfView(const float modelView[16], const float projection[16], const int viewport[4],
                  const float boxMin[3], const float boxMax[3], float marginPixels);
