#pragma once
// A picture painted in design units: the size at which the menus show it. The canvas maps
// those units onto the texture's power-of-two pixels, so a sheet drawn for 462 x 190 on
// screen and stored as 512 x 256 still shows round circles and upright letters.
#include <functional>
#include <vector>

#include "tools/content/texture/Image.h"

namespace content::ui {

using texture::Colour;
using texture::Image;

Colour Rgb(int r, int g, int b);
Colour Mix(Colour a, Colour b, float t);
Colour Scale(Colour c, float factor);

struct Point {
    float x, y;
};

// Signed distance from a point to a shape's edge in design units, negative inside.
using Shape = std::function<float(float x, float y)>;
// The colour of a shape at a point; lets a shape carry a gradient or a pattern.
using Brush = std::function<Colour(float x, float y)>;

// Shapes, all in design units.
Shape Rectangle(float left, float top, float right, float bottom, float radius = 0.0f);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Circle(float cx, float cy, float r);
Shape Capsule(Point a, Point b, float halfWidth);
// A closed polygon, corners in order (either winding).
Shape Polygon(std::vector<Point> corners);
// The band of `width` around a shape's edge.
Shape Outline(Shape shape, float width);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
Shape Intersect(Shape a, Shape b);
// A shape drawn in its own units, placed with its origin at (x0, y0) and `scale` design
// units per unit of its own.
Shape Placed(Shape local, float x0, float y0, float scale);
// The shape mirrored about the vertical line x = axis.
Shape Mirrored(Shape shape, float axis);

Brush Solid(Colour colour);
// From `top` to `bottom` colour between the two heights.
Brush VerticalGradient(float top, float bottom, Colour topColour, Colour bottomColour);
// Light falling from the upper left onto a rounded surface around a centre.
Brush Shaded(Colour base, float cx, float cy, float radius, float strength = 0.45f);

class Canvas {
public:
    Canvas(Image& image, float designWidth, float designHeight);

    float Width() const { return designWidth; }
    float Height() const { return designHeight; }
    // Pixels per design unit across and down.
    float ScaleX() const { return scaleX; }
    float ScaleY() const { return scaleY; }
    Image& Pixels() { return image; }

    void Fill(Colour colour);
    void Fill(const Brush& brush);
    // Paints the shape with its edge anti-aliased, `opacity` over what is there.
    void Paint(const Shape& shape, const Brush& brush, float opacity = 1.0f);
    void Paint(const Shape& shape, Colour colour, float opacity = 1.0f) {
        Paint(shape, Solid(colour), opacity);
    }
    // Blends one pixel (in pixel coordinates) towards a colour.
    void BlendPixel(int px, int py, Colour colour, float coverage);

private:
    Image& image;
    float designWidth;
    float designHeight;
    float scaleX;
    float scaleY;
};

}  // namespace content::ui
