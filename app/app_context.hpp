#pragma once
// What every subsystem reaches: the console, shell and check-log seams and
// the settings of TOLV.INI. The program owns them; a context only refers to
// them, so it is cheap to copy and pass by value or reference.
#include "app/check_log.hpp"
#include "app/console.hpp"
#include "app/settings.hpp"
#include "app/shell.hpp"

namespace tolv7 {

struct AppContext {
    Console& con;
    Shell& shell;
    CheckLog& log;
    Settings& set;
};

}  // namespace tolv7
