#pragma once

#include "kwcore_export.h"

// Waits `msec` milliseconds in a local event loop of the calling thread: its events keep being
// handled (queued calls, timers, network replies) and the CPU stays idle. The loop quits by a
// timer, so the wait always ends; a negative `msec` waits no time.
KWCORE_EXPORT void waitHandlingEvents(int msec);
