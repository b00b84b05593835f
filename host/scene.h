// The stand-in host's scene: objects with meshes, lights, cameras and bones,
// the selection, the current time and frame. What the module's commands
// change and what the host's services read.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/host_api.h"

namespace vexil_host {

// Polygons and points of one object, in flat arrays so that a mesh of
// millions of polygons stays compact. Points are addressed by index here;
// the module sees them only through opaque IDs.
struct Mesh {
    std::vector<std::array<float, 3>> points;
    std::vector<uint32_t> polygonFirstVertex;  // one per polygon, into vertices
    std::vector<uint32_t> vertices;            // point indices
    std::vector<uint32_t> polygonSurface;      // index into surfaces, or kNoSurface
    std::vector<std::string> surfaces;

    static constexpr uint32_t kNoSurface = UINT32_MAX;

    uint32_t AddPoint(float x, float y, float z);
    // Adds a polygon through the given points with the named surface.
    void AddPolygon(const std::vector<uint32_t> &pointIndices, const std::string &surface);
    // Adds a polygon through `count` points without a surface.
    void AddPolygon(const uint32_t *pointIndices, size_t count);
    void SetSurface(size_t polygon, const std::string &surface);
    // The polygon's surface name, or null for a polygon without one.
    const std::string *SurfaceOf(size_t polygon) const;
    size_t PolygonCount() const { return polygonFirstVertex.size(); }
    size_t PolygonSize(size_t polygon) const;
    const uint32_t *PolygonVertices(size_t polygon) const;
    // The number of a surface name in `surfaces`, added when new.
    uint32_t SurfaceNumber(const std::string &surface);

  private:
    std::unordered_map<std::string, uint32_t> surfaceIndex_;
};

// A bone's values as the commands set them. Numbers are kept as parsed.
struct BoneState {
    LWItemID object = nullptr;  // owning object
    LWItemID parent = nullptr;  // parent bone, or none for a root
    int active = 0;
    std::array<double, 3> restPosition{};
    std::array<double, 3> restRotation{};  // heading, pitch, bank
    double restLength = 0;
    double iconScale = 1;
    std::array<double, 3> position{};
    std::array<double, 3> rotation{};
    std::array<double, 3> pivotRotation{};
    bool pivotRecorded = false;
    std::string weightMap;
};

// Where a new bone goes among its object's bones, in the order the item
// service enumerates them. Hosts differ; the module must find its new bones
// whatever the order.
enum class BonePlacement { Append, Front, AfterParent };

enum class ItemType { Object = LWI_OBJECT, Light = LWI_LIGHT, Camera = LWI_CAMERA, Bone = LWI_BONE };

struct Item {
    LWItemID id = nullptr;
    ItemType type = ItemType::Object;
    std::string name;
    std::unique_ptr<Mesh> mesh;       // objects: none when the host has no mesh to give
    std::vector<LWItemID> bones;      // objects: their bones in enumeration order
    size_t indexInObject = 0;         // bones: place in the object's `bones`
    BoneState bone;                   // bones
};

// An item ID, all its bits, in lowercase hexadecimal: how the host's own
// reports and logs name items.
std::string IdText(const void *id);

class Scene {
  public:
    // Adds an item and returns its ID. IDs are distinct in their low 32 bits
    // (commands address items by those); `highBits` is added above them, so
    // that tests can hand the module IDs that need more than 32 bits.
    LWItemID AddObject(const std::string &name, std::unique_ptr<Mesh> mesh);
    LWItemID AddLight(const std::string &name);
    LWItemID AddCamera(const std::string &name);
    LWItemID AddBone(LWItemID object, LWItemID parent, const std::string &name);

    Item *Find(LWItemID id);
    const Item *Find(LWItemID id) const;
    Item *FindByLow32(uint32_t low);
    const std::vector<std::unique_ptr<Item>> &Items() const { return items_; }

    std::vector<LWItemID> selection;
    double time = 0;
    double framesPerSecond = 30;
    int frame = 0;
    uint64_t highBits = 0;
    BonePlacement bonePlacement = BonePlacement::Append;

  private:
    LWItemID AddItem(ItemType type, const std::string &name);

    std::vector<std::unique_ptr<Item>> items_;
    std::unordered_map<uintptr_t, Item *> byId_;
    std::unordered_map<uint32_t, Item *> byLow32_;
    uint32_t counters_[4] = {0, 0, 0, 0};
};

}  // namespace vexil_host
