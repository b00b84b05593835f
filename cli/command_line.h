// The vexil-host command line.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "rig_check/mirror_check.h"
#include "weights/skin_weights.h"

namespace vexil_host {

struct CommandLine {
    std::vector<std::string> meshFiles;  // none: the bundled example
    bool pivotRotate = false;
    int runs = 1;
    double time = 0;
    double framesPerSecond = 30;
    std::optional<std::string> commandsFile;  // "-" for standard output
    std::optional<std::string> sceneFile;
    std::optional<std::string> svgFile;
    std::optional<std::string> gltfFile;  // ends in .glb (binary) or .gltf (JSON)
    std::optional<std::string> weightMapsFile;  // LWO2
    std::optional<std::string> htmlFile;        // the rig page
    WeightMethod weights = WeightMethod::Automatic;
    std::optional<std::string> modulePath;
    bool quiet = false;    // no warnings on standard error
    bool explain = false;  // how every bone found its parent, why roots are roots
    bool strict = false;   // any warning fails the run (status 4)
    bool beside = false;   // glTF, SVG and weight maps beside each mesh file
    MirrorAxis mirrorAxis = MirrorAxis::X;
    bool help = false;
    bool version = false;
};

// A command line that cannot be used; the message says what is wrong.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

CommandLine ParseCommandLine(const std::vector<std::string> &arguments);

// The arguments to run with, given the console the program was started in:
// `consoleProcesses` the processes attached to it (the program counts), and
// whether standard input and output are that console. Alone on a console
// both ends of which face the user, the program was started from Explorer,
// double-clicked or with files dropped on it: --beside is added, so that
// the outputs go beside the files and the window waits. Started from cmd or
// PowerShell (their shell shares the console) or with its ends piped or
// redirected, it runs as the arguments say.
std::vector<std::string> ConsoleArguments(unsigned consoleProcesses, bool inputIsConsole, bool outputIsConsole,
                                          std::vector<std::string> arguments);

// Whether `name` ends in `extension` (given in lower case), in any case.
bool EndsWith(const std::string &name, const std::string &extension);

// Whether a --gltf file is binary glTF (.glb) rather than JSON (.gltf).
bool IsBinaryGltf(const std::string &file);

extern const char *const kUsage;

}  // namespace vexil_host
