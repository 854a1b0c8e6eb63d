#pragma once

/// \file
/// waitHandlingEvents(): a wait that keeps the calling thread's events flowing.

#include "kwcore_export.h"

/// Waits `msec` milliseconds in a local event loop of the calling thread.
///
/// Its events keep being handled (queued calls, timers, network replies, user input) and the CPU
/// stays idle. The loop quits by a timer, so the wait always ends; a negative `msec` waits no
/// time. The thread needs no running event loop of its own, but the nested loop runs whatever
/// is due, so the caller must expect its objects to change, or be deleted, during the wait.
/// \ingroup core
KWCORE_EXPORT void waitHandlingEvents(int msec);
