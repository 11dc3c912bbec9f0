#include "render/ConvexClip.h"

#include <cstddef>

double Dot(const Point4& point, const Plane4& plane) {
    return point[0] * plane[0] + point[1] * plane[1] + point[2] * plane[2] + point[3] * plane[3];
}

void ClipPolygon(std::vector<Point4>& polygon, const Plane4& plane, std::vector<Point4>& scratch) {
    scratch.clear();
    const std::size_t count = polygon.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Point4& from = polygon[i];
        const Point4& to = polygon[(i + 1) % count];
        const double dFrom = Dot(from, plane);
        const double dTo = Dot(to, plane);
        if (dFrom >= 0.0) scratch.push_back(from);
        // The edge crosses the plane: where it does is a corner of the kept part.
        if ((dFrom >= 0.0) != (dTo >= 0.0)) {
            const double t = dFrom / (dFrom - dTo);
            Point4 crossing;
            for (std::size_t k = 0; k < 4; ++k) crossing[k] = from[k] + t * (to[k] - from[k]);
            scratch.push_back(crossing);
        }
    }
    polygon.swap(scratch);
}
