// Points of a skin split along a seam, joined again: formats that keep one
// point per texture corner cut the surface wherever its UVs jump.
#pragma once

#include <array>
#include <cstdint>
#include <vector>


namespace vexil_host {

// The group of each point, numbered in order of first appearance, `groups`
// their count. Two points at one place join only where that mends a seam:
// where two edges of the open border (each used by one triangle) lie at
// the same two places, and no other edge does, their ends join, making one
// edge of two triangles. Points of parts that merely touch, and loose
// points, stay apart.
std::vector<uint32_t> WeldSeams(const std::vector<std::array<float, 3>> &points,
                                const std::vector<uint32_t> &triangles, uint32_t &groups);

}  // namespace vexil_host
