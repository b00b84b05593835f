// Carries out the host commands the module sends against the scene.
#pragma once

#include <string>

#include "host/scene.h"

namespace vexil_host {

// Applies one command text to the scene. Returns the empty string when it was
// carried out, or why it was refused (unknown, malformed, or not applying to
// the selection); a refused command changes nothing.
std::string ApplyCommand(Scene &scene, const std::string &command);

}  // namespace vexil_host
