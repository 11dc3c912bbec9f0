#include "render/ConvexClip.h"

#include <cstddef>
#include <cstdint>

double Dot(const Point4& point, const Plane4& plane) {
    return point[0] * plane[0] + point[1] * plane[1] + point[2] * plane[2] + point[3] * plane[3];
}

Point4 ToClip(const float* point, const float modelView[16], const float projection[16]) {
    double eye[4];
    for (int row = 0; row < 4; ++row)
        eye[row] = modelView[row] * point[0] + modelView[4 + row] * point[1] +
                   modelView[8 + row] * point[2] + modelView[12 + row];
    Point4 clip;
    for (int row = 0; row < 4; ++row)
        clip[static_cast<std::size_t>(row)] =
            projection[row] * eye[0] + projection[4 + row] * eye[1] + projection[8 + row] * eye[2] +
            projection[12 + row] * eye[3];
    return clip;
}

RegionCrossing CrossingOf(std::span<const Point4> corners, std::span<const Plane4> region) {
    RegionCrossing result;
    for (std::size_t k = 0; k < region.size(); ++k) {
        std::size_t inside = 0;
        for (const Point4& corner : corners) inside += Dot(corner, region[k]) >= 0.0;
        if (inside != 0 && inside != corners.size()) result.crossing |= 1u << k;
        result.outside = result.outside || inside == 0;
    }
    return result;
}

namespace {

// Where the edge a-b meets the plane, worked out from the lesser end so that b-a gives the
// same point to the bit.
Point4 Crossing(const Point4& a, double dA, const Point4& b, double dB) {
    if (b < a) return Crossing(b, dB, a, dA);
    const double t = dA / (dA - dB);
    Point4 crossing;
    for (std::size_t k = 0; k < 4; ++k) crossing[k] = a[k] + t * (b[k] - a[k]);
    return crossing;
}

// A convex polygon of a few corners, kept in place: a triangle cut by a plane gains at most
// one corner per plane.
constexpr std::size_t kMaxCorners = 8;
struct SmallPolygon {
    std::array<Point4, kMaxCorners> corners;
    std::size_t count = 0;
    bool inside = true;  // inside every plane so far (RemoveRegion)

    void Add(const Point4& p) {
        if (count < kMaxCorners) corners[count++] = p;
    }
};

// The polygon's parts on the kept side of the plane and on the other, both in its turn.
template <typename Polygon, typename AddInside, typename AddOutside>
void Split(const Polygon& polygon, std::size_t count, const Plane4& plane, AddInside&& addInside,
           AddOutside&& addOutside) {
    for (std::size_t i = 0; i < count; ++i) {
        const Point4& from = polygon[i];
        const Point4& to = polygon[(i + 1) % count];
        const double dFrom = Dot(from, plane);
        const double dTo = Dot(to, plane);
        if (dFrom >= 0.0)
            addInside(from);
        else
            addOutside(from);
        if ((dFrom >= 0.0) != (dTo >= 0.0)) {
            const Point4 crossing = Crossing(from, dFrom, to, dTo);
            addInside(crossing);
            addOutside(crossing);
        }
    }
}

// A convex polygon as a fan of triangles from its first corner.
void AppendFan(const SmallPolygon& polygon, std::vector<float>& corners) {
    for (std::size_t c = 1; c + 1 < polygon.count; ++c)
        for (const Point4* p : {&polygon.corners[0], &polygon.corners[c], &polygon.corners[c + 1]})
            for (std::size_t k = 0; k < 3; ++k) corners.push_back(static_cast<float>((*p)[k]));
}

}  // namespace

void ClipPolygon(std::vector<Point4>& polygon, const Plane4& plane, std::vector<Point4>& scratch) {
    scratch.clear();
    Split(
        polygon, polygon.size(), plane, [&scratch](const Point4& p) { scratch.push_back(p); },
        [](const Point4&) {});
    polygon.swap(scratch);
}

void RemoveRegion(const std::vector<float>& corners, std::span<const Plane4> region,
                  std::vector<float>& kept) {
    kept.clear();
    // The planes crossing a triangle are kept as bits of a word.
    if (region.size() > 32) {
        kept = corners;
        return;
    }
    // Every piece is split by every crossing plane, not only the pieces still inside: two pieces
    // that share an edge then cut it at the same points, and no corner of one lies along the
    // other's edge, where pixels would be drawn twice or not at all.
    static thread_local std::vector<SmallPolygon> pieces;
    static thread_local std::vector<SmallPolygon> next;
    for (std::size_t i = 0; i + 8 < corners.size(); i += 9) {
        SmallPolygon triangle;
        for (std::size_t k = i; k < i + 9; k += 3)
            triangle.Add({corners[k], corners[k + 1], corners[k + 2], 1.0});
        // Only the planes that cross the triangle split it: one that leaves it wholly on one
        // side leaves every piece of it there too. A plane that crosses an edge crosses both
        // triangles that share it, so neighbours are cut at the same corners.
        const RegionCrossing lie = CrossingOf(std::span(triangle.corners.data(), 3), region);
        const std::uint32_t crossing = lie.crossing;
        const bool inRegion = !lie.outside;
        // No plane crosses it: the triangle stays as it is, or goes whole.
        if (crossing == 0) {
            if (!inRegion)
                kept.insert(kept.end(), corners.begin() + static_cast<std::ptrdiff_t>(i),
                            corners.begin() + static_cast<std::ptrdiff_t>(i + 9));
            continue;
        }
        // Wholly outside one plane: nothing of it is in the region, but the planes that cross
        // it still split it, as they split its neighbours.
        triangle.inside = inRegion;
        pieces.assign(1, triangle);
        for (std::size_t k = 0; k < region.size(); ++k) {
            if (!(crossing & (1u << k))) continue;
            const Plane4& plane = region[k];
            next.clear();
            for (const SmallPolygon& piece : pieces) {
                SmallPolygon inside;
                SmallPolygon outside;
                inside.inside = piece.inside;
                outside.inside = false;
                Split(
                    piece.corners, piece.count, plane,
                    [&inside](const Point4& p) { inside.Add(p); },
                    [&outside](const Point4& p) { outside.Add(p); });
                if (inside.count >= 3) next.push_back(inside);
                if (outside.count >= 3) next.push_back(outside);
            }
            pieces.swap(next);
        }
        for (const SmallPolygon& piece : pieces)
            if (!piece.inside) AppendFan(piece, kept);
    }
}
