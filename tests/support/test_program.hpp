#pragma once
// Shared test helpers: temporary working folders, a program context with a
// scripted console and a recording shell, and small file helpers.
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "program/program.hpp"

namespace tolv7::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Makes a folder the working directory for the lifetime of the object.
class ScopedCwd {
public:
    explicit ScopedCwd(const fs::path& dir);
    ~ScopedCwd();

private:
    fs::path previous_;
};

// Records shell commands instead of running them; an optional handler acts
// for the command (for example writes FILELIST.TXT).
class RecordingShell : public Shell {
public:
    void run(const std::string& command) override {
        commands.push_back(command);
        if (handler) handler(command);
    }
    // Answers every command as a listing command would: `names` (one a
    // line) written to FILELIST.TXT in the working folder.
    void answer_listings(const std::string& names);
    std::vector<std::string> commands;
    std::function<void(const std::string&)> handler;
};

// A program context whose console reads `answers` and writes to a buffer.
class TestProgram {
public:
    explicit TestProgram(const std::string& answers = "");
    Program& operator*() { return *program_; }
    Program* operator->() { return program_.get(); }
    Program& program() { return *program_; }
    std::string screen() const { return out_.str(); }
    std::vector<std::string> screen_lines() const;
    RecordingShell shell;
    CheckLog log;

private:
    std::istringstream in_;
    std::ostringstream out_;
    Console console_;
    std::unique_ptr<Program> program_;
};

void write_file(const fs::path& path, const std::string& content);

// Links `link` to the file or folder `target`, or copies it where the system
// allows no links (Windows allows them only to privileged users).
void link_or_copy(const fs::path& target, const fs::path& link);

// Writes the names, one a line, to FILELIST.TXT in the working folder.
void write_listing(const std::vector<std::string>& names);

// How often `part` occurs in `text`, occurrences not overlapping.
int occurrences(const std::string& text, const std::string& part);

// The file's text; on Windows with \r\n line ends read as \n.
std::string read_file(const fs::path& path);
std::vector<std::string> read_lines(const fs::path& path);
std::vector<std::string> split_lines(const std::string& text);

// The text with each \r\n turned into \n (a lone \r stays).
std::string crlf_as_lf(const std::string& text);

// The minimum a start-up needs in a folder: TOLV.INI (given text), the five
// fixed data files (the airport files holding only their end record, the
// others empty), a DIAGNOSE folder.
void write_minimal_tree(const fs::path& dir, const std::string& tolv_ini);

// The identifier of the running test program's process.
int process_id();

// A program of this build, from its path relative to the folder of the
// running test program (TOLV7_EXE, TOLV7_TREE_TOOL).
fs::path built_program(const char* relative);

// Runs the built tolv7 executable in `dir` with `input` on its keyboard;
// returns its exit status and fills the console text when asked.
int run_executable(const fs::path& dir, const std::string& input, std::string* console = nullptr);

// Opens the check log as DIAGNOSE/TOLV7CHK.DAT in the working folder (the
// place start-up opens it), making the folder when it is missing.
void open_check_log(TestProgram& tp);

// The lines of the check log DIAGNOSE/TOLV7CHK.DAT in the working folder,
// after flushing what the program has written to it.
std::vector<std::string> check_log_lines(TestProgram& tp);

// A fresh working folder, the working directory for the object's lifetime,
// with a program whose OS setting is LINUX and whose check log is open there.
// Fixtures of the models that read their own files derive from it.
struct LoggedWorkdir {
    LoggedWorkdir();
    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
};

// Runs f and returns the status of the program stop it raised (-1 when it
// returned normally); the stop's message goes to `what` when given.
int stop_status(const std::function<void()>& f, std::string* what = nullptr);

}  // namespace tolv7::test
