#pragma once
// Drives a program in a real terminal: a detached tmux session on a server
// socket of its own, keys sent with send-keys, the screen read back with
// capture-pane. Waiting is polling against a deadline, never a fixed sleep.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace tolv7::test {

class TmuxSession {
public:
    // True when a tmux command can be run on this machine.
    static bool available();

    // Starts `command` through sh in `dir`, in a terminal of the given size.
    // The pane stays after the command ends, and the command's exit status
    // is written to a file, so both can be read afterwards.
    TmuxSession(const std::filesystem::path& dir, const std::string& command, int width = 100, int height = 60);
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    // Types the text literally, then <ENTER>.
    void send_line(const std::string& text);

    // The whole pane, history included, trailing blanks of each line removed.
    std::string capture() const;

    // Polls until `text` occurs at least `times` times in the capture; false
    // when the deadline passes first.
    bool wait_for(const std::string& text, int times = 1,
                  std::chrono::milliseconds deadline = std::chrono::seconds(20)) const;

    // Types the keys (then <ENTER>) and waits until `shown` occurs at least
    // `times` times; a failure carries the screen.
    ::testing::AssertionResult answer(const std::string& keys, const std::string& shown, int times = 1);

    // Polls until the command has ended; its exit status, or nullopt at the
    // deadline.
    std::optional<int> wait_for_exit(std::chrono::milliseconds deadline = std::chrono::seconds(20)) const;

private:
    std::string tmux(const std::string& arguments) const;
    std::string socket_;
    std::filesystem::path status_file_;
    std::filesystem::path config_file_;
};

// The text quoted for a POSIX shell.
std::string sh_quote(const std::string& text);

}  // namespace tolv7::test
