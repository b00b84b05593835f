// Mesh files the stand-in host loads into its scene: Wavefront OBJ and the
// modeller's own LWO2 object files, told apart by their content.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/scene.h"

namespace vexil_host {

// A file that cannot be used as a mesh; the message names the file and the
// place in it (an OBJ line, an LWO2 byte offset).
class MeshFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class MeshFormat { Obj, Lwo2 };

// A vertex map of weights (an LWO2 VMAP of type WGHT): a weight for some of
// the mesh's points. A point not listed has no weight in the map, which is
// not the same as a weight of 0; a point listed more than once has the
// weight of its last entry.
struct WeightMap {
    std::string name;
    std::vector<uint32_t> points;  // mesh point indices
    std::vector<float> weights;    // one per entry of `points`, finite
};

// One object of a mesh file, with where its polygons stand in the file.
struct MeshObject {
    std::string name;
    std::unique_ptr<Mesh> mesh;
    MeshFormat format = MeshFormat::Obj;
    // Per polygon of `mesh`: the line of an OBJ file, or the polygon's
    // number (from 0) among all polygons of its LWO2 layer.
    std::vector<uint32_t> polygonSource;
    int layer = -1;              // LWO2: the layer's number in its LAYR chunk (from 0)
    size_t skippedPolygons = 0;  // LWO2: polygons of types not read
    std::vector<WeightMap> weightMaps;  // LWO2: in file order, one per name
};

// The format of a file from its first bytes: LWO2 for an IFF FORM of type
// LWO2, OBJ otherwise.
MeshFormat FormatOf(const std::string &firstBytes);

// Reads the file at `path` with the reader its content calls for; its stem
// names the objects that the file does not name.
std::vector<MeshObject> ReadMeshFile(const std::string &path);

// The file name without directories and without its last extension.
std::string FileStem(const std::string &path);

}  // namespace vexil_host
