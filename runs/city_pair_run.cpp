#include "runs/city_pair_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

NextMenu runbig(Program& p) {
    p.con.line(" runbig is not built yet");
    return NextMenu::Same;
}

}  // namespace tolv7
