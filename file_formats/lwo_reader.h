// Reads the subset of the modeller's object files that the stand-in host
// takes as meshes. LWO2 and LWO3: layers (LAYR), their points (PNTS), face
// and patch polygons (POLS of type FACE or PTCH), surface names (TAGS with
// PTAG of type SURF) and weight maps (VMAP of type WGHT); polygons of other
// types are counted and skipped. LWOB, the oldest form: points (PNTS),
// surface names (SRFS) and polygons (POLS) with their surface numbers.
// Other chunks are passed over by their size.
#pragma once

#include <string>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// The layers of an object file's bytes, one object each, in file order. A
// file of one layer (an LWOB file has no more) gives one object named
// `stem`; with several layers each is `stem:NAME`, or `stem:Layer N` for a
// layer without a name (N counted from 1, as the modeller shows layers: the
// LAYR number plus one). A polygon with no SURF tag gets no surface. Throws
// MeshFileError naming `fileName` and the byte offset of the chunk at fault,
// also for a FORM of another type; never reads outside `bytes`.
std::vector<MeshObject> ReadLwo(const std::string &bytes, const std::string &fileName, const std::string &stem);

}  // namespace vexil_host
