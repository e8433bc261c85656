#pragma once
// The shell the program hands its routines: before each command it puts the
// check log on disk, since the program then waits for the command (a viewer,
// an editor, a listing) and an interrupted session must lose no log line.
#include <string>

#include "app/check_log.hpp"
#include "app/shell.hpp"

namespace tolv7 {

class LogKeepingShell : public Shell {
public:
    LogKeepingShell(Shell& shell, CheckLog& log) : shell_(shell), log_(log) {}
    void run(const std::string& command) override {
        log_.flush();
        shell_.run(command);
    }

private:
    Shell& shell_;
    CheckLog& log_;
};

}  // namespace tolv7
