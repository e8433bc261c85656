#pragma once
// The ways the program ends. A stop travels as an exception to main, so that
// every open file is flushed and closed on the way out.
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>

namespace tolv7 {

enum ExitStatus : int {
    kExitNormal = 0,     // batch run finished, exit item chosen
    kExitFatal = 1,      // "Fatal error, aborting program!"
    kExitFileError = 2,  // a file the program needs is missing or unreadable
    kExitEndOfInput = 3  // the keyboard input ended at a prompt
};

class ProgramStop : public std::runtime_error {
public:
    ProgramStop(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

// A file the program must have is missing or cannot be read.
[[noreturn]] void stop_file_error(const std::string& file, const std::string& what);

// Opens a file that must exist for reading; a missing one, or a folder of
// that name, stops the program.
std::ifstream open_existing(const std::string& path);

// A write to the file failed (full disk, I/O error): status 2 naming it.
// Each takes the stream and the name its messages give.
void check_written(const std::ostream& out, const std::string& file);
void flush_checked(std::ostream& out, const std::string& file);
void close_checked(std::ofstream& out, const std::string& file);

}  // namespace tolv7
