// vexil-host --weight-maps: one weight map per bone, and everything else of
// the rigger's LWO2 file kept as it was.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/program.h"
#include "file_formats/lwo_writer.h"

namespace {

using vexil_host::Chunk;
using vexil_host::F4;
using vexil_host::S0;
using vexil_host::U2;
using vexil_host::U4;
using vexil_host::VX;

struct Outcome {
    int status;
    std::string errors;
};

Outcome RunHost(const std::vector<std::string> &arguments) {
    std::vector<std::string> line = {"--module", VEXIL_MODULE_PATH};
    line.insert(line.end(), arguments.begin(), arguments.end());
    std::ostringstream out, err;
    int status = vexil_host::RunProgram(line, ".", out, err);
    return {status, err.str()};
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The top-level chunks of an IFF file, each whole: ID, size, data, pad.
std::vector<std::string> Chunks(const std::string &file) {
    std::vector<std::string> chunks;
    for (size_t at = 12; at + 8 <= file.size();) {
        size_t size = static_cast<unsigned char>(file[at + 4]) << 24 | static_cast<unsigned char>(file[at + 5]) << 16 |
                      static_cast<unsigned char>(file[at + 6]) << 8 | static_cast<unsigned char>(file[at + 7]);
        size_t whole = 8 + size + size % 2;
        chunks.push_back(file.substr(at, whole));
        at += whole;
    }
    return chunks;
}

bool IsWeightMap(const std::string &chunk) { return chunk.compare(0, 4, "VMAP") == 0 && chunk.compare(8, 4, "WGHT") == 0; }

std::string MapName(const std::string &chunk) { return chunk.substr(14, chunk.find('\0', 14) - 14); }

// A weight map's weights, read back: (point, weight).
std::vector<std::pair<uint32_t, float>> MapEntries(const std::string &chunk) {
    std::vector<std::pair<uint32_t, float>> entries;
    size_t at = 14 + S0(MapName(chunk)).size(), end = 8 + (chunk.size() - 8);
    while (at + 6 <= end) {
        uint32_t point = static_cast<unsigned char>(chunk[at]) << 8 | static_cast<unsigned char>(chunk[at + 1]);
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 8 | static_cast<unsigned char>(chunk[at + 2 + i]);
        float weight;
        std::memcpy(&weight, &bits, sizeof weight);
        entries.push_back({point, weight});
        at += 6;
    }
    return entries;
}

// A rigger's file: two bones in a box of skin, a third bone far from any
// skin, and what the modeller keeps beside them: UVs, a painted map named
// after a bone, a map that names none, curves, parts, a clip and a surface.
std::vector<std::string> RiggersChunks() {
    std::string points;
    const float at[][3] = {{0, 0, 0},    {0, 1, 0},   {0.1f, 0, 0},  {0, 2, 0},   {0.1f, 1, 0},   {100, 0, 0},
                           {100, 1, 0},  {100.1f, 0, 0}, {-0.2f, 0, -0.2f}, {0.2f, 0, -0.2f}, {0.2f, 0, 0.2f},
                           {-0.2f, 0, 0.2f}, {-0.2f, 2, -0.2f}, {0.2f, 2, -0.2f}, {0.2f, 2, 0.2f}, {-0.2f, 2, 0.2f}};
    for (const auto &p : at) points += F4(p[0]) + F4(p[1]) + F4(p[2]);
    std::string faces = "FACE";
    auto face = [&](std::vector<uint32_t> corners) {
        faces += U2(static_cast<uint32_t>(corners.size()));
        for (uint32_t c : corners) faces += VX(c);
    };
    face({0, 1, 2});
    face({1, 3, 4});
    face({5, 6, 7});
    const uint32_t box[6][4] = {{8, 9, 10, 11}, {15, 14, 13, 12}, {8, 12, 13, 9}, {9, 13, 14, 10}, {10, 14, 15, 11}, {11, 15, 12, 8}};
    for (const auto &b : box) face({b[0], b[1], b[2], b[3]});
    std::string surfaces = "SURF";
    for (uint32_t polygon = 0; polygon < 9; ++polygon) surfaces += VX(polygon) + U2(polygon < 3 ? polygon : 3);
    std::string painted = "WGHT" + U2(1) + S0("Upper") + VX(8) + F4(0.5f) + VX(9) + F4(0) + VX(0) + F4(1);
    return {Chunk("TAGS", S0("Upper") + S0("Lower") + S0("Far") + S0("Skin") + S0("Sleeve")),
            Chunk("LAYR", U2(0) + U2(0) + F4(0) + F4(0) + F4(0) + S0("Rig")),
            Chunk("PNTS", points),
            Chunk("VMAP", "TXUV" + U2(2) + S0("uv") + VX(8) + F4(0) + F4(0) + VX(9) + F4(1) + F4(0)),
            Chunk("VMAP", painted),
            Chunk("VMAP", "WGHT" + U2(1) + S0("Other") + VX(10) + F4(0.25f)),
            Chunk("POLS", faces),
            Chunk("PTAG", surfaces),
            Chunk("PTAG", "PART" + VX(3) + U2(4)),
            Chunk("POLS", "CURV" + U2(2) + VX(8) + VX(14)),
            Chunk("VMAD", "TXUV" + U2(2) + S0("uv") + VX(8) + VX(3) + F4(0.5f) + F4(0.5f)),
            Chunk("CLIP", U4(1) + "STIL" + U2(10) + S0("skin.png")),
            Chunk("SURF", S0("Skin") + S0("") + "COLR" + U2(14) + F4(0.8f) + F4(0.6f) + F4(0.5f) + VX(0))};
}

TEST(WeightMaps, anLwo2FileKeepsEveryOtherChunkInOrderAndGetsAMapPerBone) {
    std::vector<std::string> chunks = RiggersChunks();
    std::string all;
    for (const std::string &chunk : chunks) all += chunk;
    std::string input = ::testing::TempDir() + "rigger.lwo", output = ::testing::TempDir() + "rigger_maps.lwo";
    std::ofstream(input, std::ios::binary) << vexil_host::Form(all);
    for (const char *method : {"auto", "nearest"}) {
        Outcome run = RunHost({"--quiet", "--weights", method, "--weight-maps", output, input});
        ASSERT_EQ(run.status, vexil_host::kExitDone) << run.errors;
        std::string written = ReadFile(output);
        ASSERT_EQ(written.substr(0, 4), "FORM");
        ASSERT_EQ(written.substr(8, 4), "LWO2");
        std::vector<std::string> got = Chunks(written);

        // The bone maps follow the points, one per bone, named after it.
        std::vector<std::string> names, kept;
        size_t at = 0;
        for (; at < got.size() && got[at].compare(0, 4, "PNTS") != 0; ++at) kept.push_back(got[at]);
        ASSERT_LT(at, got.size());
        kept.push_back(got[at++]);
        for (; at < got.size() && IsWeightMap(got[at]) && MapName(got[at]) != "Other"; ++at) {
            names.push_back(MapName(got[at]));
            for (const auto &[point, weight] : MapEntries(got[at])) {
                EXPECT_GT(weight, 0) << names.back() << " point " << point;
                EXPECT_GE(point, 8u) << names.back() << ": only the skin has weights";
            }
            if (names.back() == "Far") {
                EXPECT_TRUE(MapEntries(got[at]).empty()) << "no point lies near Far";
            }
            if (names.back() == "Upper") {
                EXPECT_EQ(MapEntries(got[at])[0], (std::pair<uint32_t, float>{8, 1.0f})) << "painted, so kept";
            }
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Far", "Lower", "Upper"})) << method;
        for (; at < got.size(); ++at) kept.push_back(got[at]);

        // Everything else as it was, in order: the painted map named after
        // a bone gave way to the bone's own.
        std::vector<std::string> expected = chunks;
        expected.erase(expected.begin() + 4);
        EXPECT_EQ(kept, expected) << method;
    }
}

TEST(WeightMaps, anObjectWithoutBonesGetsNoMapsAndSaysSo) {
    std::string input = ::testing::TempDir() + "two.obj", output = ::testing::TempDir() + "two.lwo";
    std::ofstream(input, std::ios::binary) << "o Rig\nv 0 0 0\nv 0 1 0\nv 0.1 0 0\nusemtl Upper\nf 1 2 3\n"
                                              "v -1 0 -1\nv 1 0 -1\nv 1 1 1\nv -1 1 1\nusemtl Skin\nf 4 5 6 7\n"
                                              "o Plate\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 8 9 10 11\n";
    Outcome run = RunHost({"--weight-maps", output, input});
    ASSERT_EQ(run.status, vexil_host::kExitDone) << run.errors;
    EXPECT_NE(run.errors.find("object 'Plate' has no bones, so it gets no weight maps"), std::string::npos) << run.errors;
    std::vector<std::string> names;
    for (const std::string &chunk : Chunks(ReadFile(output))) {
        if (chunk.compare(0, 4, "LAYR") == 0) names.push_back("layer " + chunk.substr(24, chunk.find('\0', 24) - 24));
        if (IsWeightMap(chunk)) names.push_back(MapName(chunk) + " " + std::to_string(MapEntries(chunk).size()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"layer Rig", "Upper 4", "layer Plate"}));
    EXPECT_EQ(RunHost({"--quiet", "--weight-maps", output, input}).errors, "");
}

}  // namespace
