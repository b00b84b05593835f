#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "skeleton/bone_record.h"
#include "skeleton/rest_transforms.h"
#include "skeleton/trig.h"
#include "skeleton/vec_math.h"

namespace {

bool BitEqual(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Mat3 Rows(Vec3 x, Vec3 y, Vec3 z) { return {{{x.x, x.y, x.z}, {y.x, y.y, y.z}, {z.x, z.y, z.z}}}; }

TEST(MatrixToHPB, givesTheTableAnglesWithTheirSignsOfZero) {
    const struct {
        Mat3 frame;
        float pitch, heading, bank;
    } cases[] = {
        {Rows({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), -0.0f, 0.0f, -0.0f},
        {Rows({0, 0, -1}, {0, 1, 0}, {1, 0, 0}), -0.0f, 90.0f, 0.0f},
        {Rows({1, 0, 0}, {0, 0, -1}, {0, 1, 0}), -90.0f, 0.0f, -0.0f},
        {Rows({0, 0, 1}, {1, 0, 0}, {0, 1, 0}), -90.0f, 0.0f, -90.0f},
    };
    for (const auto &c : cases) {
        Vec3 hpb;
        MatrixToHPB(c.frame, hpb);
        EXPECT_TRUE(BitEqual(hpb.x, c.pitch)) << hpb.x << " vs " << c.pitch;
        EXPECT_TRUE(BitEqual(hpb.y, c.heading)) << hpb.y << " vs " << c.heading;
        EXPECT_TRUE(BitEqual(hpb.z, c.bank)) << hpb.z << " vs " << c.bank;
    }
}

// The frame whose axes are the unit axes turned by bank about Z, then pitch
// about X, then heading about Y.
Mat3 FrameFromAngles(float headingDegrees, float pitchDegrees, float bankDegrees) {
    float h = headingDegrees / kDegreesPerRadian, p = pitchDegrees / kDegreesPerRadian,
          b = bankDegrees / kDegreesPerRadian;
    Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Mat3 frame;
    for (int i = 0; i < 3; ++i) {
        Vec3 v = axes[i];
        float cb = CosF(b), sb = SinF(b);
        Vec3 banked = {v.x * cb - v.y * sb, v.x * sb + v.y * cb, v.z};
        Vec3RotateX(banked, p);
        Vec3RotateY(banked, h);
        frame.m[i][0] = banked.x;
        frame.m[i][1] = banked.y;
        frame.m[i][2] = banked.z;
    }
    return frame;
}

TEST(MatrixToHPB, recoversTheAnglesAFrameWasBuiltFrom) {
    Vec3 hpb;
    MatrixToHPB(FrameFromAngles(30, 20, 10), hpb);
    EXPECT_NEAR(hpb.x, 20, 1e-4);
    EXPECT_NEAR(hpb.y, 30, 1e-4);
    EXPECT_NEAR(hpb.z, 10, 1e-4);
    for (int heading = -175; heading <= 180; heading += 35)
        for (int pitch = -85; pitch <= 85; pitch += 17)
            for (int bank = -170; bank <= 180; bank += 50) {
                MatrixToHPB(FrameFromAngles(static_cast<float>(heading), static_cast<float>(pitch),
                                            static_cast<float>(bank)),
                            hpb);
                EXPECT_NEAR(hpb.x, pitch, 1e-4) << heading << " " << pitch << " " << bank;
                EXPECT_NEAR(std::remainder(hpb.y - heading, 360.0f), 0, 1e-4);
                EXPECT_NEAR(std::remainder(hpb.z - bank, 360.0f), 0, 1e-4);
            }
}

TEST(MatrixToHPB, turnsThirtyDegreesOfRadiansBackIntoExactlyThirty) {
    float radians = 30.0f / 57.295780181884766f;
    EXPECT_EQ(radians * kDegreesPerRadian, 30.0f);
    uint32_t bits;
    std::memcpy(&bits, &kDegreesPerRadian, sizeof bits);
    EXPECT_EQ(bits, 0x42652EE0u);
}

struct Pair {
    BoneRecord *parent;
    BoneRecord *child;
    SkeletonBuilder builder{};
    Pair(Mat3 parentFrame, Vec3 parentStart, Mat3 childFrame, Vec3 childStart) {
        parent = CreateBoneRecord("Parent", 3);
        child = CreateBoneRecord("Child", 3);
        parent->frame = parentFrame;
        parent->start = parentStart;
        child->frame = childFrame;
        child->start = childStart;
        child->parent = parent;
        builder.records = {parent, child};
        ComputeRestTransforms(builder);
    }
    ~Pair() { ClearBuilder(builder); }
};

TEST(RestTransforms, expressesAChildInItsParentsAxesFromItsStartJoint) {
    const Mat3 turned = Rows({0, 0, -1}, {0, 1, 0}, {1, 0, 0});
    Pair same(turned, {1, 2, 3}, turned, {3, 2, 3});
    EXPECT_EQ(same.child->restPosition.x, 0);
    EXPECT_EQ(same.child->restPosition.y, 0);
    EXPECT_EQ(same.child->restPosition.z, 2);
    EXPECT_TRUE(BitEqual(same.child->restRotation.x, -0.0f));
    EXPECT_TRUE(BitEqual(same.child->restRotation.y, 0.0f));
    EXPECT_TRUE(BitEqual(same.child->restRotation.z, -0.0f));

    Pair reversed(turned, {1, 2, 3}, Rows({-1, 0, 0}, {0, 1, 0}, {0, 0, -1}), {3, 2, 3});
    EXPECT_TRUE(BitEqual(reversed.child->restRotation.x, -0.0f));
    EXPECT_TRUE(BitEqual(reversed.child->restRotation.y, 90.0f));
    EXPECT_TRUE(BitEqual(reversed.child->restRotation.z, 0.0f));
}

TEST(RestTransforms, keepsARootsStartBitForBit) {
    const Vec3 start = {0.1f, -0.0f, 12345.678f};
    Pair pair(Rows({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), start, Rows({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), {0, 0, 0});
    EXPECT_TRUE(BitEqual(pair.parent->restPosition.x, start.x));
    EXPECT_TRUE(BitEqual(pair.parent->restPosition.y, start.y));
    EXPECT_TRUE(BitEqual(pair.parent->restPosition.z, start.z));
}

TEST(RestTransforms, placesAChildAtItsParentsEndJointAlongZ) {
    // A parent along an oblique axis; the child starts at its tip.
    Vec3 z = {1, 2, 2};
    Vec3Normalize(z);
    Vec3 x = {2, -1, 0};
    Vec3Normalize(x);
    Vec3 y;
    Vec3Cross(z, x, y);
    const float length = 3.0f;
    Vec3 start = {0.5f, 0.25f, -1};
    Vec3 tip = {start.x + 1, start.y + 2, start.z + 2};
    Pair pair(Rows(x, y, z), start, Rows(x, y, z), tip);
    EXPECT_NEAR(pair.child->restPosition.x, 0, 1e-6);
    EXPECT_NEAR(pair.child->restPosition.y, 0, 1e-6);
    EXPECT_NEAR(pair.child->restPosition.z, length, 1e-6);
}

}  // namespace
