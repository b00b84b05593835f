#include "skeleton/hierarchy.h"

#include <unordered_map>
#include <vector>

#include "skeleton/bone_record.h"
#include "skeleton/joint_search.h"
#include "skeleton/rest_transforms.h"

namespace {

// The last member of each chain, so that appending does not walk the chain.
struct ChainTails {
    BoneRecord *roots = nullptr;
    std::unordered_map<BoneRecord *, BoneRecord *> children;
};

void AppendToChain(SkeletonBuilder &builder, ChainTails &tails, BoneRecord *parent, BoneRecord *record) {
    BoneRecord *&head = parent != nullptr ? parent->firstChild : builder.roots;
    BoneRecord *&tail = parent != nullptr ? tails.children[parent] : tails.roots;
    record->parent = parent;
    record->prevSibling = tail;
    if (tail == nullptr)
        head = record;
    else
        tail->nextSibling = record;
    tail = record;
}

void Unlink(SkeletonBuilder &builder, BoneRecord *record) {
    BoneRecord *&head = record->parent != nullptr ? record->parent->firstChild : builder.roots;
    if (record->prevSibling != nullptr)
        record->prevSibling->nextSibling = record->nextSibling;
    else
        head = record->nextSibling;
    if (record->nextSibling != nullptr) record->nextSibling->prevSibling = record->prevSibling;
    record->parent = record->prevSibling = record->nextSibling = nullptr;
}

// A closed ring of bones, each leading to the one before, has no root to
// hang from. Make the ring member that came first in the scan a root (after
// the other roots), so that every bone is reached from the roots exactly once.
// `records` holds only bones, in scan order.
void BreakParentCycles(SkeletonBuilder &builder, ChainTails &tails, std::vector<std::vector<BoneRecord *>> *rings) {
    const std::vector<BoneRecord *> &records = builder.records;
    std::unordered_map<const BoneRecord *, size_t> position;
    position.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) position[records[i]] = i;

    std::vector<size_t> walkOf(records.size(), 0);  // 0: not yet walked
    for (size_t i = 0; i < records.size(); ++i) {
        if (walkOf[i] != 0) continue;
        size_t walk = i + 1;
        BoneRecord *record = records[i];
        while (record != nullptr && walkOf[position[record]] == 0) {
            walkOf[position[record]] = walk;
            record = record->parent;
        }
        if (record == nullptr || walkOf[position[record]] != walk) continue;
        // `record` lies on a ring met by this walk: find its earliest member.
        BoneRecord *earliest = record;
        for (BoneRecord *member = record->parent; member != record; member = member->parent)
            if (position[member] < position[earliest]) earliest = member;
        if (rings != nullptr) {
            rings->emplace_back(1, earliest);
            for (BoneRecord *member = earliest->parent; member != earliest; member = member->parent)
                rings->back().push_back(member);
        }
        Unlink(builder, earliest);
        AppendToChain(builder, tails, nullptr, earliest);
    }
}

}  // namespace

void FlattenSubtree(SkeletonBuilder &builder, BoneRecord *first) {
    if (first == nullptr) return;
    BoneRecord *stop = first->parent;
    BoneRecord *node = first;
    // Pre-order over the sibling links: down to the first child, else on to
    // the next sibling of the nearest ancestor that has one.
    while (node != nullptr) {
        builder.records[builder.cursor++] = node;
        if (node->firstChild != nullptr) {
            node = node->firstChild;
            continue;
        }
        while (node != nullptr && node->nextSibling == nullptr) {
            node = node->parent;
            if (node == stop) node = nullptr;
        }
        if (node != nullptr) node = node->nextSibling;
    }
}

std::vector<BoneRecord *> FindParents(const SkeletonBuilder &builder) {
    // Every search sees the whole unpruned list.
    JointIndex index = BuildJointIndex(builder.records);
    std::vector<BoneRecord *> parents(builder.records.size(), nullptr);
    for (size_t i = 0; i < builder.records.size(); ++i) {
        const BoneRecord *record = builder.records[i];
        if (!record->passThrough) parents[i] = FindJointParent(index, i, record->startPoint);
    }
    return parents;
}

void BuildHierarchy(SkeletonBuilder &builder) { AssembleHierarchy(builder, FindParents(builder)); }

void AssembleHierarchy(SkeletonBuilder &builder, const std::vector<BoneRecord *> &parents,
                       std::vector<std::vector<BoneRecord *>> *rings) {
    // Link, in scan order.
    ChainTails tails;
    for (size_t i = 0; i < builder.records.size(); ++i) {
        BoneRecord *record = builder.records[i];
        if (record->passThrough) continue;
        // A bone whose own end leads back to its start is not its own parent.
        BoneRecord *parent = parents[i] == record ? nullptr : parents[i];
        if (parents[i] == record && rings != nullptr) rings->emplace_back(1, record);
        AppendToChain(builder, tails, parent, record);
    }
    // Prune what never becomes a bone; nothing links to it.
    RemovePassThroughRecords(builder);
    BreakParentCycles(builder, tails, rings);

    // Order: parents before children, every chain in link order.
    builder.cursor = 0;
    FlattenSubtree(builder, builder.roots);

    ComputeRestTransforms(builder);
}
