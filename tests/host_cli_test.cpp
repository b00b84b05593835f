// Runs the vexil-host program as a user would and reads what it wrote.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>
#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace {

struct Outcome {
    int status;
    std::string output;
};

// A command line for popen and std::system: cmd.exe takes the program's path
// with backslashes, and the whole line in one more pair of quotes.
std::string ShellCommand(std::string program, const std::string &arguments) {
#if defined(_WIN32)
    std::replace(program.begin(), program.end(), '/', '\\');
    return "\"\"" + program + "\" " + arguments + "\"";
#else
    return "\"" + program + "\" " + arguments;
#endif
}

enum class Streams { Output, OutputAndErrors, ErrorsOnly };

// Runs vexil-host with `arguments` (already quoted for the shell) and reads
// the streams asked for.
Outcome RunHost(const std::string &arguments, Streams streams) {
#if defined(_WIN32)
    const char *const redirect[] = {" 2>NUL", " 2>&1", " 2>&1 >NUL"};
#else
    const char *const redirect[] = {" 2>/dev/null", " 2>&1", " 2>&1 >/dev/null"};
#endif
    std::string command = ShellCommand(VEXIL_HOST_PATH, arguments + redirect[static_cast<int>(streams)]);
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string output;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
    int status = pclose(pipe);
#if !defined(_WIN32)
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return {status, output};
}

// Standard error is folded into the output when `withErrors`.
Outcome RunHost(const std::string &arguments, bool withErrors = false) {
    return RunHost(arguments, withErrors ? Streams::OutputAndErrors : Streams::Output);
}

std::string Example(const std::string &name) { return std::string("\"") + VEXIL_EXAMPLES_DIR + "/" + name + "\""; }

std::string TempPath(const std::string &name) {
    return (::testing::TempDir() + "vexil_cli_" + std::to_string(::getpid()) + "_" + name);
}

std::string WriteTemp(const std::string &name, const std::string &text) {
    std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// "name<parent" for every bone of the object, in creation order.
std::vector<std::string> BoneTree(const nlohmann::json &scene, const std::string &object) {
    std::vector<std::string> tree;
    for (const auto &item : scene["objects"])
        if (item["name"] == object)
            for (const auto &bone : item["bones"])
                tree.push_back(bone["name"].get<std::string>() +
                               (bone["parent"].is_null() ? "" : "<" + bone["parent"].get<std::string>()));
    return tree;
}

TEST(HostProgram, runsEveryExampleIntoTheSkeletonItsDrawingMeans) {
    Outcome run = RunHost("--scene - " + Example("arm.obj") + " " + Example("hand.obj") + " " + Example("biped.obj") +
                          " " + Example("tail.obj"));
    ASSERT_EQ(run.status, 0) << run.output;
    nlohmann::json scene = nlohmann::json::parse(run.output);
    EXPECT_EQ(BoneTree(scene, "Arm"), (std::vector<std::string>{"UpperArm", "Forearm<UpperArm", "Hand<Forearm"}));
    std::vector<std::string> hand = {"Palm"};
    for (const char *finger : {"Thumb", "Index", "Middle", "Ring", "Pinky"}) {
        hand.push_back(std::string(finger) + "1<Palm");
        hand.push_back(std::string(finger) + "2<" + finger + "1");
    }
    EXPECT_EQ(BoneTree(scene, "Hand"), hand);
    EXPECT_EQ(BoneTree(scene, "Tail"), (std::vector<std::string>{"Pelvis", "Tail1<Pelvis", "Tail2<Tail1", "Tail3<Tail2"}));
    std::vector<std::string> biped = BoneTree(scene, "Biped");
    std::map<std::string, std::string> parentOf;
    for (const std::string &entry : biped) {
        size_t mark = entry.find('<');
        parentOf[entry.substr(0, mark)] = mark == std::string::npos ? "" : entry.substr(mark + 1);
    }
    EXPECT_EQ(parentOf.size(), 19u);
    const std::map<std::string, std::string> expected = {
        {"Hips", ""},
        {"Spine", "Hips"},
        {"Chest", "Spine"},
        {"Neck", "Chest"},
        {"Head", "Neck"},
        {"LeftUpperArm", "Chest"},
        {"LeftForearm", "LeftUpperArm"},
        {"LeftHand", "LeftForearm"},
        {"LeftFingers", "LeftHand"},
        {"RightUpperArm", "Chest"},
        {"RightForearm", "RightUpperArm"},
        {"RightHand", "RightForearm"},
        {"RightFingers", "RightHand"},
        {"LeftThigh", "Hips"},
        {"LeftShin", "LeftThigh"},
        {"LeftFoot", "LeftShin"},
        {"RightThigh", "Hips"},
        {"RightShin", "RightThigh"},
        {"RightFoot", "RightShin"},
    };
    EXPECT_EQ(parentOf, expected);
}

TEST(HostProgram, writesTheCommandsAndTheSceneTheyMade) {
    std::string mesh = WriteTemp("leg.obj",
                                 "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 3\nv 0 0.1 2\n"
                                 "usemtl Upper\nf 1 2 3\nusemtl Lower\nf 2 4 5\n");
    std::string commands = TempPath("commands.txt");
    Outcome run = RunHost("--runs 2 --time 1.5 --fps 24 --commands \"" + commands + "\" --scene - \"" + mesh + "\"");
    ASSERT_EQ(run.status, 0);
    std::string text = ReadFile(commands);
    // Two runs: the bones are made once, then only posed again.
    size_t second = text.find("GoToFrame 0", 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.rfind("GoToFrame 0\nSelectItem 10000001\nAddBone Upper\nSelectItem 40000001\nBoneActive 1\n"
                         "BoneRestPosition 0.000000 0.000000 0.000000\n",
                         0),
              0u);
    EXPECT_EQ(text.find("AddBone", second), std::string::npos);
    EXPECT_NE(text.find("GoToFrame 36\nSelectItem 10000001\n", second), std::string::npos);

    nlohmann::json scene = nlohmann::json::parse(run.output);
    EXPECT_EQ(scene["frame"], 36);
    EXPECT_EQ(scene["selection"], nlohmann::json::array({"10000001"}));
    const nlohmann::json &lower = scene["objects"][0]["bones"][1];
    EXPECT_EQ(lower["name"], "Lower");
    EXPECT_EQ(lower["parent"], "Upper");
    EXPECT_EQ(lower["active"], true);
    EXPECT_EQ(lower["restPosition"], nlohmann::json::array({0.0, 0.0, 2.0}));
    EXPECT_EQ(lower["restLength"], 1.0);
    EXPECT_EQ(lower["iconScale"], 1.0);
    EXPECT_EQ(lower["weightMap"], "Lower");
    EXPECT_TRUE(std::signbit(lower["restRotation"][1].get<double>()));
}

TEST(HostProgram, rejectsBadFilesAndArgumentsWithoutRunningTheModule) {
    std::string bad = WriteTemp("bad.obj", "v 0 0 0\nv 1 1 1\nf 1 2 7\n");
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"\"" + bad + "\"", 2, bad + ":3: point index 7 is out of range (2 points defined so far)"},
        {"\"" + TempPath("missing.obj") + "\"", 2, TempPath("missing.obj") + ": cannot be opened"},
        {"--runs 0", 2, "--runs expects a whole number of at least 1, not '0'"},
        {"--fps", 2, "--fps expects a value"},
        {"--bogus", 2, "unknown option '--bogus'"},
        {"--module \"" + bad + "\"", 3, "not a loadable module"},
    };
    for (const auto &c : cases) {
        Outcome run = RunHost("--commands - " + c.arguments, true);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("GoToFrame"), std::string::npos);
    }
}

TEST(HostProgram, printsTheBoneTreeAndDrawsIt) {
    Outcome run = RunHost(Example("arm.obj"));
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Arm (object 10000001): 3 bones\n`-- UpperArm  at (0, 1.5, 0)  hpb (90, 0, 0)  length 0.3\n"
                              "    `-- Forearm  at (0, 0, 0.3)"),
              std::string::npos)
        << run.output;
    std::string svg = TempPath("arm.svg");
    ASSERT_EQ(RunHost("--pivot-rotate --svg \"" + svg + "\" " + Example("arm.obj")).status, 0);
    std::string picture = ReadFile(svg);
    EXPECT_EQ(picture.rfind("<svg ", 0), 0u);
    for (const char *name : {">UpperArm<", ">Forearm<", ">Hand<", ">Arm (3 bones)<"})
        EXPECT_NE(picture.find(name), std::string::npos) << name;
    size_t roots = 0, wedges = 0;
    for (size_t at = picture.find("<polygon"); at != std::string::npos; at = picture.find("<polygon", at + 1)) {
        ++wedges;
        if (picture.compare(picture.find("fill='", at) + 6, 7, "#e4572e") == 0) ++roots;
    }
    // Seen end-on from the side the arm is three dots; the legend adds a wedge of each colour.
    EXPECT_EQ(wedges, 2u * 3 + 2);
    EXPECT_EQ(roots, 2u + 1);
}

TEST(HostProgram, runsTheBundledExampleWithoutArguments) {
    Outcome run = RunHost("");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Biped (object 10000001): 19 bones"), std::string::npos) << run.output;
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

size_t CountStartingWith(const std::vector<std::string> &lines, const std::string &prefix) {
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string &line) {
        return line.compare(0, prefix.size(), prefix) == 0;
    }));
}

void ExpectTriple(const nlohmann::json &values, const std::array<double, 3> &expected, const std::string &what) {
    ASSERT_EQ(values.size(), 3u) << what;
    for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(values[i].get<double>(), expected[i], 1e-4) << what << " [" << i << "]";
}

TEST(HostProgram, posesTheArmAsItsGeometryMeansWithAndWithoutPivotRotation) {
    // The arm lies along +X with its roll on +Y, so the upper arm turns 90
    // degrees in heading; each joint twists the roll corner 45 degrees about
    // the bone, a bank of 45 relative to the parent. Each child starts at its
    // parent's tip: one parent length along the parent's Z.
    const struct {
        const char *name;
        std::array<double, 3> position, hpb;
        double length;
    } arm[] = {
        {"UpperArm", {0, 1.5, 0}, {90, 0, 0}, 0.3},
        {"Forearm", {0, 0, 0.3}, {0, 0, 45}, 0.25},
        {"Hand", {0, 0, 0.25}, {0, 0, 45}, 0.15},
    };
    const std::array<double, 3> zero = {0, 0, 0};
    for (bool pivot : {false, true}) {
        std::string commands = TempPath(pivot ? "pivot.txt" : "plain.txt");
        Outcome run = RunHost(std::string(pivot ? "--pivot-rotate " : "") + "--commands \"" + commands +
                              "\" --scene - " + Example("arm.obj"));
        ASSERT_EQ(run.status, 0) << run.output;
        nlohmann::json scene = nlohmann::json::parse(run.output);
        const nlohmann::json &bones = scene["objects"][0]["bones"];
        ASSERT_EQ(bones.size(), std::size(arm));
        for (size_t i = 0; i < std::size(arm); ++i) {
            const nlohmann::json &bone = bones[i];
            std::string what = std::string(arm[i].name) + (pivot ? " (pivot)" : "");
            EXPECT_EQ(bone["name"], arm[i].name);
            ExpectTriple(bone["restPosition"], arm[i].position, what + " rest position");
            ExpectTriple(bone["position"], arm[i].position, what + " position");
            EXPECT_NEAR(bone["restLength"].get<double>(), arm[i].length, 1e-6) << what;
            // Not the stand-in's default of 1: the icon scale was sent.
            EXPECT_NEAR(bone["iconScale"].get<double>(), arm[i].length, 1e-6) << what;
            ExpectTriple(bone["restRotation"], pivot ? zero : arm[i].hpb, what + " rest rotation");
            ExpectTriple(bone["rotation"], pivot ? zero : arm[i].hpb, what + " rotation");
            ExpectTriple(bone["pivotRotation"], pivot ? arm[i].hpb : zero, what + " pivot rotation");
        }
        std::vector<std::string> sent = Lines(ReadFile(commands));
        EXPECT_EQ(CountStartingWith(sent, "Rotation "), pivot ? 0u : 3u);
        EXPECT_EQ(CountStartingWith(sent, "PivotRotation "), pivot ? 3u : 0u);
        EXPECT_EQ(CountStartingWith(sent, "RecordPivotRotation"), pivot ? 3u : 0u);
        EXPECT_EQ(CountStartingWith(sent, "BoneRestRotation 0 0 0"), pivot ? 3u : 0u);
    }
}

TEST(HostProgram, reportsAFailedRunAndTheCommandsTheSceneRefused) {
    std::string module = VEXIL_FAILING_MODULE_PATH;
#if defined(_WIN32)
    std::replace(module.begin(), module.end(), '/', '\\');
#endif
    Outcome run = RunHost("--runs 2 --module \"" + module + "\" " + Example("arm.obj"), true);
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(CountStartingWith(Lines(run.output), "vexil-host: the scene refused 'NoSuchCommand 1': unknown command"),
              2u)
        << run.output;
    for (const char *report : {"vexil-host: run 1: the module returned 4 (", "vexil-host: run 2: the module returned 4 ("})
        EXPECT_NE(run.output.find(report), std::string::npos) << run.output;
}

TEST(HostProgram, readsEachExampleAsLwo2IntoTheSameCommandsAsItsObj) {
    for (const char *example : {"arm", "hand", "biped", "tail"}) {
        for (const char *options : {"", "--pivot-rotate "}) {
            std::string fromObj = TempPath("obj.txt"), fromLwo = TempPath("lwo.txt");
            auto run = [&](const std::string &output, const char *extension) {
                return RunHost(options + std::string("--commands \"") + output + "\" " + Example(example + std::string(extension)));
            };
            ASSERT_EQ(run(fromObj, ".obj").status, 0);
            ASSERT_EQ(run(fromLwo, ".lwo").status, 0);
            std::string commands = ReadFile(fromObj);
            EXPECT_GT(commands.size(), 500u) << example;
            EXPECT_EQ(ReadFile(fromLwo), commands) << example << " " << options;
        }
    }
}

// Runs vexil-host on an OBJ text; the output is what it wrote to standard error.
Outcome RunOnMesh(const std::string &name, const std::string &text, const std::string &options = "") {
    std::string mesh = WriteTemp(name, text);
    return RunHost(options + " --commands \"" + TempPath("ignored.txt") + "\" \"" + mesh + "\"", Streams::ErrorsOnly);
}

TEST(HostProgram, warnsOfEachDrawingMistakeAtItsLine) {
    const std::string bone = "v 0 0 0\nv 0 0 1\nv 0 0.1 0\n";
    const struct {
        const char *kind;
        std::string obj;
        std::string warning;  // after "FILE:"
    } cases[] = {
        {"unwelded joint",
         "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 3\nv 0 0.1 2\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 4 5 6\n",
         "11: warning: bone 'Lower' is a root, but its joint at (0, 0, 2) lies on the tip of bone 'Upper', which is "
         "a different point: weld the two points [unwelded]"},
        {"unwelded within a millionth",
         "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2.0000014\nv 0 0 3\nv 0 0.1 2\nusemtl Upper\nf 1 2 3\n"
         "usemtl Lower\nf 4 5 6\n",
         "11: warning: bone 'Lower' is a root, but its joint at (0, 0, 2.0000014) lies on the tip of bone 'Upper', "
         "which is a different point: weld the two points [unwelded]"},
        {"unwelded connector",
         "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 2.5\nv 0 0 3\nv 0 0.1 2.5\nusemtl Upper\nf 1 2 3\n"
         "usemtl Link\nl 4 5\nusemtl Lower\nf 5 6 7\n",
         "12: warning: a connector of surface 'Link' ends at (0, 0, 2) on the tip of bone 'Upper', but at a "
         "different point: weld the two points [unwelded]"},
        {"shared name", "o Body\n" + bone + "v 1 0 0\nv 1 0 1\nv 1 0.1 0\nusemtl Skin\nf 1 2 3\nf 4 5 6\n",
         "9: warning: 2 triangles of surface 'Skin' are not bones: 2 polygons use the name (the first triangle at "
         "(0, 0, 0)); give each bone a surface of its own [shared-name]"},
        {"degenerate", "o Flat\nv 0 0 0\nv 0 0 0.000001\nv 0 1 0\nusemtl Flat\nf 1 2 3\n",
         "6: warning: a triangle of surface 'Flat' has two corners closer than 0.00001, at (0, 0, 0) and (0, 0, "
         "1e-06), so it is no bone: pull them apart or delete the triangle [degenerate]"},
        {"too long", "o Long\n" + bone + "usemtl " + std::string(250, 'N') + "\nf 1 2 3\n",
         "6: warning: the name of bone '" + std::string(60, 'N') + "...' is 250 bytes long, so its commands would "
         "be 256 bytes or more: the bone cannot be created or addressed; shorten the surface name [too-long]"},
        {"control character", "o Toe\n" + bone + "usemtl To\x01" "e\nf 1 2 3\n",
         "6: warning: the name of bone 'To?e' has a control character, which the host's command parser may not "
         "keep: rename the surface [blank-name]"},
        {"pass-through loop",
         "o Loop\nv 0 0 0\nv 0 0 -1\nv 0 0.1 -1\nv 0 0.1 0\nv 0 0 1\nv 0 0.1 0\nusemtl Fin\nf 2 1 3\nf 1 2 4\n"
         "usemtl Bone\nf 1 5 6\n",
         "12: warning: the search for the parent of bone 'Bone' went round a loop of pass-through triangles named "
         "'Fin' and ended there, so the bone is a root: break the loop [loop]"},
        {"ring", "o Ring\nv 0 0 0\nv 0 0 1\nv 0 0.1 0\nv 0 0.1 1\nusemtl A\nf 1 2 3\nusemtl B\nf 2 1 4\n",
         "7: warning: bones 'A' and 'B' form a ring, each hanging from the next; it was cut at 'A', which is now a "
         "root: remove one link of the ring [ring]"},
        {"ring of one", "o Self\n" + bone + "usemtl A\nf 1 2 3\nusemtl Link\nl 2 1\n",
         "6: warning: the joint of bone 'A' leads back to its own tip, so the bone is a root: remove the link "
         "[ring]"},
        {"non-finite", "o Huge\nv -3e38 0 0\nv 3e38 0 0\nv -3e38 3e37 0\nusemtl Huge\nf 1 2 3\n",
         "6: warning: the rest values of bone 'Huge' are not finite numbers: its corners lie too far apart for "
         "32-bit floats [non-finite]"},
    };
    for (const auto &c : cases) {
        Outcome run = RunOnMesh("mistake.obj", c.obj);
        EXPECT_EQ(run.status, 0) << c.kind;
        EXPECT_EQ(run.output, TempPath("mistake.obj") + ":" + c.warning + "\n") << c.kind;
    }
    // Apart by more than a millionth of the two places' size: no warning,
    // however far out another bone lies.
    Outcome apart = RunOnMesh("apart.obj", "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2.00001\nv 0 0 3\nv 0 0.1 2\n"
                                           "v 1e15 0 0\nv 1e15 0 1e10\nv 1e15 1e9 0\nusemtl Upper\nf 1 2 3\n"
                                           "usemtl Lower\nf 4 5 6\nusemtl Far\nf 7 8 9\n");
    EXPECT_EQ(apart.output, "");
}

TEST(HostProgram, pointsLwo2WarningsAtThePolygonMarksTheDrawingAndFailsAStrictRun) {
    const std::string leg =
        "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 3\nv 0 0.1 2\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 4 5 6\n";
    std::string lwo = TempPath("leg.lwo");
    std::string convert = ShellCommand(VEXIL_OBJ2LWO_PATH, "\"" + WriteTemp("leg.obj", leg) + "\" \"" + lwo + "\"");
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string warning = "warning: bone 'Lower' is a root, but its joint at (0, 0, 2) lies on the tip of "
                                "bone 'Upper', which is a different point: weld the two points [unwelded]\n";
    Outcome run = RunHost("--commands \"" + TempPath("ignored.txt") + "\" \"" + lwo + "\"", Streams::ErrorsOnly);
    EXPECT_EQ(run.output, lwo + ": polygon 2 of layer 1: " + warning);
    Outcome strict = RunOnMesh("leg.obj", leg, "--strict");
    EXPECT_EQ(strict.status, 4);
    Outcome quiet = RunOnMesh("leg.obj", leg, "--strict --quiet");
    EXPECT_EQ(quiet.status, 4);
    EXPECT_EQ(quiet.output, "");

    // A red ring where the points should be welded, a red cross on a degenerate triangle.
    std::string flat = WriteTemp("flat.obj", "o Flat\nv 0 0 0\nv 0 0 0.000001\nv 0 1 0\nusemtl Flat\nf 1 2 3\n");
    const std::string ring = "r='7' class='mark' fill='none'/>", cross = "' class='mark'/>";
    auto occurrences = [](const std::string &text, const std::string &what) {
        size_t count = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
        return count;
    };
    std::string legPicture = RunHost("--quiet --svg - \"" + TempPath("leg.obj") + "\"").output;
    std::string flatPicture = RunHost("--quiet --svg - \"" + flat + "\"").output;
    // One mark in each of the three views, and one of each kind in the legend.
    EXPECT_EQ(occurrences(legPicture, ring), 3u + 1);
    EXPECT_EQ(occurrences(legPicture, cross), 0u + 1);
    EXPECT_EQ(occurrences(flatPicture, ring), 0u + 1);
    EXPECT_EQ(occurrences(flatPicture, cross), 3u + 1);
}

TEST(HostProgram, findsNoMistakeInTheExamplesAndExplainsEachBone) {
    const struct {
        const char *file;
        const char *root;
        const char *explained;  // one line --explain prints
    } examples[] = {
        {"arm.obj", "UpperArm", "  'Forearm' hangs from 'UpperArm': its joint is that bone's tip (a shared point)\n"},
        {"hand.lwo", "Palm", "  'Index1' hangs from 'Palm' through 1 connector\n"},
        {"biped.obj", "Hips", "  'Hips' is a root: no bone ends at its joint, and no connector or pass-through "
                              "triangle touches it\n"},
        {"tail.obj", "Pelvis", "  'Tail2' hangs from 'Tail1' through pass-through triangles named 'Fin'\n"},
    };
    for (const auto &example : examples) {
        std::string scene = TempPath("scene.json");
        Outcome run = RunHost("--strict --explain --scene \"" + scene + "\" " + Example(example.file), true);
        EXPECT_EQ(run.status, 0) << example.file << run.output;
        EXPECT_EQ(run.output.find("warning"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(example.explained), std::string::npos) << run.output;
        nlohmann::json diagnostics = nlohmann::json::parse(ReadFile(scene))["diagnostics"];
        ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
        EXPECT_EQ(diagnostics[0]["kind"], "roots");
        EXPECT_EQ(diagnostics[0]["severity"], "note");
        EXPECT_EQ(diagnostics[0]["bones"], nlohmann::json::array({example.root}));
    }
}

// A bone as drawn: its name and its joint, tip and roll corners, each its own point.
struct DrawnBone {
    std::string name;
    std::array<float, 3> joint, tip, roll;
};

// An OBJ object of the bones, with a connector from the tip of bone `from`
// to the joint of bone `to` for each link.
std::string ObjOf(const std::vector<DrawnBone> &bones, const std::vector<std::pair<int, int>> &links = {}) {
    std::ostringstream obj;
    obj << "o Rig\n";
    for (const DrawnBone &bone : bones)
        for (const auto &p : {bone.joint, bone.tip, bone.roll}) obj << "v " << p[0] << " " << p[1] << " " << p[2] << "\n";
    for (size_t i = 0; i < bones.size(); ++i)
        obj << "usemtl " << bones[i].name << "\nf " << 3 * i + 1 << " " << 3 * i + 2 << " " << 3 * i + 3 << "\n";
    for (const auto &link : links) obj << "usemtl Link\nl " << 3 * link.first + 2 << " " << 3 * link.second + 1 << "\n";
    return obj.str();
}

// A pair of arms mirrored about x = 0; `tipOff` and `rollOff` move the
// right one's tip and roll corner away from the mirror image.
std::vector<DrawnBone> Arms(const std::string &left, const std::string &right, float tipOff = 0, float rollOff = 0) {
    return {{left, {-1, 0, 0}, {-2, 0, 0}, {-1, 0.1f, 0}}, {right, {1, 0, 0}, {2, tipOff, 0}, {1, 0.1f, rollOff}}};
}

TEST(HostProgram, checksThatLeftAndRightBonesAreMirrorImages) {
    std::vector<DrawnBone> crossed = Arms("LeftUpper", "RightUpper");
    std::vector<DrawnBone> hands = Arms("LeftHand", "RightHand");
    for (DrawnBone &hand : hands)
        for (auto *p : {&hand.joint, &hand.tip, &hand.roll}) (*p)[2] += 1;
    crossed.insert(crossed.end(), hands.begin(), hands.end());
    const struct {
        const char *what;
        std::string obj;
        std::string options;
        std::vector<std::string> findings;  // kind and bones, roots left out
    } cases[] = {
        {"symmetric", ObjOf(Arms("LeftArm", "RightArm")), "", {}},
        {"roll off", ObjOf(Arms("LeftArm", "RightArm", 0, 0.05f)), "", {"mirror LeftArm RightArm"}},
        {"tip off", ObjOf(Arms("LeftArm", "RightArm", 0.05f)), "", {"mirror LeftArm RightArm"}},
        {"parents crossed", ObjOf(crossed, {{0, 2}}), "", {"mirror-parent LeftHand RightHand"}},
        {"missing partner", ObjOf({{"LeftEar", {-1, 0, 0}, {-2, 0, 0}, {-1, 0.1f, 0}}}), "",
         {"missing-partner LeftEar"}},
        {"word at the end", ObjOf(Arms("ArmLeft", "ArmRight", 0.05f)), "", {"mirror ArmLeft ArmRight"}},
        {"word in capitals", ObjOf(Arms("LEFTARM", "RIGHTARM", 0.05f)), "", {"mirror LEFTARM RIGHTARM"}},
        {"letter at the start", ObjOf(Arms("L_Arm", "R_Arm", 0.05f)), "", {"mirror L_Arm R_Arm"}},
        {"letter at the end", ObjOf(Arms("arm_l", "arm_r", 0.05f)), "", {"mirror arm_l arm_r"}},
        {"letter after a point", ObjOf(Arms("Arm.L", "Arm.R", 0.05f)), "", {"mirror Arm.L Arm.R"}},
        {"letter after a blank", ObjOf(Arms("Arm L", "Arm R", 0.05f)), "", {"mirror Arm L Arm R"}},
        {"markers at both ends", ObjOf(Arms("Left_Arm_L", "Right_Arm_L", 0.05f)), "",
         {"mirror Left_Arm_L Right_Arm_L"}},
        {"no marker", ObjOf(Arms("Leftover", "Bright", 0.05f)), "", {}},
        {"about y", ObjOf({{"FinLeft", {0, -1, 0}, {0, -2, 0}, {0.1f, -1, 0}}, {"FinRight", {0, 1, 0}, {0, 2, 0}, {0.1f, 1, 0}}}),
         "--mirror-axis y", {}},
        {"no check", ObjOf(Arms("LeftArm", "RightArm", 0.05f)), "--mirror-axis none", {}},
    };
    for (const auto &c : cases) {
        std::string scene = TempPath("mirror.json");
        Outcome run = RunOnMesh("mirror.obj", c.obj, c.options + " --scene \"" + scene + "\"");
        ASSERT_EQ(run.status, 0) << c.what << run.output;
        std::vector<std::string> findings;
        nlohmann::json diagnostics = nlohmann::json::parse(ReadFile(scene))["diagnostics"];
        for (const auto &finding : diagnostics) {
            if (finding["kind"] == "roots") continue;
            std::string text = finding["kind"].get<std::string>();
            for (const auto &bone : finding["bones"]) text += " " + bone.get<std::string>();
            findings.push_back(text);
        }
        EXPECT_EQ(findings, c.findings) << c.what;
    }
}

}  // namespace
