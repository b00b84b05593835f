#pragma once

#include "shell/host_api.h"

// The server's activation: one complete run over the host's selection.
// `local` is the host's LWLayoutGeneric record; `serverData` is ignored.
// Returns AFUNC_OK, AFUNC_BADVERSION, AFUNC_BADGLOBAL, or AFUNC_BADAPP when memory ran out;
// never lets an exception reach the host.
extern "C" int Activate(int version, GlobalFunc *global, void *local, void *serverData);

// The frame to return to: time x rate truncated toward zero, clamped to the
// int range; not-a-number gives 0.
int FrameAtTime(double seconds, double framesPerSecond);
