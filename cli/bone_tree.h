// The bone trees vexil-host prints after a run: one line per bone.
#pragma once

#include <string>

#include "host/scene.h"

namespace vexil_host {

// A number as the module writes it (six decimals), without trailing zeros
// and without the sign of a zero; the same in every locale.
std::string ShortNumber(double value);

// Each selected object's bone tree with rest position, rotation (heading,
// pitch, bank) and length, one bone a line.
std::string SceneSummary(const Scene &scene);

}  // namespace vexil_host
