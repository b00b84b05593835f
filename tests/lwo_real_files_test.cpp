// Every LWO2 file that Debian's assimp-testmodels ships, found by content
// (FORM ... LWO2), read by our reader and by assimp's library, which nobody
// here wrote. No file may be refused.
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
        if (vexil_host::FormatOf(std::string(head, static_cast<size_t>(in.gcount()))) == vexil_host::MeshFormat::Lwo2)
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

}  // namespace
