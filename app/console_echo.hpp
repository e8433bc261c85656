#pragma once
// A line shown to the user that the check log keeps as well.
#include <string>

#include "app/check_log.hpp"
#include "app/console.hpp"

namespace tolv7 {

// Writes the line on the console, then to the check log.
inline void echo_line(Console& con, CheckLog& log, const std::string& line) {
    con.line(line);
    log.line(line);
}

}  // namespace tolv7
