#include "runs/flight_files.hpp"

#include <filesystem>
#include <fstream>

#include "app/console_echo.hpp"
#include "app/console_routines.hpp"
#include "app/file_picker.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

bool flight_file_pattern(const std::string& input_name) {
    std::string name = trim(input_name);
    return name.size() >= 5 && name[name.size() - 5] == '*';
}

std::vector<std::string> listed_flight_files() {
    std::ifstream in = open_existing("FILELIST.TXT");
    std::vector<std::string> names;
    std::string line;
    while (read_line(in, line))
        if (!line.empty()) names.push_back(line);
    return names;
}

std::optional<int> pick_flt_files(const RunContext& p, const std::string& input_name) {
    std::string trimmed = trim(input_name);
    std::string name = pad_to(trimmed, 30);
    std::size_t length = trimmed.size();
    std::string type = length >= 3 ? trimmed.substr(length - 3) : trimmed;
    bool pattern = flight_file_pattern(trimmed);
    if (!shell_safe_name(trimmed)) {
        oops(p, " FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-*");
        // Unattended, a refused name must not look like a finished run.
        if (batch_mode(p.set.init))
            throw ProgramStop(kExitFileError, "input name \"" + trimmed +
                                                  "\" refused: a name may hold only letters, digits and ._-*");
        return std::nullopt;
    }
    int count = 1;
    if (pattern) {
        make_filelist(p, type);
        count = static_cast<int>(listed_flight_files().size());
    } else {
        std::error_code error;
        if (!std::filesystem::exists(trimmed, error)) stop_file_error(trimmed, "input file does not exist");
        if (std::filesystem::is_directory(trimmed, error)) stop_file_error(trimmed, "is a folder, not an input file");
        list_into_filelist(p, name);
    }
    if (count == 0) {
        echo_line(p.con, p.log, ListLine() << " Warning: Aborting requested multifile run. All");
        echo_line(p.con, p.log, ListLine() << " files requested but none found of type " << type);
        throw ProgramStop(kExitFileError, "no input files of type " + type);
    }
    if (count == 1) {
        echo_line(p.con, p.log, ListLine() << " Starting requested single file run: " << name);
    } else {
        echo_line(p.con, p.log, ListLine() << " Using all local files found of type " << type << ".");
        echo_line(p.con, p.log, ListLine() << " Starting requested multifile run of" << count << "files.");
    }
    return count;
}

}  // namespace tolv7
