#include "airports/airport_report.hpp"

#include "app/program.hpp"

namespace tolv7 {

NextMenu rep_by_icao(Program& p, const std::string&) {
    p.con.line(" rep_by_icao is not built yet");
    return NextMenu::Same;
}

}  // namespace tolv7
