#include "app/Matrix.h"

#include <cmath>
#include <cstring>

Mat44::Mat44() : m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

float Vec3Dot(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

float Vec3Length(const float* v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

void Vec3Normalize(float* v) {
    const float length = Vec3Length(v);
    if (length == 0.0f) return;
    v[0] /= length;
    v[1] /= length;
    v[2] /= length;
}

void Vec3NormalizeOrUnitX(float* v) {
    const float squares = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    if (squares <= 0.0f) {
        v[0] = 1.0f;
        v[1] = 0.0f;
        v[2] = 0.0f;
        return;
    }
    const float length = std::sqrt(squares);
    v[0] /= length;
    v[1] /= length;
    v[2] /= length;
}

void Vec3Cross(const float* a, const float* b, float* out) {
    const float result[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    std::memcpy(out, result, sizeof result);
}

namespace {

struct Array3 {
    explicit Array3(const Vector3& v) : f{v.x, v.y, v.z} {}
    Array3() = default;
    void CopyTo(Vector3& v) const { v = Vector3(f[0], f[1], f[2]); }
    float f[3] = {};
};

}  // namespace

float Vec3Dot(const Vector3& a, const Vector3& b) {
    return Vec3Dot(Array3(a).f, Array3(b).f);
}

float Vec3Length(const Vector3& v) {
    return Vec3Length(Array3(v).f);
}

void Vec3Normalize(Vector3& v) {
    Array3 a(v);
    Vec3Normalize(a.f);
    a.CopyTo(v);
}

void Vec3NormalizeOrUnitX(Vector3& v) {
    Array3 a(v);
    Vec3NormalizeOrUnitX(a.f);
    a.CopyTo(v);
}

void Vec3Cross(const Vector3& a, const Vector3& b, Vector3& out) {
    Array3 result;
    Vec3Cross(Array3(a).f, Array3(b).f, result.f);
    result.CopyTo(out);
}

void Mat34Multiply(const float* a, const float* b, float* out) {
    float result[12];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 3; ++k) sum += a[4 * r + k] * b[4 * k + c];
            result[4 * r + c] = sum;
        }
        result[4 * r + 3] += a[4 * r + 3];
    }
    std::memcpy(out, result, sizeof result);
}

void Mat34TransformPoint(const float* m, const float* p, float* out) {
    float result[3];
    for (int r = 0; r < 3; ++r)
        result[r] = m[4 * r] * p[0] + m[4 * r + 1] * p[1] + m[4 * r + 2] * p[2] + m[4 * r + 3];
    std::memcpy(out, result, sizeof result);
}

void Mat34InverseRotateVector(const float* m, const float* v, float* out) {
    float result[3];
    for (int c = 0; c < 3; ++c) result[c] = m[c] * v[0] + m[4 + c] * v[1] + m[8 + c] * v[2];
    std::memcpy(out, result, sizeof result);
}

void Mat33TransformVector(const float* m, const float* v, float* out) {
    float result[3];
    for (int r = 0; r < 3; ++r)
        result[r] = m[3 * r] * v[0] + m[3 * r + 1] * v[1] + m[3 * r + 2] * v[2];
    std::memcpy(out, result, sizeof result);
}

void Mat34TransformPoint(const float* m, const Vector3& p, Vector3& out) {
    Array3 result;
    Mat34TransformPoint(m, Array3(p).f, result.f);
    result.CopyTo(out);
}

void Mat34InverseRotateVector(const float* m, const Vector3& v, Vector3& out) {
    Array3 result;
    Mat34InverseRotateVector(m, Array3(v).f, result.f);
    result.CopyTo(out);
}

void Mat33TransformVector(const float* m, const Vector3& v, Vector3& out) {
    Array3 result;
    Mat33TransformVector(m, Array3(v).f, result.f);
    result.CopyTo(out);
}

void GLToMat34(float* out, const float* in) {
    float result[12];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) result[4 * r + c] = in[4 * c + r];
    std::memcpy(out, result, sizeof result);
}

void Mat34ToGL(const float* in, float* out) {
    float result[16];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) result[4 * c + r] = in[4 * r + c];
    result[3] = result[7] = result[11] = 0.0f;
    result[15] = 1.0f;
    std::memcpy(out, result, sizeof result);
}

void Mat44Copy(const float* src, float* dst) {
    std::memmove(dst, src, 16 * sizeof(float));
}

float* Mat44Translate(float x, float y, float z, float* m) {
    m[12] += x;
    m[13] += y;
    m[14] += z;
    return m;
}

namespace {

// Rotates rows `first` and `second` of every column in the plane they span; the third row
// is copied and the bottom row becomes 0, 0, 0, 1. `sign` is +1 when the new first row is
// c first - s second (X and Z) and -1 when it is c first + s second (Y).
void RotateRows(float angle, int first, int second, float sign, const float* in, float* out) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    float result[16];
    std::memcpy(result, in, sizeof result);
    for (int k = 0; k < 4; ++k) {
        const float a = in[4 * k + first];
        const float b = in[4 * k + second];
        result[4 * k + first] = c * a - sign * s * b;
        result[4 * k + second] = sign * s * a + c * b;
    }
    result[3] = result[7] = result[11] = 0.0f;
    result[15] = 1.0f;
    std::memcpy(out, result, sizeof result);
}

using Rotation = void (*)(float, const float*, float*);

void RotateAboutPosition(Rotation rotate, float angle, float* m, float* out) {
    const float x = m[12];
    const float y = m[13];
    const float z = m[14];
    Mat44Translate(-x, -y, -z, m);
    rotate(angle, m, out);
    Mat44Translate(x, y, z, out);
}

}  // namespace

void Mat44RotateX(float angle, const float* in, float* out) {
    RotateRows(angle, 1, 2, 1.0f, in, out);
}

void Mat44RotateY(float angle, const float* in, float* out) {
    RotateRows(angle, 0, 2, -1.0f, in, out);
}

void Mat44RotateZ(float angle, const float* in, float* out) {
    RotateRows(angle, 0, 1, 1.0f, in, out);
}

void Mat44RotateXAboutPosition(float angle, float* m, float* out) {
    RotateAboutPosition(Mat44RotateX, angle, m, out);
}

void Mat44RotateYAboutPosition(float angle, float* m, float* out) {
    RotateAboutPosition(Mat44RotateY, angle, m, out);
}

void Mat44RotateZAboutPosition(float angle, float* m, float* out) {
    RotateAboutPosition(Mat44RotateZ, angle, m, out);
}

void Mat44ScaleLocal(float x, float y, float z, const float* in, float* out) {
    float copy[16];
    Mat44Copy(in, copy);
    float converted[12];
    GLToMat34(converted, copy);
    const float scale[12] = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0};
    float result[12];
    Mat34Multiply(converted, scale, result);
    Mat34ToGL(result, out);
}
