// Reads the Wavefront OBJ subset the stand-in host takes as meshes:
// v, f, l, p, usemtl, o; comments and vt, vn, g, s, mtllib are ignored.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// The objects of an OBJ text (UTF-8) in file order. `fileName` names the
// file in errors; `defaultName` names the object of polygons before any `o`
// line.
std::vector<MeshObject> ReadObj(std::string_view text, const std::string &fileName, const std::string &defaultName);

// The same for an OBJ file (UTF-8) whose first bytes, `first`, have been read
// from `file` already: the rest is read and parsed a block at a time.
std::vector<MeshObject> ReadObj(std::istream &file, std::string first, const std::string &fileName,
                                const std::string &defaultName);

// Parses a coordinate as float32, correctly rounded straight from the text,
// whatever the locale. Returns false for anything but a finite decimal number.
bool ParseCoordinate(std::string_view word, float &value);

}  // namespace vexil_host
