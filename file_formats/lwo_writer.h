// Writes the modeller's object files: the bundled examples' .lwo twins, and
// test input.
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

// A whole file: FORM, its size, its type, then the given chunks.
std::string Form(const std::string &chunks, const char *type = "LWO2");

// The forms of the modeller's object file: LWO2; LWO3, which recent
// versions write; LWOB, the oldest.
enum class LwoForm { Lwo2, Lwo3, Lwob };

// An object file of the objects. LWO2 and LWO3: one layer per object
// (numbered from 0 and named after it), its points in order, its weight
// maps, its polygons as FACE polygons, and each polygon's surface as a SURF
// tag; LWO3 adds each layer's bounding box and a FORM per surface. LWOB: one
// object, whose every polygon has a surface, and no weight maps. Throws
// std::invalid_argument for what the form cannot hold.
std::string WriteLwo(const std::vector<MeshObject> &objects, LwoForm form = LwoForm::Lwo2);

// A layer of an LWO2 or LWO3 file, borrowing its mesh and weight maps.
struct LwoLayer {
    std::string name;
    const Mesh *mesh;
    const std::vector<WeightMap> *weightMaps;
};

// WriteLwo for layers whose meshes live elsewhere; LWO2 or LWO3 only.
std::string WriteLwoLayers(const std::vector<LwoLayer> &layers, LwoForm form);

}  // namespace vexil_host
