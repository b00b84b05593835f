// Which way is out of the skin at each place, whichever way round a format
// turns its front faces: the faces are first made to agree across every
// edge two of them share, then each piece is turned to face out.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/skin_places.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

// Which way is out of the skin: per place, its unit normal pointing out,
// the unit normals of its triangles added up, each triangle turned to agree
// with its neighbours; per triangle, which way round its corners turn seen
// from outside. A closed piece faces out when it encloses a positive
// volume; an open one (a cape, a shoe open at the top) when most rays
// leaving its faces along their normals cross it an even number of times,
// as rays out of a closed surface do. An open piece of fewer than fifteen
// triangles, or whose rays are evenly split, cannot tell: its triangles
// get 0, and a place of no triangle with area facing a way gets (0, 0, 0),
// so that no bone counts as behind it.
struct Outside {
    std::vector<Point3> normal;  // per place
    // Per triangle: +1 where (b - a) × (c - a), its corners in order,
    // points out of the skin, -1 where it points in, 0 where its piece
    // cannot tell.
    std::vector<int8_t> facing;
};

// `tree` holds the places' triangles.
Outside OutsideOf(const Places &places, const TriangleTree &tree);

}  // namespace vexil_host
