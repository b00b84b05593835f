// What every mesh a reader hands over must hold, whatever bytes it was given.
#pragma once

#include <cstdlib>

#include "host/scene.h"

// Stops the fuzzer when a polygon names a point the mesh does not have.
inline void CheckPolygonsReferToTheirPoints(const vexil_host::Mesh &mesh) {
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        const uint32_t *vertices = mesh.PolygonVertices(polygon);
        for (size_t v = 0; v < mesh.PolygonSize(polygon); ++v)
            if (vertices[v] >= mesh.points.size()) std::abort();
    }
}
