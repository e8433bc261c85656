#pragma once
// A working folder and a program for driving menus: a TOLV.INI naming the
// viewer "vi", a shell that records commands and answers a listing command
// by writing the names of `listing` to FILELIST.TXT, and an optional hook
// that acts for any command (an editor's change to a file).
#include <functional>
#include <string>
#include <vector>

#include "support/golden_file.hpp"  // matches_golden for the screens under tests/golden/
#include "support/test_program.hpp"

namespace tolv7::test {

struct MenuRig {
    explicit MenuRig(const std::string& answers, const std::string& menus = "FEW", const std::string& os = "LINUX");

    // How often the text occurs in the screen written so far.
    int count(const std::string& text) const;

    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
    std::vector<std::string> listing;
    std::function<void(const std::string&)> on_command;
};

}  // namespace tolv7::test
