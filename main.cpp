// tolv7: doses of galactic cosmic radiation on flights and at places.
#include <iostream>
#include <memory>

#include "app/program_stop.hpp"
#include "program/program.hpp"
#include "program/startup.hpp"

int main() {
    tolv7::Console console(std::cin, std::cout);
    tolv7::SystemShell shell;
    tolv7::CheckLog log;
    int status = tolv7::kExitNormal;
    std::string message;
    {
        auto program = std::make_unique<tolv7::Program>(console, shell, log);
        try {
            tolv7::run_tolv7(*program);
        } catch (const tolv7::ProgramStop& stop) {
            status = stop.status();
            message = stop.what();
        }
    }  // the program's files close here
    try {
        log.flush();
    } catch (const tolv7::ProgramStop& stop) {  // the last lines of the log could not be written
        if (status == tolv7::kExitNormal) {
            status = stop.status();
            message = stop.what();
        }
    }
    std::cout.flush();
    if (!message.empty()) std::cerr << "tolv7: " << message << '\n';
    return status;
}
