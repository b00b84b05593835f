// Feeds arbitrary bytes to the LWO2 reader: a bad file may only ever end in
// a MeshFileError naming the file and a byte offset, and every polygon read
// must refer to points of its own layer. What it reads is run through the
// module and written as glTF.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "export_checks.h"
#include "file_formats/lwo_reader.h"
#include "mesh_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string bytes(reinterpret_cast<const char *>(data), size);
    try {
        std::vector<vexil_host::MeshObject> objects = vexil_host::ReadLwo(bytes, "fuzz.lwo", "fuzz");
        for (const vexil_host::MeshObject &object : objects) {
            const vexil_host::Mesh &mesh = *object.mesh;
            if (object.polygonSource.size() != mesh.PolygonCount()) std::abort();
            for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon)
                if (mesh.PolygonSize(polygon) == 0) std::abort();
            CheckPolygonsReferToTheirPoints(mesh);
            for (const vexil_host::WeightMap &map : object.weightMaps)
                for (uint32_t point : map.points)
                    if (point >= mesh.points.size()) std::abort();
        }
        CheckExport(objects);
    } catch (const vexil_host::MeshFileError &error) {
        if (std::string(error.what()).rfind("fuzz.lwo: byte ", 0) != 0) std::abort();
    }
    return 0;
}
