#pragma once

#include <cmath>

// A three-vector: a momentum in MeV/c or a position in display units. The operators work
// component by component, and Dot adds the products in x, y, z order, so that a formula
// written with them gives the same bits as the same formula written out by components.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vec3& operator+=(Vec3 other)
    {
        x += other.x;
        y += other.y;
        z += other.z;
        return *this;
    }
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(double s, Vec3 v) { return {s * v.x, s * v.y, s * v.z}; }
constexpr Vec3 operator*(Vec3 v, double s) { return {v.x * s, v.y * s, v.z * s}; }
constexpr Vec3 operator/(Vec3 v, double s) { return {v.x / s, v.y / s, v.z / s}; }

// a.x b.x + a.y b.y + a.z b.z, added in that order.
constexpr double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// sqrt(x^2 + y^2 + z^2), summed in that order.
inline double Magnitude(Vec3 v) { return std::sqrt(Dot(v, v)); }
