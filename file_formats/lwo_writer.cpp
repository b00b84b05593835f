#include "file_formats/lwo_writer.h"

#include <cstring>
#include <stdexcept>
#include <unordered_map>

namespace vexil_host {

std::string U2(uint32_t value) {
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string U4(uint32_t value) { return U2(value >> 16) + U2(value & 0xFFFF); }

std::string F4(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return U4(bits);
}

std::string VX(uint32_t index) {
    // Two bytes below 0xFF00; above, four with 0xFF in front.
    return index < 0xFF00 ? U2(index) : U4(0xFF000000u | index);
}

std::string S0(const std::string &text) {
    std::string bytes = text + '\0';
    if (bytes.size() % 2 != 0) bytes += '\0';
    return bytes;
}

std::string Chunk(const char *id, const std::string &data) {
    std::string bytes = std::string(id, 4) + U4(static_cast<uint32_t>(data.size())) + data;
    if (data.size() % 2 != 0) bytes += '\0';
    return bytes;
}

std::string Form(const std::string &chunks) {
    return "FORM" + U4(static_cast<uint32_t>(chunks.size() + 4)) + "LWO2" + chunks;
}

std::string WriteLwo(const std::vector<MeshObject> &objects) {
    // One TAGS chunk holds every surface name of every layer.
    std::vector<std::string> tags;
    std::unordered_map<std::string, uint32_t> tagNumber;
    auto tagOf = [&](const std::string &surface) {
        auto found = tagNumber.emplace(surface, static_cast<uint32_t>(tags.size()));
        if (found.second) tags.push_back(surface);
        return found.first->second;
    };
    std::string layers;
    for (size_t number = 0; number < objects.size(); ++number) {
        const Mesh &mesh = *objects[number].mesh;
        std::string points, polygons = "FACE", surfaces = "SURF";
        for (const auto &point : mesh.points) points += F4(point[0]) + F4(point[1]) + F4(point[2]);
        for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
            size_t size = mesh.PolygonSize(polygon);
            if (size == 0 || size > 0x3FF) throw std::invalid_argument("a polygon of " + std::to_string(size) + " vertices");
            polygons += U2(static_cast<uint32_t>(size));
            for (size_t v = 0; v < size; ++v) polygons += VX(mesh.PolygonVertices(polygon)[v]);
            if (const std::string *surface = mesh.SurfaceOf(polygon))
                surfaces += VX(static_cast<uint32_t>(polygon)) + U2(tagOf(*surface));
        }
        layers += Chunk("LAYR", U2(static_cast<uint32_t>(number)) + U2(0) + F4(0) + F4(0) + F4(0) +
                                    S0(objects[number].name));
        layers += Chunk("PNTS", points);
        for (const WeightMap &map : objects[number].weightMaps) {
            std::string entries = "WGHT" + U2(1) + S0(map.name);
            for (size_t i = 0; i < map.points.size(); ++i) entries += VX(map.points[i]) + F4(map.weights[i]);
            layers += Chunk("VMAP", entries);
        }
        layers += Chunk("POLS", polygons) + Chunk("PTAG", surfaces);
    }
    std::string tagText;
    for (const std::string &tag : tags) tagText += S0(tag);
    return Form(Chunk("TAGS", tagText) + layers);
}

}  // namespace vexil_host
