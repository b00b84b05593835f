// Linking the scanned records into a skeleton.
#pragma once

#include <vector>

#include "shell/host_api.h"

struct BoneRecord;
struct SkeletonBuilder;

// The bone triangle that `point` leads to through shared points, connectors
// (crossed either way) and pass-through triangles (crossed from end to
// start), searching `list` in its order and skipping `searcher`; none when
// there is none. A point of none leads nowhere. A chain of pass-through
// triangles that comes back to a point already passed ends the search with
// none. Reads the records only.
BoneRecord *FindJointParent(const BoneRecord *searcher, LWPntID point,
                            const std::vector<BoneRecord *> &list);

// Links every bone to its parent, drops connectors and pass-through records,
// writes `records` back parents first, and fills the rest transforms.
// Expects `roots` none and no record linked. Throws std::bad_alloc when
// memory runs out; `records` then still holds every record.
void BuildHierarchy(SkeletonBuilder &builder);

// Writes the chain starting at `first`, each member followed by its subtree,
// into `records` at `cursor`, advancing `cursor` one slot per record.
// `records` must have room for every record written. Uses no recursion.
void FlattenSubtree(SkeletonBuilder &builder, BoneRecord *first);
