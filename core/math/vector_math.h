#pragma once
// Small vector and 4x4 matrix helpers shared by geometry preparation,
// navigation and picking. Matrices are column-major (OpenGL order, the
// translation in elements 12..14). Products are computed in double and
// rounded to float once. Outputs come first; nothing allocates.

#include <cmath>

namespace vantor::vmath {

inline constexpr double kPi = 3.14159265358979323846;  // equals 4 * atan(1)
inline constexpr double kDegToRad = kPi * 0.0055555556;

inline void Sub3(float out[3], const float a[3], const float b[3]) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] - b[i];
}
inline void Sub3(double out[3], const double a[3], const double b[3]) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] - b[i];
}
inline void Add3(double out[3], const double a[3], const double b[3]) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] + b[i];
}
inline void Scale3(double out[3], const double a[3], double s) {
    for (int i = 0; i < 3; ++i) out[i] = a[i] * s;
}
inline float Dot3(const float a[3], const float b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline double Dot3(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
template <typename T>
inline void Cross3(T out[3], const T a[3], const T b[3]) {
    const T x = a[1] * b[2] - a[2] * b[1];
    const T y = a[2] * b[0] - b[2] * a[0];
    const T z = b[1] * a[0] - a[1] * b[0];
    out[0] = x;
    out[1] = y;
    out[2] = z;
}
// (a.c) b - (a.b) c
inline void TripleProduct(double out[3], const double a[3], const double b[3], const double c[3]) {
    const double ac = Dot3(a, c), ab = Dot3(a, b);
    for (int i = 0; i < 3; ++i) out[i] = ac * b[i] - ab * c[i];
}
inline void ToDouble3(double out[3], const float a[3]) {
    for (int i = 0; i < 3; ++i) out[i] = a[i];
}
inline void ToFloat3(float out[3], const double a[3]) {
    for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(a[i]);
}
inline float Length3(const float a[3]) {
    return std::sqrt(Dot3(a, a));
}
inline double Length3(const double a[3]) {
    return std::sqrt(Dot3(a, a));
}

template <typename T>
inline void Identity(T out[16]) {
    for (int i = 0; i < 16; ++i) out[i] = (i % 5 == 0) ? T(1) : T(0);
}
inline void Copy16(float out[16], const float a[16]) {
    for (int i = 0; i < 16; ++i) out[i] = a[i];
}

// Right-handed rotations about x, y and z, angle in radians.
inline void RotationX(double out[16], double a) {
    Identity(out);
    out[5] = std::cos(a), out[6] = std::sin(a), out[9] = -std::sin(a), out[10] = std::cos(a);
}
inline void RotationY(double out[16], double a) {
    Identity(out);
    out[0] = std::cos(a), out[2] = -std::sin(a), out[8] = std::sin(a), out[10] = std::cos(a);
}
inline void RotationZ(double out[16], double a) {
    Identity(out);
    out[0] = std::cos(a), out[1] = std::sin(a), out[4] = -std::sin(a), out[5] = std::cos(a);
}

inline void TranslationMatrix(float out[16], float x, float y, float z) {
    Identity(out);
    out[12] = x, out[13] = y, out[14] = z;
}
inline void ScaleMatrix(float out[16], float x, float y, float z) {
    Identity(out);
    out[0] = x, out[5] = y, out[10] = z;
}

// Rotation about an arbitrary axis through the unit quaternion of axis and
// angle (degrees). A zero axis gives the identity.
void AxisAngleMatrix(float out[16], float axisX, float axisY, float axisZ, float angleDeg);

// out := a x b (out may alias a or b).
void Multiply(float out[16], const float a[16], const float b[16]);
void Multiply(double out[16], const double a[16], const double b[16]);
// out := a x b with b in double, rounded to float (a step turn: R x view).
void Multiply(float out[16], const double a[16], const float b[16]);

// out := m x p for a homogeneous point (out may alias p).
void TransformPoint(float out[4], const float m[16], const float p[4]);
void TransformPoint(double out[4], const double m[16], const double p[4]);

void Transpose(float out[16], const float m[16]);

}  // namespace vantor::vmath
