#pragma once
// Cutting convex polygons with planes: the part of a triangle that lies in front of the eye's
// near plane, which is all of it that GL draws, and the part that lies outside a region that
// something already drawn hides.
#include <cstdint>
#include <span>
#include <vector>

#include <array>

// Homogeneous points (x, y, z, w) and planes: a point p is on the kept side of a plane q
// when p . q >= 0.
using Point4 = std::array<double, 4>;
using Plane4 = std::array<double, 4>;

double Dot(const Point4& point, const Plane4& plane);

// Where the point (x, y, z of a model) lands in clip space under the column-major
// `modelView` and `projection`.
Point4 ToClip(const float* point, const float modelView[16], const float projection[16]);

// Replaces the convex polygon by its part on the kept side of the plane (Sutherland-Hodgman;
// the corners keep their order, so the polygon keeps its facing). Empty when nothing is kept.
// Where an edge crosses a plane is worked out from the same end whichever way the edge runs,
// so polygons sharing an edge are cut at the very same point and stay seamless.
void ClipPolygon(std::vector<Point4>& polygon, const Plane4& plane, std::vector<Point4>& scratch);

// How a convex polygon lies to the planes of a region (32 at most): bit k of `crossing` is set
// when plane k keeps some of its corners and not all, and `outside` when some plane keeps none.
struct RegionCrossing {
    std::uint32_t crossing = 0;
    bool outside = false;
};
RegionCrossing CrossingOf(std::span<const Point4> corners, std::span<const Plane4> region);

// The triangles (three corners of three floats each, w = 1) less their parts inside the
// convex region where every plane given (32 at most) keeps a point, as triangles again in
// their own facing. A triangle that no plane crosses keeps its corners to the bit, or goes
// whole.
void RemoveRegion(const std::vector<float>& corners, std::span<const Plane4> region,
                  std::vector<float>& kept);
