#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "reference/magnitude_buckets.h"
#include "rig_check/place_index.h"

namespace {

// The same neighbours as the magnitude buckets find, and as measuring every
// pair does, on clouds whose points lie far apart in magnitude, in
// clusters within and just beyond the tolerance, across powers of two, and
// at zero of either sign.
TEST(PlaceIndex, findsTheSameNeighboursAsTheMagnitudeBuckets) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int cloud = 0; cloud < 300; ++cloud) {
        std::vector<Vec3> points;
        double scale = std::pow(10.0, unit(random) * 30);
        while (points.size() < 60) {
            Vec3 p;
            switch (random() % 5) {
                case 0:  // anywhere in the cloud's scale
                    p = {static_cast<float>(unit(random) * scale), static_cast<float>(unit(random) * scale),
                         static_cast<float>(unit(random) * scale)};
                    break;
                case 1:  // at a power of two, or just below it
                    p = {static_cast<float>(std::ldexp(1.0, static_cast<int>(std::log2(scale))) *
                                            (1 - 1e-6 * (random() % 3))),
                         0, 0};
                    break;
                case 2:  // zero of either sign
                    p = {random() % 2 ? 0.0f : -0.0f, random() % 2 ? 0.0f : -0.0f, 0.0f};
                    break;
                default: {
                    // Near an earlier point: within, at or just past the tolerance.
                    if (points.empty()) continue;
                    Vec3 q = points[random() % points.size()];
                    double reach = kPlaceTolerance * Magnitude(q) * (0.5 + (random() % 4) * 0.25);
                    p = {static_cast<float>(q.x + reach * unit(random)), static_cast<float>(q.y + reach * unit(random)),
                         static_cast<float>(q.z + (random() % 2 ? reach : -reach))};
                }
            }
            if (std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) points.push_back(p);
        }
        // Half the points are indexed; every point asks, so that some that
        // ask lie outside the indexed ones.
        std::vector<Vec3> indexed(points.begin(), points.begin() + 30);
        PlaceIndex flat(indexed);
        MagnitudeBuckets buckets(indexed);
        for (size_t i = 0; i < points.size(); ++i) {
            std::vector<size_t> found;
            flat.ForEachAt(points[i], [&](size_t j) { found.push_back(j); });
            std::sort(found.begin(), found.end());
            std::vector<size_t> measured;
            for (size_t j = 0; j < indexed.size(); ++j)
                if (SamePlace(points[i], indexed[j])) measured.push_back(j);
            ASSERT_EQ(found, buckets.At(points[i])) << "cloud " << cloud << " point " << i;
            ASSERT_EQ(found, measured) << "cloud " << cloud << " point " << i;
        }
    }
}

}  // namespace
