// The scene's skeletons and their skins as glTF 2.0, the interchange format
// of game engines, Blender, three.js and web viewers.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "file_formats/mesh_file.h"
#include "host/scene.h"
#include "weights/skin_weights.h"

namespace vexil_host {

// An object to write, with what its file says beyond what the scene holds.
struct GltfObject {
    LWItemID id = nullptr;
    // Its skin and the skin's weights; none for an object written without
    // a skin. Borrowed.
    const SkinWeights *weights = nullptr;
};

// Writes `objects` of `scene`, in the order given, to `out`: binary glTF
// (GLB) when `binary`, else glTF JSON with its buffer in a data URI. Each
// object becomes a node named after it, its bones a tree of joint nodes
// under it as the scene links them, and its skin a mesh skinned to those
// joints by the skin's weights. An
// object with neither bones nor such polygons is left out. Returns a
// warning for each bone left out because its values are not finite. Throws
// std::bad_alloc when memory runs out, and std::length_error when the data
// passes what one glTF buffer can hold (4 GiB).
std::vector<std::string> WriteGltf(const Scene &scene, const std::vector<GltfObject> &objects, bool binary,
                                   std::ostream &out);

// `text` with every byte that is not part of valid UTF-8 replaced by U+FFFD.
std::string ValidUtf8(const std::string &text);

}  // namespace vexil_host
