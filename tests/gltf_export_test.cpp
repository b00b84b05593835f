// vexil-host --gltf, read back by readers nobody here wrote: assimp's glTF 2
// importer for the joints, parents and weights, Khronos's glTF-Validator for
// the rest. The files are the examples and twenty random rigs dressed in
// skins, half of them with weight maps.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/program.h"
#include "file_formats/lwo_writer.h"
#include "file_formats/mesh_file.h"
#include "temp_path.h"

namespace {

using Point = std::array<float, 3>;
using vexil_host::MeshObject;
using vexil_host::WeightMap;

struct DrawnBone {
    std::string name;
    Point joint, tip, roll;
    std::string parent;  // empty for a root
};

// What a file must show: its bones as drawn, and each point's weights by
// bone name.
struct Expected {
    std::string path;
    std::string gltf;  // where its glTF files go, without the extension
    std::string object;
    std::vector<DrawnBone> bones;
    std::map<Point, std::map<std::string, double>> weights;  // by position, z not yet negated
    std::vector<Point> ambiguous;                            // equally near two bones: not checked
};

double SegmentDistance(const Point &p, const DrawnBone &bone) {
    double d[3], w[3], dot = 0, length = 0;
    for (int k = 0; k < 3; ++k) {
        d[k] = static_cast<double>(bone.tip[k]) - bone.joint[k];
        w[k] = static_cast<double>(p[k]) - bone.joint[k];
        dot += w[k] * d[k];
        length += d[k] * d[k];
    }
    double t = std::clamp(dot / length, 0.0, 1.0), sum = 0;
    for (int k = 0; k < 3; ++k) sum += (w[k] - t * d[k]) * (w[k] - t * d[k]);
    return std::sqrt(sum);
}

// The weights the rules give each point of polygons of three or more
// corners that are not the drawn skeleton (bones, and triangles named
// `crossed` that joint searches pass through): the four heaviest positive
// weights of the maps named after bones, scaled to sum 1, else the nearest
// bone.
void ExpectWeights(const MeshObject &object, Expected &expected, const std::string &crossed = "") {
    const vexil_host::Mesh &mesh = *object.mesh;
    std::map<std::string, bool> isBone;
    for (const DrawnBone &bone : expected.bones) isBone[bone.name] = true;
    isBone[crossed] = !crossed.empty();
    std::map<uint32_t, std::map<std::string, double>> mapped;
    for (const WeightMap &map : object.weightMaps) {
        if (!isBone[map.name]) continue;
        std::map<uint32_t, double> last;
        for (size_t i = 0; i < map.points.size(); ++i) last[map.points[i]] = map.weights[i];
        for (const auto &[point, weight] : last)
            if (weight > 0) mapped[point][map.name] = weight;
    }
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        if (mesh.PolygonSize(polygon) < 3 || (mesh.PolygonSize(polygon) == 3 && isBone[*mesh.SurfaceOf(polygon)]))
            continue;
        for (size_t v = 0; v < mesh.PolygonSize(polygon); ++v) {
            uint32_t point = mesh.PolygonVertices(polygon)[v];
            const Point &at = mesh.points[point];
            std::map<std::string, double> weights;
            if (mapped.count(point) != 0) {
                std::vector<std::pair<double, std::string>> heaviest;
                for (const auto &[name, weight] : mapped[point]) heaviest.push_back({weight, name});
                std::sort(heaviest.rbegin(), heaviest.rend());
                heaviest.resize(std::min<size_t>(heaviest.size(), 4));
                double sum = 0;
                for (const auto &entry : heaviest) sum += entry.first;
                for (const auto &entry : heaviest) weights[entry.second] = entry.first / sum;
            } else {
                std::vector<std::pair<double, std::string>> distances;
                for (const DrawnBone &bone : expected.bones) distances.push_back({SegmentDistance(at, bone), bone.name});
                std::sort(distances.begin(), distances.end());
                if (distances.size() > 1 && distances[1].first - distances[0].first < 1e-4) {
                    expected.ambiguous.push_back(at);
                    continue;
                }
                weights[distances[0].second] = 1;
            }
            expected.weights[at] = weights;
        }
    }
}

// A random rig in a skin: bone chains and trees in every direction, some
// joined by connectors, boxes of skin around most bones, loose quadrangles
// far and near; with `weighed`, weight maps over part of the skin, some
// with more than four bones, weights of 0 or less, repeated entries, and a
// map that names no bone.
Expected RandomRig(uint32_t seed, bool weighed, const std::string &directory) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    MeshObject object;
    object.name = "Rig";
    object.mesh = std::make_unique<vexil_host::Mesh>();
    vexil_host::Mesh &mesh = *object.mesh;
    Expected expected;
    expected.path = directory + "/rig" + std::to_string(seed) + ".lwo";
    expected.gltf = expected.path;
    expected.object = "rig" + std::to_string(seed);
    struct Tip {
        uint32_t point;
        std::string bone;
    };
    std::vector<Tip> tips = {{mesh.AddPoint(0, 0, 0), ""}};
    int bones = 3 + static_cast<int>(random() % 12);
    for (int b = 0; b < bones; ++b) {
        Tip from = tips[random() % tips.size()];
        Point start = mesh.points[from.point];
        uint32_t joint = from.point;
        if (random() % 4 == 0) {
            start = {start[0] + 0.3f, start[1], start[2] + 0.1f};
            joint = mesh.AddPoint(start[0], start[1], start[2]);
            mesh.AddPolygon({from.point, joint}, "Link");
        }
        float heading = unit(random) * 6.2831853f, pitch = (unit(random) - 0.5f) * 3.1f;
        Point direction = {std::cos(pitch) * std::sin(heading), std::sin(pitch), std::cos(pitch) * std::cos(heading)};
        float length = 0.3f + unit(random) * 2;
        Point tipAt, side = {direction[1], -direction[0], 0};
        if (std::fabs(direction[2]) > 0.9f) side = {0, direction[2], -direction[1]};
        float sideLength = std::sqrt(side[0] * side[0] + side[1] * side[1] + side[2] * side[2]);
        Point rollAt;
        for (int k = 0; k < 3; ++k) {
            tipAt[k] = start[k] + direction[k] * length;
            rollAt[k] = start[k] + side[k] / sideLength * 0.1f * length;
        }
        std::string name = "Bone" + std::to_string(b);
        uint32_t tip = mesh.AddPoint(tipAt[0], tipAt[1], tipAt[2]);
        mesh.AddPolygon({joint, tip, mesh.AddPoint(rollAt[0], rollAt[1], rollAt[2])}, name);
        expected.bones.push_back({name, mesh.points[joint], tipAt, rollAt, from.bone});
        tips.push_back({tip, name});
        if (random() % 10 < 7) {
            // A box from the joint to the tip.
            uint32_t corner[8];
            float half = 0.05f + 0.1f * unit(random);
            for (int c = 0; c < 8; ++c) {
                const Point &centre = c < 4 ? start : tipAt;
                float u = (c & 1) ? half : -half, w = (c & 2) ? half : -half;
                corner[c] = mesh.AddPoint(centre[0] + u, centre[1] + w, centre[2] + u * w);
            }
            const int faces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
            for (const auto &face : faces)
                mesh.AddPolygon({corner[face[0]], corner[face[1]], corner[face[2]], corner[face[3]]}, "Skin");
        }
    }
    for (int q = 0; q < 6; ++q) {
        float reach = q < 3 ? 3 : 300;
        Point at = {(unit(random) - 0.5f) * reach, (unit(random) - 0.5f) * reach, (unit(random) - 0.5f) * reach};
        mesh.AddPolygon({mesh.AddPoint(at[0], at[1], at[2]), mesh.AddPoint(at[0] + 0.5f, at[1], at[2]),
                         mesh.AddPoint(at[0] + 0.5f, at[1] + 0.5f, at[2]), mesh.AddPoint(at[0], at[1] + 0.5f, at[2])},
                        "Skin");
    }
    if (weighed) {
        std::vector<std::string> names = {"Nobody"};
        for (const DrawnBone &bone : expected.bones) names.push_back(bone.name);
        for (const std::string &name : names) object.weightMaps.push_back({name, {}, {}});
        for (uint32_t point = 0; point < mesh.points.size(); ++point) {
            if (random() % 3 == 0) continue;
            int maps = 1 + static_cast<int>(random() % 6);
            for (int m = 0; m < maps; ++m) {
                WeightMap &map = object.weightMaps[random() % object.weightMaps.size()];
                map.points.push_back(point);
                map.weights.push_back(unit(random) * 1.2f - 0.2f);
            }
        }
    }
    ExpectWeights(object, expected);
    std::vector<MeshObject> objects;
    objects.push_back(std::move(object));
    std::ofstream(expected.path, std::ios::binary) << vexil_host::WriteLwo(objects);
    return expected;
}

// Runs vexil-host in this process, every unpainted point following its
// nearest bone; returns what it printed.
std::string RunHost(const std::vector<std::string> &arguments) {
    std::vector<std::string> line = {"--module", VEXIL_MODULE_PATH, "--quiet", "--weights", "nearest"};
    line.insert(line.end(), arguments.begin(), arguments.end());
    std::ostringstream out, err;
    int status = vexil_host::RunProgram(line, ".", out, err);
    EXPECT_EQ(status, vexil_host::kExitDone) << err.str();
    return out.str();
}

// An example: its bones as drawn (every triangle of a name of its own),
// their parents as the scene holds them.
Expected Example(const std::string &file, const std::string &object, const std::string &crossed = "") {
    Expected expected;
    expected.path = std::string(VEXIL_EXAMPLES_DIR) + "/" + file;
    expected.gltf = vexil_test::TempPath(file);
    expected.object = object;
    std::vector<MeshObject> objects = vexil_host::ReadMeshFile(expected.path);
    nlohmann::json scene = nlohmann::json::parse(RunHost({"--scene", "-", expected.path}));
    for (const auto &bone : scene["objects"][0]["bones"]) {
        const vexil_host::Mesh &mesh = *objects[0].mesh;
        for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
            if (mesh.PolygonSize(polygon) != 3 || *mesh.SurfaceOf(polygon) != bone["name"]) continue;
            Point c[3];
            for (int i = 0; i < 3; ++i) c[i] = mesh.points[mesh.PolygonVertices(polygon)[i]];
            auto length = [&](int a, int b) {
                return std::hypot(c[a][0] - c[b][0], c[a][1] - c[b][1], c[a][2] - c[b][2]);
            };
            double opposite[3] = {length(1, 2), length(2, 0), length(0, 1)};
            int joint = static_cast<int>(std::max_element(opposite, opposite + 3) - opposite);
            int a = (joint + 1) % 3, b = (joint + 2) % 3;
            int tip = length(joint, a) > length(joint, b) ? a : b;
            expected.bones.push_back(
                {bone["name"], c[joint], c[tip], c[3 - joint - tip], bone["parent"].is_null() ? "" : bone["parent"]});
        }
    }
    ExpectWeights(objects[0], expected, crossed);
    return expected;
}

std::vector<Expected> &Files() {
    static std::vector<Expected> files = [] {
        std::string directory = vexil_test::TempPath("rigs");
        std::system(("mkdir -p \"" + directory + "\"").c_str());
        std::vector<Expected> files = {Example("arm.obj", "Arm"), Example("hand.obj", "Hand"),
                                       Example("biped.obj", "Biped"), Example("tail.obj", "Tail", "Fin"),
                                       Example("biped_dressed.obj", "Biped"),
                                       Example("biped_dressed.lwo", "biped_dressed")};
        for (uint32_t seed = 1; seed <= 20; ++seed) files.push_back(RandomRig(seed, seed % 2 == 0, directory));
        return files;
    }();
    return files;
}

aiMatrix4x4 WorldOf(const aiNode *node) {
    aiMatrix4x4 world;
    for (; node != nullptr; node = node->mParent) world = node->mTransformation * world;
    return world;
}

void CheckReadBack(const Expected &expected, const std::string &gltf) {
    Assimp::Importer importer;
    const aiScene *scene = importer.ReadFile(gltf, 0);
    ASSERT_NE(scene, nullptr) << gltf << ": " << importer.GetErrorString();
    const aiNode *object = scene->mRootNode->FindNode(expected.object.c_str());
    ASSERT_NE(object, nullptr) << gltf;
    for (const DrawnBone &bone : expected.bones) {
        const aiNode *node = object->FindNode(bone.name.c_str());
        ASSERT_NE(node, nullptr) << gltf << " " << bone.name;
        EXPECT_EQ(node->mParent->mName.C_Str(), bone.parent.empty() ? expected.object : bone.parent) << bone.name;
        aiMatrix4x4 world = WorldOf(node);
        const aiVector3D joint(bone.joint[0], bone.joint[1], -bone.joint[2]);
        const aiVector3D read(world.a4, world.b4, world.c4);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(read[k], joint[k], 1e-4 * (1 + std::fabs(joint[k]))) << gltf << " " << bone.name << " " << k;
        // Local +Z towards the tip, +Y towards the roll side, +X making the
        // frame right-handed, all in glTF's axes.
        aiVector3D z = aiVector3D(bone.tip[0], bone.tip[1], -bone.tip[2]) - joint;
        aiVector3D roll = aiVector3D(bone.roll[0], bone.roll[1], -bone.roll[2]) - joint;
        z.Normalize();
        aiVector3D y = roll - z * (roll * z);
        y.Normalize();
        const aiVector3D axes[3] = {y ^ z, y, z};
        for (int axis = 0; axis < 3; ++axis)
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(world[k][axis], axes[axis][k], 1e-3) << gltf << " " << bone.name << " axis " << axis;
    }
    // Each bone's inverse bind matrix undoes its joint's place at rest.
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
        for (unsigned b = 0; b < scene->mMeshes[m]->mNumBones; ++b) {
            const aiBone &bone = *scene->mMeshes[m]->mBones[b];
            aiMatrix4x4 product = WorldOf(scene->mRootNode->FindNode(bone.mName)) * bone.mOffsetMatrix;
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < 4; ++column)
                    EXPECT_NEAR(product[row][column], row == column ? 1 : 0, 1e-4) << gltf << " " << bone.mName.C_Str();
        }
    std::map<Point, bool> seen;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh &mesh = *scene->mMeshes[m];
        std::vector<std::map<std::string, double>> weights(mesh.mNumVertices);
        for (unsigned b = 0; b < mesh.mNumBones; ++b)
            for (unsigned w = 0; w < mesh.mBones[b]->mNumWeights; ++w) {
                const aiVertexWeight &weight = mesh.mBones[b]->mWeights[w];
                if (weight.mWeight != 0) weights[weight.mVertexId][mesh.mBones[b]->mName.C_Str()] = weight.mWeight;
            }
        for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
            const aiVector3D &p = mesh.mVertices[v];
            Point at = {p.x, p.y, -p.z};
            seen[at] = true;
            if (std::find(expected.ambiguous.begin(), expected.ambiguous.end(), at) != expected.ambiguous.end())
                continue;
            auto found = expected.weights.find(at);
            ASSERT_NE(found, expected.weights.end()) << gltf << ": vertex " << v << " is no point of the skin";
            ASSERT_EQ(weights[v].size(), found->second.size()) << gltf << ": vertex " << v;
            for (const auto &[bone, weight] : found->second) EXPECT_NEAR(weights[v][bone], weight, 1e-6) << bone;
        }
    }
    for (const auto &entry : expected.weights) EXPECT_TRUE(seen[entry.first]) << gltf << ": a point of the skin is missing";
}

TEST(GltfExport, assimpReadsBackEveryJointParentAndWeight) {
    for (const Expected &file : Files()) {
        for (const char *extension : {".glb", ".gltf"}) {
            std::string gltf = file.gltf + extension;
            RunHost({"--gltf", gltf, file.path});
            CheckReadBack(file, gltf);
        }
    }
}

// How many of `files` Khronos's validator passes with no error or warning,
// and its report.
std::pair<size_t, std::string> Validate(const std::vector<std::string> &files) {
    std::string command = "node \"" VEXIL_SOURCE_DIR "/tests/validate_gltf.js\"";
    for (const std::string &file : files) command += " \"" + file + "\"";
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return {0, "the validator could not be started"};
    std::string report;
    char buffer[4096];
    for (size_t count; (count = fread(buffer, 1, sizeof buffer, pipe)) > 0;) report.append(buffer, count);
    if (pclose(pipe) != 0) return {0, report};
    size_t clean = 0;
    for (size_t at = report.find(": 0 errors, 0 warnings"); at != std::string::npos; at = report.find(": 0 errors", at + 1))
        ++clean;
    return {clean, report};
}

TEST(GltfExport, khronosValidatorFindsNoErrorOrWarning) {
    std::vector<std::string> written;
    for (const Expected &file : Files())
        for (const char *extension : {".glb", ".gltf"}) {
            RunHost({"--gltf", file.gltf + extension, file.path});
            written.push_back(file.gltf + extension);
        }
    auto [clean, report] = Validate(written);
    EXPECT_EQ(clean, written.size()) << report;
}

TEST(GltfExport, automaticWeightsPassKhronosValidatorToo) {
    std::vector<std::string> inputs = {VEXIL_EXAMPLES_DIR "/biped_skin.obj", VEXIL_EXAMPLES_DIR "/biped_skin.lwo",
                                       Files()[5].path, Files()[10].path, Files()[11].path};
    std::vector<std::string> written;
    for (size_t i = 0; i < inputs.size(); ++i) {
        written.push_back(vexil_test::TempPath("automatic") + std::to_string(i) + (i % 2 ? ".gltf" : ".glb"));
        RunHost({"--weights", "auto", "--gltf", written.back(), inputs[i]});
    }
    auto [clean, report] = Validate(written);
    EXPECT_EQ(clean, written.size()) << report;
}

TEST(GltfExport, facesOfTheDressedBipedPointOutwards) {
    // The modeller's winding, turned for glTF's: each face's normal, by the
    // counter-clockwise rule, points away from the middle of its box.
    std::string gltf = Files()[5].gltf + ".glb";
    RunHost({"--gltf", gltf, Files()[5].path});
    Assimp::Importer importer;
    const aiScene *scene = importer.ReadFile(gltf, 0);
    ASSERT_NE(scene, nullptr);
    const aiMesh &mesh = *scene->mMeshes[0];
    ASSERT_EQ(mesh.mNumVertices, 19u * 8);
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const unsigned *corner = mesh.mFaces[f].mIndices;
        unsigned box = corner[0] / 8;
        aiVector3D middle(0, 0, 0), centroid(0, 0, 0);
        for (unsigned v = 0; v < 8; ++v) middle += mesh.mVertices[box * 8 + v] / 8.0f;
        for (unsigned c = 0; c < 3; ++c) centroid += mesh.mVertices[corner[c]] / 3.0f;
        aiVector3D normal = (mesh.mVertices[corner[1]] - mesh.mVertices[corner[0]]) ^
                            (mesh.mVertices[corner[2]] - mesh.mVertices[corner[0]]);
        EXPECT_GT(normal * (centroid - middle), 0) << "face " << f;
    }
}

TEST(GltfExport, pivotModeWritesTheSameJoints) {
    for (const char *example : {"arm.obj", "biped.obj", "tail.obj"}) {
        std::string input = std::string(VEXIL_EXAMPLES_DIR) + "/" + example;
        std::string plain = vexil_test::TempPath("plain.gltf"), pivot = vexil_test::TempPath("pivot.gltf");
        RunHost({"--gltf", plain, input});
        RunHost({"--pivot-rotate", "--gltf", pivot, input});
        nlohmann::json a = nlohmann::json::parse(std::ifstream(plain)), b = nlohmann::json::parse(std::ifstream(pivot));
        ASSERT_EQ(a["nodes"].size(), b["nodes"].size()) << example;
        for (size_t n = 0; n < a["nodes"].size(); ++n)
            for (const char *field : {"translation", "rotation"})
                for (size_t k = 0; k < a["nodes"][n].value(field, nlohmann::json::array()).size(); ++k)
                    EXPECT_NEAR(a["nodes"][n][field][k].get<double>(), b["nodes"][n][field][k].get<double>(), 1e-5)
                        << example << " node " << n << " " << field;
    }
}

// Runs vexil-host --gltf on an OBJ text; returns the JSON file and what it
// said on standard error.
std::pair<nlohmann::json, std::string> Export(const std::string &obj) {
    std::string input = vexil_test::TempPath("edge.obj"), gltf = vexil_test::TempPath("edge.gltf");
    std::ofstream(input, std::ios::binary) << obj;
    std::ostringstream out, err;
    vexil_host::RunProgram({"--module", VEXIL_MODULE_PATH, "--gltf", gltf, input}, ".", out, err);
    return {nlohmann::json::parse(std::ifstream(gltf)), err.str()};
}

TEST(GltfExport, writesWhatEachKindOfObjectHas) {
    const std::string bone = "v 0 0 0\nv 0 1 0\nv 0.1 0 0\n";
    const struct {
        const char *what;
        std::string obj;
        std::vector<std::string> nodes;  // name (children), in file order
        size_t meshes, skins;
        std::string warning;
    } cases[] = {
        {"bones without polygons", "o Arm\n" + bone + "usemtl Upper\nf 1 2 3\n", {"Arm (1)", "Upper (0)"}, 0, 1, ""},
        {"polygons without bones, and an object of connectors only",
         "o Plate\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\no Wire\nl 1 2\n", {"Plate (0)"}, 1, 0, ""},
        {"a name that is not UTF-8", "o Arm\n" + bone + "usemtl Up\xffper\nf 1 2 3\n", {"Arm (1)", "Up\xEF\xBF\xBDper (0)"},
         0, 1, ""},
        {"a bone whose rest values are not finite", "o Huge\nv -3e38 0 0\nv 3e38 0 0\nv -3e38 3e37 0\nusemtl Huge\nf 1 2 3\n",
         {}, 0, 0, "bone 'Huge' of object 'Huge' is left out of the glTF file: its rest values are not finite numbers"},
    };
    for (const auto &c : cases) {
        auto [file, err] = Export(c.obj);
        std::vector<std::string> nodes;
        for (const auto &node : file.value("nodes", nlohmann::json::array()))
            nodes.push_back(node["name"].get<std::string>() + " (" +
                            std::to_string(node.value("children", nlohmann::json::array()).size()) + ")");
        EXPECT_EQ(nodes, c.nodes) << c.what;
        EXPECT_EQ(file.value("meshes", nlohmann::json::array()).size(), c.meshes) << c.what;
        EXPECT_EQ(file.value("skins", nlohmann::json::array()).size(), c.skins) << c.what;
        if (c.warning.empty())
            EXPECT_EQ(err, "") << c.what;
        else
            EXPECT_NE(err.find(c.warning), std::string::npos) << c.what << ": " << err;
    }
}

TEST(GltfExport, aPointEquallyNearTwoBonesFollowsTheFirstInDepthFirstOrder) {
    // Two roots mirrored about x = 0 and a quadrangle on that plane: the
    // bone the module made first wins, whichever side it is on.
    const std::string left = "usemtl Left\nf 1 2 3\n", right = "usemtl Right\nf 4 5 6\n";
    const std::string points = "o Pair\nv -1 0 0\nv -1 1 0\nv -1.1 0 0\nv 1 0 0\nv 1 1 0\nv 1.1 0 0\n"
                               "v 0 0 -0.5\nv 0 1 -0.5\nv 0 1 0.5\nv 0 0 0.5\nusemtl Skin\nf 7 8 9 10\n";
    for (const auto &[order, first] : {std::pair<std::string, std::string>{left + right, "Left"}, {right + left, "Right"}}) {
        std::string input = vexil_test::TempPath("pair.obj"), gltf = vexil_test::TempPath("pair.glb");
        std::ofstream(input, std::ios::binary) << points + order;
        RunHost({"--gltf", gltf, input});
        Assimp::Importer importer;
        const aiScene *scene = importer.ReadFile(gltf, 0);
        ASSERT_NE(scene, nullptr);
        const aiMesh &mesh = *scene->mMeshes[0];
        for (unsigned b = 0; b < mesh.mNumBones; ++b) {
            unsigned weighted = 0;
            for (unsigned w = 0; w < mesh.mBones[b]->mNumWeights; ++w) weighted += mesh.mBones[b]->mWeights[w].mWeight > 0;
            EXPECT_EQ(weighted, mesh.mBones[b]->mName.C_Str() == first ? 4u : 0u) << first;
        }
    }
}

}  // namespace

namespace {

// The binary chunk of a GLB file: every position, index, joint and weight.
std::string BinaryChunk(const std::string &glb) {
    std::ifstream in(glb, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 20) return "";
    uint32_t json;
    std::memcpy(&json, bytes.data() + 12, sizeof json);
    return bytes.substr(20 + json);
}

TEST(WeightMaps, readingTheWrittenFileBackGivesTheSameGltfWeights) {
    for (const char *method : {"auto", "nearest"}) {
        std::vector<std::string> inputs = {VEXIL_EXAMPLES_DIR "/biped_skin.obj", VEXIL_EXAMPLES_DIR "/biped_skin.lwo"};
        for (size_t file = 4; file < Files().size(); file += 3) inputs.push_back(Files()[file].path);
        for (const std::string &input : inputs) {
            std::string first = vexil_test::TempPath("first.glb"), maps = vexil_test::TempPath("maps.lwo"),
                        second = vexil_test::TempPath("second.glb");
            RunHost({"--weights", method, "--gltf", first, "--weight-maps", maps, input});
            RunHost({"--weights", method, "--gltf", second, maps});
            std::string written = BinaryChunk(first);
            EXPECT_FALSE(written.empty()) << input;
            EXPECT_TRUE(written == BinaryChunk(second)) << method << " " << input;
        }
    }
}

}  // namespace

namespace {

// Each skin vertex's weights by bone name, keyed by its place in the host's
// axes, as assimp reads a glTF file back.
std::map<Point, std::map<std::string, double>> WeightsByPlace(const std::string &gltf) {
    Assimp::Importer importer;
    const aiScene *scene = importer.ReadFile(gltf, 0);
    std::map<Point, std::map<std::string, double>> byPlace;
    if (scene == nullptr) return byPlace;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh &mesh = *scene->mMeshes[m];
        for (unsigned b = 0; b < mesh.mNumBones; ++b)
            for (unsigned w = 0; w < mesh.mBones[b]->mNumWeights; ++w) {
                const aiVertexWeight &weight = mesh.mBones[b]->mWeights[w];
                const aiVector3D &p = mesh.mVertices[weight.mVertexId];
                if (weight.mWeight != 0) byPlace[{p.x, p.y, -p.z}][mesh.mBones[b]->mName.C_Str()] = weight.mWeight;
            }
    }
    return byPlace;
}

std::string Quad(float x, float y, float z, int &points, const std::string &surface = "Skin") {
    std::ostringstream text;
    text << "v " << x - 0.2f << " " << y << " " << z << "\nv " << x + 0.2f << " " << y << " " << z << "\nv " << x + 0.2f
         << " " << y + 0.2f << " " << z << "\nv " << x - 0.2f << " " << y + 0.2f << " " << z << "\nusemtl " << surface
         << "\nf " << points + 1 << " " << points + 2 << " " << points + 3 << " " << points + 4 << "\n";
    points += 4;
    return text.str();
}

// Each quadrangle of `obj` cut in two along one diagonal or the other.
std::string Triangulated(const std::string &obj, int diagonal) {
    std::istringstream lines(obj);
    std::ostringstream triangles;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string kind, corner[4], extra;
        words >> kind >> corner[0] >> corner[1] >> corner[2] >> corner[3];
        if (kind != "f" || corner[3].empty() || (words >> extra)) {
            triangles << line << "\n";
            continue;
        }
        const int a = diagonal, b = a + 1, c = a + 2, d = (a + 3) % 4;
        triangles << "f " << corner[a] << " " << corner[b] << " " << corner[c] << "\nf " << corner[a] << " " << corner[c]
                  << " " << corner[d] << "\n";
    }
    return triangles.str();
}

// A skin of triangles is weighed as its form in quadrangles, each
// quadrangle cut in two along either diagonal.
TEST(GltfExport, aSkinOfTrianglesIsWeighedAsItsQuadrangles) {
    std::ifstream in(VEXIL_EXAMPLES_DIR "/biped_skin.obj", std::ios::binary);
    std::string biped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A bent limb in a tube that bulges, so that no quadrangle is square.
    std::ostringstream limb;
    limb << "o Limb\nv 0 0 0\nv 0 1 0\nv 0.1 0 0\nv 0.6 1.8 0\nv 0.1 1 0\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 2 4 5\n";
    const int sides = 10, rings = 41;
    for (int ring = 0; ring < rings; ++ring) {
        double t = ring / 20.0, x = t <= 1 ? 0 : 0.6 * (t - 1), y = t <= 1 ? t : 1 + 0.8 * (t - 1);
        double radius = 0.2 + 0.05 * std::sin(ring * 0.9);
        for (int side = 0; side < sides; ++side) {
            double angle = side * 6.2832 / sides;
            limb << "v " << x + radius * std::cos(angle) << " " << y << " " << radius * std::sin(angle) << "\n";
        }
    }
    limb << "usemtl Skin\n";
    for (int ring = 0; ring + 1 < rings; ++ring)
        for (int side = 0; side < sides; ++side) {
            int a = 6 + ring * sides + side, b = 6 + ring * sides + (side + 1) % sides;
            limb << "f " << a << " " << b << " " << b + sides << " " << a + sides << "\n";
        }
    for (const auto &[what, quadrangles] : {std::pair<std::string, std::string>{"the biped's skin", biped}, {"a limb", limb.str()}}) {
        std::ofstream(vexil_test::TempPath("quadrangles.obj"), std::ios::binary) << quadrangles;
        RunHost({"--weights", "auto", "--gltf", vexil_test::TempPath("quadrangles.glb"), vexil_test::TempPath("quadrangles.obj")});
        std::map<Point, std::map<std::string, double>> reference = WeightsByPlace(vexil_test::TempPath("quadrangles.glb"));
        ASSERT_GT(reference.size(), 400u) << what;
        for (int diagonal : {0, 1}) {
            std::ofstream(vexil_test::TempPath("triangles.obj"), std::ios::binary) << Triangulated(quadrangles, diagonal);
            RunHost({"--weights", "auto", "--gltf", vexil_test::TempPath("triangles.glb"), vexil_test::TempPath("triangles.obj")});
            std::map<Point, std::map<std::string, double>> got = WeightsByPlace(vexil_test::TempPath("triangles.glb"));
            ASSERT_EQ(got.size(), reference.size()) << what << ", diagonal " << diagonal;
            double total = 0;
            for (const auto &[place, weights] : reference) {
                const auto &other = got[place];
                std::set<std::string> bones;
                for (const auto &entry : weights) bones.insert(entry.first);
                for (const auto &entry : other) bones.insert(entry.first);
                double off = 0;
                for (const std::string &bone : bones)
                    off += std::fabs((weights.count(bone) ? weights.at(bone) : 0) - (other.count(bone) ? other.at(bone) : 0)) / 2;
                EXPECT_LE(off, 0.1) << what << ", diagonal " << diagonal << ": the point at " << place[0] << ", " << place[1]
                                    << ", " << place[2];
                total += off;
            }
            EXPECT_LE(total / static_cast<double>(reference.size()), 0.02) << what << ", diagonal " << diagonal;
        }
    }
}

TEST(GltfExport, nearestBoneRulesHoldPastTheirEdges) {
    // More than 256 bones: joints above 255 need JOINTS_0 of 16 bits.
    {
        std::ostringstream obj;
        int points = 0;
        for (int k = 0; k < 300; ++k) {
            obj << "v " << k << " 0 0\nv " << k << " 1 0\nv " << k + 0.1f << " 0 0\nusemtl B" << k << "\nf "
                << points + 1 << " " << points + 2 << " " << points + 3 << "\n";
            points += 3;
        }
        for (int k = 0; k < 300; ++k) obj << Quad(static_cast<float>(k), 0.4f, 0.3f, points);
        std::ofstream(vexil_test::TempPath("many.obj")) << obj.str();
        RunHost({"--gltf", vexil_test::TempPath("many.glb"), vexil_test::TempPath("many.obj")});
        auto weights = WeightsByPlace(vexil_test::TempPath("many.glb"));
        ASSERT_EQ(weights.size(), 1200u);
        for (const auto &[place, byBone] : weights) {
            std::string bone = "B" + std::to_string(static_cast<int>(std::lround(place[0])));
            EXPECT_EQ(byBone, (std::map<std::string, double>{{bone, 1.0}})) << place[0];
        }
    }
    // Two children of one bone, and a quadrangle equally near both: the
    // first in the scene's order takes it, and the joints keep that order.
    for (const std::string first : {"Left", "Right"}) {
        std::string second = first == "Left" ? "Right" : "Left";
        std::string obj = "v 0 0 0\nv 0 1 0\nv 0.1 0 0\nv -1 2 0\nv 1 2 0\nv 0 1 0.1\nusemtl Parent\nf 1 2 3\n";
        obj += "usemtl " + first + "\nf 2 " + (first == "Left" ? "4" : "5") + " 6\n";
        obj += "usemtl " + second + "\nf 2 " + (first == "Left" ? "5" : "4") + " 6\n";
        // On the plane x = 0, about which the two children mirror.
        obj += "v 0 2.5 -0.2\nv 0 2.5 0.2\nv 0 2.7 0.2\nv 0 2.7 -0.2\nusemtl Skin\nf 7 8 9 10\n";
        std::ofstream(vexil_test::TempPath("siblings.obj")) << obj;
        RunHost({"--gltf", vexil_test::TempPath("siblings.gltf"), vexil_test::TempPath("siblings.obj")});
        nlohmann::json file = nlohmann::json::parse(std::ifstream(vexil_test::TempPath("siblings.gltf")));
        const auto &nodes = file["nodes"];
        ASSERT_EQ(nodes.size(), 4u);
        EXPECT_EQ(nodes[nodes[1]["children"][0].get<int>()]["name"], first);
        EXPECT_EQ(nodes[nodes[1]["children"][1].get<int>()]["name"], second);
        for (const auto &[place, byBone] : WeightsByPlace(vexil_test::TempPath("siblings.gltf")))
            EXPECT_EQ(byBone, (std::map<std::string, double>{{first, 1.0}})) << first;
    }
    // A weight of exactly 0 in a bone's map is no weight: the point follows
    // its nearest bone as an unpainted one does.
    {
        std::vector<MeshObject> objects(1);
        objects[0].name = "Rig";
        objects[0].mesh = std::make_unique<vexil_host::Mesh>();
        vexil_host::Mesh &mesh = *objects[0].mesh;
        mesh.AddPolygon({mesh.AddPoint(0, 0, 0), mesh.AddPoint(0, 1, 0), mesh.AddPoint(0.1f, 0, 0)}, "Near");
        mesh.AddPolygon({mesh.AddPoint(5, 0, 0), mesh.AddPoint(5, 1, 0), mesh.AddPoint(5.1f, 0, 0)}, "Far");
        std::vector<uint32_t> quad = {mesh.AddPoint(0.5f, 0.5f, 0), mesh.AddPoint(0.5f, 0.6f, 0), mesh.AddPoint(0.6f, 0.6f, 0),
                                      mesh.AddPoint(0.6f, 0.5f, 0)};
        mesh.AddPolygon(quad, "Skin");
        objects[0].weightMaps.push_back({"Far", quad, {0, 0, 0, 0.5f}});
        std::ofstream(vexil_test::TempPath("zero.lwo"), std::ios::binary) << vexil_host::WriteLwo(objects);
        RunHost({"--gltf", vexil_test::TempPath("zero.glb"), vexil_test::TempPath("zero.lwo")});
        auto weights = WeightsByPlace(vexil_test::TempPath("zero.glb"));
        ASSERT_EQ(weights.size(), 4u);
        EXPECT_EQ(weights[(Point{0.5f, 0.5f, 0})], (std::map<std::string, double>{{"Near", 1.0}}));
        EXPECT_EQ(weights[(Point{0.6f, 0.5f, 0})], (std::map<std::string, double>{{"Far", 1.0}}));
    }
}

}  // namespace

namespace {

TEST(GltfExport, takesTheFormFromTheExtensionInAnyLetterCase) {
    for (const auto &[name, binary] : std::vector<std::pair<std::string, bool>>{
             {"Upper.GLB", true}, {"Mixed.GlB", true}, {"Upper.GLTF", false}, {"Mixed.glTF", false}}) {
        std::string path = vexil_test::TempPath(name);
        RunHost({"--gltf", path, VEXIL_EXAMPLES_DIR "/arm.obj"});
        std::string head(4, '\0');
        std::ifstream(path, std::ios::binary).read(&head[0], 4);
        EXPECT_EQ(binary ? head : head.substr(0, 1), binary ? "glTF" : "{") << name;
    }
}

// Names of every length of UTF-8 character pass unchanged into every file;
// surrogates and overlong forms, which no file may hold, become U+FFFD,
// and the run goes on as it would without them.
TEST(GltfExport, namesInUtf8PassIntoEveryFileAndBrokenOnesAreReplaced) {
    const std::vector<std::pair<std::string, std::string>> names = {
        {"Bras\xC3\xA9", "Bras\xC3\xA9"},
        {"\xE2\x82\xAC" "uro", "\xE2\x82\xAC" "uro"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"},
        {"\xF0\x9F\xA6\xB4" "bone", "\xF0\x9F\xA6\xB4" "bone"},
        {"low\xED\xA0\x80", "low\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"high\xED\xBF\xBF", "high\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"over\xC0\xAF", "over\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"long\xE0\x80\xAF", "long\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    std::string obj, plain;
    int points = 0;
    for (size_t k = 0; k < names.size(); ++k) {
        std::string bone = "v " + std::to_string(k) + " 0 0\nv " + std::to_string(k) + " 1 0\nv " + std::to_string(k) +
                           ".1 0 0\nf " + std::to_string(points + 1) + " " + std::to_string(points + 2) + " " +
                           std::to_string(points + 3) + "\n";
        obj += "usemtl " + names[k].first + "\n" + bone;
        plain += "usemtl Plain" + std::to_string(k) + "\n" + bone;
        points += 3;
    }
    std::string input = vexil_test::TempPath("names.obj"), clean = vexil_test::TempPath("plain.obj");
    std::ofstream(input, std::ios::binary) << obj;
    std::ofstream(clean, std::ios::binary) << plain;
    std::ostringstream out, err, plainOut, plainErr;
    int status = vexil_host::RunProgram({"--module", VEXIL_MODULE_PATH, "--gltf", vexil_test::TempPath("names.gltf"), "--svg",
                                         vexil_test::TempPath("names.svg"), "--scene", vexil_test::TempPath("names.json"), input},
                                        ".", out, err);
    int plainStatus = vexil_host::RunProgram({"--module", VEXIL_MODULE_PATH, clean}, ".", plainOut, plainErr);
    EXPECT_EQ(status, plainStatus) << err.str();
    nlohmann::json gltf = nlohmann::json::parse(std::ifstream(vexil_test::TempPath("names.gltf")));
    nlohmann::json scene = nlohmann::json::parse(std::ifstream(vexil_test::TempPath("names.json")));
    std::string svg;
    std::getline(std::ifstream(vexil_test::TempPath("names.svg")), svg, '\0');
    std::string sceneText = scene.dump();
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string &written = names[k].second;
        EXPECT_EQ(gltf["nodes"][k + 1]["name"], written) << k;
        EXPECT_NE(sceneText.find(nlohmann::json(written).dump()), std::string::npos) << written;
        if (k < 4) {
            EXPECT_NE(svg.find(written), std::string::npos) << written;
        }
    }
    EXPECT_EQ(svg.find("\xED\xA0"), std::string::npos);
    EXPECT_EQ(svg.find("\xC0\xAF"), std::string::npos);
}

}  // namespace

namespace {

// Past 200,000 skin points the page holds a simplified skin of no more
// than that, says so, and keeps every bone: a flat sheet, and a sphere,
// whose points crowd a grid's cubes as a compact body's do. Left out of the
// slow runs (sanitizers), which set VEXIL_LEAVE_OUT_LARGE_MESHES.
TEST(RigPage, simplifiesASkinPastTwoHundredThousandPointsAndKeepsEveryBone) {
    if (std::getenv("VEXIL_LEAVE_OUT_LARGE_MESHES") != nullptr) GTEST_SKIP() << "large meshes, left out of this run";
    std::ostringstream sheet;
    const int side = 460;
    sheet << "o Sheet\n";
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) sheet << "v " << i << " 0 " << j << "\n";
    sheet << "usemtl Skin\n";
    for (int j = 0; j + 1 < side; ++j)
        for (int i = 0; i + 1 < side; ++i) {
            int a = j * side + i + 1;
            sheet << "f " << a << " " << a + 1 << " " << a + side + 1 << " " << a + side << "\n";
        }
    const int first = side * side + 1;
    sheet << "v 0 5 0\nv 200 5 0\nv 0 5.5 0\nv 400 5 400\nv 400 5.5 400\nusemtl Near\nf " << first << " " << first + 1 << " "
          << first + 2 << "\nusemtl Far\nf " << first + 1 << " " << first + 3 << " " << first + 4 << "\n";
    // A sphere of 499 rings of 500 points and its two poles, two bones inside.
    std::ostringstream sphere;
    const int around = 500, rings = 499;
    sphere << "o Ball\nv 0 -1 0\n";
    for (int r = 1; r <= rings; ++r)
        for (int a = 0; a < around; ++a) {
            double up = 3.14159265358979 * r / (rings + 1), turn = 6.28318530717959 * a / around;
            sphere << "v " << std::sin(up) * std::cos(turn) << " " << -std::cos(up) << " " << std::sin(up) * std::sin(turn) << "\n";
        }
    sphere << "v 0 1 0\nusemtl Skin\n";
    const int top = 2 + rings * around;
    for (int a = 0; a < around; ++a) {
        sphere << "f 1 " << 2 + (a + 1) % around << " " << 2 + a << "\n";
        sphere << "f " << top << " " << 2 + (rings - 1) * around + a << " " << 2 + (rings - 1) * around + (a + 1) % around << "\n";
    }
    for (int r = 0; r + 1 < rings; ++r)
        for (int a = 0; a < around; ++a) {
            int p = 2 + r * around + a, q = 2 + r * around + (a + 1) % around;
            sphere << "f " << p << " " << q << " " << q + around << " " << p + around << "\n";
        }
    sphere << "v 0 -0.5 0\nv 0 0 0\nv 0.05 -0.5 0\nv 0 0.5 0\nv 0.05 0 0\nusemtl Low\nf " << top + 1 << " " << top + 2 << " "
           << top + 3 << "\nusemtl High\nf " << top + 2 << " " << top + 4 << " " << top + 5 << "\n";
    const struct {
        const char *what;
        std::string obj;
        size_t points, least;  // the skin's points; at least this many shown
    } rows[] = {{"a sheet of 460 by 460 points", sheet.str(), side * side, 50000},
                {"a sphere of 249,502 points", sphere.str(), 2 + rings * around, 50000}};
    for (const auto &row : rows) {
        std::string input = vexil_test::TempPath("large.obj"), page = vexil_test::TempPath("large.html");
        std::ofstream(input) << row.obj;
        RunHost({"--html", page, input});
        std::ifstream in(page, std::ios::binary);
        std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string open = "id=\"vexil-gltf\">";
        size_t at = html.find(open);
        ASSERT_NE(at, std::string::npos) << row.what;
        std::string base64 = html.substr(at + open.size(), html.find('<', at + open.size()) - at - open.size());
        std::string glb;
        uint32_t bits = 0;
        int held = 0;
        for (char c : base64) {
            const char *digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
            const char *found = std::strchr(digits, c);
            if (c == '=' || found == nullptr) break;
            bits = bits << 6 | static_cast<uint32_t>(found - digits);
            if ((held += 6) >= 8) glb += static_cast<char>(bits >> (held -= 8) & 0xFF);
        }
        ASSERT_GT(glb.size(), 20u) << row.what;
        uint32_t jsonLength;
        std::memcpy(&jsonLength, glb.data() + 12, sizeof jsonLength);
        nlohmann::json gltf = nlohmann::json::parse(glb.substr(20, jsonLength));
        size_t points = gltf["accessors"][gltf["meshes"][0]["primitives"][0]["attributes"]["POSITION"].get<int>()]["count"];
        EXPECT_LE(points, 200000u) << row.what;
        EXPECT_GT(points, row.least) << row.what;
        EXPECT_EQ(gltf["skins"][0]["joints"].size(), 2u) << row.what;
        EXPECT_NE(html.find("The skin has " + std::to_string(row.points) + " points; " + std::to_string(points) +
                            " of them are shown here"),
                  std::string::npos)
            << row.what;
    }
}

}  // namespace
