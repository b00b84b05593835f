#include "file_formats/mesh_file.h"

#include <fstream>
#include <iterator>

#include "file_formats/lwo_reader.h"
#include "file_formats/obj_reader.h"
#include "host/file_path.h"

namespace vexil_host {

MeshFormat FormatOf(const std::string &firstBytes) {
    return firstBytes.compare(0, 4, "FORM") == 0 ? MeshFormat::Lightwave : MeshFormat::Obj;
}

namespace {

void AppendUtf8(std::string &text, uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Byte-order marks at the start of a text.
bool Utf8Mark(const std::string &bytes) { return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0; }
bool Utf16BigEndianMark(const std::string &bytes) { return bytes.compare(0, 2, "\xFE\xFF") == 0; }
bool Utf16Mark(const std::string &bytes) { return Utf16BigEndianMark(bytes) || bytes.compare(0, 2, "\xFF\xFE") == 0; }

}  // namespace

std::string ObjText(const std::string &bytes) {
    if (Utf8Mark(bytes)) return bytes.substr(3);
    if (!Utf16Mark(bytes)) return bytes;
    bool bigEndian = Utf16BigEndianMark(bytes);
    const uint32_t kReplacement = 0xFFFD;
    std::string text;
    text.reserve(bytes.size() / 2);
    auto unit = [&](size_t at) {
        uint32_t first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    size_t at = 2;
    for (; at + 1 < bytes.size(); at += 2) {
        uint32_t code = unit(at);
        if (code >= 0xD800 && code < 0xDC00 && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 &&
            unit(at + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = kReplacement;
        }
        AppendUtf8(text, code);
    }
    if (at < bytes.size()) AppendUtf8(text, kReplacement);
    return text;
}

std::string FileStem(const std::string &path) {
    size_t slash = path.find_last_of("/\\");
    std::string stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
    size_t dot = stem.rfind('.');
    if (dot != std::string::npos && dot > 0) stem.erase(dot);
    return stem;
}

std::string ReadFileBytes(const std::string &path) {
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file) throw MeshFileError(path + ": cannot be opened");
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw MeshFileError(path + ": could not be read");
    return bytes;
}

std::vector<MeshObject> ReadMeshFile(const std::string &path) {
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file) throw MeshFileError(path + ": cannot be opened");
    char head[4] = {};
    file.read(head, sizeof head);
    std::string first(head, static_cast<size_t>(file.gcount()));
    if (file.bad()) throw MeshFileError(path + ": could not be read");
    // UTF-8 OBJ text, the common case, is parsed as it is read; object
    // files and UTF-16 text are read whole.
    if (FormatOf(first) == MeshFormat::Obj && !Utf16Mark(first))
        return ReadObj(file, first.substr(Utf8Mark(first) ? 3 : 0), path, FileStem(path));
    std::string bytes = first + std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw MeshFileError(path + ": could not be read");
    if (FormatOf(bytes) == MeshFormat::Lightwave) return ReadLwo(bytes, path, FileStem(path));
    return ReadObj(ObjText(bytes), path, FileStem(path));
}

}  // namespace vexil_host
