#pragma once
// The particle and dose-type menus of the flight options and single-place
// dialogues.

namespace tolv7 {

struct RunContext;

// Shows the particle menu until a code 0-37 is typed; other answers clear
// the screen and show `refusal` first. With `echo`, each number typed is
// written to the check log and the console before it is tested. Returns the
// code as typed (0 kept).
int ask_particle(const RunContext& p, const char* refusal, bool echo = false);

enum class DoseMenu { Flight, Place };

// Shows the dose-type menu (the flight dialogue's after a blank line) until
// a quantity 1 to kDoseQuantities is typed; other answers clear the screen
// and show the refusal first.
int ask_dose_type(const RunContext& p, DoseMenu menu);

}  // namespace tolv7
