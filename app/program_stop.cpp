#include "app/program_stop.hpp"

namespace tolv7 {

void stop_file_error(const std::string& file, const std::string& what) {
    throw ProgramStop(kExitFileError, file + ": " + what);
}

std::ifstream open_existing(const std::string& path) {
    std::ifstream in(path);
    if (!in) stop_file_error(path, "cannot be opened");
    return in;
}

}  // namespace tolv7
