// What the stand-in host shows of a scene after a run: a readable bone tree
// per object, and the whole scene as JSON.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/scene.h"

namespace vexil_host {

// A number as the module writes it (six decimals), without trailing zeros
// and without the sign of a zero; the same in every locale.
std::string ShortNumber(double value);

// Each selected object's bone tree with rest position, rotation (heading,
// pitch, bank) and length, one bone a line.
std::string SceneSummary(const Scene &scene);

// Frame, selection, and every object with its bones and their values.
nlohmann::json SceneJson(const Scene &scene);

// The text of a JSON document; bytes that are not UTF-8 become U+FFFD.
std::string JsonText(const nlohmann::json &document);

}  // namespace vexil_host
