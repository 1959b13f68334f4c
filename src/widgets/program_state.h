#pragma once

#include "results/statistics.h"
#include "sound/sound.h"
#include "state/session.h"

// What the program keeps while it runs. The program owns it; the flow hands it to the
// screens it makes, and each screen keeps a reference for as long as it lives.
struct ProgramState {
    state::Session session;
    ResultsTables tables;
    Sounds sounds;
};
