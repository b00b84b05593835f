// Runs the module on what a reader read and writes it as glTF, so that the
// writer meets every mesh a reader accepts.
#pragma once

#include <cstdlib>
#include <new>
#include <sstream>
#include <vector>

#include "file_formats/gltf_writer.h"
#include "host/services.h"
#include "rig_check/diagnosis.h"
#include "shell/activate.h"

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
    std::vector<vexil_host::GltfObject> written;
    for (size_t i = 0; i < scene.selection.size(); ++i) {
        vexil_host::GltfObject object;
        object.id = scene.selection[i];
        object.weightMaps = &maps[i];
        const vexil_host::Mesh &mesh = *scene.Find(object.id)->mesh;
        object.skeletonPolygon.assign(mesh.PolygonCount(), false);
        LWMeshInfo *info = host.MeshOf(object.id);
        for (LWPolID polygon : DiagnoseMesh(info).skeletonPolygons)
            object.skeletonPolygon[vexil_host::PolygonIndexOf(polygon, mesh.PolygonCount())] = true;
        info->destroy(info);
        written.push_back(std::move(object));
    }
    for (bool binary : {true, false}) {
        std::ostringstream out;
        vexil_host::WriteGltf(scene, written, binary, out);
        if (!out) std::abort();
    }
}
