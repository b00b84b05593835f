// Runs the module on what a reader read and writes it as glTF, so that the
// writer meets every mesh a reader accepts.
#pragma once

#include <cmath>
#include <cstdlib>
#include <new>
#include <sstream>
#include <vector>

#include "file_formats/gltf_writer.h"
#include "file_formats/weight_maps_file.h"
#include "host/services.h"
#include "rig_check/diagnosis.h"
#include "shell/activate.h"

// Stops the fuzzer on weights that are not finite, not above 0, or do not
// sum to 1 within float rounding.
inline void CheckWeights(const vexil_host::SkinWeights &weights) {
    for (const vexil_host::Influences &influences : weights.influences) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            if (!(influences.weight[i] >= 0) || influences.bone[i] >= weights.bones.size()) std::abort();
            sum += influences.weight[i];
        }
        if (!(std::fabs(sum - 1) < 1e-5)) std::abort();
    }
}

// Stops the fuzzer when the export fails on a mesh the reader accepted.
inline void CheckExport(std::vector<vexil_host::MeshObject> &objects) {
    vexil_host::Scene scene;
    std::vector<vexil_host::WeightMap> none;
    std::vector<std::vector<vexil_host::WeightMap>> maps;
    for (vexil_host::MeshObject &object : objects) {
        scene.selection.push_back(scene.AddObject(object.name, std::move(object.mesh)));
        maps.push_back(std::move(object.weightMaps));
    }
    vexil_host::StandInHost host(scene);
    if (Activate(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr) != AFUNC_OK) std::abort();
    // Both ways of weighing, each written as glTF and as weight maps.
    for (vexil_host::WeightMethod method : {vexil_host::WeightMethod::Automatic, vexil_host::WeightMethod::Nearest}) {
        std::vector<vexil_host::SkinWeights> weights(scene.selection.size());
        std::vector<vexil_host::GltfObject> written;
        std::vector<vexil_host::WeightMapsLayer> layers;
        for (size_t i = 0; i < scene.selection.size(); ++i) {
            const vexil_host::Item &item = *scene.Find(scene.selection[i]);
            const vexil_host::Mesh &mesh = *item.mesh;
            std::vector<bool> skeletonPolygon(mesh.PolygonCount(), false);
            LWMeshInfo *info = host.MeshOf(item.id);
            for (LWPolID polygon : DiagnoseMesh(info).skeletonPolygons)
                skeletonPolygon[vexil_host::PolygonIndexOf(polygon, mesh.PolygonCount())] = true;
            info->destroy(info);
            weights[i] = vexil_host::WeighSkin(scene, item, skeletonPolygon, &maps[i], method);
            CheckWeights(weights[i]);
            written.push_back({item.id, &weights[i]});
            layers.push_back({item.name, &mesh, &maps[i], vexil_host::BoneWeightMaps(scene, item, weights[i])});
        }
        for (bool binary : {true, false}) {
            std::ostringstream out;
            vexil_host::WriteGltf(scene, written, binary, out);
            if (!out) std::abort();
        }
        vexil_host::WriteWeightMapsLwo(layers);
    }
}
