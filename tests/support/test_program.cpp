#include "support/test_program.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include "airports/airport_record.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() /
                ("tolv7-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                 std::to_string(rd() % 100000));
        if (fs::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScopedCwd::ScopedCwd(const fs::path& dir) : previous_(fs::current_path()) { fs::current_path(dir); }

ScopedCwd::~ScopedCwd() {
    std::error_code ec;
    fs::current_path(previous_, ec);
}

TestProgram::TestProgram(const std::string& answers)
    : in_(answers), console_(in_, out_), program_(std::make_unique<Program>(console_, shell, log)) {}

std::vector<std::string> TestProgram::screen_lines() const { return split_lines(out_.str()); }

void write_file(const fs::path& path, const std::string& content) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (read_line(in, line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> read_lines(const fs::path& path) { return split_lines(read_file(path)); }

void write_minimal_tree(const fs::path& dir, const std::string& tolv_ini) {
    write_file(dir / "TOLV.INI", tolv_ini);
    for (const char* f : {"SOLARMOD/MV-DATES.L99", "AIRPORTS/CODES", "SOLARMOD/MORDATES.2K"})
        write_file(dir / f, "");
    for (const char* f : {"AIRPORTS/AIRPORTS.DAT", "AIRPORTS/NEWPORTS.DAT"})
        write_file(dir / f, end_of_file_record() + "\n");
    fs::create_directories(dir / "DIAGNOSE");
}

int run_executable(const fs::path& dir, const std::string& input, std::string* console) {
    TempDir scratch;
    write_file(scratch.path() / "stdin.txt", input);
    std::string command = "cd '" + dir.string() + "' && '" + std::string(TOLV7_EXE) + "' < '" +
                          (scratch.path() / "stdin.txt").string() + "' > '" +
                          (scratch.path() / "stdout.txt").string() + "' 2>&1";
    int raw = std::system(command.c_str());
    if (console) *console = read_file(scratch.path() / "stdout.txt");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

int stop_status(const std::function<void()>& f, std::string* what) {
    try {
        f();
    } catch (const ProgramStop& stop) {
        if (what) *what = stop.what();
        return stop.status();
    }
    return -1;
}

}  // namespace tolv7::test
