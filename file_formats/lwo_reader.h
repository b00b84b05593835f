// Reads the subset of LWO2 object files that the stand-in host takes as
// meshes: layers (LAYR), their points (PNTS), face and patch polygons (POLS
// of type FACE or PTCH), and surface names (TAGS with PTAG of type SURF).
// Polygons of other types are counted and skipped; other chunks are skipped.
#pragma once

#include <string>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// The layers of an LWO2 file's bytes, one object each, in file order. A
// file of one layer gives one object named `stem`; with several layers each
// is `stem:NAME`, or `stem:Layer N` for a layer without a name (N counted
// from 1, as the modeller shows layers: the LAYR number plus one). A polygon
// with no SURF tag gets no surface. Throws MeshFileError naming `fileName`
// and the byte offset of the chunk at fault; never reads outside `bytes`.
std::vector<MeshObject> ReadLwo(const std::string &bytes, const std::string &fileName, const std::string &stem);

}  // namespace vexil_host
