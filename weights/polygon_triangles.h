// Polygons of any corner count as triangles, for formats that hold nothing
// else.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vexil_host {

// Polygons of more corners than this are cut as a fan from their first
// corner: cutting ears costs the square of the corner count.
constexpr size_t kMostCornersCutByEars = 1024;

// Writes the count - 2 triangles that cover the polygon through `corners`
// (count >= 3) into `triangles`, three corner numbers each, each turning the
// same way as the polygon. A concave polygon is cut along diagonals inside
// it; one that is not simple, or lies in a line, still gives count - 2
// triangles.
void TriangulatePolygon(const std::array<float, 3> *corners, size_t count, uint32_t *triangles);

}  // namespace vexil_host
