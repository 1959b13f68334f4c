#pragma once

#include <QString>
#include <functional>

// Runs the whole program with the given program folder: start-up, the first screen,
// the event loop. `firstShown` is called once the first screen has been painted.
int runProgram(int& argc, char** argv, const QString& programDir = {},
               std::function<void()> firstShown = {});

// The window layer of the program: message boxes, sounds, the end of the program and
// the screen hooks. runProgram calls it; whole-program tests call it after installing
// their own recorders (then pass installPlatform = false).
void installProgram(bool installPlatform = true);

// Start-up with the given program folder, then the first screen. Returns false when the
// program ended during the start-up (the message has been shown).
bool startProgram(const QString& programDir);
