#include "file_formats/scene_json.h"

#include <cmath>

namespace vexil_host {

namespace {

nlohmann::json Number(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

nlohmann::json Triple(const std::array<double, 3> &values) {
    return nlohmann::json::array({Number(values[0]), Number(values[1]), Number(values[2])});
}

}  // namespace

nlohmann::json SceneJson(const Scene &scene) {
    nlohmann::json document;
    document["frame"] = scene.frame;
    nlohmann::json selection = nlohmann::json::array();
    for (LWItemID id : scene.selection) selection.push_back(IdText(id));
    document["selection"] = selection;
    nlohmann::json objects = nlohmann::json::array();
    for (const auto &item : scene.Items()) {
        if (item->type != ItemType::Object) continue;
        nlohmann::json bones = nlohmann::json::array();
        for (LWItemID id : item->bones) {
            const Item &bone = *scene.Find(id);
            const BoneState &values = bone.bone;
            const Item *parent = values.parent != nullptr ? scene.Find(values.parent) : nullptr;
            bones.push_back({
                {"id", IdText(id)},
                {"name", bone.name},
                {"parent", parent != nullptr ? nlohmann::json(parent->name) : nlohmann::json(nullptr)},
                {"active", values.active != 0},
                {"restPosition", Triple(values.restPosition)},
                {"restRotation", Triple(values.restRotation)},
                {"restLength", Number(values.restLength)},
                {"iconScale", Number(values.iconScale)},
                {"position", Triple(values.position)},
                {"rotation", Triple(values.rotation)},
                {"pivotRotation", Triple(values.pivotRotation)},
                {"weightMap", values.weightMap},
            });
        }
        objects.push_back({{"name", item->name}, {"id", IdText(item->id)}, {"bones", bones}});
    }
    document["objects"] = objects;
    return document;
}

std::string JsonText(const nlohmann::json &document) {
    return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace vexil_host
