// The glTF container library's code, compiled here once.
#include <fstream>  // the library's own file code needs it even when unused

#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>
