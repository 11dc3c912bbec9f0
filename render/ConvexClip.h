#pragma once
// Cutting a convex polygon with a plane: the part of a triangle that lies in front of the
// eye's near plane, which is all of it that GL draws.
#include <array>
#include <vector>

// Homogeneous points (x, y, z, w) and planes: a point p is on the kept side of a plane q
// when p . q >= 0.
using Point4 = std::array<double, 4>;
using Plane4 = std::array<double, 4>;

double Dot(const Point4& point, const Plane4& plane);

// Replaces the convex polygon by its part on the kept side of the plane (Sutherland-Hodgman;
// the corners keep their order, so the polygon keeps its facing). Empty when nothing is kept.
void ClipPolygon(std::vector<Point4>& polygon, const Plane4& plane, std::vector<Point4>& scratch);
