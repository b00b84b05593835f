// Mesh files the stand-in host loads into its scene: Wavefront OBJ and the
// modeller's own object files (LWO2, LWO3 and the older LWOB), told apart
// by their content.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/scene.h"
#include "weights/weight_map.h"

namespace vexil_host {

// A file that cannot be used as a mesh; the message names the file and the
// place in it (an OBJ line, an object file's byte offset).
class MeshFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// OBJ text, or one of the modeller's object files (an IFF FORM).
enum class MeshFormat { Obj, Lightwave };

// One object of a mesh file, with where its polygons stand in the file.
struct MeshObject {
    std::string name;
    std::unique_ptr<Mesh> mesh;
    MeshFormat format = MeshFormat::Obj;
    // Per polygon of `mesh`: the line of an OBJ file, or the polygon's
    // number (from 0) among all polygons of its object file's layer.
    std::vector<uint32_t> polygonSource;
    int layer = -1;              // object files: the layer's number in its LAYR chunk (from 0)
    size_t skippedPolygons = 0;  // object files: polygons of types not read
    std::vector<WeightMap> weightMaps;  // object files: in file order, one per name
};

// The format of a file from its first bytes: an object file for anything
// that begins as an IFF FORM, whatever its type, OBJ otherwise.
MeshFormat FormatOf(const std::string &firstBytes);

// The text of an OBJ file's bytes: UTF-16 (after its byte-order mark, either
// way round) as UTF-8, a UTF-8 byte-order mark left out, anything else as
// it stands. Halves of characters that pair with nothing become U+FFFD.
std::string ObjText(const std::string &bytes);

// Reads the file at `path` with the reader its content calls for; its stem
// names the objects that the file does not name.
std::vector<MeshObject> ReadMeshFile(const std::string &path);

// The bytes of the file at `path`; throws MeshFileError when it cannot be read.
std::string ReadFileBytes(const std::string &path);

// The file name without directories and without its last extension.
std::string FileStem(const std::string &path);

}  // namespace vexil_host
