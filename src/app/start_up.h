#pragma once

#include <QString>

#include "state/settings_file.h"
#include "widgets/program_state.h"

// Settings load, title, level targets and sound table: everything before the first window.
void startUp(const QString& programDir, ProgramState& state);
