#include "skeleton/polygon_scan.h"

#include <new>
#include <string_view>
#include <utility>

#include "skeleton/bone_record.h"
#include "skeleton/vec_math.h"

namespace {

struct Edge {
    int from, to;  // corner numbers, 0 to 2
    float length;
};

// Marks the new record and the first earlier one of the same name, then
// appends the record. The index holds the first record of each name, so this
// is the same as comparing with every earlier record in turn.
void AppendCheckingName(SkeletonBuilder &builder, BoneRecord *record, std::string_view name) {
    auto first = builder.nameIndex.find(name);
    if (first != builder.nameIndex.end()) {
        first->second->passThrough = 1;
        record->passThrough = 1;
    }
    builder.records.push_back(record);
    if (first == builder.nameIndex.end()) builder.nameIndex.emplace(std::string_view(record->name, name.size()), record);
}

// The corner two different edges share.
int SharedCorner(const Edge &a, const Edge &b) {
    return (a.from == b.from || a.from == b.to) ? a.from : a.to;
}

void MeasureTriangle(LWMeshInfo *mesh, BoneRecord *record, const LWPntID points[3]) {
    Vec3 corner[3];
    for (int i = 0; i < 3; ++i) {
        float position[3] = {0.0f, 0.0f, 0.0f};
        mesh->pntBasePos(mesh, points[i], position);
        corner[i] = {position[0], position[1], position[2]};
    }

    float length[3];
    if (MeasureEdges(corner, length) >= 0) {
        // A degenerate triangle: keep its name in the list but let it never
        // be a bone nor touch a joint, so no later step reads a field the
        // scan did not write.
        record->passThrough = 1;
        return;
    }
    Edge edges[3] = {{0, 1, length[0]}, {1, 2, length[1]}, {2, 0, length[2]}};

    // Descending by length, strict comparisons, these three steps exactly.
    if (edges[1].length > edges[0].length) std::swap(edges[0], edges[1]);
    if (edges[2].length > edges[0].length) std::swap(edges[0], edges[2]);
    if (edges[2].length > edges[1].length) std::swap(edges[1], edges[2]);

    // Corners by the edges that meet there, never by position.
    int joint = SharedCorner(edges[1], edges[2]);
    int tip = SharedCorner(edges[0], edges[1]);
    int roll = SharedCorner(edges[0], edges[2]);

    Vec3 z = corner[tip];
    Vec3Subtract(z, corner[joint]);
    Vec3Normalize(z);
    Vec3 towardRoll = corner[roll];
    Vec3Subtract(towardRoll, corner[joint]);
    Vec3 x;
    Vec3Cross(towardRoll, z, x);
    Vec3Normalize(x);  // corners in a line leave the raw cross product
    Vec3 y;
    Vec3Cross(z, x, y);

    record->frame = {{{x.x, x.y, x.z}, {y.x, y.y, y.z}, {z.x, z.y, z.z}}};
    record->start = corner[joint];
    record->length = edges[1].length;
    record->startPoint = points[joint];
    record->endPoint = points[tip];
}

}  // namespace

int MeasureEdges(const Vec3 corner[3], float length[3]) {
    for (int edge = 0; edge < 3; ++edge) {
        length[edge] = Vec3Distance(corner[edge], corner[(edge + 1) % 3]);
        if (length[edge] < kMinLength) return edge;
    }
    return -1;
}

extern "C" size_t ScanPolygon(void *userData, LWPolID polygon) {
    SkeletonBuilder &builder = *static_cast<SkeletonBuilder *>(userData);
    if (builder.outOfMemory) return 0;
    LWMeshInfo *mesh = builder.mesh;

    int count = mesh->polSize(mesh, polygon);
    if (count < 2 || count > 3) return 0;
    LWPntID points[3] = {nullptr, nullptr, nullptr};
    for (int i = 0; i < count; ++i) points[i] = mesh->polVertex(mesh, polygon, i);
    const char *tag = mesh->polTag(mesh, polygon, LWID_SURF);
    // A polygon without a surface is named by the empty name, so that an
    // unnamed connector still links.
    std::string_view name = tag != nullptr ? std::string_view(tag) : std::string_view();

    BoneRecord *record = CreateBoneRecord(name, static_cast<uint8_t>(count));
    if (record == nullptr) {
        builder.outOfMemory = true;
        return 0;
    }
    try {
        AppendCheckingName(builder, record, name);
    } catch (const std::bad_alloc &) {
        // Release it unless the list already owns it.
        if (builder.records.empty() || builder.records.back() != record) ReleaseBoneRecord(record);
        builder.outOfMemory = true;
        return 0;
    }

    if (count == 2) {
        record->passThrough = 1;
        record->startPoint = points[0];
        record->endPoint = points[1];
        return 0;
    }
    MeasureTriangle(mesh, record, points);
    return 0;
}
