// vexil-obj2lwo: converts an OBJ mesh into an LWO2 object file, one layer
// per object, each polygon's surface as its SURF tag, every point kept.
#include <fstream>
#include <iostream>

#include "file_formats/lwo_writer.h"
#include "file_formats/mesh_file.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: vexil-obj2lwo MESH.obj OUT.lwo\n";
        return 2;
    }
    try {
        std::string bytes = vexil_host::WriteLwo(vexil_host::ReadMeshFile(argv[1]));
        std::ofstream out(argv[2], std::ios::binary);
        out << bytes;
        if (!out.flush()) throw std::runtime_error(std::string(argv[2]) + ": cannot be written");
    } catch (const std::exception &error) {
        std::cerr << "vexil-obj2lwo: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
