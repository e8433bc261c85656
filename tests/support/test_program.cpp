#include "support/test_program.hpp"

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include "airports/airport_record.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "tools/shared_data.hpp"

namespace tolv7::test {

int process_id() {
#ifdef _WIN32
    return ::_getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

void RecordingShell::answer_listings(const std::string& names) {
    handler = [names](const std::string&) { write_file("FILELIST.TXT", names); };
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() /
                ("tolv7-test-" + std::to_string(process_id()) + "-" + std::to_string(counter++) + "-" +
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

void write_listing(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += name + "\n";
    write_file("FILELIST.TXT", text);
}

int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

void link_or_copy(const fs::path& target, const fs::path& link) {
    std::error_code ec;
    if (fs::is_directory(target)) fs::create_directory_symlink(target, link, ec);
    else fs::create_symlink(target, link, ec);
    if (ec) fs::copy(target, link, fs::copy_options::recursive);
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
#ifdef _WIN32
    // Text files written on Windows end their lines with \r\n.
    return crlf_as_lf(text.str());
#else
    return text.str();
#endif
}

std::string crlf_as_lf(const std::string& text) {
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf.push_back(text[i]);
    return lf;
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

fs::path built_program(const char* relative) {
    return (tree::running_program().parent_path() / relative).lexically_normal();
}

int run_executable(const fs::path& dir, const std::string& input, std::string* console) {
    TempDir scratch;
    write_file(scratch.path() / "stdin.txt", input);
    const std::string program = built_program(TOLV7_EXE).string();
    const std::string in = (scratch.path() / "stdin.txt").string();
    const std::string out = (scratch.path() / "stdout.txt").string();
#ifdef _WIN32
    // cmd.exe: the exit status is the program's own.
    std::string command = "cd /d \"" + dir.string() + "\" && \"" + program + "\" < \"" + in + "\" > \"" + out +
                          "\" 2>&1";
    int status = std::system(command.c_str());
#else
    std::string command = "cd '" + dir.string() + "' && '" + program + "' < '" + in + "' > '" + out + "' 2>&1";
    int raw = std::system(command.c_str());
    int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    if (console) *console = read_file(out);
    return status;
}

void open_check_log(TestProgram& tp) {
    fs::create_directories("DIAGNOSE");
    tp.log.open("DIAGNOSE/TOLV7CHK.DAT");
}

std::vector<std::string> check_log_lines(TestProgram& tp) {
    tp.log.flush();
    return read_lines("DIAGNOSE/TOLV7CHK.DAT");
}

LoggedWorkdir::LoggedWorkdir() {
    tp->set.init.os = "LINUX";
    open_check_log(tp);
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
