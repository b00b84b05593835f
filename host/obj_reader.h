// Reads the Wavefront OBJ subset the stand-in host takes as meshes:
// v, f, l, p, usemtl, o; comments and vt, vn, g, s, mtllib are ignored.
#pragma once

#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/scene.h"

namespace vexil_host {

// A file that cannot be used as a mesh; the message names the file and line.
class MeshFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct MeshObject {
    std::string name;
    std::unique_ptr<Mesh> mesh;
};

// The objects of an OBJ text in file order. `fileName` names the file in
// errors; `defaultName` names the object of polygons before any `o` line.
std::vector<MeshObject> ReadObj(std::istream &text, const std::string &fileName, const std::string &defaultName);

// Reads the file at `path`; its stem names the object before any `o` line.
std::vector<MeshObject> ReadObjFile(const std::string &path);

// Parses a coordinate as float32, correctly rounded straight from the text,
// whatever the locale. Returns false for anything but a finite decimal number.
bool ParseCoordinate(const std::string &word, float &value);

}  // namespace vexil_host
