// Services every activation acquires afresh. The three module-wide slots keep
// their values after an activation returns; nothing releases them.
#pragma once

#include "shell/host_api.h"

extern LWPanelFuncs *hostPanelFuncs;
extern LWItemInfo *hostItemInfo;
extern LWObjectInfo *hostObjectInfo;
