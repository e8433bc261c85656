// tolv7: doses of galactic cosmic radiation on flights and at places.
#include <exception>
#include <iostream>
#include <memory>
#include <new>

#include "app/program_stop.hpp"
#include "program/program.hpp"
#include "program/startup.hpp"

namespace {

// The stop's message as one line of standard error. Its line ends become
// blanks; every other byte outside printable ASCII is written as \xhh, so
// that a damaged line quoted in the message (a bell, an escape sequence,
// bytes of some other encoding) reaches the terminal as text it shows, never
// as control codes. Bytes from 0x80 up are escaped too: what the program
// quotes of a damaged line is a byte of unknown encoding, and 0x80-0x9f are
// control codes to a terminal that takes 8-bit text.
void say_why(const std::string& message) {
    static const char kHex[] = "0123456789abcdef";
    std::string line = "tolv7: ";
    for (unsigned char c : message) {
        if (c == '\n' || c == '\r') line += ' ';
        else if (c >= 0x20 && c < 0x7f) line += static_cast<char>(c);
        else line += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
    }
    std::cerr << line << '\n';
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
