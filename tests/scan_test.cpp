#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/services.h"
#include "skeleton/bone_record.h"
#include "skeleton/polygon_scan.h"
#include "skeleton/vec_math.h"
#include "test_meshes.h"

using vexil_test::MeshDrawing;

namespace {

// Scans a mesh through the stand-in host's mesh service, as the module does.
struct Scan {
    explicit Scan(MeshDrawing drawing, bool recordCalls = false)
        : host(scene, Options(recordCalls)) {
        object = scene.AddObject("Object", std::move(drawing.mesh));
        builder.mesh = host.MeshOf(object);
        host.hostCalls.clear();
        builder.mesh->scanPolys(builder.mesh, ScanPolygon, &builder);
    }
    ~Scan() { ClearBuilder(builder); }

    static vexil_host::HostOptions Options(bool recordCalls) {
        vexil_host::HostOptions options;
        options.recordHostCalls = recordCalls;
        return options;
    }
    // Index of the mesh point a record refers to, or -1 for none.
    long PointIndex(LWPntID id) {
        if (id == nullptr) return -1;
        return static_cast<long>(vexil_host::PointIndexOf(id, scene.Find(object)->mesh->points.size()));
    }

    vexil_host::Scene scene;
    vexil_host::StandInHost host;
    LWItemID object;
    SkeletonBuilder builder{};
};

bool BitEqual(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectRow(const Mat3 &m, int row, float x, float y, float z) {
    EXPECT_TRUE(BitEqual(m.m[row][0], x) && BitEqual(m.m[row][1], y) && BitEqual(m.m[row][2], z))
        << "row " << row << ": " << m.m[row][0] << " " << m.m[row][1] << " " << m.m[row][2];
}

TEST(PolygonScan, namesCornersByEdgeLengthsInEveryVertexOrder) {
    const std::array<float, 3> joint = {0, 0, 0}, roll = {0, 1, 0}, tip = {0, 0, 10};
    const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto &order : orders) {
        const std::array<float, 3> corners[3] = {joint, roll, tip};
        MeshDrawing drawing;
        std::vector<uint32_t> points;
        for (int corner : order) points.push_back(drawing.Point(corners[corner][0], corners[corner][1], corners[corner][2]));
        drawing.Polygon("Bone", points);
        Scan scan(std::move(drawing));
        ASSERT_EQ(scan.builder.records.size(), 1u);
        const BoneRecord &record = *scan.builder.records[0];
        // Point indices equal vertex positions in `order`: find where each corner went.
        auto vertexOf = [&](int corner) { return static_cast<long>(std::find(order, order + 3, corner) - order); };
        EXPECT_EQ(scan.PointIndex(record.startPoint), vertexOf(0));
        EXPECT_EQ(scan.PointIndex(record.endPoint), vertexOf(2));
        ExpectRow(record.frame, 0, 1, 0, 0);
        ExpectRow(record.frame, 1, 0, 1, 0);
        ExpectRow(record.frame, 2, 0, 0, 1);
        EXPECT_EQ(record.start.x, 0.0f);
        EXPECT_EQ(record.start.z, 0.0f);
        EXPECT_EQ(record.length, 10.0f);
        EXPECT_EQ(record.vertexCount, 3);
        EXPECT_FALSE(record.passThrough);
    }
}

TEST(PolygonScan, breaksLengthTiesByTheSortingSteps) {
    const struct {
        const char *what;
        std::array<float, 3> p[3];
        int joint, tip;
    } cases[] = {
        // Equilateral, three bit-equal lengths.
        {"equilateral", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 2, 1},
        // Isosceles, the two long edges bit-equal; the apex is the tip.
        {"apex 2", {{-1, 0, 0}, {1, 0, 0}, {0, 0, 10}}, 0, 2},
        {"apex 1", {{-1, 0, 0}, {0, 0, 10}, {1, 0, 0}}, 2, 1},
        {"apex 0", {{0, 0, 10}, {-1, 0, 0}, {1, 0, 0}}, 2, 0},
        // In a line: the middle point is the joint.
        {"collinear", {{0, 0, 0}, {2, 0, 0}, {1, 0, 0}}, 2, 1},
    };
    for (const auto &c : cases) {
        MeshDrawing drawing;
        for (const auto &p : c.p) drawing.Point(p[0], p[1], p[2]);
        drawing.Polygon("Bone", {0, 1, 2});
        Scan scan(std::move(drawing));
        const BoneRecord &record = *scan.builder.records.at(0);
        EXPECT_EQ(scan.PointIndex(record.startPoint), c.joint) << c.what;
        EXPECT_EQ(scan.PointIndex(record.endPoint), c.tip) << c.what;
    }
}

TEST(PolygonScan, leavesTheRawCrossProductForCornersInALine) {
    MeshDrawing drawing;
    drawing.Point(0, 0, 0);
    drawing.Point(2, 0, 0);
    drawing.Point(1, 0, 0);
    drawing.Polygon("Line", {0, 1, 2});
    Scan scan(std::move(drawing));
    const BoneRecord &record = *scan.builder.records.at(0);
    EXPECT_EQ(record.length, 1.0f);
    ExpectRow(record.frame, 2, 1, 0, 0);
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(record.frame.m[row][c], 0.0f);
    EXPECT_EQ(record.start.x, 1.0f);
}

TEST(PolygonScan, acceptsAnEdgeOfExactlyTheMinimumLengthAndNoShorter) {
    ASSERT_EQ(Vec3Distance({kMinLength, 0, 0}, {0, 0, 0}), kMinLength);
    for (float edge : {kMinLength, std::nextafter(kMinLength, 0.0f)}) {
        MeshDrawing drawing;
        drawing.Point(0, 0, 0);
        drawing.Point(edge, 0, 0);
        drawing.Point(0, 0, 1);
        drawing.Polygon("Tiny", {0, 1, 2});
        Scan scan(std::move(drawing));
        const BoneRecord &record = *scan.builder.records.at(0);
        bool passes = edge == kMinLength;
        EXPECT_EQ(record.passThrough == 0, passes) << edge;
        // A failed triangle touches no joint.
        EXPECT_EQ(record.startPoint != nullptr, passes);
        EXPECT_EQ(record.endPoint != nullptr, passes);
    }
}

TEST(PolygonScan, marksEveryRecordOfASharedNameAndKeepsCaseApart) {
    MeshDrawing drawing;
    for (int i = 0; i < 9; ++i) drawing.Point(static_cast<float>(i), 0, static_cast<float>(i * i));
    drawing.Polygon("Arm", {0, 1, 2});
    drawing.Polygon("arm", {3, 4, 5});
    drawing.Polygon("Arm", {6, 7});        // a connector
    drawing.Polygon("Arm", {8, 8, 8});     // fails the edge test
    drawing.Polygon("Leg", {3, 4, 5});
    drawing.Polygon("Quad", {0, 1, 2, 3}); // no record
    drawing.Polygon("Leg ", {0, 2, 4});
    Scan scan(std::move(drawing));
    std::vector<std::string> names;
    std::vector<int> passThrough;
    for (const BoneRecord *record : scan.builder.records) {
        names.push_back(record->name);
        passThrough.push_back(record->passThrough);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Arm", "arm", "Arm", "Arm", "Leg", "Leg "}));
    EXPECT_EQ(passThrough, (std::vector<int>{1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(scan.builder.records[2]->vertexCount, 2);
    EXPECT_EQ(scan.PointIndex(scan.builder.records[2]->startPoint), 6);
    EXPECT_EQ(scan.PointIndex(scan.builder.records[2]->endPoint), 7);
}

TEST(PolygonScan, holdsNamesOfAnyLengthWhole) {
    std::string longName(100000, 'x');
    longName += "end";
    MeshDrawing drawing;
    drawing.Point(0, 0, 0);
    drawing.Point(0, 0, 1);
    drawing.Polygon(longName, {0, 1});
    drawing.Polygon("", {1, 0});
    Scan scan(std::move(drawing));
    ASSERT_EQ(scan.builder.records.size(), 2u);
    EXPECT_EQ(std::string(scan.builder.records[0]->name), longName);
    EXPECT_EQ(std::string(scan.builder.records[1]->name), "");
}

TEST(PolygonScan, asksOnlyForTheSizeOfPolygonsItSkips) {
    MeshDrawing drawing;
    for (int i = 0; i < 4; ++i) drawing.Point(static_cast<float>(i), 1, 0);
    drawing.Polygon("Quad", {0, 1, 2, 3});
    drawing.Polygon("Dot", {2});
    drawing.Polygon("Bone", {0, 1, 3});
    drawing.Polygon("Link", {3, 2});
    Scan scan(std::move(drawing), true);
    EXPECT_TRUE(scan.builder.records.size() == 2);
    EXPECT_EQ(scan.host.hostCalls,
              (std::vector<std::string>{"scanPolys", "polSize 0", "polSize 1", "polSize 2", "polVertex 2 0",
                                        "polVertex 2 1", "polVertex 2 2", "polTag 2 SURF", "pntBasePos 0",
                                        "pntBasePos 1", "pntBasePos 3", "polSize 3", "polVertex 3 0",
                                        "polVertex 3 1", "polTag 3 SURF"}));
}

TEST(PolygonScan, treatsTwoPointsAtOnePositionAsTwoPoints) {
    MeshDrawing drawing;
    drawing.Point(0, 0, 0);
    drawing.Point(0, 0, 2);
    drawing.Point(0, 0.1f, 0);
    drawing.Point(0, 0, 2);  // same position as point 1, another point
    drawing.Bone("Upper", 0, 1, 2);
    drawing.Connector("Link", 3, 1);
    Scan scan(std::move(drawing));
    EXPECT_EQ(scan.PointIndex(scan.builder.records[0]->endPoint), 1);
    EXPECT_EQ(scan.PointIndex(scan.builder.records[1]->startPoint), 3);
}

TEST(VectorMath, roundsEveryProductToFloatWithoutFusing) {
    // (1 + 2^-12)^2 rounds to 1 + 2^-11 in float; a fused multiply-add would
    // keep the lost 2^-24 and give a non-zero difference.
    const float a = 1.0f + 0x1p-12f;
    Vec3 out;
    Vec3Cross({0, a, a}, {0, a, a}, out);
    EXPECT_TRUE(BitEqual(out.x, 0.0f));
    Vec3Cross({a, 0, a}, {a, 0, a}, out);
    EXPECT_TRUE(BitEqual(out.y, 0.0f));
    // Summed as (x^2 + y^2) + z^2 in float: 2^-24 terms vanish one by one.
    EXPECT_EQ(Vec3Distance({1, 0x1p-12f, 0x1p-12f}, {0, 0, 0}), 1.0f);
}

TEST(VectorMath, normalizesOnlyVectorsOfTheMinimumLengthOrMore) {
    const struct {
        Vec3 v;
        int result;
        Vec3 after;
    } cases[] = {
        {{3, 0, 4}, 1, {0.6f, 0, 0.8f}},
        {{0, 0, 0}, 0, {0, 0, 0}},
        {{kMinLength, 0, 0}, 1, {1, 0, 0}},
        {{std::nextafter(kMinLength, 0.0f), 0, 0}, 0, {std::nextafter(kMinLength, 0.0f), 0, 0}},
        {{0, -2, 0}, 1, {0, -1, 0}},
    };
    for (const auto &c : cases) {
        Vec3 v = c.v;
        EXPECT_EQ(Vec3Normalize(v), c.result);
        EXPECT_EQ(v.x, c.after.x);
        EXPECT_EQ(v.y, c.after.y);
        EXPECT_EQ(v.z, c.after.z);
    }
    Vec3 a = {5, 7, 9};
    Vec3Subtract(a, {1, 10, 9});
    EXPECT_EQ(a.x, 4);
    EXPECT_EQ(a.y, -3);
    EXPECT_TRUE(BitEqual(a.z, 0.0f));
}

}  // namespace
