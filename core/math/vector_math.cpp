#include "math/vector_math.h"

namespace vantor::vmath {

namespace {
template <typename A, typename B>
void MultiplyInDouble(double out[16], const A a[16], const B b[16]) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += double(a[k * 4 + r]) * double(b[c * 4 + k]);
            out[c * 4 + r] = sum;
        }
}
}  // namespace

void AxisAngleMatrix(float out[16], float axisX, float axisY, float axisZ, float angleDeg) {
    Identity(out);
    const double len =
        std::sqrt(double(axisX) * axisX + double(axisY) * axisY + double(axisZ) * axisZ);
    if (len == 0) return;
    const double half = angleDeg * kDegToRad / 2;
    const double s = std::sin(half) / len;
    const double w = std::cos(half), x = axisX * s, y = axisY * s, z = axisZ * s;
    out[0] = float(1 - 2 * (y * y + z * z));
    out[1] = float(2 * (x * y + w * z));
    out[2] = float(2 * (x * z - w * y));
    out[4] = float(2 * (x * y - w * z));
    out[5] = float(1 - 2 * (x * x + z * z));
    out[6] = float(2 * (y * z + w * x));
    out[8] = float(2 * (x * z + w * y));
    out[9] = float(2 * (y * z - w * x));
    out[10] = float(1 - 2 * (x * x + y * y));
}

void Multiply(float out[16], const float a[16], const float b[16]) {
    double r[16];
    MultiplyInDouble(r, a, b);
    for (int i = 0; i < 16; ++i) out[i] = float(r[i]);
}

void Multiply(double out[16], const double a[16], const double b[16]) {
    double r[16];
    MultiplyInDouble(r, a, b);
    for (int i = 0; i < 16; ++i) out[i] = r[i];
}

void Multiply(float out[16], const double a[16], const float b[16]) {
    double r[16];
    MultiplyInDouble(r, a, b);
    for (int i = 0; i < 16; ++i) out[i] = float(r[i]);
}

void TransformPoint(float out[4], const float m[16], const float p[4]) {
    double r[4];
    for (int row = 0; row < 4; ++row)
        r[row] = double(m[row]) * p[0] + double(m[4 + row]) * p[1] + double(m[8 + row]) * p[2] +
                 double(m[12 + row]) * p[3];
    for (int i = 0; i < 4; ++i) out[i] = float(r[i]);
}

void TransformPoint(double out[4], const double m[16], const double p[4]) {
    double r[4];
    for (int row = 0; row < 4; ++row)
        r[row] = m[row] * p[0] + m[4 + row] * p[1] + m[8 + row] * p[2] + m[12 + row] * p[3];
    for (int i = 0; i < 4; ++i) out[i] = r[i];
}

void Transpose(float out[16], const float m[16]) {
    float t[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) t[r * 4 + c] = m[c * 4 + r];
    Copy16(out, t);
}

}  // namespace vantor::vmath
