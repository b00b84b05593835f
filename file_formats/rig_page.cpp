#include "file_formats/rig_page.h"

#include "file_formats/rig_page_assets.h"
#include "file_formats/utf8.h"

namespace vexil_host {

namespace {

std::string Base64(const std::string &bytes) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t at = 0; at < bytes.size(); at += 3) {
        uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 16;
        if (at + 1 < bytes.size()) group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        if (at + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[at + 2]);
        text += kDigits[group >> 18 & 63];
        text += kDigits[group >> 12 & 63];
        text += at + 1 < bytes.size() ? kDigits[group >> 6 & 63] : '=';
        text += at + 2 < bytes.size() ? kDigits[group & 63] : '=';
    }
    return text;
}

// JSON that can stand inside a script element: no '<', '>' or '&' as such,
// and bytes that are not UTF-8 replaced.
std::string ScriptData(const nlohmann::json &data) {
    std::string json = data.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), text;
    text.reserve(json.size());
    for (char c : json) {
        if (c == '<')
            text += "\\u003c";
        else if (c == '>')
            text += "\\u003e";
        else if (c == '&')
            text += "\\u0026";
        else
            text += c;
    }
    return text;
}

void Fill(std::string &page, const std::string &mark, std::string_view with) {
    size_t at = page.find(mark);
    if (at != std::string::npos) page.replace(at, mark.size(), with);
}

}  // namespace

std::string RigPage(const std::string &title, const std::string &glb, const nlohmann::json &rig) {
    std::string page(kPageTemplate);
    // Escaped, no name can be taken for one of the template's marks.
    const std::string name = MarkupText(title);
    Fill(page, "<!--vexil:title-->", "Vexil: " + name);
    Fill(page, "<!--vexil:heading-->", name);
    Fill(page, "<!--vexil:style-->", kPageStyle);
    std::string scripts = "<!--vexil:gltf-->";
    size_t at = page.find(scripts);
    std::string tail = page.substr(at + scripts.size());
    page.erase(at);
    page += Base64(glb);
    Fill(tail, "<!--vexil:rig-->", ScriptData(rig));
    size_t three = tail.find("<!--vexil:three-->");
    size_t script = tail.find("<!--vexil:page-->");
    page += tail.substr(0, three);
    page += kThreeBundle;
    page += tail.substr(three + 18, script - (three + 18));
    page += kPageScript;
    page += tail.substr(script + 17);
    return page;
}

}  // namespace vexil_host
