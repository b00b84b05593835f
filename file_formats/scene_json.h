// The scene after a run as JSON: what vexil-host's --scene writes.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/scene.h"

namespace vexil_host {

// Frame, selection, and every object with its bones and their values.
nlohmann::json SceneJson(const Scene &scene);

// The text of a JSON document; bytes that are not UTF-8 become U+FFFD.
std::string JsonText(const nlohmann::json &document);

}  // namespace vexil_host
