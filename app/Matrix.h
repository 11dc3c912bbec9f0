#pragma once
// The vector and matrix functions over plain float arrays. Angles are radians.
//
// Mat44: 16 floats in OpenGL column-major order, element [4 c + r] is row r, column c;
//        columns 0..2 are the object's own axes in world coordinates, 12..14 its position.
// Mat34: 12 floats row-major, three rows of three rotation terms and a translation;
//        a point p maps to R p + t.
// Mat33: 9 floats row-major, element [3 r + c].
//
// Every function reads all of its inputs before it writes, so an output may be the same
// array as an input.
#include "app/Vector3.h"

class Mat44 {
public:
    // The identity.
    Mat44();

    float& operator[](int i) { return m[i]; }
    const float& operator[](int i) const { return m[i]; }

    float m[16];
};

using Mat34 = float[12];
using Mat33 = float[9];

float Vec3Dot(const float* a, const float* b);
float Vec3Length(const float* v);
// In place; a vector of length 0 is left as it is.
void Vec3Normalize(float* v);
// In place; a vector whose sum of squares is 0 or less becomes (1, 0, 0).
void Vec3NormalizeOrUnitX(float* v);
void Vec3Cross(const float* a, const float* b, float* out);

// The same over Vector3, whose three members are not an array.
float Vec3Dot(const Vector3& a, const Vector3& b);
float Vec3Length(const Vector3& v);
void Vec3Normalize(Vector3& v);
void Vec3NormalizeOrUnitX(Vector3& v);
void Vec3Cross(const Vector3& a, const Vector3& b, Vector3& out);

// out = a b: b applied first, then a.
void Mat34Multiply(const float* a, const float* b, float* out);
void Mat34TransformPoint(const float* m, const float* p, float* out);
// out = transpose(R) v, no translation.
void Mat34InverseRotateVector(const float* m, const float* v, float* out);
void Mat33TransformVector(const float* m, const float* v, float* out);
void Mat34TransformPoint(const float* m, const Vector3& p, Vector3& out);
void Mat34InverseRotateVector(const float* m, const Vector3& v, Vector3& out);
void Mat33TransformVector(const float* m, const Vector3& v, Vector3& out);

// Mat34 from a Mat44 (the bottom row is dropped) and back (bottom row 0, 0, 0, 1).
void GLToMat34(float* out, const float* in);
void Mat34ToGL(const float* in, float* out);

void Mat44Copy(const float* src, float* dst);
// A move along the world axes; returns m.
float* Mat44Translate(float x, float y, float z, float* m);
// out = R(angle) in: a right-handed rotation about the world axis through the origin,
// applied to the three axes and the position alike.
void Mat44RotateX(float angle, const float* in, float* out);
void Mat44RotateY(float angle, const float* in, float* out);
void Mat44RotateZ(float angle, const float* in, float* out);
// A turn about the world axis through the matrix's own position. m is left with a zero
// translation, so callers pass a scratch copy as m and the matrix to change as out.
void Mat44RotateXAboutPosition(float angle, float* m, float* out);
void Mat44RotateYAboutPosition(float angle, float* m, float* out);
void Mat44RotateZAboutPosition(float angle, float* m, float* out);
// out = in with its own X, Y and Z axes scaled by x, y and z; the position is kept.
void Mat44ScaleLocal(float x, float y, float z, const float* in, float* out);
