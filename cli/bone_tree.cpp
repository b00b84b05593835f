#include "cli/bone_tree.h"

#include <charconv>
#include <cmath>
#include <map>
#include <sstream>
#include <vector>

namespace vexil_host {

namespace {

// Bones of an object grouped under their parents, in enumeration order.
std::map<LWItemID, std::vector<LWItemID>> ChildrenOf(const Scene &scene, const Item &object) {
    std::map<LWItemID, std::vector<LWItemID>> children;
    for (LWItemID id : object.bones) {
        LWItemID parent = scene.Find(id)->bone.parent;
        children[parent != nullptr && scene.Find(parent) != nullptr ? parent : nullptr].push_back(id);
    }
    return children;
}

void SummarizeBone(const Scene &scene, const std::map<LWItemID, std::vector<LWItemID>> &children, LWItemID id,
                   const std::string &indent, bool last, std::ostringstream &out, size_t depthLeft) {
    const Item &bone = *scene.Find(id);
    const BoneState &values = bone.bone;
    const std::array<double, 3> &rotation = values.pivotRecorded ? values.pivotRotation : values.restRotation;
    out << indent << (last ? "`-- " : "|-- ") << bone.name << "  at (" << ShortNumber(values.restPosition[0]) << ", "
        << ShortNumber(values.restPosition[1]) << ", " << ShortNumber(values.restPosition[2]) << ")  hpb ("
        << ShortNumber(rotation[0]) << ", " << ShortNumber(rotation[1]) << ", " << ShortNumber(rotation[2])
        << ")  length " << ShortNumber(values.restLength) << (values.pivotRecorded ? "  (pivot)" : "") << "\n";
    auto found = children.find(id);
    if (found == children.end()) return;
    if (depthLeft == 0) {
        out << indent << "    ... (" << found->second.size() << " more below)\n";
        return;
    }
    for (size_t i = 0; i < found->second.size(); ++i)
        SummarizeBone(scene, children, found->second[i], indent + (last ? "    " : "|   "),
                      i + 1 == found->second.size(), out, depthLeft - 1);
}

}  // namespace

std::string ShortNumber(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    std::string number(text, result.ptr);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
    // The tree is for reading: a zero has no sign there (the commands keep it).
    if (number == "-0") number = "0";
    return number;
}

std::string SceneSummary(const Scene &scene) {
    std::ostringstream out;
    out.exceptions(std::ios::badbit);  // running out of memory must not cut the text short unseen
    for (const auto &item : scene.Items()) {
        if (item->type != ItemType::Object) continue;
        out << item->name << " (object " << IdText(item->id) << "): " << item->bones.size()
            << (item->bones.size() == 1 ? " bone" : " bones") << "\n";
        auto children = ChildrenOf(scene, *item);
        const std::vector<LWItemID> &roots = children[nullptr];
        // Deep chains are cut short: a summary is for reading.
        for (size_t i = 0; i < roots.size(); ++i)
            SummarizeBone(scene, children, roots[i], "", i + 1 == roots.size(), out, 64);
    }
    return out.str();
}

}  // namespace vexil_host
