#include "support/tmux_session.hpp"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/test_program.hpp"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace tolv7::test {

namespace {

// Runs a shell command and returns what it wrote to its standard output.
std::string output_of(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    pclose(pipe);
    return text;
}

std::string unique_socket() {
    static std::atomic<int> serial{0};
    return "tolv7-test-" + std::to_string(process_id()) + "-" + std::to_string(serial++);
}

}  // namespace

std::string sh_quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out.push_back(c);
    }
    return out + "'";
}

bool TmuxSession::available() {
#ifdef _WIN32
    return false;
#else
    return std::system("tmux -V > /dev/null 2>&1") == 0;
#endif
}

TmuxSession::TmuxSession(const std::filesystem::path& dir, const std::string& command, int width, int height)
    : socket_(unique_socket()), status_file_(dir / ".tmux-exit-status"), config_file_(dir / ".tmux.conf") {
    std::filesystem::remove(status_file_);
    {
        std::ofstream conf(config_file_);
        conf << "set -g remain-on-exit on\nset -g history-limit 100000\nset -g status off\n";
    }
    std::string wrapped = "cd " + sh_quote(dir.string()) + " && " + command + "; echo $? > " +
                          sh_quote(status_file_.string() + ".tmp") + " && mv " +
                          sh_quote(status_file_.string() + ".tmp") + " " + sh_quote(status_file_.string());
    tmux("-f " + sh_quote(config_file_.string()) + " new-session -d -s main -x " + std::to_string(width) + " -y " +
         std::to_string(height) + " " + sh_quote("sh -c " + sh_quote(wrapped)));
}

TmuxSession::~TmuxSession() { tmux("kill-server"); }

std::string TmuxSession::tmux(const std::string& arguments) const {
    return output_of("tmux -L " + sh_quote(socket_) + " " + arguments + " 2>/dev/null");
}

void TmuxSession::send_line(const std::string& text) {
    if (!text.empty()) tmux("send-keys -t main -l " + sh_quote(text));
    tmux("send-keys -t main Enter");
}

std::string TmuxSession::capture() const { return tmux("capture-pane -p -t main -S - -E -"); }

bool TmuxSession::wait_for(const std::string& text, int times, std::chrono::milliseconds deadline) const {
    auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (occurrences(capture(), text) >= times) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::yield();
    }
}

::testing::AssertionResult TmuxSession::answer(const std::string& keys, const std::string& shown, int times) {
    send_line(keys);
    if (wait_for(shown, times)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "after " << keys << ", \"" << shown << "\" not shown " << times
                                         << " times:\n" << capture();
}

std::optional<int> TmuxSession::wait_for_exit(std::chrono::milliseconds deadline) const {
    auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        std::ifstream in(status_file_);
        int status = 0;
        if (in >> status) return status;
        if (std::chrono::steady_clock::now() > end) return std::nullopt;
        tmux("display-message -p -t main '#{pane_dead}'");  // paces the polling
    }
}

}  // namespace tolv7::test
