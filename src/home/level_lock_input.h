#pragma once

#include "course/level_locks.h"
#include "state/session.h"

class ResultsTables;

// The lock input of the signed-in student: the course, the student's figures from the
// statistics, and the name.
LevelLockInput levelLockInputOfSession(const ResultsTables& stats, const state::Session& session);
