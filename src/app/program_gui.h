#pragma once

#include <QString>
#include <functional>

#include "app/program_flow_gui.h"
#include "platform/media_gui.h"
#include "widgets/program_state.h"

// Runs the whole program with the given program folder: start-up, the first screen,
// the event loop. `firstShown` is called once the first screen has been painted.
int runProgram(int& argc, char** argv, const QString& programDir = {},
               std::function<void()> firstShown = {});

// The running program: its state and its screen flow, and the sounds it plays through.
// Made after the application object and gone before it, in one place: the windows, the
// flow, the state, then the sounds, whose clips Qt's multimedia frees through parts that
// live as long as the application.
class Program {
  public:
    // Own: the program plays through its own media and shows its own message boxes;
    // Installed: through those installed already (whole-program tests).
    enum class Platform { Own, Installed };

    explicit Program(Platform platform = Platform::Own);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up with the given program folder, then the first screen. Returns false when
    // the program ended during the start-up (the message has been shown).
    bool start(const QString& programDir);

    ProgramState& state() { return state_; }
    ProgramFlow& flow() { return flow_; }
    platform::SoundEffectMedia& media() { return media_; }

  private:
    Platform platform_;
    platform::SoundEffectMedia media_;
    ProgramState state_;
    ProgramFlow flow_;
};
