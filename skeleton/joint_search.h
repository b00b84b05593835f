// The joint search: which bone triangle a joint leads to.
#pragma once

#include <stdint.h>

#include <vector>

#include "shell/host_api.h"

struct BoneRecord;

// An index from each joint point to the records that touch it, in list
// order (triangles by their end point, connectors by both ends), with the
// working state of the searches over it. Built once per object.
struct JointIndex {
    const std::vector<BoneRecord *> *records;
    // Point to node number: open addressing, a power of two of slots kept
    // at most half full; a slot without a point is empty.
    struct Slot {
        LWPntID point;
        uint32_t node;
    };
    std::vector<Slot> slots;
    uint32_t nodeCount;
    std::vector<uint32_t> startNode, endNode;      // per record; UINT32_MAX for none
    // Per record, what the search needs of it without reading the record.
    enum Kind : uint8_t { kConnector, kBone, kPassThroughTriangle };
    std::vector<Kind> kind;
    std::vector<uint32_t> firstEntry;              // per node, into entries; one more at the end
    std::vector<uint32_t> entries;                 // record positions
    // A record is removed from the current search's working list when its
    // stamp equals the search's; a node is visited by the current question
    // or passed by the current search likewise. Stamps make resetting free.
    std::vector<uint32_t> removedIn;
    struct NodeStamps {
        uint32_t visitedIn;
        uint32_t passedIn;
        // Known, in this search, to reach no bone: the list only shrinks
        // during a search, so a node once dead stays dead.
        uint32_t deadIn;
    };
    std::vector<NodeStamps> stamps;
    std::vector<uint32_t> questionNodes;
    uint32_t search;
    uint32_t question;
    // The path a successful question found: steps (record positions) from
    // where it started, and how many of them have been taken.
    std::vector<uint32_t> witness;
    size_t witnessTaken;
    // The bone the last successful question reached, and whether the walk
    // from its start would take exactly the question's path to it.
    BoneRecord *reached;
    bool reachedDirectly;
    struct Visit {
        uint32_t node, next, via;
        // Every step from the question's start to here took the first
        // option there, and nothing at this node has been passed over yet.
        bool direct, passedOption;
    };
    std::vector<Visit> stack;
};

// What one search did, for telling a rigger why a bone hangs where it does.
// Filled only when a search is handed one; the module's own runs are not.
struct SearchTrace {
    // Record positions crossed on the way, in order: connectors and
    // pass-through triangles. For a search that found a bone, the path to it.
    std::vector<uint32_t> crossed;
    uint32_t connectorsTried;  // at the searched points, leading to no bone
    bool loop;                 // ended by pass-through triangles leading back
};

// Indexes `records`, which must outlive the index and not change meanwhile.
JointIndex BuildJointIndex(const std::vector<BoneRecord *> &records);

// The bone triangle that `point` leads to for the record at position
// `searcher`, exactly as a literal search over the whole list would find it
// (see joint_search.cpp), or none. A point of none leads nowhere; a chain of
// pass-through triangles back onto a point already passed ends with none.
// With `trace`, also says how the search went.
BoneRecord *FindJointParent(JointIndex &index, size_t searcher, LWPntID point, SearchTrace *trace = nullptr);
