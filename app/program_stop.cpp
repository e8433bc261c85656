#include "app/program_stop.hpp"

#include <filesystem>

namespace tolv7 {

void stop_file_error(const std::string& file, const std::string& what) {
    throw ProgramStop(kExitFileError, file + ": " + what);
}

std::ifstream open_existing(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) stop_file_error(path, "is a folder, not a file");
    std::ifstream in(path);
    if (!in) {
        // Backslash names come from an OS setting of WIN or DOS in TOLV.INI.
        if (path.find('\\') != std::string::npos)
            stop_file_error(path, "cannot be opened (the OS setting of TOLV.INI chose \\ in file names)");
        stop_file_error(path, "cannot be opened");
    }
    return in;
}

void check_written(const std::ostream& out, const std::string& file) {
    if (!out) stop_file_error(file, "could not be written (disk full or I/O error)");
}

void flush_checked(std::ostream& out, const std::string& file) {
    out.flush();
    check_written(out, file);
}

void close_checked(std::ofstream& out, const std::string& file) {
    if (!out.is_open()) return;
    out.close();
    check_written(out, file);
}

}  // namespace tolv7
