#include "app/program_stop.hpp"

namespace tolv7 {

void stop_file_error(const std::string& file, const std::string& what) {
    throw ProgramStop(kExitFileError, file + ": " + what);
}

}  // namespace tolv7
