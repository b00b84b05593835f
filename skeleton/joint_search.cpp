// The joint search, without copies, recursion or blind exploration.
//
// The search as drawn: at each point it acts on the first entry of its
// working list that touches the point, skipping the searcher (top level only)
// and connectors already taken out. A bone triangle ending there is the
// answer. A pass-through triangle ending there moves the search to its start
// for good. A connector is taken out and followed from its far end in a
// nested search on the shortened list; if that finds nothing, the search goes
// on at the same point without it. So at a point only the connectors before
// the first triangle ending there are ever followed.
//
// Call that the point's options, and say a point reaches a bone when a chain
// of options leads from it to a bone triangle. Two facts make the search
// cheap:
//  1. A nested search from the far end F of connector C (C taken out)
//     succeeds exactly when F reaches a bone without C. If it can, a shortest
//     such chain never returns to C's near end, so it uses none of the
//     connectors that failed there before C; by induction on the number of
//     connectors, each nested search in turn finds its way. If F cannot, no
//     nested search can invent a path.
//  2. Hence a nested search that succeeds never backs out of a branch: it
//     enters only connectors whose far end still reaches a bone, and takes
//     out, unexplored, the ones that do not, exactly as the drawn search
//     would after exploring them. From the first successful branch on, the
//     search is one forward walk over a shrinking list.
// A question "does F reach a bone" is a depth-first search in list order
// whose path is kept as a witness: while the walk follows the witness it
// needs no new question, and where only one option is left none is needed.
// When the question took the first option at every point of its path, that
// path is the walk itself and its bone the answer, with no walk at all.
#include "skeleton/joint_search.h"

#include "skeleton/bone_record.h"

namespace {

constexpr uint32_t kNoNode = UINT32_MAX;

size_t SlotOf(const JointIndex &index, LWPntID point) {
    uint64_t key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(point));
    size_t mask = index.slots.size() - 1;
    size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (index.slots[slot].point != nullptr && index.slots[slot].point != point) slot = (slot + 1) & mask;
    return slot;
}

uint32_t NodeOf(const JointIndex &index, LWPntID point) {
    if (point == nullptr) return kNoNode;
    const JointIndex::Slot &slot = index.slots[SlotOf(index, point)];
    return slot.point == nullptr ? kNoNode : slot.node;
}

// The node of a point, numbering it if it is new.
uint32_t AddNode(JointIndex &index, LWPntID point) {
    if (point == nullptr) return kNoNode;
    size_t slot = SlotOf(index, point);
    if (index.slots[slot].point != nullptr) return index.slots[slot].node;
    uint32_t node = index.nodeCount++;
    index.slots[slot] = {point, node};
    if (2 * static_cast<size_t>(index.nodeCount) > index.slots.size()) {
        // Half full: double the table and place every point again.
        std::vector<JointIndex::Slot> old(2 * index.slots.size(), JointIndex::Slot{nullptr, 0});
        old.swap(index.slots);
        for (const JointIndex::Slot &moved : old)
            if (moved.point != nullptr) index.slots[SlotOf(index, moved.point)] = moved;
    }
    return node;
}

bool Removed(const JointIndex &index, uint32_t position) { return index.removedIn[position] == index.search; }

// The far end of a connector followed from `node`: its start when it ends
// there, else its end.
uint32_t FarEnd(const JointIndex &index, uint32_t connector, uint32_t node) {
    return index.endNode[connector] == node ? index.startNode[connector] : index.endNode[connector];
}

// Does `start` reach a bone triangle through the options still open? On
// success the path is left in the witness.
bool ReachesBone(JointIndex &index, uint32_t start) {
    if (start == kNoNode || index.stamps[start].deadIn == index.search) return false;
    ++index.question;
    index.stack.clear();
    index.stack.push_back({start, index.firstEntry[start], UINT32_MAX, true, false});
    index.stamps[start].visitedIn = index.question;
    index.questionNodes.assign(1, start);
    while (!index.stack.empty()) {
        JointIndex::Visit &visit = index.stack.back();
        if (visit.next == index.firstEntry[visit.node + 1]) {
            index.stack.pop_back();
            continue;
        }
        uint32_t position = index.entries[visit.next++];
        JointIndex::Kind kind = index.kind[position];
        uint32_t node;
        if (kind != JointIndex::kConnector) {
            if (kind == JointIndex::kBone) {
                index.witness.clear();
                for (size_t i = 1; i < index.stack.size(); ++i) index.witness.push_back(index.stack[i].via);
                index.witness.push_back(position);
                index.witnessTaken = 0;
                index.reached = (*index.records)[position];
                index.reachedDirectly = visit.direct && !visit.passedOption;
                return true;
            }
            // The first triangle ends this point's options.
            visit.next = index.firstEntry[visit.node + 1];
            node = index.startNode[position];
        } else {
            // The connector arrived by is gone from the walk's list: no option.
            if (Removed(index, position) || position == visit.via) continue;
            node = FarEnd(index, position, visit.node);
        }
        bool direct = visit.direct && !visit.passedOption;
        visit.passedOption = true;
        if (node == kNoNode || index.stamps[node].visitedIn == index.question ||
            index.stamps[node].deadIn == index.search)
            continue;
        index.stamps[node].visitedIn = index.question;
        index.questionNodes.push_back(node);
        index.stack.push_back({node, index.firstEntry[node], position, direct, false});
    }
    // Everything this question could reach reaches no bone.
    for (uint32_t node : index.questionNodes) index.stamps[node].deadIn = index.search;
    return false;
}

bool WitnessNextIs(const JointIndex &index, uint32_t position) {
    return index.witnessTaken < index.witness.size() && index.witness[index.witnessTaken] == position;
}

// Whether any option at `node` stands after entry slot `slot`.
bool LaterOptionAt(const JointIndex &index, uint32_t node, uint32_t slot) {
    for (uint32_t s = slot + 1; s < index.firstEntry[node + 1]; ++s) {
        uint32_t position = index.entries[s];
        if (index.kind[position] != JointIndex::kConnector || !Removed(index, position)) return true;
    }
    return false;
}

// Adds the path of the last successful question, the bone it reached
// excepted, to a trace.
void TraceWitness(const JointIndex &index, SearchTrace *trace) {
    if (trace != nullptr) trace->crossed.insert(trace->crossed.end(), index.witness.begin(), index.witness.end() - 1);
}

void TraceStep(SearchTrace *trace, uint32_t position) {
    if (trace != nullptr) trace->crossed.push_back(position);
}

// The forward walk of a search known to succeed from `node`.
BoneRecord *WalkToBone(JointIndex &index, uint32_t node, SearchTrace *trace) {
    while (node != kNoNode) {
        uint32_t next = kNoNode;
        for (uint32_t slot = index.firstEntry[node]; slot < index.firstEntry[node + 1]; ++slot) {
            uint32_t position = index.entries[slot];
            JointIndex::Kind kind = index.kind[position];
            if (kind != JointIndex::kConnector) {
                if (kind == JointIndex::kBone) return (*index.records)[position];
                if (WitnessNextIs(index, position))
                    ++index.witnessTaken;
                else
                    index.witness.clear();
                TraceStep(trace, position);
                next = index.startNode[position];
                break;
            }
            if (Removed(index, position)) continue;
            index.removedIn[position] = index.search;
            uint32_t farEnd = FarEnd(index, position, node);
            if (WitnessNextIs(index, position)) {
                ++index.witnessTaken;
            } else if (LaterOptionAt(index, node, slot)) {
                // Several ways on: enter this one only if it leads somewhere.
                if (!ReachesBone(index, farEnd)) continue;
                if (index.reachedDirectly) {
                    TraceStep(trace, position);
                    TraceWitness(index, trace);
                    return index.reached;
                }
            } else {
                index.witness.clear();
            }
            TraceStep(trace, position);
            next = farEnd;
            break;
        }
        node = next;
    }
    // Unreachable when the question that started the walk was answered right.
    return nullptr;
}

}  // namespace

JointIndex BuildJointIndex(const std::vector<BoneRecord *> &records) {
    JointIndex index{};
    index.records = &records;
    // Room for as many points as records without growing; meshes of
    // connectors have about that many.
    size_t slots = 64;
    while (slots < 2 * records.size()) slots *= 2;
    index.slots.assign(slots, JointIndex::Slot{nullptr, 0});

    // Number the points: triangles are found by their end, connectors by
    // both ends. A triangle's start is numbered too, as a pass-through step
    // leads there.
    index.startNode.resize(records.size());
    index.endNode.resize(records.size());
    index.kind.resize(records.size());
    for (size_t position = 0; position < records.size(); ++position) {
        const BoneRecord &record = *records[position];
        index.endNode[position] = AddNode(index, record.endPoint);
        index.startNode[position] = AddNode(index, record.startPoint);
        index.kind[position] = record.vertexCount == 2 ? JointIndex::kConnector
                               : record.passThrough    ? JointIndex::kPassThroughTriangle
                                                       : JointIndex::kBone;
    }

    // Each node's entries in list order: count, then place.
    size_t nodes = index.nodeCount;
    index.firstEntry.assign(nodes + 1, 0);
    auto entryNodes = [&](uint32_t position, uint32_t &first, uint32_t &second) {
        first = index.endNode[position];
        second = index.kind[position] == JointIndex::kConnector && index.startNode[position] != first
                     ? index.startNode[position]
                     : kNoNode;
    };
    for (uint32_t position = 0; position < records.size(); ++position) {
        uint32_t first, second;
        entryNodes(position, first, second);
        if (first != kNoNode) ++index.firstEntry[first + 1];
        if (second != kNoNode) ++index.firstEntry[second + 1];
    }
    for (size_t node = 0; node < nodes; ++node) index.firstEntry[node + 1] += index.firstEntry[node];
    index.entries.resize(index.firstEntry.back());
    std::vector<uint32_t> filled(index.firstEntry.begin(), index.firstEntry.end() - 1);
    for (uint32_t position = 0; position < records.size(); ++position) {
        uint32_t first, second;
        entryNodes(position, first, second);
        if (first != kNoNode) index.entries[filled[first]++] = position;
        if (second != kNoNode) index.entries[filled[second]++] = position;
    }

    index.removedIn.assign(records.size(), 0);
    index.stamps.assign(nodes, {0, 0, 0});
    return index;
}

BoneRecord *FindJointParent(JointIndex &index, size_t searcher, LWPntID point, SearchTrace *trace) {
    ++index.search;
    if (trace != nullptr) *trace = SearchTrace{};
    // The top level: the only place the searcher is skipped and where a
    // connector's branch may fail, so every branch is asked about first.
    uint32_t node = NodeOf(index, point);
    while (node != kNoNode) {
        if (index.stamps[node].passedIn == index.search) {  // pass-through loop
            if (trace != nullptr) trace->loop = true;
            return nullptr;
        }
        index.stamps[node].passedIn = index.search;
        uint32_t next = kNoNode;
        for (uint32_t slot = index.firstEntry[node]; slot < index.firstEntry[node + 1]; ++slot) {
            uint32_t position = index.entries[slot];
            if (position == searcher) continue;
            JointIndex::Kind kind = index.kind[position];
            if (kind != JointIndex::kConnector) {
                if (kind == JointIndex::kBone) return (*index.records)[position];
                TraceStep(trace, position);
                next = index.startNode[position];
                break;
            }
            if (Removed(index, position)) continue;
            index.removedIn[position] = index.search;
            uint32_t farEnd = FarEnd(index, position, node);
            if (ReachesBone(index, farEnd)) {
                TraceStep(trace, position);
                if (!index.reachedDirectly) return WalkToBone(index, farEnd, trace);
                TraceWitness(index, trace);
                return index.reached;
            }
            if (trace != nullptr) ++trace->connectorsTried;
        }
        node = next;
    }
    return nullptr;
}
