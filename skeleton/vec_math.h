// Three-component vectors and 3x3 matrices in 32-bit floats. Every product,
// sum and difference is rounded to float in the order written, with no fused
// multiply-add (the build passes -ffp-contract=off), so results are the same
// bits on every platform.
#pragma once

struct Vec3 {
    float x, y, z;
};

// Row-major: m[r][c]. Row 0 is the X axis, row 1 Y, row 2 Z.
struct Mat3 {
    float m[3][3];
};

// The length below which an edge or a vector counts as none (bits 0x3727C5AC).
constexpr float kMinLength = 1e-5f;

// Degrees per radian as the command texts use it: 0x42652EE0, one unit in the
// last place below the float nearest to 180/pi, so that 30 degrees round-trip
// to exactly 30.
constexpr float kDegreesPerRadian = 57.2957763671875f;

// a becomes a - b.
void Vec3Subtract(Vec3 &a, const Vec3 &b);

// sqrt(((a.x-b.x)^2 + (a.y-b.y)^2) + (a.z-b.z)^2).
float Vec3Distance(const Vec3 &a, const Vec3 &b);

// Scales v to unit length and returns 1; returns 0 and leaves v alone when
// its length is below kMinLength.
int Vec3Normalize(Vec3 &v);

// out = a x b; out must be neither a nor b.
void Vec3Cross(const Vec3 &a, const Vec3 &b, Vec3 &out);

// Rotations about the X and Y axes, angle in radians.
void Vec3RotateX(Vec3 &v, float angle);
void Vec3RotateY(Vec3 &v, float angle);

// out = transpose of m; out may be m.
void Mat3Transpose(const Mat3 &m, Mat3 &out);

// out = v (as a row vector) times m; out may be v.
void Mat3Transform(const Mat3 &m, const Vec3 &v, Vec3 &out);

// out = a times m: each row of a transformed by m; out may be a or m.
void Mat3Multiply(const Mat3 &m, const Mat3 &a, Mat3 &out);

// Heading, pitch and bank of m's axes in degrees: out.x pitch, out.y heading,
// out.z bank. m is only read; out may not alias it.
void MatrixToHPB(const Mat3 &m, Vec3 &out);
