#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "runs/run_context.hpp"
#include "menus/potential_menu.hpp"

namespace tolv7 {

// Neither potential file is held open by the program, so the editor may
// rewrite or rename it (Windows refuses both while another handle is open).

void add2l99(const RunContext& p) {
    p.con.line(ListLine() << "ADD NEW DATE AND POTENTIAL TO END OF FILE MV-DATES");
    p.con.line(ListLine() << "E.G. 12/2020,   1345");
    // The monthly table is not loaded again: the new line counts from the
    // next start.
    showpick(p, "SOLARMOD/MV-DATES.L99");
}

void addadaily(const RunContext& p) {
    p.con.line(ListLine() << "ADD NEW DATE AND POTENTIAL TO END OF FILE MORDATES.2K");
    p.con.line(ListLine() << "E.G. 2020/12/25,   1345");
    showpick(p, "SOLARMOD/MORDATES.2K");
    // The next look-up reads the file again, even when the edit kept its
    // size and time stamp.
    p.engine.daily_potentials.stamp.clear();
}

}  // namespace tolv7
