#include "runs/flight_files.hpp"

#include <fstream>

#include "app/console_routines.hpp"
#include "app/file_picker.hpp"
#include "app/fortran_format.hpp"
#include "app/program.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

void tell(Program& p, const std::string& line) {
    p.log.line(line);
    p.con.line(line);
}

int count_lines(const std::string& file) {
    std::ifstream in = open_existing(file);
    int count = 0;
    std::string line;
    while (read_line(in, line)) ++count;
    return count;
}

}  // namespace

std::optional<int> pick_flt_files(Program& p, const std::string& input_name) {
    std::string name = pad_to(input_name, 30);
    std::string trimmed = trim_right(name);
    std::size_t length = trimmed.size();
    std::string type = length >= 3 ? trimmed.substr(length - 3) : trimmed;
    bool pattern = length >= 5 && trimmed[length - 5] == '*';
    if (!shell_safe_name(trimmed)) {
        oops(p, " FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-*");
        return std::nullopt;
    }
    int count = 1;
    if (pattern) {
        make_filelist(p, type);
        count = count_lines("FILELIST.TXT");
    } else {
        p.shell.run((windows_os(p.set.init) ? "DIR /B " : "ls -1 ") + name + " > FILELIST.TXT");
    }
    if (count == 0) {
        tell(p, ListLine() << " Warning: Aborting requested multifile run. All");
        tell(p, ListLine() << " files requested but none found of type " << type);
        throw ProgramStop(kExitFileError, "no input files of type " + type);
    }
    if (count == 1) {
        tell(p, ListLine() << " Starting requested single file run: " << name);
    } else {
        tell(p, ListLine() << " Using all local files found of type " << type << ".");
        tell(p, ListLine() << " Starting requested multifile run of" << count << "files.");
    }
    return count;
}

}  // namespace tolv7
