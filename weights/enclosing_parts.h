// Which parts of a skin enclose a point: the inside of a closed piece, told
// by the parity of the rays that leave it.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/skin_places.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

class EnclosingParts {
  public:
    // `partOf` gives each place's part (numbered below `parts`) and `tree`
    // holds the places' triangles; all three are borrowed and must outlive
    // this. `span` is the diagonal of the box around the places and the
    // bones, which the rays cross.
    EnclosingParts(const Places &places, const std::vector<uint32_t> &partOf, uint32_t parts, const TriangleTree &tree,
                   double span);

    // The parts `p` lies inside, into `inside` (cleared first): those that
    // at least two of three rays from it, in fixed directions far from the
    // axes, cross an odd number of times. A part of a few triangles
    // encloses nothing; nor does any part when `span` is no length.
    void Around(const Point3 &p, std::vector<uint32_t> &inside) const;

  private:
    const Places &places_;
    const std::vector<uint32_t> &partOf_;
    const TriangleTree &tree_;
    double span_;
    std::vector<uint32_t> triangleCount_;  // per part
};

}  // namespace vexil_host
