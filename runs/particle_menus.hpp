#pragma once
// The particle and dose-type menus of the flight options and single-place
// dialogues.

namespace tolv7 {

struct Program;

// Shows the particle menu until a code 0-37 is typed; other answers clear
// the screen and show `refusal` first. With `echo`, each number typed is
// written to the check log and the console before it is tested. Returns the
// code as typed (0 kept).
int ask_particle(Program& p, const char* refusal, bool echo = false);

// The dose-type menu of the flight options dialogue.
void show_flight_dose_menu(Program& p);

// The dose-type menu of the single-place dialogue.
void show_place_dose_menu(Program& p);

}  // namespace tolv7
