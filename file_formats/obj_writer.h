// Writes meshes as Wavefront OBJ text, as the OBJ reader reads it back.
#pragma once

#include <string>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// OBJ text of the objects: `heading` (comment lines, each ending in a line
// break), then per object its `o` line, every point as a `v` line (the
// shortest decimals that read back as the same float, whatever the
// locale), and its polygons in order: `f` for three or more corners, `l`
// for two, `p` for one, each after the `usemtl` of its surface. A polygon
// without a surface is written under `Default`, which OBJ cannot tell apart.
std::string WriteObj(const std::vector<MeshObject> &objects, const std::string &heading = "");

}  // namespace vexil_host
