#include "host/scene.h"

#include <charconv>
#include <stdexcept>

namespace vexil_host {

std::string IdText(const void *id) {
    char text[24];
    auto result = std::to_chars(text, text + sizeof text,
                                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(id)), 16);
    return std::string(text, result.ptr);
}

uint32_t Mesh::AddPoint(float x, float y, float z) {
    points.push_back({x, y, z});
    return static_cast<uint32_t>(points.size() - 1);
}

void Mesh::AddPolygon(const std::vector<uint32_t> &pointIndices, const std::string &surface) {
    auto found = surfaceIndex_.find(surface);
    uint32_t surfaceNumber;
    if (found != surfaceIndex_.end()) {
        surfaceNumber = found->second;
    } else {
        surfaceNumber = static_cast<uint32_t>(surfaces.size());
        surfaces.push_back(surface);
        surfaceIndex_.emplace(surface, surfaceNumber);
    }
    polygonFirstVertex.push_back(static_cast<uint32_t>(vertices.size()));
    vertices.insert(vertices.end(), pointIndices.begin(), pointIndices.end());
    polygonSurface.push_back(surfaceNumber);
}

size_t Mesh::PolygonSize(size_t polygon) const {
    size_t end = polygon + 1 < polygonFirstVertex.size() ? polygonFirstVertex[polygon + 1] : vertices.size();
    return end - polygonFirstVertex[polygon];
}

const uint32_t *Mesh::PolygonVertices(size_t polygon) const {
    return vertices.data() + polygonFirstVertex[polygon];
}

LWItemID Scene::AddItem(ItemType type, const std::string &name) {
    // The type in the top nibble of the low 32 bits, as a host would number them.
    int typeNumber = static_cast<int>(type);
    uint32_t low = (static_cast<uint32_t>(typeNumber + 1) << 28) | ++counters_[typeNumber];
    if (counters_[typeNumber] >= (1u << 28)) throw std::length_error("too many items of one type");
    auto item = std::make_unique<Item>();
    item->id = reinterpret_cast<LWItemID>(static_cast<uintptr_t>(highBits | low));
    item->type = type;
    item->name = name;
    Item *raw = item.get();
    items_.push_back(std::move(item));
    byId_[reinterpret_cast<uintptr_t>(raw->id)] = raw;
    byLow32_[low] = raw;
    return raw->id;
}

LWItemID Scene::AddObject(const std::string &name, std::unique_ptr<Mesh> mesh) {
    LWItemID id = AddItem(ItemType::Object, name);
    Find(id)->mesh = std::move(mesh);
    return id;
}

LWItemID Scene::AddLight(const std::string &name) { return AddItem(ItemType::Light, name); }

LWItemID Scene::AddCamera(const std::string &name) { return AddItem(ItemType::Camera, name); }

LWItemID Scene::AddBone(LWItemID object, LWItemID parent, const std::string &name) {
    Item *owner = Find(object);
    if (owner == nullptr || owner->type != ItemType::Object) throw std::invalid_argument("a bone needs an object");
    LWItemID id = AddItem(ItemType::Bone, name);
    Item *bone = Find(id);
    owner = Find(object);
    bone->bone.object = object;
    bone->bone.parent = parent;
    bone->indexInObject = owner->bones.size();
    owner->bones.push_back(id);
    return id;
}

Item *Scene::Find(LWItemID id) {
    auto found = byId_.find(reinterpret_cast<uintptr_t>(id));
    return found == byId_.end() ? nullptr : found->second;
}

const Item *Scene::Find(LWItemID id) const {
    auto found = byId_.find(reinterpret_cast<uintptr_t>(id));
    return found == byId_.end() ? nullptr : found->second;
}

Item *Scene::FindByLow32(uint32_t low) {
    auto found = byLow32_.find(low);
    return found == byLow32_.end() ? nullptr : found->second;
}

}  // namespace vexil_host
