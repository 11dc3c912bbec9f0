#pragma once
// Three floats x, y, z: positions, directions and colours throughout the game.
#include <stdexcept>

// Thrown by Vector3::operator[] for an index other than 0, 1 or 2.
class SubscriptOutOfRange : public std::out_of_range {
public:
    SubscriptOutOfRange() : std::out_of_range("Subscript out-of-range!") {}
};

class Vector3 {
public:
    Vector3() = default;
    Vector3(const Vector3&) = default;
    Vector3(const float& x, const float& y, const float& z) : x(x), y(y), z(z) {}
    Vector3& operator=(const Vector3&) = default;

    float& operator[](int i);
    const float& operator[](int i) const;

    // Each result is a value of its own, so results can be combined freely.
    Vector3 operator+(const Vector3& other) const {
        return {x + other.x, y + other.y, z + other.z};
    }
    Vector3 operator-(const Vector3& other) const {
        return {x - other.x, y - other.y, z - other.z};
    }
    Vector3 operator*(float factor) const { return {x * factor, y * factor, z * factor}; }
    // A true division per component: dividing by 0 gives what the floating-point unit gives.
    Vector3 operator/(float divisor) const { return {x / divisor, y / divisor, z / divisor}; }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
