#include "skeleton/vec_math.h"

#include <cmath>

#include "skeleton/trig.h"

void Vec3Subtract(Vec3 &a, const Vec3 &b) {
    a.x = a.x - b.x;
    a.y = a.y - b.y;
    a.z = a.z - b.z;
}

float Vec3Distance(const Vec3 &a, const Vec3 &b) {
    float dx = a.x - b.x;
    float dy = a.y - b.y;
    float dz = a.z - b.z;
    float sum = dx * dx + dy * dy;
    sum = sum + dz * dz;
    return std::sqrt(sum);
}

int Vec3Normalize(Vec3 &v) {
    float sum = v.x * v.x + v.y * v.y;
    sum = sum + v.z * v.z;
    float length = std::sqrt(sum);
    if (length < kMinLength) return 0;
    float inverse = 1.0f / length;
    v.x = v.x * inverse;
    v.y = v.y * inverse;
    v.z = v.z * inverse;
    return 1;
}

void Vec3Cross(const Vec3 &a, const Vec3 &b, Vec3 &out) {
    out.x = a.y * b.z - a.z * b.y;
    out.y = a.z * b.x - a.x * b.z;
    out.z = a.x * b.y - a.y * b.x;
}

void Vec3RotateX(Vec3 &v, float angle) {
    float c = CosF(angle);
    float s = SinF(angle);
    float y = v.y * c - v.z * s;
    float z = v.y * s + v.z * c;
    v.y = y;
    v.z = z;
}

void Vec3RotateY(Vec3 &v, float angle) {
    float c = CosF(angle);
    float s = SinF(angle);
    float x = v.x * c + v.z * s;
    float z = v.z * c - v.x * s;
    v.x = x;
    v.z = z;
}

void Mat3Transpose(const Mat3 &m, Mat3 &out) {
    Mat3 t;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) t.m[r][c] = m.m[c][r];
    out = t;
}

void Mat3Transform(const Mat3 &m, const Vec3 &v, Vec3 &out) {
    Vec3 in = v;
    Vec3 result;
    float *component[3] = {&result.x, &result.y, &result.z};
    for (int j = 0; j < 3; ++j) {
        float sum = in.x * m.m[0][j] + in.y * m.m[1][j];
        *component[j] = sum + in.z * m.m[2][j];
    }
    out = result;
}

void Mat3Multiply(const Mat3 &m, const Mat3 &a, Mat3 &out) {
    Mat3 t;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            float sum = a.m[i][0] * m.m[0][j] + a.m[i][1] * m.m[1][j];
            t.m[i][j] = sum + a.m[i][2] * m.m[2][j];
        }
    }
    out = t;
}

void MatrixToHPB(const Mat3 &m, Vec3 &out) {
    // Heading turns the Z axis into the Y-Z plane; pitch then lies there.
    Vec3 v = {m.m[2][0], m.m[2][1], m.m[2][2]};
    float heading = Atan2F(m.m[2][0], m.m[2][2]);
    Vec3RotateY(v, -heading);
    float pitch = -Atan2F(v.y, v.z);
    // Undo heading and pitch on the Y axis; what is left is bank about Z.
    Vec3 w = {m.m[1][0], m.m[1][1], m.m[1][2]};
    Vec3RotateY(w, -heading);
    Vec3RotateX(w, -pitch);
    out.y = heading * kDegreesPerRadian;
    out.x = pitch * kDegreesPerRadian;
    out.z = Atan2F(w.x, w.y) * -kDegreesPerRadian;
}
