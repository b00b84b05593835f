#include "cli/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace vexil_host {

const char *const kUsage =
    "usage: vexil-host [options] [MESH.obj | MESH.lwo ...]\n"
    "\n"
    "Loads each mesh file (OBJ, in UTF-8 or UTF-16, or the modeller's object\n"
    "files: LWO2, LWO3 and the older LWOB) into a stand-in scene, selects its\n"
    "objects in order, runs the Vexil module on them as the host would, prints\n"
    "each object's bone tree, and warns of likely drawing mistakes on standard\n"
    "error. Without a file it runs on the bundled example biped.\n"
    "\n"
    "options:\n"
    "  --pivot-rotate      answer the PivotRotate question with on\n"
    "  --runs N            run the module N times on the same scene (default 1)\n"
    "  --time SECONDS      the current time the host reports (default 0)\n"
    "  --fps RATE          the frame rate the host reports (default 30)\n"
    "  --commands FILE     write every command the module sent, one per line\n"
    "  --scene FILE        write the resulting scene as JSON\n"
    "  --svg FILE          draw the skeletons: front, side and top views, each\n"
    "                      skin point in the colour of the bone that weighs it\n"
    "                      most\n"
    "  --gltf FILE         write the skeletons and their skins as glTF 2.0:\n"
    "                      binary for FILE.glb, JSON for FILE.gltf\n"
    "  --html FILE         write one page that shows the rig in 3D: the skin and\n"
    "                      its weights, the bones as a tree, bending a bone, and\n"
    "                      the warnings; it opens from disk in a web browser\n"
    "  --weight-maps FILE  write the objects again as one LWO2 file with a weight\n"
    "                      map per bone, named as the module names the bone's\n"
    "                      map; other chunks of an LWO2 file are kept\n"
    "  --weights METHOD    how points that no painted map weights follow the\n"
    "                      bones: auto (default), heat spread over the skin from\n"
    "                      each bone; nearest, each point wholly to its nearest\n"
    "                      bone\n"
    "  --beside            write NAME.vexil.glb, .vexil.svg, .vexil.lwo and .vexil.html\n"
    "                      beside each mesh file NAME.EXT (NAME.EXT.vexil.glb\n"
    "                      where two files share NAME); on by itself when the\n"
    "                      program has a console window of its own, as when a\n"
    "                      file is dropped on it, which then waits for Enter\n"
    "  --module PATH       the module to load (default: Vexil.p beside vexil-host)\n"
    "  --explain           also tell how every bone found its parent, why each\n"
    "                      root is a root, and each object's notes\n"
    "  --quiet             print no warnings\n"
    "  --strict            any warning makes the exit status 4\n"
    "  --mirror-axis AXIS  check left and right bones for mirror images about\n"
    "                      the plane where AXIS (x, y or z) is 0; none: no check\n"
    "                      (default x)\n"
    "  --version           print vexil-host's version\n"
    "  --help              show this text\n"
    "FILE may be - for standard output; the bone trees are then not printed.\n"
    "\n"
    "exit status: 0 done; 1 the module reported a failure; 2 bad command line\n"
    "or mesh file (the module is not run); 3 the module could not be loaded;\n"
    "4 with --strict, the module ran but there were warnings; 5 memory ran out\n"
    "(the message says where).\n";

namespace {

double ParseReal(const std::string &option, const std::string &text) {
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        throw UsageError(option + " expects a number, not '" + text + "'");
    return value;
}

}  // namespace

std::vector<std::string> ConsoleArguments(unsigned consoleProcesses, bool inputIsConsole, bool outputIsConsole,
                                          std::vector<std::string> arguments) {
    bool dropped = consoleProcesses == 1 && inputIsConsole && outputIsConsole;
    if (dropped && std::find(arguments.begin(), arguments.end(), "--beside") == arguments.end())
        arguments.insert(arguments.begin(), "--beside");
    return arguments;
}

bool EndsWith(const std::string &name, const std::string &extension) {
    if (name.size() <= extension.size()) return false;
    for (size_t i = 0; i < extension.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - extension.size() + i])) != extension[i])
            return false;
    return true;
}

bool IsBinaryGltf(const std::string &file) { return EndsWith(file, ".glb"); }

CommandLine ParseCommandLine(const std::vector<std::string> &arguments) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        auto value = [&]() -> const std::string & {
            if (i + 1 >= arguments.size()) throw UsageError(argument + " expects a value");
            return arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--pivot-rotate") {
            line.pivotRotate = true;
        } else if (argument == "--runs") {
            const std::string &text = value();
            int runs = 0;
            auto result = std::from_chars(text.data(), text.data() + text.size(), runs);
            if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || runs < 1)
                throw UsageError("--runs expects a whole number of at least 1, not '" + text + "'");
            line.runs = runs;
        } else if (argument == "--time") {
            line.time = ParseReal(argument, value());
        } else if (argument == "--fps") {
            line.framesPerSecond = ParseReal(argument, value());
        } else if (argument == "--commands") {
            line.commandsFile = value();
        } else if (argument == "--scene") {
            line.sceneFile = value();
        } else if (argument == "--svg") {
            line.svgFile = value();
        } else if (argument == "--gltf") {
            const std::string &file = value();
            if (!IsBinaryGltf(file) && !EndsWith(file, ".gltf"))
                throw UsageError("--gltf expects a file name ending in .glb (binary) or .gltf (JSON), not '" + file +
                                 "'");
            line.gltfFile = file;
        } else if (argument == "--html") {
            line.htmlFile = value();
        } else if (argument == "--weight-maps") {
            line.weightMapsFile = value();
        } else if (argument == "--weights") {
            const std::string &method = value();
            if (method == "auto")
                line.weights = WeightMethod::Automatic;
            else if (method == "nearest")
                line.weights = WeightMethod::Nearest;
            else
                throw UsageError("--weights expects auto or nearest, not '" + method + "'");
        } else if (argument == "--module") {
            line.modulePath = value();
        } else if (argument == "--quiet") {
            line.quiet = true;
        } else if (argument == "--explain") {
            line.explain = true;
        } else if (argument == "--beside") {
            line.beside = true;
        } else if (argument == "--strict") {
            line.strict = true;
        } else if (argument == "--mirror-axis") {
            const std::string &axis = value();
            if (!ParseMirrorAxis(axis, line.mirrorAxis))
                throw UsageError("--mirror-axis expects x, y, z or none, not '" + axis + "'");
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw UsageError("unknown option '" + argument + "'");
        } else {
            line.meshFiles.push_back(argument);
        }
    }
    return line;
}

}  // namespace vexil_host
