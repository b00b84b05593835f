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
#include "skeleton/joint_search.h"

#include "skeleton/bone_record.h"

namespace {

constexpr uint32_t kNoNode = UINT32_MAX;

uint32_t NodeOf(const JointIndex &index, LWPntID point) {
    if (point == nullptr) return kNoNode;
    auto found = index.nodeOf.find(point);
    return found == index.nodeOf.end() ? kNoNode : found->second;
}

const BoneRecord &Record(const JointIndex &index, uint32_t position) { return *(*index.records)[position]; }

bool Removed(const JointIndex &index, uint32_t position) { return index.removedIn[position] == index.search; }

// The far end of a connector followed from `point`: its start when it ends
// at the point, else its end.
LWPntID FarEnd(const BoneRecord &connector, LWPntID point) {
    return connector.endPoint == point ? connector.startPoint : connector.endPoint;
}

// Does `point` reach a bone triangle through the options still open? On
// success the path is left in the witness.
bool ReachesBone(JointIndex &index, LWPntID point) {
    uint32_t start = NodeOf(index, point);
    if (start == kNoNode || index.deadIn[start] == index.search) return false;
    ++index.question;
    index.stack.clear();
    index.stack.push_back({start, index.firstEntry[start], 0});
    index.visitedIn[start] = index.question;
    index.questionNodes.assign(1, start);
    while (!index.stack.empty()) {
        JointIndex::Visit &visit = index.stack.back();
        if (visit.next == index.firstEntry[visit.node + 1]) {
            index.stack.pop_back();
            continue;
        }
        uint32_t position = index.entries[visit.next++];
        const BoneRecord &entry = Record(index, position);
        LWPntID onward;
        if (entry.vertexCount == 3) {
            if (!entry.passThrough) {
                index.witness.clear();
                for (size_t i = 1; i < index.stack.size(); ++i) index.witness.push_back(index.stack[i].via);
                index.witness.push_back(position);
                index.witnessTaken = 0;
                return true;
            }
            // The first triangle ends this point's options.
            visit.next = index.firstEntry[visit.node + 1];
            onward = entry.startPoint;
        } else {
            if (Removed(index, position)) continue;
            onward = FarEnd(entry, index.pointOf[visit.node]);
        }
        uint32_t node = NodeOf(index, onward);
        if (node == kNoNode || index.visitedIn[node] == index.question || index.deadIn[node] == index.search)
            continue;
        index.visitedIn[node] = index.question;
        index.questionNodes.push_back(node);
        index.stack.push_back({node, index.firstEntry[node], position});
    }
    // Everything this question could reach reaches no bone.
    for (uint32_t node : index.questionNodes) index.deadIn[node] = index.search;
    return false;
}

bool WitnessNextIs(const JointIndex &index, uint32_t position) {
    return index.witnessTaken < index.witness.size() && index.witness[index.witnessTaken] == position;
}

// Whether any option at `node` stands after entry slot `slot`.
bool LaterOptionAt(const JointIndex &index, uint32_t node, uint32_t slot) {
    for (uint32_t s = slot + 1; s < index.firstEntry[node + 1]; ++s) {
        uint32_t position = index.entries[s];
        if (Record(index, position).vertexCount == 3 || !Removed(index, position)) return true;
    }
    return false;
}

// The forward walk of a search known to succeed from `point`.
BoneRecord *WalkToBone(JointIndex &index, LWPntID point) {
    uint32_t node = NodeOf(index, point);
    while (node != kNoNode) {
        uint32_t next = kNoNode;
        for (uint32_t slot = index.firstEntry[node]; slot < index.firstEntry[node + 1]; ++slot) {
            uint32_t position = index.entries[slot];
            BoneRecord *entry = (*index.records)[position];
            if (entry->vertexCount == 3) {
                if (!entry->passThrough) return entry;
                if (WitnessNextIs(index, position))
                    ++index.witnessTaken;
                else
                    index.witness.clear();
                point = entry->startPoint;
                next = NodeOf(index, point);
                break;
            }
            if (Removed(index, position)) continue;
            index.removedIn[position] = index.search;
            LWPntID farEnd = FarEnd(*entry, point);
            if (WitnessNextIs(index, position)) {
                ++index.witnessTaken;
            } else if (LaterOptionAt(index, node, slot)) {
                // Several ways on: enter this one only if it leads somewhere.
                if (!ReachesBone(index, farEnd)) continue;
            } else {
                index.witness.clear();
            }
            point = farEnd;
            next = NodeOf(index, point);
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
    std::vector<uint32_t> count;
    auto touch = [&](LWPntID point, bool counting, uint32_t position) {
        if (point == nullptr) return;
        auto found = index.nodeOf.try_emplace(point, static_cast<uint32_t>(index.pointOf.size()));
        if (found.second) {
            index.pointOf.push_back(point);
            count.push_back(0);
        }
        uint32_t node = found.first->second;
        if (counting)
            ++count[node];
        else
            index.entries[index.firstEntry[node] + count[node]++] = position;
    };
    // Two passes over the list: count each point's entries, then place them.
    for (int pass = 0; pass < 2; ++pass) {
        bool counting = pass == 0;
        if (!counting) {
            index.firstEntry.assign(index.pointOf.size() + 1, 0);
            for (size_t node = 0; node < count.size(); ++node)
                index.firstEntry[node + 1] = index.firstEntry[node] + count[node];
            index.entries.resize(index.firstEntry.back());
            count.assign(count.size(), 0);
        }
        for (uint32_t position = 0; position < records.size(); ++position) {
            const BoneRecord &record = *records[position];
            touch(record.endPoint, counting, position);
            if (record.vertexCount == 2 && record.startPoint != record.endPoint)
                touch(record.startPoint, counting, position);
        }
    }
    index.removedIn.assign(records.size(), 0);
    index.visitedIn.assign(index.pointOf.size(), 0);
    index.passedIn.assign(index.pointOf.size(), 0);
    index.deadIn.assign(index.pointOf.size(), 0);
    return index;
}

BoneRecord *FindJointParent(JointIndex &index, size_t searcher, LWPntID point) {
    ++index.search;
    // The top level: the only place the searcher is skipped and where a
    // connector's branch may fail, so every branch is asked about first.
    uint32_t node = NodeOf(index, point);
    while (node != kNoNode) {
        if (index.passedIn[node] == index.search) return nullptr;  // pass-through loop
        index.passedIn[node] = index.search;
        uint32_t next = kNoNode;
        for (uint32_t slot = index.firstEntry[node]; slot < index.firstEntry[node + 1]; ++slot) {
            uint32_t position = index.entries[slot];
            if (position == searcher) continue;
            BoneRecord *entry = (*index.records)[position];
            if (entry->vertexCount == 3) {
                if (!entry->passThrough) return entry;
                point = entry->startPoint;
                next = NodeOf(index, point);
                break;
            }
            if (Removed(index, position)) continue;
            index.removedIn[position] = index.search;
            LWPntID farEnd = FarEnd(*entry, point);
            if (ReachesBone(index, farEnd)) return WalkToBone(index, farEnd);
        }
        node = next;
    }
    return nullptr;
}
