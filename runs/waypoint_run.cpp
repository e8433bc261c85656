#include "runs/waypoint_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

NextMenu rundeg(Program& p) {
    p.con.line(" rundeg is not built yet");
    return NextMenu::Same;
}

}  // namespace tolv7
