// Feeds arbitrary bytes to the OBJ reader: a bad file may only ever end in a
// MeshFileError naming the file and line. What it reads is run through the
// module and written as glTF.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export_checks.h"
#include "file_formats/obj_reader.h"
#include "mesh_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text = vexil_host::ObjText(std::string(reinterpret_cast<const char *>(data), size));
    try {
        std::vector<vexil_host::MeshObject> objects = vexil_host::ReadObj(text, "fuzz.obj", "fuzz");
        for (const vexil_host::MeshObject &object : objects) CheckPolygonsReferToTheirPoints(*object.mesh);
        CheckExport(objects);
    } catch (const vexil_host::MeshFileError &error) {
        if (std::string(error.what()).rfind("fuzz.obj:", 0) != 0) std::abort();
    }
    return 0;
}
