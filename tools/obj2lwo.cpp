// vexil-obj2lwo: converts an OBJ mesh into one of the modeller's object
// files (LWO2 unless told otherwise): one layer per object, each polygon's
// surface as its SURF tag, every point kept.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "file_formats/lwo_writer.h"
#include "file_formats/mesh_file.h"

int main(int argc, char **argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    vexil_host::LwoForm form = vexil_host::LwoForm::Lwo2;
    if (arguments.size() == 4 && arguments[0] == "--form") {
        const std::string &name = arguments[1];
        if (name == "LWO2") form = vexil_host::LwoForm::Lwo2;
        else if (name == "LWO3") form = vexil_host::LwoForm::Lwo3;
        else if (name == "LWOB") form = vexil_host::LwoForm::Lwob;
        else arguments.clear();
        if (!arguments.empty()) arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.size() != 2) {
        std::cerr << "usage: vexil-obj2lwo [--form LWO2|LWO3|LWOB] MESH.obj OUT.lwo\n";
        return 2;
    }
    try {
        std::string bytes = vexil_host::WriteLwo(vexil_host::ReadMeshFile(arguments[0]), form);
        std::ofstream out(arguments[1], std::ios::binary);
        out << bytes;
        if (!out.flush()) throw std::runtime_error(arguments[1] + ": cannot be written");
    } catch (const std::exception &error) {
        std::cerr << "vexil-obj2lwo: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
