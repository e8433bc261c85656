#include "runs/location_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

NextMenu readit(Program& p) {
    p.con.line(" readit is not built yet");
    return NextMenu::Same;
}

}  // namespace tolv7
