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
