#pragma once

// A seam for the tests that kill the updater half-way: when the environment variable
// KW_UPDATE_TEST_PAUSE names `stage` ("stage" pauses for ever, "stage:ms" for ms
// milliseconds), the calling thread logs "test pause at <stage>" and sleeps there. The
// variable is read once; without it this costs one comparison.
void pauseAtStage(const char *stage);
