// vexil-host --weight-maps: one weight map per bone, and everything else of
// the rigger's LWO2 file kept as it was.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/program.h"
#include "file_formats/lwo_writer.h"
#include "host/scene.h"
#include "weights/skin_weights.h"
#include "temp_path.h"

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
    std::string input = vexil_test::TempPath("rigger.lwo"), output = vexil_test::TempPath("rigger_maps.lwo");
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
    std::string input = vexil_test::TempPath("two.obj"), output = vexil_test::TempPath("two.lwo");
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

// What each layer of a written file holds: its name, its points, and its
// weight maps by name, each with its entries.
struct Layer {
    std::string name;
    size_t points = 0;
    std::map<std::string, std::vector<std::pair<uint32_t, float>>> maps;
    size_t mapChunks = 0;
};

std::vector<Layer> Layers(const std::string &file) {
    std::vector<Layer> layers;
    for (const std::string &chunk : Chunks(file)) {
        if (chunk.compare(0, 4, "LAYR") == 0) {
            layers.emplace_back();
            layers.back().name = chunk.substr(24, chunk.find('\0', 24) - 24);
        }
        if (layers.empty()) continue;
        if (chunk.compare(0, 4, "PNTS") == 0) layers.back().points += (chunk.size() - 8) / 12;
        if (IsWeightMap(chunk)) {
            layers.back().maps[MapName(chunk)] = MapEntries(chunk);
            ++layers.back().mapChunks;
        }
    }
    return layers;
}

// A layer of a bone from (x, 0, 0) up, in a box of skin, as LWO2 chunks.
std::string BoneInABox(const std::string &name, float x, uint32_t surface) {
    std::string points = F4(x) + F4(0) + F4(0) + F4(x) + F4(1) + F4(0) + F4(x + 0.1f) + F4(0) + F4(0);
    for (int corner = 0; corner < 8; ++corner)
        points += F4(x + (corner & 1 ? 0.2f : -0.2f)) + F4(corner & 2 ? 1.0f : 0.0f) + F4(corner & 4 ? 0.2f : -0.2f);
    std::string faces = "FACE" + U2(3) + VX(0) + VX(1) + VX(2);
    const uint32_t box[6][4] = {{3, 4, 6, 5}, {7, 9, 10, 8}, {3, 7, 8, 4}, {5, 6, 10, 9}, {3, 5, 9, 7}, {4, 8, 10, 6}};
    for (const auto &b : box) faces += U2(4) + VX(b[0]) + VX(b[1]) + VX(b[2]) + VX(b[3]);
    std::string surfaces = "SURF";
    for (uint32_t polygon = 0; polygon < 7; ++polygon) surfaces += VX(polygon) + U2(polygon == 0 ? surface : 0);
    return Chunk("LAYR", U2(surface) + U2(0) + F4(0) + F4(0) + F4(0) + S0(name)) + Chunk("PNTS", points) +
           Chunk("POLS", faces) + Chunk("PTAG", surfaces);
}

// Each object of the files given gets its layer, its bones' maps once,
// indexing its own points, and keeps its painted maps that name no bone;
// an object without bones keeps its layer and is named in a note.
TEST(WeightMaps, eachObjectGetsItsOwnLayerAndMapsAndKeepsItsOtherPaintedMaps) {
    const std::string twoLayers = vexil_test::TempPath("layers.lwo"), rigger = vexil_test::TempPath("painted.lwo"),
                      second = vexil_test::TempPath("second.obj"), plain = vexil_test::TempPath("plain.obj");
    std::ofstream(twoLayers, std::ios::binary)
        << vexil_host::Form(Chunk("TAGS", S0("Skin") + S0("Near") + S0("Far")) + BoneInABox("Near", 0, 1) + BoneInABox("Far", 5, 2));
    std::string all;
    for (const std::string &chunk : RiggersChunks()) all += chunk;
    std::ofstream(rigger, std::ios::binary) << vexil_host::Form(all);
    std::ofstream(second, std::ios::binary) << "o Second\nv 0 0 0\nv 0 1 0\nv 0.1 0 0\nv 0 2 0\nv 0.1 1 0\n"
                                               "usemtl A\nf 1 2 3\nusemtl B\nf 2 4 5\n"
                                               "v -1 0 -1\nv 1 0 -1\nv 1 2 1\nv -1 2 1\nusemtl Skin\nf 6 7 8 9\n";
    std::ofstream(plain, std::ios::binary) << "o Plain\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\n";
    const struct {
        const char *what;
        std::vector<std::string> files;
        // Per layer: its name, its maps' names, and how many points its
        // bone maps weigh together.
        std::vector<std::tuple<std::string, std::vector<std::string>, size_t>> layers;
        std::string note;
    } rows[] = {
        {"one LWO2 file of two layers", {twoLayers}, {{"Near", {"Near"}, 8}, {"Far", {"Far"}, 8}}, ""},
        {"three files, one of them painted, one with no bones",
         {rigger, second, plain},
         {{"painted", {"Far", "Lower", "Other", "Upper"}, 8}, {"Second", {"A", "B"}, 4}, {"Plain", {}, 0}},
         "object 'Plain' has no bones, so it gets no weight maps"},
    };
    for (const auto &row : rows) {
        std::string output = vexil_test::TempPath("layers_maps.lwo");
        std::vector<std::string> arguments = {"--weight-maps", output};
        arguments.insert(arguments.end(), row.files.begin(), row.files.end());
        Outcome run = RunHost(arguments);
        ASSERT_EQ(run.status, vexil_host::kExitDone) << row.what << ": " << run.errors;
        EXPECT_NE(run.errors.find(row.note), std::string::npos) << row.what << ": " << run.errors;
        std::vector<Layer> got = Layers(ReadFile(output));
        ASSERT_EQ(got.size(), row.layers.size()) << row.what;
        for (size_t l = 0; l < got.size(); ++l) {
            const auto &[name, maps, weighed] = row.layers[l];
            EXPECT_EQ(got[l].name, name) << row.what;
            std::vector<std::string> names;
            std::set<uint32_t> points;
            for (const auto &[map, entries] : got[l].maps) {
                names.push_back(map);
                for (const auto &[point, weight] : entries) {
                    EXPECT_LT(point, got[l].points) << row.what << ": layer " << name << " map " << map;
                    if (map != "Other") points.insert(point);
                }
            }
            EXPECT_EQ(names, maps) << row.what << ": layer " << name;
            EXPECT_EQ(got[l].mapChunks, maps.size()) << row.what << ": layer " << name << ", a map written twice";
            EXPECT_EQ(points.size(), weighed) << row.what << ": layer " << name;
        }
    }
}

// Bones whose weight maps have one name share the map: each point takes
// the weights of both, added.
TEST(WeightMaps, bonesOfOneMapNameShareTheMapTheirWeightsAdded) {
    vexil_host::Scene scene;
    auto mesh = std::make_unique<vexil_host::Mesh>();
    for (int i = 0; i < 8; ++i) mesh->AddPoint(std::cos(i * 0.785f), 0, std::sin(i * 0.785f));
    LWItemID object = scene.AddObject("Ring", std::move(mesh));
    LWItemID first = scene.AddBone(object, nullptr, "Left"), other = scene.AddBone(object, first, "Right");
    scene.Find(first)->bone.weightMap = scene.Find(other)->bone.weightMap = "Shared";
    vexil_host::SkinWeights weights;
    weights.bones = {{scene.Find(first), {}, -1}, {scene.Find(other), {}, 0}};
    for (uint32_t point = 0; point < 8; ++point) {
        weights.skin.points.push_back(point);
        vexil_host::Influences both;
        both.bone = {point % 2, 1 - point % 2, 0, 0};
        both.weight = {0.5f, 0.5f, 0, 0};
        weights.influences.push_back(both);
    }
    std::vector<vexil_host::WeightMap> maps = vexil_host::BoneWeightMaps(scene, *scene.Find(object), weights);
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].name, "Shared");
    ASSERT_EQ(maps[0].points.size(), 8u);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(maps[0].weights[i], 1.0f) << "point " << maps[0].points[i];
}

}  // namespace
