#pragma once

// Chromium, inside Qt WebEngine, reads its switches from the environment when the first web
// view is made, and refuses to start as root with its sandbox on. Call this before the
// QApplication is created: it turns the sandbox off for root and the GPU off where there is
// none to use, unless the user has set QTWEBENGINE_CHROMIUM_FLAGS already.
void prepareWebEngineEnvironment();
