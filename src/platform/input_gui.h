#pragma once

namespace platform {

// The keyboard and mouse habits of the family's Windows machines, for every window of the
// program: Enter and Return press the focused button (message boxes keep their default
// button), and input held by an InputHold waits until the hold ends. Installed once on
// the application; further calls do nothing.
void installInputHabits();

// While one lives, the student's presses (keys, mouse buttons, wheel) are held back
// instead of reaching the windows, also when something lets events run meanwhile (a
// clock tick); when the last hold ends they are handed on in the order they came.
// Timers and paints go on.
class InputHold {
  public:
    InputHold();
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;
};

}  // namespace platform
