#include "render/ViewCull.h"

#include <cmath>

#include "render/ConvexClip.h"

bool BoxOutOfView(const float modelView[16], const float projection[16], const int viewport[4],
                  const float boxMin[3], const float boxMax[3], float marginPixels) {
    if (viewport[2] <= 0 || viewport[3] <= 0) return false;
    // In clip space the window's sides are x = +-w and y = +-w; the margin widens them.
    const double wideX = 1.0 + 2.0 * marginPixels / viewport[2];
    const double wideY = 1.0 + 2.0 * marginPixels / viewport[3];
    // Per side, whether every corner so far lies beyond it: left, right, bottom, top, near,
    // far.
    bool beyond[6] = {true, true, true, true, true, true};
    for (int corner = 0; corner < 8; ++corner) {
        const float p[3] = {(corner & 1) ? boxMax[0] : boxMin[0],
                            (corner & 2) ? boxMax[1] : boxMin[1],
                            (corner & 4) ? boxMax[2] : boxMin[2]};
        const Point4 clip = ToClip(p, modelView, projection);
        for (const double element : clip)
            if (!std::isfinite(element)) return false;
        const double w = clip[3];
        beyond[0] = beyond[0] && clip[0] < -wideX * w;
        beyond[1] = beyond[1] && clip[0] > wideX * w;
        beyond[2] = beyond[2] && clip[1] < -wideY * w;
        beyond[3] = beyond[3] && clip[1] > wideY * w;
        beyond[4] = beyond[4] && clip[2] < -w;
        beyond[5] = beyond[5] && clip[2] > w;
    }
    for (const bool side : beyond)
        if (side) return true;
    return false;
}
