#pragma once

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "platform/wait.h"

// Puts back every injectable service of the platform layer (clock, random, media, message
// boxes, shell, waits, the end of the program) as a test found them.
inline void restorePlatformDefaults() {
    platform::setEndHandler({});
    platform::setWaitHandler({});
    platform::setShell(nullptr);
    platform::setRandom(nullptr);
    platform::setMessageBoxes(nullptr);
    platform::setMedia(nullptr);
    platform::setClock(nullptr);
    platform::resetProgramEnding();
}
