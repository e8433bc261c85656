#include "tools/data_tree.hpp"

namespace tolv7::tree {

// HELP.TXT: the short guide that the menus open in the viewer.
void write_help(const fs::path& dir, const TreeOptions&) {
    write_text_file(dir / "HELP.TXT",
                    "TOLV-7: doses of galactic cosmic radiation on flights and at places\n"
                    "\n"
                    "Start the program in a folder that holds its data tree and a TOLV.INI\n"
                    "whose MENUS line is YES (or FEW: the same menus without the pauses after\n"
                    "messages). Each menu shows numbered items: type the number and press\n"
                    "<ENTER>.\n"
                    "\n"
                    "MAIN MENU\n"
                    "  2  flights: city-pair files (*.BIG) or waypoint files (*.DEG)\n"
                    "  3  airports: indexes, reports and user airports\n"
                    "  4  locations: one place, a location list (*.LOC), dose rate archives\n"
                    "  5  solar data: heliocentric potentials, Forbush and Kp files\n"
                    "  6  output: TOLV.INI, DEFAULT.INP and earlier result archives\n"
                    "  7  exit (Q too)\n"
                    "\n"
                    "Files are shown and edited in the viewer named by the VIEWER line of\n"
                    "TOLV.INI; without one the program uses NOTEPAD. The program waits until\n"
                    "the viewer ends. The value is read as one word of at most 12 characters:\n"
                    "a longer one is cut, so a viewer in a long path is put on the PATH and\n"
                    "named alone, and a value holding a slash or a blank goes in quotes. For\n"
                    "example VIEWER = less, VIEWER = notepad or VIEWER = '/usr/bin/vi'.\n"
                    "\n"
                    "Result archives: .OUT (city-pair flights), .SUM and .DAT (waypoint\n"
                    "flights), .ANS (location lists); TOLV-7.RPT holds the run reports.\n");
}

}  // namespace tolv7::tree
