// Feeds arbitrary bytes to the OBJ reader: a bad file may only ever end in a
// MeshFileError naming the file and line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "host/obj_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char *>(data), size));
    try {
        for (const vexil_host::MeshObject &object : vexil_host::ReadObj(text, "fuzz.obj", "fuzz")) {
            const vexil_host::Mesh &mesh = *object.mesh;
            for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
                const uint32_t *vertices = mesh.PolygonVertices(polygon);
                for (size_t v = 0; v < mesh.PolygonSize(polygon); ++v)
                    if (vertices[v] >= mesh.points.size()) std::abort();
            }
        }
    } catch (const vexil_host::MeshFileError &error) {
        if (std::string(error.what()).rfind("fuzz.obj:", 0) != 0) std::abort();
    }
    return 0;
}
