// Which way is out of the skin at each place, whichever way round a format
// turns its front faces: the faces are first made to agree across every
// edge two of them share, then each piece is turned to face out.
#pragma once

#include <vector>

#include "weights/skin_places.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

// Each place's unit normal pointing out of the skin: the unit normals of
// its triangles added up, each triangle turned to agree with its
// neighbours. A closed piece faces out when it encloses a positive volume;
// an open one (a cape, a shoe open at the top) when most rays leaving its
// faces along their normals cross it an even number of times, as rays out
// of a closed surface do. An open piece of fewer than fifteen triangles, or
// whose rays are evenly split, cannot tell, and a place of no triangle with
// area facing a way gets (0, 0, 0): then no bone counts as behind it.
// `tree` holds the places' triangles.
std::vector<Point3> OutwardNormals(const Places &places, const TriangleTree &tree);

}  // namespace vexil_host
