#pragma once

#include <QString>
#include <memory>

#include "platform/shell.h"
#include "results/statistics.h"
#include "sound/sound.h"
#include "state/session.h"

// What the program keeps while it runs. The program owns it; the flow hands it to the
// screens it makes, and each screen keeps a reference for as long as it lives.
struct ProgramState {
    state::Session session;
    ResultsTables tables;
    Sounds sounds;
    // The first level column the home screen showed: the next home screen opens there
    // (0 = none yet).
    int homeFirstColumn = 0;
    // The lock that marks the program as running, held from the name list's first load to
    // the end of the run, and the key it was taken for.
    std::unique_ptr<platform::SingleInstance> instanceLock;
    QString instanceLockKey;
};
