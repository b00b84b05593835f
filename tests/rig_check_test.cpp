// What vexil-host tells a rigger to fix: warnings at their place in the
// file, notes, explanations and the mirror check, run as a user would.
#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_host.h"

using namespace vexil_test;

namespace {

// Runs vexil-host on an OBJ text; the output is what it wrote to standard error.
Outcome RunOnMesh(const std::string &name, const std::string &text, const std::string &options = "") {
    std::string mesh = WriteTemp(name, text);
    return RunHost(options + " --commands \"" + TempPath("ignored.txt") + "\" \"" + mesh + "\"", Streams::ErrorsOnly);
}

TEST(RigCheck, warnsOfEachDrawingMistakeAtItsLine) {
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
        {"unwelded at the origin",
         "o Leg\nv 0 0 -2\nv 0 0 0\nv 0 0.1 -2\nv 0 0 0\nv 0 0 1\nv 0 0.1 0\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 4 5 6\n",
         "11: warning: bone 'Lower' is a root, but its joint at (0, 0, 0) lies on the tip of bone 'Upper', which is "
         "a different point: weld the two points [unwelded]"},
        // 2 and 1.999999 lie in different powers of two, yet in one place.
        {"unwelded across a power of two",
         "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 1.999999\nv 0 0 3\nv 0 0.1 1.999999\nusemtl Upper\nf 1 2 3\n"
         "usemtl Lower\nf 4 5 6\n",
         "11: warning: bone 'Lower' is a root, but its joint at (0, 0, 1.999999) lies on the tip of bone 'Upper', "
         "which is a different point: weld the two points [unwelded]"},
        // The joint lies on a connector's end too, which comes first in the
        // file: the tip is what to weld it to.
        {"unwelded on a tip and a connector's end",
         "o Leg\nv 0 0 2\nv 5 5 5\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 3\nv 0 0.1 2\nusemtl Link\nl 1 2\n"
         "usemtl Upper\nf 3 4 5\nusemtl Lower\nf 6 7 8\n",
         "11: warning: a connector of surface 'Link' ends at (0, 0, 2) on the tip of bone 'Upper', but at a "
         "different point: weld the two points [unwelded]\n" + TempPath("mistake.obj") +
             ":15: warning: bone 'Lower' is a root, but its joint at (0, 0, 2) lies on the tip of bone 'Upper', "
             "which is a different point: weld the two points [unwelded]"},
    };
    for (const auto &c : cases) {
        Outcome run = RunOnMesh("mistake.obj", c.obj);
        EXPECT_EQ(run.status, 0) << c.kind;
        EXPECT_EQ(run.output, TempPath("mistake.obj") + ":" + c.warning + "\n") << c.kind;
    }
    const struct {
        const char *what;
        std::string obj;
    } welded[] = {
        // Apart by more than a millionth of the two places' size, however
        // far out another bone lies.
        {"apart", "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2.00001\nv 0 0 3\nv 0 0.1 2\nv 1e15 0 0\nv 1e15 0 1e10\n"
                  "v 1e15 1e9 0\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 4 5 6\nusemtl Far\nf 7 8 9\n"},
        // Only a bone's tip is a place to weld to: two connectors may end in
        // one place, and fingertips may touch.
        {"connector ends in one place", "o Wire\n" + bone + "v 0 0 5\nv 0 0 5\nv 0 0 6\nusemtl A\nf 1 2 3\n"
                                        "usemtl Link\nl 2 4\nl 5 6\n"},
        {"touching fingertips", "o Hand\nv -1 0 0\nv 0 0 0\nv -1 0.1 0\nv 1 0 0\nv 0 0 0\nv 1 0.1 0\n"
                                "usemtl Finger1\nf 1 2 3\nusemtl Finger2\nf 4 5 6\n"},
    };
    for (const auto &c : welded) EXPECT_EQ(RunOnMesh("welded.obj", c.obj).output, "") << c.what;
}

TEST(RigCheck, pointsLwo2WarningsAtThePolygonMarksTheDrawingAndFailsAStrictRun) {
    const std::string leg =
        "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 3\nv 0 0.1 2\nusemtl Upper\nf 1 2 3\nusemtl Lower\nf 4 5 6\n";
    std::string lwo = TempPath("leg.lwo");
    std::string convert = ShellCommand(VEXIL_OBJ2LWO_PATH, "\"" + WriteTemp("leg.obj", leg) + "\" \"" + lwo + "\"");
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::string warning = "warning: bone 'Lower' is a root, but its joint at (0, 0, 2) lies on the tip of "
                                "bone 'Upper', which is a different point: weld the two points [unwelded]\n";
    std::string scene = TempPath("leg.json");
    Outcome run = RunHost("--scene \"" + scene + "\" \"" + lwo + "\"", Streams::ErrorsOnly);
    EXPECT_EQ(run.output, lwo + ": polygon 2 of layer 1: " + warning);
    // The JSON counts from 1 as well.
    const nlohmann::json unwelded = nlohmann::json::parse(ReadFile(scene))["diagnostics"][0];
    EXPECT_EQ(unwelded["kind"], "unwelded");
    EXPECT_EQ(unwelded["polygon"], 2);
    EXPECT_EQ(unwelded["layer"], 1);
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

TEST(RigCheck, findsNoMistakeInTheExamplesAndExplainsEachBone) {
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

TEST(RigCheck, explainsARootWhoseConnectorsLeadNowhere) {
    const struct {
        const char *obj;
        const char *explained;
    } cases[] = {
        {"o Arm\nv 0 0 0\nv 0 0 1\nv 0 0.1 0\nv 5 5 5\nusemtl A\nf 1 2 3\nusemtl Link\nl 1 4\n",
         "  'A' is a root: no bone ends at its joint, and the connector there leads to no bone\n"},
        {"o Arm\nv 0 0 0\nv 0 0 1\nv 0 0.1 0\nv 5 5 5\nv 6 6 6\nusemtl A\nf 1 2 3\nusemtl Link\nl 1 4\nl 5 1\n",
         "  'A' is a root: no bone ends at its joint, and the 2 connectors there lead to no bone\n"},
    };
    for (const auto &c : cases) {
        Outcome run = RunHost("--explain --svg \"" + TempPath("ignored.svg") + "\" \"" + WriteTemp("root.obj", c.obj) + "\"");
        EXPECT_NE(run.output.find(c.explained), std::string::npos) << run.output;
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

TEST(RigCheck, checksThatLeftAndRightBonesAreMirrorImages) {
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
        std::string message = {};            // of the first finding, where given
    } cases[] = {
        {"symmetric", ObjOf(Arms("LeftArm", "RightArm")), "", {}},
        {"roll off", ObjOf(Arms("LeftArm", "RightArm", 0, 0.05f)), "", {"mirror LeftArm RightArm"},
         "the roll is not mirrored: the roll corner of bone 'RightArm' lies 0.05 from the mirror image of that of "
         "'LeftArm' about x = 0"},
        {"tip off", ObjOf(Arms("LeftArm", "RightArm", 0.02f)), "", {"mirror LeftArm RightArm"},
         "bones 'LeftArm' and 'RightArm' are not mirror images about x = 0: the tip differs by 0.02"},
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
        {"about z", ObjOf({{"FinLeft", {0, 0, -1}, {0, 0, -2}, {0.1f, 0, -1}}, {"FinRight", {0, 0, 1}, {0, 0, 2}, {0.1f, 0, 1}}}),
         "--mirror-axis z", {}},
        {"about z, tip off",
         ObjOf({{"FinLeft", {0, 0, -1}, {0, 0, -2}, {0.1f, 0, -1}}, {"FinRight", {0, 0, 1}, {0, 0.05f, 2}, {0.1f, 0, 1}}}),
         "--mirror-axis z", {"mirror FinLeft FinRight"},
         "bones 'FinLeft' and 'FinRight' are not mirror images about z = 0: the tip differs by 0.05"},
        {"no check", ObjOf(Arms("LeftArm", "RightArm", 0.05f)), "--mirror-axis none", {}},
    };
    for (const auto &c : cases) {
        std::string scene = TempPath("mirror.json");
        Outcome run = RunOnMesh("mirror.obj", c.obj, c.options + " --scene \"" + scene + "\"");
        ASSERT_EQ(run.status, 0) << c.what << run.output;
        std::vector<std::string> findings, messages;
        nlohmann::json diagnostics = nlohmann::json::parse(ReadFile(scene))["diagnostics"];
        for (const auto &finding : diagnostics) {
            if (finding["kind"] == "roots") continue;
            std::string text = finding["kind"].get<std::string>();
            for (const auto &bone : finding["bones"]) text += " " + bone.get<std::string>();
            findings.push_back(text);
            messages.push_back(finding["message"]);
        }
        EXPECT_EQ(findings, c.findings) << c.what;
        if (!c.message.empty() && !messages.empty()) {
            EXPECT_EQ(messages[0], c.message) << c.what;
        }
    }
}

}  // namespace
