// The rig page's files, built into vexil-host from html/: the three.js
// bundle, the page's script, its style and its template.
#pragma once

#include <string_view>

namespace vexil_host {

extern const std::string_view kThreeBundle;
extern const std::string_view kPageScript;
extern const std::string_view kPageStyle;
extern const std::string_view kPageTemplate;

}  // namespace vexil_host
