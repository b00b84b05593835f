// vexil-host.exe under wine with folders and files named in other scripts:
// every output written to such a path and read back, messages in UTF-8,
// and the mode for files dropped on the program.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status;
    std::string output, errors;
};

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const std::string &text) { return "'" + text + "'"; }

// Runs vexil-host.exe under wine in a UTF-8 locale, its input from `input`.
Outcome RunWindowsHost(const std::string &arguments, const std::string &input = "") {
    std::string scratch = ::testing::TempDir() + "vexil_paths_run_" + std::to_string(::getpid());
    std::ofstream(scratch + ".in", std::ios::binary) << input;
    std::string command = "LC_ALL=C.UTF-8 WINEDEBUG=-all wine " + Quoted(VEXIL_WINDOWS_HOST_PATH) + " " + arguments +
                          " <" + Quoted(scratch + ".in") + " >" + Quoted(scratch + ".out") + " 2>" +
                          Quoted(scratch + ".err");
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(scratch + ".out"), ReadFile(scratch + ".err")};
}

void Copy(const std::string &from, const std::string &to) { std::ofstream(to, std::ios::binary) << ReadFile(from); }

std::set<std::string> FilesIn(const std::string &directory) {
    std::set<std::string> names;
    if (DIR *dir = opendir(directory.c_str())) {
        while (dirent *entry = readdir(dir))
            if (entry->d_name[0] != '.') names.insert(entry->d_name);
        closedir(dir);
    }
    return names;
}

const char *const kNames[] = {"日本語", "Привет", "Ελληνικά", "José Müller"};

std::string Scratch() {
    static std::string directory = [] {
        std::string path = ::testing::TempDir() + "vexil_paths_" + std::to_string(::getpid());
        std::system(("mkdir -p " + Quoted(path)).c_str());
        return path;
    }();
    return directory;
}

TEST(WindowsPaths, everyOutputGoesToAFolderAndFileNamedInAnyScript) {
    std::vector<std::string> glb;
    for (const char *name : kNames)
        for (const char *extension : {"obj", "lwo"}) {
            std::string folder = Scratch() + "/" + name + " " + extension;
            ASSERT_EQ(std::system(("mkdir -p " + Quoted(folder)).c_str()), 0);
            std::string input = folder + "/" + name + "." + extension;
            Copy(std::string(VEXIL_EXAMPLES_DIR) + "/biped_skin." + extension, input);
            std::string out = folder + "/" + name;
            Outcome run = RunWindowsHost("--gltf " + Quoted(out + ".glb") + " --svg " + Quoted(out + ".svg") +
                                         " --html " + Quoted(out + ".html") +
                                         " --scene " + Quoted(out + ".json") + " --commands " +
                                         Quoted(out + ".txt") + " --weight-maps " + Quoted(out + " maps.lwo") + " " +
                                         Quoted(input));
            ASSERT_EQ(run.status, 0) << input << ": " << run.errors;
            // An object file's one layer is named after the file.
            std::string object = std::string(extension) == "lwo" ? name : "Biped";
            EXPECT_EQ(run.output.rfind(object + " (object ", 0), 0u) << run.output.substr(0, 80);
            EXPECT_EQ(ReadFile(out + ".svg").rfind("<svg", 0), 0u) << out;
            EXPECT_NE(ReadFile(out + ".html").find("id=\"vexil-gltf\""), std::string::npos) << out;
            EXPECT_NE(ReadFile(out + ".json").find("\"Hips\""), std::string::npos) << out;
            EXPECT_NE(ReadFile(out + ".txt").find("AddBone Hips"), std::string::npos) << out;
            glb.push_back(out + ".glb");
            // The weight maps read back as a mesh file of their own.
            Outcome again = RunWindowsHost("--quiet " + Quoted(out + " maps.lwo"));
            EXPECT_EQ(again.status, 0) << again.errors;
            EXPECT_NE(again.output.find(std::string(name) + " maps (object "), std::string::npos) << again.output;
        }
    std::string command = "node " + Quoted(std::string(VEXIL_SOURCE_DIR) + "/tests/validate_gltf.js");
    for (const std::string &file : glb) command += " " + Quoted(file);
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string report;
    char buffer[4096];
    for (size_t count; (count = fread(buffer, 1, sizeof buffer, pipe)) > 0;) report.append(buffer, count);
    EXPECT_EQ(pclose(pipe), 0) << report;
    size_t clean = 0;
    for (size_t at = report.find(": 0 errors, 0 warnings"); at != std::string::npos; at = report.find(": 0 errors", at + 1))
        ++clean;
    EXPECT_EQ(clean, glb.size()) << report;
}

TEST(WindowsPaths, aMessageNamesTheFileInUtf8) {
    for (const char *name : kNames) {
        std::string missing = Scratch() + "/" + name + "/no such " + name + ".obj";
        Outcome run = RunWindowsHost(Quoted(missing));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.errors, "vexil-host: " + missing + ": cannot be opened\r\n");
    }
}

TEST(WindowsPaths, filesDroppedOnTheProgramGetTheirOutputsBesideThemAndTheWindowWaits) {
    std::string folder = Scratch() + "/dropped " + kNames[0];
    ASSERT_EQ(std::system(("mkdir -p " + Quoted(folder)).c_str()), 0);
    Copy(std::string(VEXIL_EXAMPLES_DIR) + "/biped.obj", folder + "/biped.obj");
    Copy(std::string(VEXIL_EXAMPLES_DIR) + "/biped.lwo", folder + "/biped.lwo");
    Copy(std::string(VEXIL_EXAMPLES_DIR) + "/hand.obj", folder + "/手.obj");
    std::ofstream(folder + "/notes.txt") << "the rigger's own file";
    std::set<std::string> before = FilesIn(folder);
    Outcome run = RunWindowsHost("--beside " + Quoted(folder + "/biped.obj") + " " + Quoted(folder + "/biped.lwo") +
                                     " " + Quoted(folder + "/手.obj"),
                                 "\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    std::set<std::string> expected = before;
    for (const char *name : {"biped.obj", "biped.lwo", "手"})
        for (const char *kind : {".vexil.glb", ".vexil.svg", ".vexil.lwo", ".vexil.html"}) {
            expected.insert(std::string(name) + kind);
            EXPECT_NE(run.output.find("vexil-host: wrote " + folder + "/" + name + kind), std::string::npos)
                << run.output;
        }
    EXPECT_EQ(FilesIn(folder), expected);
    EXPECT_EQ(ReadFile(folder + "/notes.txt"), "the rigger's own file");
    EXPECT_NE(run.output.find("Press Enter to close this window."), std::string::npos);
    // The hand's own glTF holds the hand alone.
    EXPECT_NE(ReadFile(folder + "/手.vexil.glb").find("\"Thumb1\""), std::string::npos);
    EXPECT_EQ(ReadFile(folder + "/手.vexil.glb").find("\"Spine\""), std::string::npos);
}

// A path as Windows programs under wine see it: on drive Z:.
std::string WindowsPath(const std::string &path) {
    std::string windows = "Z:" + path;
    for (char &c : windows)
        if (c == '/') c = '\\';
    return windows;
}

// In a console window of its own (wineconsole on a virtual display), as
// when started from Explorer: vexil-host.exe alone on its console writes
// the outputs beside the file dropped on it, then waits for Enter. Started
// from cmd in such a window, it shares the console, and writes nothing
// beside the file.
TEST(WindowsPaths, aloneOnItsOwnConsoleItWritesBesideTheFileButNotFromCmd) {
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is missing";
    std::string folder = Scratch() + "/console " + kNames[1];
    ASSERT_EQ(std::system(("mkdir -p " + Quoted(folder)).c_str()), 0);
    Copy(std::string(VEXIL_EXAMPLES_DIR) + "/arm.obj", folder + "/arm.obj");
    // A wine session left from an earlier run has no display for the window.
    std::system("timeout 30 wineserver -w >/dev/null 2>&1");
    // Neither run may outlast a minute: one that waits for Enter is killed.
    const std::string console =
        "cd " + Quoted(folder) + " && LC_ALL=C.UTF-8 WINEDEBUG=-all timeout 60 xvfb-run -a wineconsole ";

    // Its output to the console too, as a user's run from cmd shows it.
    std::ofstream(folder + "/run.bat", std::ios::binary) << "\"" << WindowsPath(VEXIL_WINDOWS_HOST_PATH)
                                                         << "\" --quiet arm.obj\r\necho ran > ran.txt\r\n";
    std::system((console + "cmd /c run.bat >/dev/null 2>&1").c_str());
    EXPECT_NE(ReadFile(folder + "/ran.txt").find("ran"), std::string::npos) << "from cmd it waited";
    EXPECT_EQ(FilesIn(folder).count("arm.vexil.glb"), 0u) << "from cmd it wrote beside the file";
    std::system("pkill -f 'vexil-host\\.exe\"* --quiet arm\\.obj' >/dev/null 2>&1");

    // Alone: the outputs appear beside the file while the window waits.
    ASSERT_EQ(std::system((console + Quoted(VEXIL_WINDOWS_HOST_PATH) + " arm.obj >/dev/null 2>&1 &").c_str()), 0);
    const std::set<std::string> wanted = {"arm.vexil.glb", "arm.vexil.svg", "arm.vexil.lwo", "arm.vexil.html"};
    bool written = false;
    for (int wait = 0; wait < 240 && !written; ++wait) {
        std::set<std::string> now = FilesIn(folder);
        written = std::includes(now.begin(), now.end(), wanted.begin(), wanted.end()) &&
                  ReadFile(folder + "/arm.vexil.html").find("</html>") != std::string::npos;
        if (!written) usleep(250000);
    }
    EXPECT_TRUE(written) << "nothing written beside the file dropped on the program";
    // The window waits for Enter, which nobody here presses.
    std::system("pkill -f 'vexil-host\\.exe arm\\.obj' >/dev/null 2>&1; sleep 1");
}

}  // namespace
