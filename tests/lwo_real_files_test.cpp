// Every object file that Debian's assimp-testmodels ships, found by content.
// The LWO2 files are read by our reader and by assimp's library, which
// nobody here wrote; no file may be refused.
//
// What is compared: assimp's raw import splits each layer into one mesh per
// surface and keeps one vertex per polygon corner, so shared points do not
// survive it. Per layer that has polygons we compare the number of
// polygons, the sizes of the polygons, and the set of surface names; the
// layers are matched as a whole (sorted), not by name, since assimp names
// unnamed layers its own way. Point counts have no counterpart in assimp;
// corners stand in for them.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include "file_formats/mesh_file.h"

namespace {

const char *const kModels = "/usr/share/assimp/models";

struct LayerSummary {
    std::vector<size_t> polygonSizes;  // sorted
    std::set<std::string> surfaces;
    bool operator<(const LayerSummary &other) const {
        return std::tie(polygonSizes, surfaces) < std::tie(other.polygonSizes, other.surfaces);
    }
    bool operator==(const LayerSummary &other) const {
        return polygonSizes == other.polygonSizes && surfaces == other.surfaces;
    }
};

std::vector<LayerSummary> OurLayers(const std::vector<vexil_host::MeshObject> &objects) {
    std::vector<LayerSummary> layers;
    for (const vexil_host::MeshObject &object : objects) {
        const vexil_host::Mesh &mesh = *object.mesh;
        if (mesh.PolygonCount() == 0) continue;
        LayerSummary layer;
        for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
            layer.polygonSizes.push_back(mesh.PolygonSize(polygon));
            const std::string *surface = mesh.SurfaceOf(polygon);
            layer.surfaces.insert(surface != nullptr ? *surface : "<none>");
        }
        std::sort(layer.polygonSizes.begin(), layer.polygonSizes.end());
        layers.push_back(layer);
    }
    std::sort(layers.begin(), layers.end());
    return layers;
}

// One layer per node that holds meshes.
void AddAssimpLayers(const aiScene &scene, const aiNode &node, std::vector<LayerSummary> &layers) {
    if (node.mNumMeshes > 0) {
        LayerSummary layer;
        for (unsigned i = 0; i < node.mNumMeshes; ++i) {
            const aiMesh &mesh = *scene.mMeshes[node.mMeshes[i]];
            for (unsigned face = 0; face < mesh.mNumFaces; ++face) layer.polygonSizes.push_back(mesh.mFaces[face].mNumIndices);
            aiString name;
            scene.mMaterials[mesh.mMaterialIndex]->Get(AI_MATKEY_NAME, name);
            layer.surfaces.insert(name.C_Str());
        }
        std::sort(layer.polygonSizes.begin(), layer.polygonSizes.end());
        layers.push_back(layer);
    }
    for (unsigned i = 0; i < node.mNumChildren; ++i) AddAssimpLayers(scene, *node.mChildren[i], layers);
}

std::vector<std::string> Lwo2Files() {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(kModels)) return files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(kModels)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        char head[12] = {};
        in.read(head, sizeof head);
        if (in.gcount() == 12 && std::string(head, 4) == "FORM" && std::string(head + 8, 4) == "LWO2")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(LwoRealFiles, readsEveryLwo2FileOfAssimpsTestModelsAsAssimpDoes) {
    std::vector<std::string> files = Lwo2Files();
    ASSERT_GE(files.size(), 30u) << "Debian's assimp-testmodels is not installed under " << kModels;
    for (const std::string &file : files) {
        std::vector<vexil_host::MeshObject> objects;
        ASSERT_NO_THROW(objects = vexil_host::ReadMeshFile(file)) << file;
        Assimp::Importer importer;
        const aiScene *scene = importer.ReadFile(file, 0);
        ASSERT_NE(scene, nullptr) << file << ": " << importer.GetErrorString();
        std::vector<LayerSummary> theirs;
        AddAssimpLayers(*scene, *scene->mRootNode, theirs);
        std::sort(theirs.begin(), theirs.end());
        std::vector<LayerSummary> ours = OurLayers(objects);
        EXPECT_TRUE(ours == theirs) << file;
        size_t points = 0, polygons = 0;
        for (const vexil_host::MeshObject &object : objects) {
            points += object.mesh->points.size();
            polygons += object.mesh->PolygonCount();
        }
        std::printf("%s: %zu layers, %zu points, %zu polygons\n", file.c_str(), objects.size(), points, polygons);
    }
}

// The oldest form, which assimp's reader does not read whole. The counts
// were worked out from a hex dump of each file: PNTS size / 12, and the
// polygon records of POLS.
TEST(LwoRealFiles, readsEveryLwobFileOfAssimpsTestModels) {
    const struct {
        const char *file;
        size_t points, polygons, corners;
        const char *surface;
    } cases[] = {
        {"LWO/LWOB/ConcavePolygon.lwo", 64, 1, 66, "test_Smoothing"},
        {"LWO/LWOB/formatDetection", 24, 1, 24, "Default"},
        {"LWO/LWOB/sphere_with_mat_gloss_10pc.lwo", 266, 288, 48 * 3 + 240 * 4, "Default"},
        {"LWO/LWOB/sphere_with_mat_gloss_50pc.lwo", 266, 288, 48 * 3 + 240 * 4, "Default"},
        {"LWO/LWOB/MappingModes/bluewithcylindrictexz.lwo", 8, 6, 24, "Test"},
    };
    for (const auto &c : cases) {
        std::vector<vexil_host::MeshObject> objects;
        ASSERT_NO_THROW(objects = vexil_host::ReadMeshFile(std::string(kModels) + "/" + c.file)) << c.file;
        ASSERT_EQ(objects.size(), 1u) << c.file;
        const vexil_host::Mesh &mesh = *objects[0].mesh;
        EXPECT_EQ(mesh.points.size(), c.points) << c.file;
        EXPECT_EQ(mesh.PolygonCount(), c.polygons) << c.file;
        EXPECT_EQ(mesh.vertices.size(), c.corners) << c.file;
        for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) EXPECT_EQ(*mesh.SurfaceOf(polygon), c.surface);
    }
}

TEST(LwoRealFiles, refusesModosFilesByNameAndReadsUtf16Obj) {
    for (const char *file : {"LWO/LXOB_Modo/CrazyEngine.lxo", "LWO/LXOB_Modo/sphereWithVertMap.lxo"}) {
        std::string path = std::string(kModels) + "/" + file;
        try {
            vexil_host::ReadMeshFile(path);
            ADD_FAILURE() << file << " was read";
        } catch (const vexil_host::MeshFileError &error) {
            EXPECT_EQ(std::string(error.what()), path + ": byte 0 (FORM chunk): a FORM of type LXOB is not an object "
                                                        "file read here (LWO2, LWO3 and LWOB are)");
        }
    }
    std::vector<vexil_host::MeshObject> box = vexil_host::ReadMeshFile(std::string(kModels) + "/OBJ/box_UTF16BE.obj");
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].name, "1");
    EXPECT_EQ(box[0].mesh->points.size(), 8u);
    EXPECT_EQ(box[0].mesh->PolygonCount(), 6u);
    EXPECT_EQ(*box[0].mesh->SurfaceOf(0), "Default");
}

}  // namespace
