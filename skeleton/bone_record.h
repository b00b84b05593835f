// The two records that carry a run's state: one BoneRecord per two- or
// three-vertex polygon of the object being processed, and the SkeletonBuilder
// that owns them for one activation.
#pragma once

#include <stdint.h>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "shell/host_api.h"
#include "skeleton/vec_math.h"

// One polygon of the mesh: a bone candidate (triangle) or a connector (two
// points). A record is one heap block: the fixed fields, then the name and
// its terminating zero, so one release frees it.
struct BoneRecord {
    LWItemID bone;        // scene bone this record drives; set only by emission
    LWPntID startPoint;   // joint with the parent
    LWPntID endPoint;     // joint the children start from
    const char *name;     // surface name, held at the end of this block
    BoneRecord *parent;
    BoneRecord *firstChild;
    BoneRecord *prevSibling;  // in the parent's chain, or the roots'
    BoneRecord *nextSibling;
    Mat3 frame;           // axes in object space, one per row (triangles)
    Vec3 start;           // object-space position of startPoint (triangles)
    Vec3 restPosition;    // relative to the parent
    Vec3 restRotation;    // degrees: x pitch, y heading, z bank
    float length;
    uint8_t passThrough;  // never a bone: connectors and shared names
    uint8_t vertexCount;  // 2 connector, 3 triangle
};

// The context of one activation. Owns every record in `records`.
struct SkeletonBuilder {
    LWLayoutGeneric *generic;  // borrowed from the host for the activation
    LWItemID object;
    LWMeshInfo *mesh;          // the object being scanned; handed back when it is done
    BoneRecord *roots;         // first root; roots chain through nextSibling
    std::vector<BoneRecord *> records;
    size_t cursor;             // write slot while the hierarchy is flattened
    int pivotMode;
    // Each name in `records` to the first record that has it.
    std::unordered_map<std::string_view, BoneRecord *> nameIndex;
    // Set when the heap refused memory during this activation; the run then
    // sends no more bone commands and reports AFUNC_BADAPP.
    bool outOfMemory;
};

// Returns a new record holding a copy of `name` (any length, no zero byte
// inside), every link and `bone` cleared, `passThrough` clear, `vertexCount`
// set; other fields zeroed. Returns null when the heap cannot supply the block.
BoneRecord *CreateBoneRecord(std::string_view name, uint8_t vertexCount);

// Releases one record block.
void ReleaseBoneRecord(BoneRecord *record);

// Releases every record, empties `records` (keeping its storage) and its
// name index, and sets `roots` to none.
void ClearBuilder(SkeletonBuilder &builder);

// Takes every record with `passThrough` set out of `records`, keeping the
// others' order, and releases it. One pass over the list.
void RemovePassThroughRecords(SkeletonBuilder &builder);
