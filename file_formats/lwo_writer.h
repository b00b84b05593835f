// Writes LWO2 object files: the bundled examples' .lwo twins, and test input.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_formats/mesh_file.h"

namespace vexil_host {

// Big-endian values and a zero-terminated string padded to an even length.
std::string U2(uint32_t value);
std::string U4(uint32_t value);
std::string F4(float value);
std::string VX(uint32_t index);
std::string S0(const std::string &text);

// A chunk: its four-letter ID, its size, its data and a pad byte when odd.
std::string Chunk(const char *id, const std::string &data);

// A whole file: FORM, its size, LWO2, then the given chunks.
std::string Form(const std::string &chunks);

// An LWO2 file of the objects: one layer per object (numbered from 0 and
// named after it), its points in order, its weight maps, its polygons as
// FACE polygons, and each polygon's surface as a SURF tag.
std::string WriteLwo(const std::vector<MeshObject> &objects);

}  // namespace vexil_host
