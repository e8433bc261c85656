#include "airports/held_files.hpp"

#include "app/program_stop.hpp"

namespace tolv7 {

void rewind_held(std::ifstream& in) {
    in.clear();
    in.seekg(0);
}

void ensure_held_open(std::ifstream& in, const std::string& path) {
    if (!in.is_open()) reopen_held(in, path);
}

void reopen_held_if_present(std::ifstream& in, const std::string& path) {
    if (in.is_open()) in.close();
    in.clear();
    // Whatever is no regular file stays unopened (a named pipe would block
    // the open): its next use names why.
    if (!regular_file_named(path)) return;
    in.open(path);
    if (!in) in.close();
}

void reopen_held(std::ifstream& in, const std::string& path) {
    reopen_held_if_present(in, path);
    if (!in.is_open()) stop_unreadable(path);
}

}  // namespace tolv7
