#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reference/literal_search.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/joint_search.h"
#include "small_stack.h"

namespace {

// A record drawn by kind and joint numbers: 'B' bone triangle, 'P'
// pass-through triangle, 'C' connector.
struct Drawn {
    const char *name;
    char kind;
    int start, end;
};

LWPntID Joint(int number) { return reinterpret_cast<LWPntID>(static_cast<uintptr_t>(0x1000 + number * 8)); }

void Fill(SkeletonBuilder &builder, const std::vector<Drawn> &drawing) {
    for (const Drawn &d : drawing) {
        BoneRecord *record = CreateBoneRecord(d.name, d.kind == 'C' ? 2 : 3);
        record->startPoint = Joint(d.start);
        record->endPoint = Joint(d.end);
        record->passThrough = d.kind != 'B';
        record->frame = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
        builder.records.push_back(record);
    }
}

// "name<parent" for each record in final order; "name" for a root.
std::vector<std::string> Outline(const SkeletonBuilder &builder) {
    std::vector<std::string> lines;
    for (const BoneRecord *record : builder.records)
        lines.push_back(record->parent ? std::string(record->name) + "<" + record->parent->name : record->name);
    return lines;
}

// Checks that the links agree with one another and with the order.
void ExpectConsistentLinks(const SkeletonBuilder &builder) {
    std::vector<const BoneRecord *> seen;
    for (const BoneRecord *record : builder.records) {
        EXPECT_FALSE(record->passThrough);
        if (record->parent != nullptr) {
            EXPECT_NE(std::find(seen.begin(), seen.end(), record->parent), seen.end())
                << record->name << " comes before its parent";
        }
        seen.push_back(record);
        const BoneRecord *first = record->parent ? record->parent->firstChild : builder.roots;
        bool inChain = false;
        for (const BoneRecord *member = first; member != nullptr; member = member->nextSibling) {
            if (member->nextSibling) {
                EXPECT_EQ(member->nextSibling->prevSibling, member);
            }
            inChain = inChain || member == record;
        }
        EXPECT_TRUE(inChain) << record->name;
        EXPECT_EQ(first == nullptr || first->prevSibling == nullptr, true);
    }
}

struct HierarchyCase {
    const char *what;
    std::vector<Drawn> drawing;
    std::vector<std::string> outline;
};

const HierarchyCase kCases[] = {
    {"worked example: children before parents",
     {{"A", 'B', 0, 1}, {"Q", 'C', 2, 1}, {"B", 'B', 2, 3}, {"E", 'B', 5, 6}, {"X", 'P', 4, 5}, {"D", 'B', 1, 4}},
     {"A", "B<A", "D<A", "E<D"}},
    {"roots keep scan order",
     {{"R2", 'B', 10, 11}, {"R1", 'B', 20, 21}, {"R3", 'B', 30, 31}},
     {"R2", "R1", "R3"}},
    {"two bones from one point share its parent, not each other",
     {{"Top", 'B', 0, 1}, {"L", 'B', 1, 2}, {"R", 'B', 1, 3}},
     {"Top", "L<Top", "R<Top"}},
    {"where two bones end at one point the first is the parent",
     {{"First", 'B', 0, 5}, {"Second", 'B', 1, 5}, {"Child", 'B', 5, 6}},
     {"First", "Child<First", "Second"}},
    {"a connector drawn from the child toward the parent",
     {{"Up", 'B', 0, 1}, {"Link", 'C', 2, 1}, {"Down", 'B', 2, 3}},
     {"Up", "Down<Up"}},
    {"a connector drawn from the parent toward the child",
     {{"Up", 'B', 0, 1}, {"Link", 'C', 1, 2}, {"Down", 'B', 2, 3}},
     {"Up", "Down<Up"}},
    {"a chain of connectors drawn both ways",
     {{"Down", 'B', 5, 6}, {"C1", 'C', 1, 2}, {"C2", 'C', 3, 2}, {"C3", 'C', 3, 4}, {"C4", 'C', 5, 4},
      {"Up", 'B', 0, 1}},
     {"Up", "Down<Up"}},
    {"a pass-through triangle crossed from its end to its start",
     {{"Up", 'B', 0, 1}, {"Tail", 'P', 1, 2}, {"Tail", 'P', 7, 8}, {"Down", 'B', 2, 3}},
     {"Up", "Down<Up"}},
    {"a pass-through triangle drawn the other way is not crossed",
     {{"Up", 'B', 0, 1}, {"Tail", 'P', 2, 1}, {"Tail", 'P', 7, 8}, {"Down", 'B', 2, 3}},
     {"Up", "Down"}},
    {"a connector before the bone ending at the point is followed first",
     {{"Link", 'C', 1, 9}, {"Near", 'B', 0, 1}, {"Far", 'B', 8, 9}, {"Child", 'B', 1, 2}},
     {"Near", "Far", "Child<Far"}},
    {"a failed connector branch returns to its point",
     {{"Link", 'C', 1, 9}, {"Near", 'B', 0, 1}, {"Child", 'B', 1, 2}},
     {"Near", "Child<Near"}},
    {"a pass-through triangle first takes the search away for good",
     {{"Away", 'P', 4, 1}, {"Away", 'P', 7, 8}, {"Near", 'B', 0, 1}, {"Child", 'B', 1, 2}},
     {"Near", "Child"}},
    {"children keep scan order, each followed by its subtree",
     {{"C2", 'B', 1, 3}, {"C1", 'B', 1, 2}, {"Root", 'B', 0, 1}, {"G1", 'B', 3, 4}, {"G2", 'B', 2, 5}},
     {"Root", "C2<Root", "G1<C2", "C1<Root", "G2<C1"}},
    {"everything pass-through leaves nothing",
     {{"Same", 'P', 0, 1}, {"Same", 'P', 1, 2}, {"Link", 'C', 2, 3}},
     {}},
    {"pass-through triangles chained in a loop of two end the search",
     {{"Loop", 'P', 2, 1}, {"Loop", 'P', 1, 2}, {"Bone", 'B', 1, 3}},
     {"Bone"}},
    {"pass-through triangles chained in a loop of three end the search",
     {{"Loop", 'P', 2, 1}, {"Loop", 'P', 3, 2}, {"Loop", 'P', 1, 3}, {"Other", 'B', 8, 9}, {"Bone", 'B', 1, 5}},
     {"Other", "Bone"}},
    {"a bone that leads back to its own end becomes a root",
     {{"Self", 'B', 1, 2}, {"Link", 'C', 2, 1}, {"Child", 'B', 2, 3}},
     {"Self", "Child<Self"}},
    {"a ring of bones is broken at its first member in scan order",
     {{"R1", 'B', 3, 1}, {"R2", 'B', 1, 2}, {"R3", 'B', 2, 3}, {"Free", 'B', 7, 8}, {"Leaf", 'B', 2, 9}},
     {"Free", "R1", "R2<R1", "R3<R2", "Leaf<R2"}},
    {"a ring of two through connectors",
     {{"Solo", 'B', 0, 0}, {"A", 'B', 1, 2}, {"L1", 'C', 2, 3}, {"B", 'B', 3, 4}, {"L2", 'C', 4, 1}},
     {"Solo", "A", "B<A"}},
};

TEST(Hierarchy, linksPrunesAndOrdersLikeTheDrawingMeans) {
    for (bool literal : {false, true}) {
        for (const HierarchyCase &c : kCases) {
            SkeletonBuilder builder{};
            Fill(builder, c.drawing);
            AssembleHierarchy(builder, literal ? LiteralFindParents(builder) : FindParents(builder));
            EXPECT_EQ(Outline(builder), c.outline) << c.what << (literal ? " (literal search)" : "");
            ExpectConsistentLinks(builder);
            if (c.outline.empty()) {
                EXPECT_EQ(builder.roots, nullptr) << c.what;
            }
            ClearBuilder(builder);
        }
    }
}

TEST(Hierarchy, searchSkipsOnlyTheSearcherAndFindsNothingFromNoPoint) {
    SkeletonBuilder builder{};
    Fill(builder, {{"Self", 'B', 1, 2}, {"Loop", 'C', 3, 2}});
    JointIndex index = BuildJointIndex(builder.records);
    // At the top the searcher is skipped; the connector leads nowhere.
    EXPECT_EQ(FindJointParent(index, 0, Joint(2)), nullptr);
    // Through the connector the searcher is an ordinary entry.
    EXPECT_EQ(FindJointParent(index, 0, Joint(3)), builder.records[0]);
    EXPECT_EQ(LiteralFindJointParent(builder.records[0], Joint(3), builder.records), builder.records[0]);
    EXPECT_EQ(FindJointParent(index, 0, nullptr), nullptr);
    EXPECT_EQ(FindJointParent(index, 0, Joint(42)), nullptr);
    ClearBuilder(builder);
}

TEST(Hierarchy, flattensADeepRopeWithoutRecursion) {
    SkeletonBuilder builder{};
    const int kBones = 200000;
    for (int i = kBones - 1; i >= 0; --i) {
        BoneRecord *record = CreateBoneRecord("b", 3);
        builder.records.push_back(record);
        (void)i;
    }
    // Link by hand: each the only child of the one before.
    for (int i = 1; i < kBones; ++i) {
        builder.records[i]->parent = builder.records[i - 1];
        builder.records[i - 1]->firstChild = builder.records[i];
    }
    builder.roots = builder.records[0];
    std::vector<BoneRecord *> expected = builder.records;
    std::reverse(builder.records.begin(), builder.records.end());
    builder.cursor = 0;
    // A recursive flatten needs far more than this for 200,000 levels.
    ASSERT_TRUE(vexil_test::OnSmallStack([&] { FlattenSubtree(builder, builder.roots); }, vexil_test::kTightStack));
    EXPECT_EQ(builder.cursor, static_cast<size_t>(kBones));
    EXPECT_TRUE(builder.records == expected);
    ClearBuilder(builder);
}

}  // namespace
