#include "tools/content/ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace content::ui {

Colour Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Shape Rectangle(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    // The distance scaled by the gradient of the implicit form: exact on a circle and close
    // enough on an ellipse for a one-pixel anti-aliased edge.
    return [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        const float k = std::sqrt(dx * dx + dy * dy);
        const float gx = dx / rx, gy = dy / ry;
        const float gradient = std::sqrt(gx * gx + gy * gy);
        if (gradient < 1e-6f) return -std::min(rx, ry);
        return (k - 1.0f) * k / gradient;
    };
}

Shape Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape Capsule(Point a, Point b, float halfWidth) {
    return [=](float x, float y) {
        const float abx = b.x - a.x, aby = b.y - a.y;
        const float length2 = abx * abx + aby * aby;
        float t = length2 > 0 ? ((x - a.x) * abx + (y - a.y) * aby) / length2 : 0.0f;
        t = std::clamp(t, 0.0f, 1.0f);
        return std::hypot(x - (a.x + abx * t), y - (a.y + aby * t)) - halfWidth;
    };
}

Shape Polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](float x, float y) {
        float nearest = 1e30f;
        bool inside = false;
        const std::size_t n = corners.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = corners[j], b = corners[i];
            const float ex = b.x - a.x, ey = b.y - a.y;
            const float length2 = ex * ex + ey * ey;
            float t = length2 > 0 ? ((x - a.x) * ex + (y - a.y) * ey) / length2 : 0.0f;
            t = std::clamp(t, 0.0f, 1.0f);
            nearest = std::min(nearest, std::hypot(x - (a.x + ex * t), y - (a.y + ey * t)));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

Shape Outline(Shape shape, float width) {
    return [=](float x, float y) { return std::abs(shape(x, y)) - width / 2; };
}

Shape Union(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape from, Shape cut) {
    return [=](float x, float y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Placed(Shape local, float x0, float y0, float scale) {
    return [=](float x, float y) { return local((x - x0) / scale, (y - y0) / scale) * scale; };
}

Shape Mirrored(Shape shape, float axis) {
    return [=](float x, float y) { return shape(2 * axis - x, y); };
}

Brush Solid(Colour colour) {
    return [=](float, float) { return colour; };
}

Brush VerticalGradient(float top, float bottom, Colour topColour, Colour bottomColour) {
    return [=](float, float y) {
        return Mix(topColour, bottomColour, std::clamp((y - top) / (bottom - top), 0.0f, 1.0f));
    };
}

Brush Shaded(Colour base, float cx, float cy, float radius, float strength) {
    return [=](float x, float y) {
        // Brightest towards the upper left, darker towards the lower right.
        const float along = ((cx - x) + (cy - y)) / (1.414f * radius);
        const float light = 1.0f + strength * std::clamp(along, -1.0f, 1.0f);
        return Colour{std::min(base.r * light, 1.0f), std::min(base.g * light, 1.0f),
                      std::min(base.b * light, 1.0f)};
    };
}

Canvas::Canvas(Image& target, float width, float height)
    : image(target),
      designWidth(width),
      designHeight(height),
      scaleX(target.width / width),
      scaleY(target.height / height) {}

void Canvas::Fill(Colour colour) {
    Fill(Solid(colour));
}

void Canvas::Fill(const Brush& brush) {
    for (int py = 0; py < image.height; ++py)
        for (int px = 0; px < image.width; ++px)
            image.Set(px, py, brush((px + 0.5f) / scaleX, (py + 0.5f) / scaleY));
}

void Canvas::Paint(const Shape& shape, const Brush& brush, float opacity) {
    // A design unit is this many pixels, on average over the two axes.
    const float pixels = (scaleX + scaleY) / 2;
    for (int py = 0; py < image.height; ++py) {
        for (int px = 0; px < image.width; ++px) {
            const float x = (px + 0.5f) / scaleX, y = (py + 0.5f) / scaleY;
            const float coverage = std::clamp(0.5f - shape(x, y) * pixels, 0.0f, 1.0f);
            if (coverage > 0.0f) BlendPixel(px, py, brush(x, y), coverage * opacity);
        }
    }
}

void Canvas::BlendPixel(int px, int py, Colour colour, float coverage) {
    if (px < 0 || py < 0 || px >= image.width || py >= image.height || coverage <= 0.0f) return;
    image.Set(px, py, Mix(image.Get(px, py), colour, std::min(coverage, 1.0f)));
}

}  // namespace content::ui
