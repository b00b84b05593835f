#include "file_formats/lwo_writer.h"

#include <algorithm>
#include <array>
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

std::string Form(const std::string &chunks, const char *type) {
    return "FORM" + U4(static_cast<uint32_t>(chunks.size() + 4)) + std::string(type, 4) + chunks;
}

namespace {

// The oldest form: one object, its surfaces named in SRFS and numbered from
// 1 in each POLS entry, 16-bit point indices.
std::string WriteLwob(const std::vector<MeshObject> &objects) {
    if (objects.size() != 1) throw std::invalid_argument("an LWOB file holds one object, not " + std::to_string(objects.size()));
    const MeshObject &object = objects[0];
    const Mesh &mesh = *object.mesh;
    if (!object.weightMaps.empty()) throw std::invalid_argument("an LWOB file holds no weight maps");
    if (mesh.points.size() > 0x10000) throw std::invalid_argument("an LWOB file holds at most 65536 points");
    std::vector<std::string> names;
    std::unordered_map<std::string, uint32_t> numberOf;
    std::string points, polygons;
    for (const auto &point : mesh.points) points += F4(point[0]) + F4(point[1]) + F4(point[2]);
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        size_t size = mesh.PolygonSize(polygon);
        const std::string *surface = mesh.SurfaceOf(polygon);
        if (size == 0 || size > 0xFFFF) throw std::invalid_argument("a polygon of " + std::to_string(size) + " vertices");
        if (surface == nullptr) throw std::invalid_argument("an LWOB file gives every polygon a surface");
        auto found = numberOf.emplace(*surface, static_cast<uint32_t>(names.size() + 1));
        if (found.second) names.push_back(*surface);
        if (found.first->second > 0x7FFF) throw std::invalid_argument("an LWOB file holds at most 32767 surfaces");
        polygons += U2(static_cast<uint32_t>(size));
        for (size_t v = 0; v < size; ++v) polygons += U2(mesh.PolygonVertices(polygon)[v]);
        polygons += U2(found.first->second);
    }
    std::string surfaces;
    for (const std::string &name : names) surfaces += S0(name);
    return Form(Chunk("SRFS", surfaces) + Chunk("PNTS", points) + Chunk("POLS", polygons), "LWOB");
}

}  // namespace

std::string WriteLwo(const std::vector<MeshObject> &objects, LwoForm form) {
    if (form == LwoForm::Lwob) return WriteLwob(objects);
    std::vector<LwoLayer> layers;
    for (const MeshObject &object : objects) layers.push_back({object.name, object.mesh.get(), &object.weightMaps});
    return WriteLwoLayers(layers, form);
}

std::string WriteLwoLayers(const std::vector<LwoLayer> &objects, LwoForm form) {
    if (form == LwoForm::Lwob) throw std::invalid_argument("an LWOB file holds no layers");
    const bool lwo3 = form == LwoForm::Lwo3;
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
        if (lwo3) {
            // As the modeller writes it: the layer's bounding box.
            std::array<float, 3> low = {0, 0, 0}, high = {0, 0, 0};
            for (size_t i = 0; i < mesh.points.size(); ++i)
                for (int k = 0; k < 3; ++k) {
                    low[k] = i == 0 ? mesh.points[i][k] : std::min(low[k], mesh.points[i][k]);
                    high[k] = i == 0 ? mesh.points[i][k] : std::max(high[k], mesh.points[i][k]);
                }
            layers += Chunk("BBOX", F4(low[0]) + F4(low[1]) + F4(low[2]) + F4(high[0]) + F4(high[1]) + F4(high[2]));
        }
        for (const WeightMap &map : *objects[number].weightMaps) {
            std::string entries = "WGHT" + U2(1) + S0(map.name);
            for (size_t i = 0; i < map.points.size(); ++i) entries += VX(map.points[i]) + F4(map.weights[i]);
            layers += Chunk("VMAP", entries);
        }
        layers += Chunk("POLS", polygons) + Chunk("PTAG", surfaces);
    }
    std::string tagText;
    for (const std::string &tag : tags) tagText += S0(tag);
    if (!lwo3) return Form(Chunk("TAGS", tagText) + layers, "LWO2");
    // LWO3 describes each surface in a FORM of its own.
    std::string surfaces;
    for (const std::string &tag : tags) surfaces += Chunk("FORM", "SURF" + S0(tag) + S0(""));
    return Form(Chunk("TAGS", tagText) + layers + surfaces, "LWO3");
}

}  // namespace vexil_host
