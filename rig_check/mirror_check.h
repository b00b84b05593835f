// The mirror check: left and right bones that are not mirror images of each
// other, found before a mirrored animation shows it.
#pragma once

#include <string>

#include "rig_check/diagnosis.h"

enum class MirrorAxis { X, Y, Z, None };

// Pairs the diagnosed bones by name (names that differ only in a side
// marker: Left/Right, any case, at the start or end; or L/R, any case, set
// apart by '_', '.', '-' or a blank at the start or end) and adds to the
// diagnosis: a `mirror` warning where a pair's joint, tip or roll corner is
// not the other's mirror image about the plane where `axis` is 0 (within
// 1e-4 of the longer bone's length), a `mirror-parent` warning where their
// parents are not each other's mirror, and a `missing-partner` note for a
// bone with a side marker and no partner. Does nothing for MirrorAxis::None.
void CheckMirror(Diagnosis &diagnosis, MirrorAxis axis);

// The axis a word names ("x", "y", "z" or "none"); false for any other word.
bool ParseMirrorAxis(const std::string &word, MirrorAxis &axis);
