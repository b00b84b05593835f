#include "file_formats/weight_maps_file.h"

#include <limits>
#include <set>
#include <stdexcept>

#include "file_formats/lwo_writer.h"

namespace vexil_host {

namespace {

uint32_t ReadU4(const std::string &bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

std::string MapChunk(const WeightMap &map, size_t firstPoint, size_t pointCount) {
    std::string entries = "WGHT" + U2(1) + S0(map.name);
    for (size_t i = 0; i < map.points.size(); ++i)
        if (map.points[i] >= firstPoint && map.points[i] < firstPoint + pointCount)
            entries += VX(static_cast<uint32_t>(map.points[i] - firstPoint)) + F4(map.weights[i]);
    return Chunk("VMAP", entries);
}

std::set<std::string> BoneMapNames(const WeightMapsLayer &layer) {
    std::set<std::string> names;
    for (const WeightMap &map : layer.boneMaps) names.insert(map.name);
    return names;
}

}  // namespace

bool IsLwo2(const std::string &bytes) { return bytes.size() >= 12 && bytes.compare(0, 4, "FORM") == 0 && bytes.compare(8, 4, "LWO2") == 0; }

std::string WriteWeightMapsLwo(const std::vector<WeightMapsLayer> &layers) {
    std::vector<std::vector<WeightMap>> maps(layers.size());
    std::vector<LwoLayer> written;
    for (size_t i = 0; i < layers.size(); ++i) {
        std::set<std::string> replaced = BoneMapNames(layers[i]);
        if (layers[i].painted != nullptr)
            for (const WeightMap &map : *layers[i].painted)
                if (replaced.count(map.name) == 0) maps[i].push_back(map);
        maps[i].insert(maps[i].end(), layers[i].boneMaps.begin(), layers[i].boneMaps.end());
        written.push_back({layers[i].name, layers[i].mesh, &maps[i]});
    }
    return WriteLwoLayers(written, LwoForm::Lwo2);
}

std::string RewriteLwo2WeightMaps(const std::string &bytes, const std::string &fileName,
                                  const std::vector<WeightMapsLayer> &layers) {
    auto fail = [&](size_t at, const std::string &what) {
        throw MeshFileError(fileName + ": byte " + std::to_string(at) + ": " + what);
    };
    if (!IsLwo2(bytes)) fail(0, "not an LWO2 file");
    size_t end = 8 + static_cast<size_t>(ReadU4(bytes, 4));
    if (end > bytes.size()) fail(0, "the FORM runs past the end of the file");
    std::vector<std::set<std::string>> replaced;
    for (const WeightMapsLayer &layer : layers) replaced.push_back(BoneMapNames(layer));
    // The layer the chunks belong to, numbered as the reader numbers them:
    // geometry before any LAYR makes a layer of its own.
    int layerCount = 0, layer = -1;
    size_t pointsInLayer = 0;
    auto current = [&]() {
        if (layer < 0) layer = layerCount++;
    };
    std::string chunks;
    for (size_t at = 12; at < end;) {
        if (end - at < 8) fail(at, "truncated chunk header");
        std::string tag = bytes.substr(at, 4);
        size_t size = ReadU4(bytes, at + 4);
        if (size > end - at - 8) fail(at, "the chunk runs past the end of the FORM");
        size_t next = std::min(end, at + 8 + size + size % 2);
        const size_t data = at + 8;  // the chunk's first data byte
        std::string chunk = bytes.substr(at, next - at);
        // A missing last pad byte, which the reader forgives, is put back.
        if (chunk.size() % 2 != 0) chunk += '\0';
        at = next;
        if (tag == "LAYR") {
            layer = layerCount++;
            pointsInLayer = 0;
        } else if (tag == "POLS" || tag == "PTAG") {
            current();
        } else if (tag == "VMAP" && size >= 7) {
            bool weights = bytes.compare(data, 4, "WGHT") == 0 &&
                           (static_cast<unsigned char>(bytes[data + 4]) << 8 | static_cast<unsigned char>(bytes[data + 5])) == 1;
            size_t zero = bytes.find('\0', data + 6);
            if (weights && zero < data + size) {
                current();
                std::string name = bytes.substr(data + 6, zero - (data + 6));
                if (static_cast<size_t>(layer) < replaced.size() && replaced[static_cast<size_t>(layer)].count(name) != 0)
                    continue;
            }
        }
        chunks += chunk;
        if (tag != "PNTS") continue;
        current();
        size_t count = size / 12;
        if (static_cast<size_t>(layer) < layers.size())
            for (const WeightMap &map : layers[static_cast<size_t>(layer)].boneMaps)
                chunks += MapChunk(map, pointsInLayer, count);
        pointsInLayer += count;
    }
    if (chunks.size() + 4 > std::numeric_limits<uint32_t>::max())
        throw std::length_error(fileName + ": the weight maps would pass the 4 GiB an LWO2 file can hold");
    return Form(chunks, "LWO2");
}

}  // namespace vexil_host
