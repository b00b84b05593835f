#include "shell/activate.h"

#include <cmath>
#include <climits>
#include <cstring>
#include <new>
#include <vector>

#include "scene/process_object.h"
#include "shell/command.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"

LWPanelFuncs *hostPanelFuncs;
LWItemInfo *hostItemInfo;
LWObjectInfo *hostObjectInfo;

int FrameAtTime(double seconds, double framesPerSecond) {
    double frame = seconds * framesPerSecond;
    // Converting a value outside int's range is undefined; clamp it instead.
    if (std::isnan(frame)) return 0;
    if (frame <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (frame >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(frame);
}

namespace {

// Shows the options panel and leaves the PivotRotate value the user left in
// `pivotMode`. False when the panel or its control cannot be made.
bool AskPivotRotate(int &pivotMode) {
    LWPanelID panel = hostPanelFuncs->create("Vexil option", nullptr);
    if (panel == nullptr) return false;
    // Whole records, zeroed: the host may read or write every byte of them.
    LWPanControlDesc description;
    std::memset(&description, 0, sizeof description);
    description.type = LWT_BOOLEAN;
    LWControl *control = hostPanelFuncs->addControl(panel, "BoolControl", &description, "PivotRotate");
    if (control == nullptr) {
        // Without a control there is no option to read: give up cleanly.
        hostPanelFuncs->destroy(panel);
        return false;
    }
    LWValue value;
    std::memset(&value, 0, sizeof value);
    value.intv.type = LWT_INTEGER;
    value.intv.value = pivotMode;
    control->set(control, CTL_VALUE, &value);
    hostPanelFuncs->open(panel, PANF_BLOCKING);
    control->get(control, CTL_VALUE, &value);
    hostPanelFuncs->destroy(panel);
    pivotMode = value.intv.value;
    return true;
}

void RestoreSelection(SkeletonBuilder &builder, const std::vector<LWItemID> &selection) {
    for (size_t i = 0; i < selection.size(); ++i)
        SendCommand(builder, i == 0 ? "SelectItem %x" : "AddToSelection %x", selection[i]);
}

void ReleaseBuilder(SkeletonBuilder &builder) {
    ClearBuilder(builder);
    std::vector<BoneRecord *>().swap(builder.records);
}

int Run(int version, GlobalFunc *global, void *local) {
    if (version != LWLAYOUTGENERIC_VERSION) return AFUNC_BADVERSION;

    hostPanelFuncs = static_cast<LWPanelFuncs *>(global("LWPanelServices", GFUSE_TRANSIENT));
    if (hostPanelFuncs == nullptr) return AFUNC_BADGLOBAL;
    hostItemInfo = static_cast<LWItemInfo *>(global("LW Item Info 5", GFUSE_TRANSIENT));
    if (hostItemInfo == nullptr) return AFUNC_BADGLOBAL;
    hostObjectInfo = static_cast<LWObjectInfo *>(global("LW Object Info 7", GFUSE_TRANSIENT));
    if (hostObjectInfo == nullptr) return AFUNC_BADGLOBAL;
    LWInterfaceInfo *interfaceInfo =
        static_cast<LWInterfaceInfo *>(global("LW Interface Info 7", GFUSE_TRANSIENT));
    if (interfaceInfo == nullptr) return AFUNC_BADGLOBAL;
    LWSceneInfo *sceneInfo = static_cast<LWSceneInfo *>(global("LW Scene Info 6", GFUSE_TRANSIENT));
    if (sceneInfo == nullptr) return AFUNC_BADGLOBAL;

    SkeletonBuilder builder{};
    builder.generic = static_cast<LWLayoutGeneric *>(local);

    if (!AskPivotRotate(builder.pivotMode)) return AFUNC_BADGLOBAL;

    // Copy the selection first: the commands below change it.
    std::vector<LWItemID> selection;
    try {
        for (const LWItemID *item = interfaceInfo->selItems; item != nullptr && *item != nullptr; ++item)
            selection.push_back(*item);
    } catch (const std::bad_alloc &) {
        return AFUNC_BADAPP;
    }
    int returnFrame = FrameAtTime(interfaceInfo->curTime, sceneInfo->framesPerSecond);

    SendCommand(builder, "GoToFrame 0");
    for (LWItemID item : selection) {
        ProcessObject(builder, item);
        // Memory is gone: do not start on another object, but still put the
        // user's frame and selection back below.
        if (builder.outOfMemory) break;
    }
    SendCommand(builder, "GoToFrame %d", returnFrame);
    RestoreSelection(builder, selection);

    ReleaseBuilder(builder);
    return builder.outOfMemory ? AFUNC_BADAPP : AFUNC_OK;
}

}  // namespace

extern "C" int Activate(int version, GlobalFunc *global, void *local, void *serverData) {
    (void)serverData;
    try {
        return Run(version, global, local);
    } catch (...) {
        // Run catches what it can recover from; anything else must still
        // not reach the host.
        return AFUNC_BADAPP;
    }
}
