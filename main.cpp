// tolv7: doses of galactic cosmic radiation on flights and at places.
#include <exception>
#include <iostream>
#include <memory>
#include <new>

#include "app/program_stop.hpp"
#include "program/program.hpp"
#include "program/startup.hpp"

namespace {

// The stop's message as one line of standard error.
void say_why(std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r') c = ' ';
    std::cerr << "tolv7: " << message << '\n';
}

}  // namespace

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
        } catch (const std::bad_alloc&) {
            status = tolv7::kExitFatal;
            message = "out of memory";
        } catch (const std::exception& error) {  // a fault of the program itself
            status = tolv7::kExitFatal;
            message = std::string("internal error: ") + error.what();
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
    if (status != tolv7::kExitNormal) say_why(message.empty() ? "stopped (status " + std::to_string(status) + ")" : message);
    return status;
}
