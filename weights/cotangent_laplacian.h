// The cotangent Laplacian of a triangle surface (Pinkall and Polthier,
// "Computing discrete minimal surfaces and their conjugates", 1993): how
// strongly heat passes along each edge, and each place's share of area.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/skin_places.h"

namespace vexil_host {

struct Laplacian {
    struct Edge {
        uint32_t a, b;  // a < b
        double weight;
    };
    std::vector<Edge> edges;  // ascending by (a, b)
    std::vector<double> area;  // per place
};

// Built on the skin's intrinsic Delaunay triangles (IntrinsicDelaunay), on
// which no edge two triangles share has a negative weight. Each edge's
// weight is (cot α + cot β) / 2 of the angles facing it, kept within
// [1e-3, 1e3]: above 0, so that a part's places stay joined (an open
// border's edge faces one angle, which may be obtuse) and the weights
// within 0 and 1; bounded, so that thin triangles do not swamp the rest. A
// place's area is a third of its triangles', and at least a millionth of
// the mean triangle's, so that every place holds some heat.
Laplacian Cotangents(const Places &places);

}  // namespace vexil_host
