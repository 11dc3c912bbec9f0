#pragma once
// The geometry of the textured box that makes the room's floor and walls: six faces, each
// with its normal and four corners with texture coordinates repeating along every axis.

struct BoxCorner {
    float position[3];
    float s;
    float t;
};

struct BoxFace {
    float normal[3];
    BoxCorner corners[4];
};

struct BoxGeometry {
    BoxFace faces[6];
    // How often the texture repeats along x, y and z.
    float repeats[3];
};

// The repeat count along one axis: |size / tile|, and 1 where that is at most 1, so a
// small box stretches its texture once rather than showing part of it.
float BoxRepeat(float size, float tile);

// The faces wind counter-clockwise seen from outside; a negative size mirrors the box so
// that it shows its inside.
BoxGeometry MakeTexturedBox(const float centre[3], float sizeX, float sizeY, float sizeZ,
                            float tileX, float tileY, float tileZ);
