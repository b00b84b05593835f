#include <array>
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

// The frame of heading, pitch and bank (degrees) in double: the unit axes
// turned by bank about Z, then pitch about X (Z towards -Y), then heading
// about Y (Z towards +X).
std::array<std::array<double, 3>, 3> FrameInDouble(double heading, double pitch, double bank) {
    const double toRadians = 3.14159265358979323846 / 180;
    double ch = std::cos(heading * toRadians), sh = std::sin(heading * toRadians);
    double cp = std::cos(pitch * toRadians), sp = std::sin(pitch * toRadians);
    double cb = std::cos(bank * toRadians), sb = std::sin(bank * toRadians);
    return {{{cb * ch + sb * sp * sh, sb * cp, sb * sp * ch - cb * sh},
             {-sb * ch + cb * sp * sh, cb * cp, cb * sp * ch + sb * sh},
             {cp * sh, -sp, cp * ch}}};
}

Mat3 ToFloat(const std::array<std::array<double, 3>, 3> &frame) {
    Mat3 m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m.m[r][c] = static_cast<float>(frame[r][c]);
    return m;
}

TEST(RestTransforms, givesAChildsAnglesAndOffsetInItsParentsAxes) {
    // Parent and child frames in object space, by their own angles.
    const struct {
        double parent[3], child[3];  // heading, pitch, bank
    } cases[] = {
        {{30, 20, 10}, {75, -35, 60}},     {{-120, 45, -170}, {40, 10, 170}},
        {{170, -60, 90}, {-170, 60, -90}}, {{0, 0, 0}, {-45, 30, 135}},
        {{90, 80, -30}, {100, 70, 20}},    {{-60, -15, 150}, {120, 25, -150}},
    };
    for (const auto &c : cases) {
        Mat3 parentFrame = ToFloat(FrameInDouble(c.parent[0], c.parent[1], c.parent[2]));
        Mat3 childFrame = ToFloat(FrameInDouble(c.child[0], c.child[1], c.child[2]));
        const Vec3 parentStart = {1.5f, -2, 0.25f}, childStart = {-0.5f, 3, 2};
        Pair pair(parentFrame, parentStart, childFrame, childStart);

        // Expected, from the geometry in double: the child's axes in the
        // parent's axes, L[i][j] = child axis i . parent axis j, whose angles
        // follow from L's Z row (heading, pitch) and the Y components (bank).
        double local[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                local[i][j] = 0;
                for (int k = 0; k < 3; ++k)
                    local[i][j] += static_cast<double>(childFrame.m[i][k]) * parentFrame.m[j][k];
            }
        const double toDegrees = 180 / 3.14159265358979323846;
        double heading = std::atan2(local[2][0], local[2][2]) * toDegrees;
        double pitch = std::atan2(-local[2][1], std::hypot(local[2][0], local[2][2])) * toDegrees;
        double bank = std::atan2(local[0][1], local[1][1]) * toDegrees;
        const double offset[3] = {static_cast<double>(childStart.x) - parentStart.x,
                                  static_cast<double>(childStart.y) - parentStart.y,
                                  static_cast<double>(childStart.z) - parentStart.z};

        const Vec3 &rotation = pair.child->restRotation;
        EXPECT_NEAR(std::remainder(rotation.y - heading, 360.0), 0, 1e-4) << "heading " << heading;
        EXPECT_NEAR(rotation.x, pitch, 1e-4) << "pitch";
        EXPECT_NEAR(std::remainder(rotation.z - bank, 360.0), 0, 1e-4) << "bank " << bank;
        const float position[3] = {pair.child->restPosition.x, pair.child->restPosition.y, pair.child->restPosition.z};
        for (int j = 0; j < 3; ++j) {
            double along = 0;
            for (int k = 0; k < 3; ++k) along += offset[k] * parentFrame.m[j][k];
            EXPECT_NEAR(position[j], along, 1e-5) << "position " << j;
        }
    }
}

}  // namespace
