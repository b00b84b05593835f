#include "file_formats/mesh_file.h"

#include <fstream>
#include <iterator>

#include "file_formats/lwo_reader.h"
#include "file_formats/obj_reader.h"

namespace vexil_host {

MeshFormat FormatOf(const std::string &firstBytes) {
    bool lwo2 = firstBytes.size() >= 12 && firstBytes.compare(0, 4, "FORM") == 0 &&
                firstBytes.compare(8, 4, "LWO2") == 0;
    return lwo2 ? MeshFormat::Lwo2 : MeshFormat::Obj;
}

std::string FileStem(const std::string &path) {
    size_t slash = path.find_last_of("/\\");
    std::string stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
    size_t dot = stem.rfind('.');
    if (dot != std::string::npos && dot > 0) stem.erase(dot);
    return stem;
}

std::vector<MeshObject> ReadMeshFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw MeshFileError(path + ": cannot be opened");
    char head[12] = {};
    file.read(head, sizeof head);
    std::string firstBytes(head, static_cast<size_t>(file.gcount()));
    file.clear();
    file.seekg(0);
    if (FormatOf(firstBytes) == MeshFormat::Lwo2) {
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad()) throw MeshFileError(path + ": could not be read");
        return ReadLwo(bytes, path, FileStem(path));
    }
    return ReadObj(file, path, FileStem(path));
}

}  // namespace vexil_host
