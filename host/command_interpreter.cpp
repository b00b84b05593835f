#include "host/command_interpreter.h"

#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <vector>

namespace vexil_host {

namespace {

std::vector<std::string> SplitBlanks(const std::string &text) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// Parses a decimal number as the module writes it, including nan and inf.
bool ParseNumber(const std::string &word, double &value) {
    if (word.empty()) return false;
    auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

bool ParseNumbers(const std::string &argument, size_t count, double *values) {
    std::vector<std::string> words = SplitBlanks(argument);
    if (words.size() != count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!ParseNumber(words[i], values[i])) return false;
    return true;
}

bool ParseHex(const std::string &word, uint32_t &value) {
    if (word.empty()) return false;
    auto result = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

bool ParseInt(const std::string &word, int &value) {
    if (word.empty()) return false;
    auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

Item *FirstSelected(Scene &scene) {
    return scene.selection.empty() ? nullptr : scene.Find(scene.selection.front());
}

// The selected bone, or why a bone command cannot apply.
Item *SelectedBone(Scene &scene, std::string &reason) {
    Item *item = FirstSelected(scene);
    if (item == nullptr || item->type != ItemType::Bone) {
        reason = "no bone is selected";
        return nullptr;
    }
    return item;
}

using Handler = std::function<std::string(Scene &, const std::string &argument, bool hasArgument)>;

// Sets three numbers of the selected bone.
Handler SetTriple(std::array<double, 3> BoneState::*field, bool marksPivot = false) {
    return [field, marksPivot](Scene &scene, const std::string &argument, bool) -> std::string {
        std::array<double, 3> values;
        if (!ParseNumbers(argument, 3, values.data())) return "expects three numbers";
        std::string reason;
        Item *bone = SelectedBone(scene, reason);
        if (bone == nullptr) return reason;
        bone->bone.*field = values;
        if (marksPivot) bone->bone.pivotRecorded = false;
        return "";
    };
}

Handler SetSingle(double BoneState::*field) {
    return [field](Scene &scene, const std::string &argument, bool) -> std::string {
        double value;
        if (!ParseNumbers(argument, 1, &value)) return "expects one number";
        std::string reason;
        Item *bone = SelectedBone(scene, reason);
        if (bone == nullptr) return reason;
        bone->bone.*field = value;
        return "";
    };
}

std::string Select(Scene &scene, const std::string &argument, bool add) {
    uint32_t low;
    if (!ParseHex(argument, low)) return "expects an item ID in hexadecimal";
    Item *item = scene.FindByLow32(low);
    if (item == nullptr) return "no such item";
    if (!add) scene.selection.clear();
    for (LWItemID selected : scene.selection)
        if (selected == item->id) return "";
    scene.selection.push_back(item->id);
    return "";
}

std::string AddBone(Scene &scene, const std::string &name, bool asChild) {
    Item *selected = FirstSelected(scene);
    LWItemID object = nullptr;
    LWItemID parent = nullptr;
    if (asChild) {
        if (selected == nullptr || selected->type != ItemType::Bone) return "no bone is selected";
        object = selected->bone.object;
        parent = selected->id;
    } else if (selected != nullptr && selected->type == ItemType::Object) {
        object = selected->id;
    } else if (selected != nullptr && selected->type == ItemType::Bone) {
        object = selected->bone.object;
    } else {
        return "no object or bone is selected";
    }
    LWItemID bone = scene.AddBone(object, parent, name);
    scene.selection.assign(1, bone);
    return "";
}

const std::map<std::string, Handler> &Handlers() {
    static const std::map<std::string, Handler> handlers = {
        {"GoToFrame",
         [](Scene &scene, const std::string &argument, bool) -> std::string {
             int frame;
             if (!ParseInt(argument, frame)) return "expects a whole frame number";
             scene.frame = frame;
             return "";
         }},
        {"SelectItem", [](Scene &scene, const std::string &argument, bool) { return Select(scene, argument, false); }},
        {"AddToSelection",
         [](Scene &scene, const std::string &argument, bool) { return Select(scene, argument, true); }},
        {"AddBone",
         [](Scene &scene, const std::string &name, bool hasArgument) -> std::string {
             if (!hasArgument) return "expects a name";
             return AddBone(scene, name, false);
         }},
        {"AddChildBone",
         [](Scene &scene, const std::string &name, bool hasArgument) -> std::string {
             if (!hasArgument) return "expects a name";
             return AddBone(scene, name, true);
         }},
        {"BoneActive",
         [](Scene &scene, const std::string &argument, bool) -> std::string {
             int active;
             if (!ParseInt(argument, active)) return "expects 0 or 1";
             std::string reason;
             Item *bone = SelectedBone(scene, reason);
             if (bone == nullptr) return reason;
             bone->bone.active = active != 0;
             return "";
         }},
        {"BoneRestPosition", SetTriple(&BoneState::restPosition)},
        {"BoneRestRotation", SetTriple(&BoneState::restRotation)},
        {"BoneRestLength", SetSingle(&BoneState::restLength)},
        {"ItemIconScale", SetSingle(&BoneState::iconScale)},
        {"Position", SetTriple(&BoneState::position)},
        {"Rotation", SetTriple(&BoneState::rotation)},
        {"PivotRotation", SetTriple(&BoneState::pivotRotation, true)},
        {"RecordPivotRotation",
         [](Scene &scene, const std::string &, bool hasArgument) -> std::string {
             if (hasArgument) return "takes no argument";
             std::string reason;
             Item *bone = SelectedBone(scene, reason);
             if (bone == nullptr) return reason;
             bone->bone.pivotRecorded = true;
             return "";
         }},
        {"BoneWeightMapName",
         [](Scene &scene, const std::string &name, bool hasArgument) -> std::string {
             if (!hasArgument) return "expects a name";
             std::string reason;
             Item *bone = SelectedBone(scene, reason);
             if (bone == nullptr) return reason;
             bone->bone.weightMap = name;
             return "";
         }},
    };
    return handlers;
}

}  // namespace

std::string ApplyCommand(Scene &scene, const std::string &command) {
    size_t blank = command.find(' ');
    std::string word = command.substr(0, blank);
    bool hasArgument = blank != std::string::npos;
    std::string argument = hasArgument ? command.substr(blank + 1) : std::string();
    auto handler = Handlers().find(word);
    if (handler == Handlers().end()) return "unknown command";
    return handler->second(scene, argument, hasArgument);
}

}  // namespace vexil_host
