// Feeds arbitrary bytes to the OBJ reader: a bad file may only ever end in a
// MeshFileError naming the file and line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "file_formats/obj_reader.h"
#include "mesh_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char *>(data), size));
    try {
        for (const vexil_host::MeshObject &object : vexil_host::ReadObj(text, "fuzz.obj", "fuzz"))
            CheckPolygonsReferToTheirPoints(*object.mesh);
    } catch (const vexil_host::MeshFileError &error) {
        if (std::string(error.what()).rfind("fuzz.obj:", 0) != 0) std::abort();
    }
    return 0;
}
