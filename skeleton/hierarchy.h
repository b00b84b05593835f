// Linking the scanned records into a skeleton.
#pragma once

#include <vector>

struct BoneRecord;
struct SkeletonBuilder;

// Every record's parent by the joint search, one entry per record of
// `records` (none for pass-through records and for bones that lead nowhere).
// Throws std::bad_alloc when memory runs out.
std::vector<BoneRecord *> FindParents(const SkeletonBuilder &builder);

// Links each bone of `records` to `parents` (one entry per record; a bone
// named as its own parent becomes a root), breaks parent rings, drops
// connectors and pass-through records, writes `records` back parents first,
// and fills the rest transforms. Expects `roots` none and no record linked.
// With `rings`, each ring that was broken is added to it, the member made a
// root first (a bone that was its own parent is a ring of one).
// Throws std::bad_alloc when memory runs out; `records` then still holds
// every record.
void AssembleHierarchy(SkeletonBuilder &builder, const std::vector<BoneRecord *> &parents,
                       std::vector<std::vector<BoneRecord *>> *rings = nullptr);

// FindParents, then AssembleHierarchy.
void BuildHierarchy(SkeletonBuilder &builder);

// Writes the chain starting at `first`, each member followed by its subtree,
// into `records` at `cursor`, advancing `cursor` one slot per record.
// `records` must have room for every record written. Uses no recursion.
void FlattenSubtree(SkeletonBuilder &builder, BoneRecord *first);
