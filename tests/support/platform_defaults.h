#pragma once

#include <vector>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shared_files.h"
#include "platform/shell.h"
#include "platform/wait.h"

// Puts back every injectable service of the platform layer (clock, random, media, message
// boxes, shell, shared files, waits, the end of the program) as a test found them.
inline void restorePlatformDefaults() {
    platform::setEndHandler({});
    platform::setWaitHandler({});
    platform::setShell(nullptr);
    platform::setSharedFiles(nullptr);
    platform::setRandom(nullptr);
    platform::setMessageBoxes(nullptr);
    platform::setMedia(nullptr);
    platform::setClock(nullptr);
    platform::resetProgramEnding();
}

// Installs the recorders a whole-program test runs with: a fake clock that the waits
// advance, recorded media, message boxes, shell and ends of the program, and `random` when
// given. restorePlatformDefaults takes them out again.
template <class Clock>
void installRecorders(Clock& clock, platform::RecordingMedia& media,
                      platform::RecordingMessageBoxes& boxes, platform::RecordingShell& shell,
                      std::vector<int>& endCodes, platform::Random* random = nullptr) {
    platform::setClock(&clock);
    platform::setMedia(&media);
    platform::setMessageBoxes(&boxes);
    if (random) platform::setRandom(random);
    platform::setShell(&shell);
    platform::setEndHandler([&endCodes](int code) { endCodes.push_back(code); });
    platform::setWaitHandler([&clock](int ms) { clock.advanceMs(ms); });
}
