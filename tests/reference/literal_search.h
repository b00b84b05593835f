// The joint search, the name checks and the lookup of created bones done
// literally, as the rules read: a private copy of the list per search,
// restarts from the front, nested searches for connectors, every name
// compared with every other, and a walk over all bones for each created one.
// Slow (quadratic and worse) and kept only as the reference the module's own
// versions must agree with.
#pragma once

#include <vector>

#include "shell/host_api.h"

struct BoneRecord;
struct SkeletonBuilder;

BoneRecord *LiteralFindJointParent(const BoneRecord *searcher, LWPntID point, const std::vector<BoneRecord *> &list);

// One parent per record, by the literal search.
std::vector<BoneRecord *> LiteralFindParents(const SkeletonBuilder &builder);

// Whether each record's name is shared with an earlier or later record, by
// comparing each with every one before it.
std::vector<bool> LiteralSharedNames(const std::vector<BoneRecord *> &records);

// Pairs the object's bones with records by walking the records for each bone.
void LiteralPairExistingBones(SkeletonBuilder &builder);

// Creates and poses the bones as EmitPairedBones does, but finds each created
// bone by a walk over all of the object's bones from the first.
void LiteralEmitPairedBones(SkeletonBuilder &builder);
