#include "file_formats/obj_writer.h"

#include <charconv>

namespace vexil_host {

std::string WriteObj(const std::vector<MeshObject> &objects, const std::string &heading) {
    std::string text = heading;
    size_t base = 0;
    char number[32];
    auto append = [&](auto value) {
        text.append(number, std::to_chars(number, number + sizeof number, value).ptr);
    };
    for (const MeshObject &object : objects) {
        const Mesh &mesh = *object.mesh;
        text += "o " + object.name + "\n";
        for (const auto &point : mesh.points) {
            text += "v";
            for (float coordinate : point) {
                text += ' ';
                append(coordinate);
            }
            text += '\n';
        }
        const std::string defaultSurface = "Default";
        const std::string *surface = nullptr;
        for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
            const std::string *own = mesh.SurfaceOf(polygon);
            if (own == nullptr) own = &defaultSurface;
            if (surface == nullptr || *own != *surface) text += "usemtl " + *own + "\n";
            surface = own;
            size_t size = mesh.PolygonSize(polygon);
            text += size >= 3 ? 'f' : size == 2 ? 'l' : 'p';
            for (size_t v = 0; v < size; ++v) {
                text += ' ';
                append(base + mesh.PolygonVertices(polygon)[v] + 1);
            }
            text += '\n';
        }
        base += mesh.points.size();
    }
    return text;
}

}  // namespace vexil_host
