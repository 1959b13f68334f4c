#pragma once

#include <QString>
#include <functional>

// Runs the whole program with the given program folder: start-up, the first screen,
// the event loop. `firstShown` is called once the first screen has been painted.
int runProgram(int& argc, char** argv, const QString& programDir = {},
               std::function<void()> firstShown = {});
