#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "weights/nearest_bone.h"

using vexil_host::BoneSegment;
using vexil_host::NearestBone;

namespace {

// The literal answer: every segment measured, the first of the nearest kept.
uint32_t Literal(const std::vector<BoneSegment> &segments, const std::array<float, 3> &point) {
    uint32_t best = 0;
    double bestDistance = INFINITY;
    for (uint32_t i = 0; i < segments.size(); ++i) {
        const BoneSegment &s = segments[i];
        double along[3], w[3], dot = 0, lengthSquared = 0;
        for (int k = 0; k < 3; ++k) {
            along[k] = s.tip[k] - s.joint[k];
            w[k] = point[k] - s.joint[k];
            dot += w[k] * along[k];
            lengthSquared += along[k] * along[k];
        }
        double t = std::min(1.0, std::max(0.0, dot * (lengthSquared > 0 ? 1 / lengthSquared : 0))), distance = 0;
        for (int k = 0; k < 3; ++k) distance += (w[k] - t * along[k]) * (w[k] - t * along[k]);
        if (distance < bestDistance) bestDistance = distance, best = i;
    }
    return best;
}

TEST(NearestBone, agreesWithMeasuringEverySegment) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    for (int rig = 0; rig < 200; ++rig) {
        // Segments in a box of a random size; some repeated, some mirrored
        // about x = 0 so that points on that plane are equally near two.
        float scale = std::pow(10.0f, unit(random) * 3);
        std::vector<BoneSegment> segments;
        size_t count = 1 + random() % 40;
        while (segments.size() < count) {
            BoneSegment s{{unit(random) * scale, unit(random) * scale, unit(random) * scale},
                          {unit(random) * scale, unit(random) * scale, unit(random) * scale}};
            if (random() % 5 == 0) s.tip = s.joint;
            segments.push_back(s);
            if (random() % 4 == 0) segments.push_back(s);
            if (random() % 4 == 0)
                segments.push_back({{-s.joint[0], s.joint[1], s.joint[2]}, {-s.tip[0], s.tip[1], s.tip[2]}});
        }
        NearestBone nearest(segments, {-scale, -scale, -scale}, {scale, scale, scale});
        // Points in runs that walk through space, as a mesh's points do,
        // some on the mirror plane and some far outside the box.
        std::array<float, 3> at = {0, 0, 0};
        for (int p = 0; p < 500; ++p) {
            float step = random() % 10 == 0 ? scale : scale * 0.01f;
            for (float &c : at) c += unit(random) * step;
            std::array<float, 3> point = at;
            if (random() % 5 == 0) point[0] = 0;
            if (random() % 50 == 0) point[1] = 100 * scale;
            ASSERT_EQ(nearest.Find(point), Literal(segments, point)) << "rig " << rig << " point " << p;
        }
    }
}

// Skin far from every bone, where the distances differ little and the
// cubes keep few candidates: still the truly nearest, in every direction
// and at every distance from 20 to 20,000 units. Pruning the candidates a
// little too hard misses one point in tens of thousands, and only a row of
// many points finds it.
TEST(NearestBone, findsTheTrulyNearestFarFromTheSkeleton) {
    const struct {
        uint32_t seed, pointsPerRig;
    } rows[] = {{3, 400}, {3, 6000}};
    for (const auto &row : rows) {
        std::mt19937 random(row.seed);
        std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
        size_t wrong = 0;
        for (int rig = 0; rig < 50; ++rig) {
            // Bones pointing out from a small ball, some far out: from far
            // away many are nearly equally near, and the tips reach furthest.
            std::vector<BoneSegment> segments;
            for (int b = 0; b < 100; ++b) {
                std::array<double, 3> at = {unit(random), unit(random), unit(random)};
                double length = std::hypot(at[0], at[1], at[2]), reach = b % 10 == 0 ? 10 : 1.05;
                for (double &c : at) c /= 2 * length;
                segments.push_back({at, {at[0] * reach, at[1] * reach, at[2] * reach}});
            }
            // The box the skin fills reaches far out, as a scene's ground does.
            NearestBone nearest(segments, {-2000, -2000, -2000}, {2000, 2000, 2000});
            for (uint32_t p = 0; p < row.pointsPerRig; ++p) {
                std::array<float, 3> direction = {unit(random), unit(random), unit(random)};
                float length = std::hypot(direction[0], direction[1], direction[2]);
                float distance = 20 * std::pow(1000.0f, (unit(random) + 1) / 2);
                std::array<float, 3> point;
                for (int k = 0; k < 3; ++k) point[k] = direction[k] / length * distance;
                wrong += nearest.Find(point) != Literal(segments, point);
            }
        }
        EXPECT_EQ(wrong, 0u) << row.pointsPerRig << " points a rig";
    }
}

}  // namespace
