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

uint32_t Mesh::SurfaceNumber(const std::string &surface) {
    auto found = surfaceIndex_.find(surface);
    if (found != surfaceIndex_.end()) return found->second;
    uint32_t number = static_cast<uint32_t>(surfaces.size());
    surfaces.push_back(surface);
    surfaceIndex_.emplace(surface, number);
    return number;
}

void Mesh::AddPolygon(const std::vector<uint32_t> &pointIndices, const std::string &surface) {
    AddPolygon(pointIndices.data(), pointIndices.size());
    polygonSurface.back() = SurfaceNumber(surface);
}

void Mesh::AddPolygon(const uint32_t *pointIndices, size_t count) {
    polygonFirstVertex.push_back(static_cast<uint32_t>(vertices.size()));
    vertices.insert(vertices.end(), pointIndices, pointIndices + count);
    polygonSurface.push_back(kNoSurface);
}

void Mesh::SetSurface(size_t polygon, const std::string &surface) { polygonSurface[polygon] = SurfaceNumber(surface); }

const std::string *Mesh::SurfaceOf(size_t polygon) const {
    uint32_t number = polygonSurface[polygon];
    return number == kNoSurface ? nullptr : &surfaces[number];
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
    size_t place = owner->bones.size();
    if (bonePlacement == BonePlacement::Front) {
        place = 0;
    } else if (bonePlacement == BonePlacement::AfterParent && parent != nullptr) {
        const Item *parentBone = Find(parent);
        if (parentBone != nullptr && parentBone->bone.object == object) place = parentBone->indexInObject + 1;
    }
    owner->bones.insert(owner->bones.begin() + static_cast<ptrdiff_t>(place), id);
    for (size_t i = place; i < owner->bones.size(); ++i) Find(owner->bones[i])->indexInObject = i;
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
