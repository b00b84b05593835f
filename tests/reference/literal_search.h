// The joint search and the name checks done literally, as the rules read:
// a private copy of the list per search, restarts from the front, nested
// searches for connectors, and every name compared with every other. Slow
// (quadratic and worse) and kept only as the reference the module's own
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
