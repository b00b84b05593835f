// Places grouped by equal keys, or by the cubes of a grid grown until few
// enough groups remain: how a skin too large to solve or to show is made
// smaller.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "weights/triangle_tree.h"

namespace vexil_host {

using GroupKey = std::array<uint32_t, 4>;

// The group of each key, equal keys together, numbered in order of first
// appearance; `groups` gets their count.
std::vector<uint32_t> GroupKeys(const std::vector<GroupKey> &keys, uint32_t &groups);

// The group of each place, places within one cube of a grid together,
// numbered in order of first appearance. The cube's side starts where a
// surface would leave `goal` groups and grows until no more than `goal`
// remain. Places of different `apart` values (one per place, or none) are
// never grouped; since they may keep the count up, the growing then stops
// once it no longer cuts the count by a twentieth.
std::vector<uint32_t> GridGroups(const std::vector<Point3> &places, const std::vector<uint32_t> &apart, size_t goal,
                                 uint32_t &groups);

}  // namespace vexil_host
