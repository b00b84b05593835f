// vexil-host's command line and what it writes: run as a user would.
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/command_line.h"
#include "run_host.h"

using namespace vexil_test;

namespace {

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
    std::string modo = WriteTemp("engine.lxo", std::string("FORM\0\0\0\x0CLXOBVRSN\0\0\0\0", 20));
    std::string picture = WriteTemp("picture.iff", std::string("FORM\0\0\0\x04ILBM", 12));
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
        {"--gltf skeleton.fbx", 2, "--gltf expects a file name ending in .glb (binary) or .gltf (JSON), not 'skeleton.fbx'"},
        // Modo's object files begin as the modeller's do.
        {"\"" + modo + "\"", 2,
         modo + ": byte 0 (FORM chunk): a FORM of type LXOB is not an object file read here (LWO2, LWO3 and LWOB are)"},
        {"\"" + picture + "\"", 2,
         picture + ": byte 0 (FORM chunk): a FORM of type ILBM is not an object file read here (LWO2, LWO3 and LWOB are)"},
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

// The names' boxes in a picture, as the program measures them.
struct NameBox {
    double left, top, right, bottom;
};
std::vector<NameBox> NameBoxes(const std::string &svg) {
    std::vector<NameBox> boxes;
    const std::string mark = "' class='name'>";
    for (size_t at = svg.find(mark); at != std::string::npos; at = svg.find(mark, at + 1)) {
        size_t open = svg.rfind("<text x='", at);
        double x = std::stod(svg.substr(open + 9)), y = std::stod(svg.substr(svg.find("y='", open) + 3));
        size_t length = svg.find("</text>", at) - (at + mark.size());
        boxes.push_back({x, y - 10, x + 6.4 * static_cast<double>(length) + 2, y + 2});
    }
    return boxes;
}

TEST(HostProgram, drawsEveryNameWhereNoOtherNameLiesOrSaysWhy) {
    // The biped's names crowd its side and top views; a fan of long names
    // cannot all find room.
    std::ostringstream fan;
    fan << "o Fan\n";
    for (int i = 0; i < 120; ++i)
        fan << "v 0 0 " << i << "\nv 1 0 " << i << "\nv 0 0.1 " << i << "\nusemtl AVeryLongBoneNameNumber" << i
            << "\nf " << 3 * i + 1 << " " << 3 * i + 2 << " " << 3 * i + 3 << "\n";
    // Many names in one corner of the view, a bone far off in the other:
    // places are searched out to the farthest corner, and no fewer names
    // than this are left out.
    std::ostringstream corner;
    corner << "o Corner\n";
    for (int i = 0; i < 150; ++i)
        corner << "v " << i * 0.0005 << " 0 " << i * 0.0005 << "\nv " << i * 0.0005 << " 0.01 " << i * 0.0005 << "\nv "
               << i * 0.0005 + 0.001 << " 0 " << i * 0.0005 << "\nusemtl Corner" << i << "\nf " << 3 * i + 1 << " "
               << 3 * i + 2 << " " << 3 * i + 3 << "\n";
    corner << "v 10 10 10\nv 10 11 10\nv 10.1 10 10\nusemtl Far\nf 451 452 453\n";
    const struct {
        std::string mesh;
        size_t names;
        bool crowded;
        size_t leftOut;  // pinned where not SIZE_MAX
    } cases[] = {{Example("biped.obj"), 3 * 19, false, 0},
                 {"\"" + WriteTemp("fan.obj", fan.str()) + "\"", 3 * 120, true, SIZE_MAX},
                 {"\"" + WriteTemp("corner.obj", corner.str()) + "\"", 3 * 151, true, 295}};
    for (const auto &c : cases) {
        std::string picture = RunHost("--quiet --svg - " + c.mesh).output;
        EXPECT_EQ(RunHost("--quiet --svg - " + c.mesh).output, picture) << "the same scene gives the same bytes";
        std::vector<NameBox> boxes = NameBoxes(picture);
        for (size_t i = 0; i < boxes.size(); ++i)
            for (size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].left < boxes[j].right && boxes[j].left < boxes[i].right &&
                             boxes[i].top < boxes[j].bottom && boxes[j].top < boxes[i].bottom)
                    << c.mesh << ": names " << i << " and " << j << " overlap";
#if !defined(_WIN32)  // the picture is drawn on Linux; Windows' libm may differ in a last digit
        if (!c.crowded) {
            EXPECT_EQ(ReadFile(VEXIL_EXAMPLES_DIR "/../docs/biped.svg"), picture) << "docs/make-pictures.sh";
        }
#endif
        size_t leftOut = c.names - boxes.size();
        EXPECT_EQ(leftOut > 0, c.crowded) << c.mesh;
        if (c.leftOut != SIZE_MAX) {
            EXPECT_EQ(leftOut, c.leftOut) << c.mesh;
        }
        if (leftOut == 0)
            EXPECT_EQ(picture.find("left out"), std::string::npos) << c.mesh;
        else
            EXPECT_NE(picture.find(std::to_string(leftOut) + " names were left out"), std::string::npos) << c.mesh;
    }
}

// What a picture draws: each view's square, and in it the skin's dots and
// the bones' wedges, each with its fill.
struct DrawnView {
    double left, top, size;
    std::vector<std::array<double, 2>> dots;
    std::vector<std::string> dotFills;
    std::vector<std::array<double, 6>> wedges;  // three corners: joint side, tip, joint side
    std::vector<std::string> wedgeFills;
};

std::vector<DrawnView> DrawnViews(const std::string &svg) {
    auto number = [&](size_t at, const std::string &name) { return std::stod(svg.substr(svg.find(name + "='", at) + name.size() + 2)); };
    auto fill = [&](size_t at) { size_t from = svg.find("fill='", at) + 6; return svg.substr(from, svg.find('\'', from) - from); };
    std::vector<DrawnView> views;
    for (size_t at = 0; (at = svg.find('<', at)) != std::string::npos; ++at) {
        if (svg.compare(at, 6, "<rect ") == 0 && svg.find("fill='#fafafa'", at) < svg.find('>', at))
            views.push_back({number(at, "x"), number(at, "y"), number(at, "width"), {}, {}, {}, {}});
        else if (views.empty())
            continue;
        else if (svg.compare(at, 8, "<circle ") == 0 && svg.find("class='skin'", at) < svg.find('>', at)) {
            views.back().dots.push_back({number(at, "cx"), number(at, "cy")});
            views.back().dotFills.push_back(fill(at));
        } else if (svg.compare(at, 9, "<polygon ") == 0 && svg.find("class='bone'", at) < svg.find('>', at)) {
            std::array<double, 6> corners;
            std::istringstream points(svg.substr(svg.find("points='", at) + 8));
            char comma;
            for (int k = 0; k < 3; ++k) points >> corners[2 * k] >> comma >> corners[2 * k + 1];
            views.back().wedges.push_back(corners);
            views.back().wedgeFills.push_back(fill(at));
        }
    }
    return views;
}

// Each skin point is drawn in the colour of the bone that weighs it most,
// and every view fits the skin as well as the bones.
TEST(HostProgram, drawsEachSkinPointInItsHeaviestBonesColourInsideEveryView) {
    // A limb of two bones up the middle of a tube twice as long as they.
    std::ostringstream tube;
    tube << "o Limb\nv 0 0 0\nv 0 1 0\nv 0.1 0 0\nv 0 2 0\nv 0.1 1 0\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 2 4 5\n";
    const int sides = 12, rings = 61;
    for (int ring = 0; ring < rings; ++ring)
        for (int side = 0; side < sides; ++side)
            tube << "v " << 0.2 * std::cos(side * 6.2832 / sides) << " " << -1.5 + 0.1 * ring << " "
                 << 0.2 * std::sin(side * 6.2832 / sides) << "\n";
    tube << "usemtl Skin\n";
    for (int ring = 0; ring + 1 < rings; ++ring)
        for (int side = 0; side < sides; ++side) {
            int a = 6 + ring * sides + side, b = 6 + ring * sides + (side + 1) % sides;
            tube << "f " << a << " " << b << " " << b + sides << " " << a + sides << "\n";
        }
    const struct {
        const char *what;
        std::string mesh;
        bool limb;  // its front view's dots checked against the limb's bones
    } rows[] = {{"a limb in a long tube", "\"" + WriteTemp("tube.obj", tube.str()) + "\"", true},
                {"the biped in its skin", Example("biped_skin.obj"), false}};
    for (const auto &row : rows) {
        std::vector<DrawnView> views = DrawnViews(RunHost("--quiet --svg - " + row.mesh).output);
        ASSERT_EQ(views.size(), 3u) << row.what;
        for (const DrawnView &view : views) {
            EXPECT_FALSE(view.dots.empty()) << row.what;
            for (const auto &dot : view.dots)
                EXPECT_TRUE(dot[0] >= view.left && dot[0] <= view.left + view.size && dot[1] >= view.top &&
                            dot[1] <= view.top + view.size)
                    << row.what << ": a skin point outside its view at " << dot[0] << ", " << dot[1];
        }
        if (!row.limb) continue;
        // Front view: Upper's wedge first, then Lower's, from its joint up.
        const DrawnView &front = views[0];
        ASSERT_EQ(front.wedges.size(), 2u);
        const auto &lower = front.wedges[1];
        double joint = (lower[1] + lower[5]) / 2, unit = joint - lower[3];
        ASSERT_GT(unit, 0);
        size_t checked = 0;
        for (size_t i = 0; i < front.dots.size(); ++i) {
            double above = (joint - front.dots[i][1]) / unit;  // in bone lengths
            if (std::fabs(above) < 0.5) continue;
            EXPECT_EQ(front.dotFills[i], front.wedgeFills[above > 0 ? 1 : 0]) << row.what << ": a point " << above << " above the knee";
            ++checked;
        }
        EXPECT_GT(checked, 500u);
    }
}

// The files in `folder`, by name.
std::set<std::string> FilesIn(const std::string &folder) {
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// --beside writes each file's picture and page with that file's objects
// alone; with no file given, and nothing to read, it writes nothing: not
// beside the bundled example, not beside the program.
TEST(HostProgram, besideWritesEachFilesOwnObjectsAndNothingWithoutAFile) {
    const std::string bone = "v 0 0 0\nv 0 1 0\nv 0.1 0 0\nv -0.2 0 -0.2\nv 0.2 0 -0.2\nv 0.2 1 0.2\nv -0.2 1 0.2\n"
                             "usemtl Skin\nf 4 5 6 7\nusemtl ";
    const std::string first = WriteTemp("first.obj", "o First\n" + bone + "FirstBone\nf 1 2 3\n"),
                      second = WriteTemp("second.obj", "o Second\n" + bone + "SecondBone\nf 1 2 3\n");
    const std::string examples = VEXIL_EXAMPLES_DIR;
    const std::string program = std::filesystem::path(VEXIL_HOST_PATH).parent_path().string();
    const struct {
        const char *what;
        std::string arguments;
        std::vector<std::pair<std::string, std::string>> beside;  // file stem, its object
    } rows[] = {
        {"two files", "--quiet --beside \"" + first + "\" \"" + second + "\"",
         {{first.substr(0, first.size() - 4), "First"}, {second.substr(0, second.size() - 4), "Second"}}},
#if defined(_WIN32)
        {"no file, and nothing on standard input", "--quiet --beside <NUL", {}},
#else
        {"no file, and nothing on standard input", "--quiet --beside </dev/null", {}},
#endif
    };
    for (const auto &row : rows) {
        const std::set<std::string> inExamples = FilesIn(examples), besideProgram = FilesIn(program);
        EXPECT_EQ(RunHost(row.arguments).status, 0) << row.what;
        EXPECT_EQ(FilesIn(examples), inExamples) << row.what << ": written beside the bundled example";
        EXPECT_EQ(FilesIn(program), besideProgram) << row.what << ": written beside the program";
        for (const auto &[stem, object] : row.beside) {
            for (const char *kind : {".vexil.glb", ".vexil.lwo"})
                EXPECT_FALSE(ReadFile(stem + kind).empty()) << row.what << ": " << stem << kind;
            std::string picture = ReadFile(stem + ".vexil.svg"), page = ReadFile(stem + ".vexil.html");
            for (const auto &[otherStem, other] : row.beside) {
                bool own = other == object;
                EXPECT_EQ(picture.find(">" + other + " ("), own ? picture.find(">" + object + " (") : std::string::npos)
                    << row.what << ": " << stem << ".vexil.svg and object " << other;
                EXPECT_EQ(page.find("\"object\":\"" + other + "\"") != std::string::npos, own)
                    << row.what << ": " << stem << ".vexil.html and object " << other;
            }
            EXPECT_NE(picture.find(">" + object + " ("), std::string::npos) << row.what;
        }
    }
}

// vexil-host.exe alone on a console that faces the user both ways was
// started from Explorer: files dropped on it get their outputs beside them
// with no --beside given. Started from cmd, or with its ends redirected, it
// runs as its arguments say.
TEST(HostProgram, takesTheDroppedFilesModeOnlyAloneOnItsOwnConsole) {
    using Arguments = std::vector<std::string>;
    const struct {
        const char *what;
        unsigned processes;
        bool input, output;
        Arguments given, run;
    } rows[] = {
        {"files dropped on it in Explorer", 1, true, true, {"a.obj", "b.lwo"}, {"--beside", "a.obj", "b.lwo"}},
        {"double-clicked", 1, true, true, {}, {"--beside"}},
        {"dropped, --beside given too", 1, true, true, {"--beside", "a.obj"}, {"--beside", "a.obj"}},
        {"started from cmd, which shares its console", 2, true, true, {"a.obj"}, {"a.obj"}},
        {"started from a shell that piped its output", 1, true, false, {"a.obj"}, {"a.obj"}},
        {"started with its input redirected", 1, false, true, {"a.obj"}, {"a.obj"}},
        {"started with no console at all", 0, false, false, {"a.obj"}, {"a.obj"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(vexil_host::ConsoleArguments(row.processes, row.input, row.output, row.given), row.run) << row.what;
}

TEST(HostProgram, runsTheBundledExampleWithoutArgumentsAndTellsItsVersion) {
    Outcome run = RunHost("");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Biped (object 10000001): 19 bones"), std::string::npos) << run.output;
    Outcome version = RunHost("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "vexil-host " VEXIL_VERSION "\n");
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

TEST(HostProgram, readsEachExampleAsLwo2Lwo3AndLwobIntoTheSameCommandsAsItsObj) {
    for (const char *example : {"arm", "hand", "biped", "tail"}) {
        // The LWO2 twin is in the examples; the LWO3 and LWOB ones are made here.
        std::vector<std::string> twins = {Example(example + std::string(".lwo"))};
        for (const char *form : {"LWO3", "LWOB"}) {
            std::string twin = TempPath(example + std::string(".") + form + ".lwo");
            std::string convert = ShellCommand(VEXIL_OBJ2LWO_PATH, std::string("--form ") + form + " " +
                                                                       Example(example + std::string(".obj")) +
                                                                       " \"" + twin + "\"");
            ASSERT_EQ(std::system(convert.c_str()), 0) << convert;
            twins.push_back("\"" + twin + "\"");
        }
        for (const char *options : {"", "--pivot-rotate "}) {
            auto commands = [&](const std::string &mesh) {
                std::string output = TempPath("commands.txt");
                EXPECT_EQ(RunHost(options + std::string("--commands \"") + output + "\" " + mesh).status, 0) << mesh;
                return ReadFile(output);
            };
            std::string fromObj = commands(Example(example + std::string(".obj")));
            EXPECT_GT(fromObj.size(), 500u) << example;
            for (const std::string &twin : twins) EXPECT_EQ(commands(twin), fromObj) << twin << " " << options;
        }
    }
}

}  // namespace
