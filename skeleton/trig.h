// Single-precision sine, cosine and arc tangent with the same bits on every
// platform the module ships for.
//
// Platform float libraries disagree in the last bit (glibc's sinf, cosf and
// atan2f are not correctly rounded; mingw-w64's sinf rounds an x87 sin), and a
// last bit can show in the sixth decimal of a command. Each function here
// evaluates in double through the C library, whose double results are far
// more accurate than a float needs, and rounds once to float: correctly
// rounded but for vanishingly rare inputs. The module only ever passes angles
// within +-pi that atan2 produced, where every library's double sin and cos
// are accurate.
#pragma once

#include <cmath>

inline float SinF(float angle) { return static_cast<float>(std::sin(static_cast<double>(angle))); }
inline float CosF(float angle) { return static_cast<float>(std::cos(static_cast<double>(angle))); }
inline float Atan2F(float y, float x) {
    return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
}
