#include "weights/polygon_triangles.h"

#include <cmath>
#include <vector>

namespace vexil_host {

namespace {

using Point = std::array<float, 3>;

// Newell's normal: its direction is the side the polygon turns about, also
// for a concave or slightly bent polygon.
std::array<double, 3> NewellNormal(const Point *corners, size_t count) {
    std::array<double, 3> normal = {0, 0, 0};
    for (size_t i = 0; i < count; ++i) {
        const Point &a = corners[i], &b = corners[(i + 1) % count];
        normal[0] += (static_cast<double>(a[1]) - b[1]) * (static_cast<double>(a[2]) + b[2]);
        normal[1] += (static_cast<double>(a[2]) - b[2]) * (static_cast<double>(a[0]) + b[0]);
        normal[2] += (static_cast<double>(a[0]) - b[0]) * (static_cast<double>(a[1]) + b[1]);
    }
    return normal;
}

// Positive when the triangle turns the way `normal` says.
double Turn(const Point &a, const Point &b, const Point &c, const std::array<double, 3> &normal) {
    double u[3], v[3];
    for (int k = 0; k < 3; ++k) u[k] = static_cast<double>(b[k]) - a[k], v[k] = static_cast<double>(c[k]) - a[k];
    return (u[1] * v[2] - u[2] * v[1]) * normal[0] + (u[2] * v[0] - u[0] * v[2]) * normal[1] +
           (u[0] * v[1] - u[1] * v[0]) * normal[2];
}

void Fan(size_t count, uint32_t *triangles) {
    for (size_t i = 1; i + 1 < count; ++i) {
        *triangles++ = 0;
        *triangles++ = static_cast<uint32_t>(i);
        *triangles++ = static_cast<uint32_t>(i + 1);
    }
}

// Ear clipping in the plane the polygon faces most: a corner whose
// triangle with its neighbours turns with the polygon and holds no other
// corner is cut off, until three are left.
void CutEars(const Point *corners, size_t count, const std::array<double, 3> &normal, uint32_t *triangles) {
    // Drop the axis the normal leans on most; the other two, in cyclic
    // order, turn the polygon the way the normal's component says.
    int axis = 0;
    for (int k = 1; k < 3; ++k)
        if (std::fabs(normal[k]) > std::fabs(normal[axis])) axis = k;
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    const double turn = normal[axis] > 0 ? 1.0 : -1.0;
    std::vector<double> x(count), y(count);
    for (size_t i = 0; i < count; ++i) x[i] = corners[i][u], y[i] = corners[i][v];
    auto cross = [&](size_t a, size_t b, size_t c) {
        return turn * ((x[b] - x[a]) * (y[c] - y[a]) - (y[b] - y[a]) * (x[c] - x[a]));
    };
    std::vector<uint32_t> next(count), previous(count);
    for (size_t i = 0; i < count; ++i) {
        next[i] = static_cast<uint32_t>((i + 1) % count);
        previous[i] = static_cast<uint32_t>((i + count - 1) % count);
    }
    auto samePlace = [&](size_t a, size_t b) { return x[a] == x[b] && y[a] == y[b]; };
    // The corners looked at for ears, bounded so that no polygon costs more
    // than a multiple of the square of its corner count.
    size_t looked = 0;
    const size_t mostLooked = 16 * count * count;
    auto isEar = [&](size_t a, size_t b, size_t c) {
        if (cross(a, b, c) <= 0) return false;
        for (size_t p = next[c]; p != a; p = next[p]) {
            ++looked;
            if (samePlace(p, a) || samePlace(p, b) || samePlace(p, c)) continue;
            if (cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0) return false;
        }
        return true;
    };
    // A polygon that is not simple may have no ear left, and a contrived one
    // may take too long to find them: then the corner at hand is cut all the
    // same, so that every corner is used once.
    size_t left = count, at = 0, tried = 0;
    auto cut = [&](size_t b) {
        size_t a = previous[b], c = next[b];
        *triangles++ = static_cast<uint32_t>(a);
        *triangles++ = static_cast<uint32_t>(b);
        *triangles++ = static_cast<uint32_t>(c);
        next[a] = static_cast<uint32_t>(c);
        previous[c] = static_cast<uint32_t>(a);
        --left;
    };
    while (left > 3) {
        if (tried >= left || looked > mostLooked || isEar(previous[at], at, next[at])) {
            size_t before = previous[at];
            cut(at);
            at = before;
            tried = 0;
        } else {
            at = next[at];
            ++tried;
        }
    }
    cut(at);
}

}  // namespace

void TriangulatePolygon(const Point *corners, size_t count, uint32_t *triangles) {
    if (count == 3) return Fan(count, triangles);
    std::array<double, 3> normal = NewellNormal(corners, count);
    if (count == 4) {
        // Of the two diagonals, 0-2 lies inside unless a triangle on it turns
        // against the polygon; then 1-3 does.
        if (Turn(corners[0], corners[1], corners[2], normal) > 0 && Turn(corners[0], corners[2], corners[3], normal) > 0)
            return Fan(count, triangles);
        const uint32_t split[6] = {1, 2, 3, 1, 3, 0};
        for (uint32_t corner : split) *triangles++ = corner;
        return;
    }
    bool flat = normal[0] == 0 && normal[1] == 0 && normal[2] == 0;
    if (flat || count > kMostCornersCutByEars) return Fan(count, triangles);
    CutEars(corners, count, normal, triangles);
}

}  // namespace vexil_host
