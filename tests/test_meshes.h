// Small meshes for tests, drawn point by point.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/scene.h"

namespace vexil_test {

// Builds a Mesh; points are returned by index so polygons can share them.
struct MeshDrawing {
    std::unique_ptr<vexil_host::Mesh> mesh = std::make_unique<vexil_host::Mesh>();

    uint32_t Point(float x, float y, float z) { return mesh->AddPoint(x, y, z); }
    void Polygon(const std::string &surface, std::vector<uint32_t> points) { mesh->AddPolygon(points, surface); }
    // A bone triangle from its joint to its tip, rolled toward +Y unless the
    // roll point is given.
    void Bone(const std::string &surface, uint32_t joint, uint32_t tip, uint32_t roll) {
        Polygon(surface, {joint, tip, roll});
    }
    void Connector(const std::string &surface, uint32_t from, uint32_t to) { Polygon(surface, {from, to}); }
};

}  // namespace vexil_test
