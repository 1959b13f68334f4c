#pragma once

namespace platform {

// Prepares the embedded browser engine; call before the application object is made.
// The engine's sandbox cannot run for the root user, so it is switched off for this
// process then (only then); without a display (offscreen) the engine draws without the
// GPU. Settings already in the environment are kept.
void prepareWebEngine();

}  // namespace platform
