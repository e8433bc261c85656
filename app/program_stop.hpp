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
    kExitEndOfInput = 3,  // the keyboard input ended at a prompt
    kExitSkipped = 4      // a batch run finished but left items out
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

// Whether the name (through any link) is a regular file: the only kind of
// file the program opens for reading. A named pipe would block the open
// until some other program writes to it, a device reads without end; both
// are refused before any open is tried.
bool regular_file_named(const std::string& path);
// Whether the name is a named pipe (or a socket): a file that an open for
// writing would wait on. A device such as /dev/full or /dev/null is no pipe.
bool pipe_named(const std::string& path);

// Why a file cannot be opened for reading, as the rest of "FILE: ...":
// "does not exist" (naming a missing folder, or the backslashes that the
// OS setting chose), "is a folder, not a file", "is not a regular file",
// or the system's reason. Nothing but a regular file is opened to find it.
std::string unreadable_cause(const std::string& path);

// Why a file cannot be created or written over: "cannot be created (...)"
// naming its missing folder, a folder in the way or the system's reason,
// "cannot be written (...)" with the system's reason for a file that exists,
// "could not be written (...)" when the file opens but a write failed.
std::string unwritable_cause(const std::string& path);

// Stops with status 2 naming the file and the cause above.
[[noreturn]] void stop_unreadable(const std::string& path);
[[noreturn]] void stop_unwritable(const std::string& path);

// Opens a file that must exist for reading; a missing one, a folder of that
// name or anything else that is not a regular file stops the program.
std::ifstream open_existing(const std::string& path, std::ios::openmode mode = std::ios::in);
// The same for a stream that stays where it is (one of a table of files).
void open_existing(std::ifstream& in, const std::string& path, std::ios::openmode mode = std::ios::in);

// Creates a file or writes it over from its beginning; a failure stops the
// program naming the cause.
std::ofstream open_created(const std::string& path, std::ios::openmode mode = std::ios::out | std::ios::trunc);

// A write to the file failed (full disk, I/O error): status 2 naming it.
// Each takes the stream and the name its messages give.
void check_written(const std::ostream& out, const std::string& file);
void flush_checked(std::ostream& out, const std::string& file);
void close_checked(std::ofstream& out, const std::string& file);

}  // namespace tolv7
