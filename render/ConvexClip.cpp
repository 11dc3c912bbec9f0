#include "render/ConvexClip.h"

#include <cstddef>

double Dot(const Point4& point, const Plane4& plane) {
    return point[0] * plane[0] + point[1] * plane[1] + point[2] * plane[2] + point[3] * plane[3];
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

// The polygon's parts on the kept side of the plane and on the other, both in its turn.
void SplitPolygon(const std::vector<Point4>& polygon, const Plane4& plane,
                  std::vector<Point4>& inside, std::vector<Point4>& outside) {
    inside.clear();
    outside.clear();
    const std::size_t count = polygon.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Point4& from = polygon[i];
        const Point4& to = polygon[(i + 1) % count];
        const double dFrom = Dot(from, plane);
        const double dTo = Dot(to, plane);
        (dFrom >= 0.0 ? inside : outside).push_back(from);
        if ((dFrom >= 0.0) != (dTo >= 0.0)) {
            const Point4 crossing = Crossing(from, dFrom, to, dTo);
            inside.push_back(crossing);
            outside.push_back(crossing);
        }
    }
}

// A convex polygon as a fan of triangles from its first corner.
void AppendFan(const std::vector<Point4>& polygon, std::vector<float>& corners) {
    for (std::size_t c = 1; c + 1 < polygon.size(); ++c)
        for (const Point4* p : {&polygon[0], &polygon[c], &polygon[c + 1]})
            for (std::size_t k = 0; k < 3; ++k) corners.push_back(static_cast<float>((*p)[k]));
}

}  // namespace

void ClipPolygon(std::vector<Point4>& polygon, const Plane4& plane, std::vector<Point4>& scratch) {
    std::vector<Point4> dropped;
    SplitPolygon(polygon, plane, scratch, dropped);
    polygon.swap(scratch);
}

void RemoveRegion(const std::vector<float>& corners, std::span<const Plane4> region,
                  std::vector<float>& kept) {
    kept.clear();
    // Every piece is split by every plane, not only the pieces still inside: two pieces that
    // share an edge then cut it at the same points, and no corner of one lies along the
    // other's edge, where pixels would be drawn twice or not at all.
    struct Piece {
        std::vector<Point4> corners;
        bool inside = true;
    };
    std::vector<Piece> pieces;
    std::vector<Piece> next;
    std::vector<Point4> inside;
    std::vector<Point4> outside;
    for (std::size_t i = 0; i + 8 < corners.size(); i += 9) {
        std::vector<Point4> triangle;
        for (std::size_t k = i; k < i + 9; k += 3)
            triangle.push_back({corners[k], corners[k + 1], corners[k + 2], 1.0});
        // No plane crosses it: the triangle stays as it is, or goes whole. A triangle that one
        // plane crosses is split by every plane, so that its neighbour across any edge, split
        // or not, meets it at the same corners.
        bool crossed = false;
        bool inRegion = true;
        for (const Plane4& plane : region) {
            int insideCorners = 0;
            for (const Point4& p : triangle) insideCorners += Dot(p, plane) >= 0.0;
            crossed = crossed || (insideCorners != 0 && insideCorners != 3);
            inRegion = inRegion && insideCorners == 3;
        }
        if (!crossed) {
            if (!inRegion)
                kept.insert(kept.end(), corners.begin() + static_cast<std::ptrdiff_t>(i),
                            corners.begin() + static_cast<std::ptrdiff_t>(i + 9));
            continue;
        }
        pieces.assign(1, Piece{std::move(triangle), true});
        for (const Plane4& plane : region) {
            next.clear();
            for (const Piece& piece : pieces) {
                SplitPolygon(piece.corners, plane, inside, outside);
                if (inside.size() >= 3) next.push_back({inside, piece.inside});
                if (outside.size() >= 3) next.push_back({outside, false});
            }
            pieces.swap(next);
        }
        for (const Piece& piece : pieces)
            if (!piece.inside) AppendFan(piece.corners, kept);
    }
}
