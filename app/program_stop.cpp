#include "app/program_stop.hpp"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tolv7 {

namespace fs = std::filesystem;

namespace {

const char kWritten[] = "could not be written (disk full or I/O error)";

// The system's text for an error number, as a phrase: "permission denied".
std::string reason(int error) {
    std::string text = std::generic_category().message(error);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// The folder part of the name; empty for a name in the working folder.
fs::path folder_of(const std::string& path) { return fs::path(path).parent_path(); }

// The error number of opening the file in `mode` (fopen's), 0 when it opens.
int open_error(const std::string& path, const char* mode) {
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), mode);
    if (!f) return errno != 0 ? errno : EIO;
    std::fclose(f);
    return 0;
}

}  // namespace

void stop_file_error(const std::string& file, const std::string& what) {
    throw ProgramStop(kExitFileError, file + ": " + what);
}

bool regular_file_named(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(fs::status(path, error));
}

bool pipe_named(const std::string& path) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    return fs::is_fifo(status) || fs::is_socket(status);
}

std::string unreadable_cause(const std::string& path) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return "is a folder, not a file";
    if (!fs::exists(status)) {
        std::string cause = "does not exist";
        fs::path folder = folder_of(path);
        if (!folder.empty() && !fs::is_directory(folder, error)) cause += " (there is no folder " + folder.string() + ")";
#ifndef _WIN32
        // Backslash names come from an OS setting of WIN or DOS in TOLV.INI.
        if (path.find('\\') != std::string::npos) cause += " (the OS setting of TOLV.INI chose \\ in file names)";
#endif
        return cause;
    }
    if (!fs::is_regular_file(status)) return "is not a regular file";
    int e = open_error(path, "rb");
    return e == 0 ? "cannot be read" : "cannot be opened (" + reason(e) + ")";
}

std::string unwritable_cause(const std::string& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) return "cannot be created (a folder of that name is in the way)";
    if (pipe_named(path)) return "is not a regular file";
    fs::path folder = folder_of(path);
    if (!folder.empty()) {
        fs::file_status status = fs::status(folder, error);
        if (!fs::exists(status)) return "cannot be created (its folder " + folder.string() + " does not exist)";
        if (!fs::is_directory(status)) return "cannot be created (" + folder.string() + " is a file, not a folder)";
    }
    // Appending creates nothing that a writing over would not, and keeps
    // what the file holds.
    const bool exists = fs::exists(path, error);
    int e = open_error(path, "ab");
    if (e == 0) return kWritten;
    return (exists ? "cannot be written (" : "cannot be created (") + reason(e) + ")";
}

void stop_unreadable(const std::string& path) { stop_file_error(path, unreadable_cause(path)); }

void stop_unwritable(const std::string& path) { stop_file_error(path, unwritable_cause(path)); }

std::ifstream open_existing(const std::string& path, std::ios::openmode mode) {
    std::ifstream in;
    open_existing(in, path, mode);
    return in;
}

void open_existing(std::ifstream& in, const std::string& path, std::ios::openmode mode) {
    // A folder opens for reading on some systems, and then reads as nothing;
    // a named pipe would keep the open waiting.
    if (!regular_file_named(path)) stop_unreadable(path);
    in.open(path, mode);
    if (!in) stop_unreadable(path);
}

std::ofstream open_created(const std::string& path, std::ios::openmode mode) {
    // Opening a named pipe for writing would wait for a reader.
    if (pipe_named(path)) stop_unwritable(path);
    std::ofstream out(path, mode);
    if (!out) stop_unwritable(path);
    return out;
}

void check_written(const std::ostream& out, const std::string& file) {
    if (!out) stop_file_error(file, kWritten);
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
