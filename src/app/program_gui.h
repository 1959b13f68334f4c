#pragma once

#include <QString>
#include <functional>

// Runs the whole program with the given program folder: start-up, the first screen,
// the event loop. `firstShown` is called once the first screen has been painted.
int runProgram(int& argc, char** argv, const QString& programDir = {},
               std::function<void()> firstShown = {});

// The screen flow and input habits of the program, for whole-program tests that install
// their own message boxes and media (runProgram keeps its own for the run).
void installProgram();

// Start-up with the given program folder, then the first screen. Returns false when the
// program ended during the start-up (the message has been shown).
bool startProgram(const QString& programDir);
