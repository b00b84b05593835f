// The objects written again with a weight map per bone, as one LWO2 file
// the modeller opens and the host loads, so that the bones bend the skin as
// soon as the module has run.
#pragma once

#include <string>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// An object to write: its mesh, the maps its file held, and the maps that
// replace those of the same names.
struct WeightMapsLayer {
    std::string name;
    const Mesh *mesh;
    const std::vector<WeightMap> *painted;  // as read; none for OBJ
    std::vector<WeightMap> boneMaps;
};

// One layer per object, numbered from 0: its points, polygons and
// surfaces, the painted maps that name no bone, then the bone maps.
std::string WriteWeightMapsLwo(const std::vector<WeightMapsLayer> &layers);

// The LWO2 file `bytes` again, every chunk in its order and unchanged, but
// that each layer's weight maps named as one of its bone maps are left
// out, and its bone maps follow each of its PNTS chunks, holding that
// chunk's points. `layers` are the file's layers in order, as the reader
// numbers them. Throws MeshFileError naming `fileName` for bytes that are
// not such a file, std::length_error past what a FORM can hold.
std::string RewriteLwo2WeightMaps(const std::string &bytes, const std::string &fileName,
                                  const std::vector<WeightMapsLayer> &layers);

// Whether `bytes` begin as an LWO2 file.
bool IsLwo2(const std::string &bytes);

}  // namespace vexil_host
