#include "rig_check/mirror_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <unordered_map>

namespace {

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }
bool IsLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
bool IsAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool SameLetters(const std::string &text, size_t at, const char *word) {
    for (size_t i = 0; word[i] != '\0'; ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    return true;
}

// The other side's word, in the case `marker` is written in.
std::string OtherWord(const std::string &marker, bool left) {
    std::string word = left ? "right" : "left";
    bool upper = IsUpper(marker[0]), allUpper = upper && IsUpper(marker[1]);
    for (size_t i = 0; i < word.size(); ++i)
        if (allUpper || (upper && i == 0)) word[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[i])));
    return word;
}

bool IsSeparator(char c) { return c == '_' || c == '.' || c == '-' || c == ' '; }

// For each side marker a name has, the name with the other side's marker,
// in the order the markers are tried: the word at the start, the word at the
// end, the letter at the start, the letter at the end. A word must stand
// apart from the rest of the name, by case or by a character that is not a
// letter, so that "Leftover" and "Bright" carry no marker.
std::vector<std::string> PartnerNames(const std::string &name) {
    std::vector<std::string> partners;
    for (bool left : {true, false}) {
        const char *word = left ? "left" : "right";
        size_t length = left ? 4 : 5;
        if (name.size() < length || !SameLetters(name, 0, word)) continue;
        if (name.size() > length && IsLower(name[length])) continue;
        std::string rest = name.substr(length);
        partners.push_back(OtherWord(name.substr(0, length), left) + rest);
    }
    for (bool left : {true, false}) {
        const char *word = left ? "left" : "right";
        size_t length = left ? 4 : 5;
        if (name.size() < length || !SameLetters(name, name.size() - length, word)) continue;
        size_t at = name.size() - length;
        if (at > 0 && !IsUpper(name[at]) && IsAlpha(name[at - 1])) continue;
        std::string rest = name.substr(0, at);
        partners.push_back(rest + OtherWord(name.substr(at), left));
    }
    auto other = [](char letter) { return letter == 'L' ? 'R' : letter == 'R' ? 'L' : letter == 'l' ? 'r' : 'l'; };
    auto sideLetter = [](char c) { return c == 'L' || c == 'l' || c == 'R' || c == 'r'; };
    if (name.size() >= 2 && sideLetter(name[0]) && IsSeparator(name[1])) {
        std::string rest = name.substr(1);
        partners.push_back(other(name[0]) + rest);
    }
    if (name.size() >= 2 && sideLetter(name.back()) && IsSeparator(name[name.size() - 2])) {
        std::string rest = name.substr(0, name.size() - 1);
        partners.push_back(rest + other(name.back()));
    }
    return partners;
}

Vec3 Mirrored(Vec3 v, MirrorAxis axis) {
    if (axis == MirrorAxis::X) v.x = -v.x;
    if (axis == MirrorAxis::Y) v.y = -v.y;
    if (axis == MirrorAxis::Z) v.z = -v.z;
    return v;
}

const char *PlaneText(MirrorAxis axis) { return axis == MirrorAxis::X ? "x = 0" : axis == MirrorAxis::Y ? "y = 0" : "z = 0"; }

std::string ParentText(const BoneStory &bone) {
    return bone.parent.empty() ? "is a root" : "hangs from " + QuotedName(bone.parent);
}

void CheckCorners(Diagnosis &diagnosis, const BoneStory &a, const BoneStory &b, MirrorAxis axis) {
    const double tolerance = 1e-4 * std::max(a.length, b.length);
    const struct {
        const char *name;
        double off;
    } corners[] = {
        {"the joint", DistanceBetween(a.joint, Mirrored(b.joint, axis))},
        {"the tip", DistanceBetween(a.tip, Mirrored(b.tip, axis))},
        {"the roll corner", DistanceBetween(a.roll, Mirrored(b.roll, axis))},
    };
    std::vector<std::string> off;
    for (const auto &corner : corners)
        if (!(corner.off <= tolerance))
            off.push_back(std::string(corner.name) + (off.empty() ? " differs" : "") + " by " +
                          NumberText(static_cast<float>(corner.off)));
    if (off.empty()) return;
    std::string message;
    if (off.size() == 1 && corners[2].off > tolerance) {
        message = "the roll is not mirrored: the roll corner of bone " + QuotedName(b.name) + " lies " +
                  NumberText(static_cast<float>(corners[2].off)) + " from the mirror image of that of " +
                  QuotedName(a.name) + " about " + PlaneText(axis);
    } else {
        message = "bones " + QuotedName(a.name) + " and " + QuotedName(b.name) + " are not mirror images about " +
                  PlaneText(axis) + ": ";
        for (size_t i = 0; i < off.size(); ++i)
            message += (i == 0 ? "" : i + 1 == off.size() ? " and " : ", ") + off[i];
    }
    diagnosis.findings.push_back({"mirror", Severity::Warning, {a.name, b.name}, b.polygon, {}, message});
}

}  // namespace

bool ParseMirrorAxis(const std::string &word, MirrorAxis &axis) {
    if (word == "x") axis = MirrorAxis::X;
    else if (word == "y") axis = MirrorAxis::Y;
    else if (word == "z") axis = MirrorAxis::Z;
    else if (word == "none") axis = MirrorAxis::None;
    else return false;
    return true;
}

void CheckMirror(Diagnosis &diagnosis, MirrorAxis axis) {
    if (axis == MirrorAxis::None) return;
    // Bones in the order their triangles stand in the mesh.
    std::vector<const BoneStory *> bones;
    for (const BoneStory &bone : diagnosis.bones) bones.push_back(&bone);
    std::sort(bones.begin(), bones.end(), [](const BoneStory *a, const BoneStory *b) { return a->scanOrder < b->scanOrder; });

    std::unordered_map<std::string, size_t> byName;
    std::vector<std::vector<std::string>> partnerNames(bones.size());
    for (size_t i = 0; i < bones.size(); ++i) {
        byName[bones[i]->name] = i;
        partnerNames[i] = PartnerNames(bones[i]->name);
    }
    // Each bone takes the first of its markers that finds an unpaired partner.
    std::vector<size_t> partner(bones.size(), SIZE_MAX);
    for (size_t i = 0; i < bones.size(); ++i) {
        for (const std::string &name : partnerNames[i]) {
            if (partner[i] != SIZE_MAX) break;
            auto found = byName.find(name);
            if (found == byName.end() || found->second == i || partner[found->second] != SIZE_MAX) continue;
            partner[i] = found->second;
            partner[found->second] = i;
        }
    }
    // The partner of the bone of that name, or none.
    auto partnerOf = [&](const std::string &name) -> const std::string * {
        auto found = byName.find(name);
        if (found == byName.end() || partner[found->second] == SIZE_MAX) return nullptr;
        return &bones[partner[found->second]]->name;
    };

    std::vector<Finding> notes;
    for (size_t i = 0; i < bones.size(); ++i) {
        const BoneStory &a = *bones[i];
        if (partner[i] == SIZE_MAX) {
            if (!partnerNames[i].empty())
                notes.push_back({"missing-partner", Severity::Note, {a.name}, nullptr, {},
                                 "bone " + QuotedName(a.name) + " has a side marker, but no bone is named " +
                                     QuotedName(partnerNames[i].front())});
            continue;
        }
        if (partner[i] < i) continue;  // each pair once, told at its later bone
        const BoneStory &b = *bones[partner[i]];
        CheckCorners(diagnosis, a, b, axis);
        const std::string *mirrorOfParent = partnerOf(a.parent);
        bool parentsMirrored = a.parent == b.parent ? a.parent.empty() || PartnerNames(a.parent).empty()
                                                    : mirrorOfParent != nullptr && *mirrorOfParent == b.parent;
        if (!parentsMirrored)
            diagnosis.findings.push_back({"mirror-parent", Severity::Warning, {a.name, b.name}, b.polygon, {},
                                          "bone " + QuotedName(a.name) + " " + ParentText(a) + ", but its mirror " +
                                              QuotedName(b.name) + " " + ParentText(b) +
                                              ": their parents are not mirror images"});
    }
    diagnosis.findings.insert(diagnosis.findings.end(), notes.begin(), notes.end());
    std::stable_sort(diagnosis.findings.begin(), diagnosis.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.severity < b.severity; });
}
