// vexil-host --html: one page that shows the rig in 3D, opened from disk
// with no server and no network: the glTF file, the rig check's findings
// and three.js are all inside it.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace vexil_host {

// The page for a binary glTF file `glb` (as WriteGltf writes it), titled
// `title`. `rig` holds what the page shows beside it: "warnings" (each with
// "object", "bones", "severity" and "message"), "marks" (each with
// "object", "ring" and "at", in the host's axes) and, when the skin was
// simplified to fit, "simplified", the sentence that says so. Every name
// lands in the page as data, never as markup or script.
std::string RigPage(const std::string &title, const std::string &glb, const nlohmann::json &rig);

}  // namespace vexil_host
